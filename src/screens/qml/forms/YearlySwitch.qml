import QtQuick
import Tallowick

// "Repeats every year": a label and a switch, one control for the pointer, the keyboard (Space
// or Return while it has the focus) and assistive technology (a check box that is checked
// while the event repeats).
Pressable {
    id: root
    signal toggled(bool checked)

    implicitWidth: 300
    implicitHeight: 44
    //% "Repeats every year"
    name: qsTrId("form.repeatsYearly")
    role: Accessible.CheckBox
    checkable: true
    ringRadius: 22
    onActivated: toggled(!root.checked)

    Text {
        anchors.left: parent.left
        anchors.leftMargin: 18
        anchors.right: track.left
        anchors.rightMargin: 12
        anchors.verticalCenter: parent.verticalCenter
        text: root.name
        textFormat: Text.PlainText
        elide: Text.ElideRight
        font.family: Fonts.gilroy
        font.weight: Font.ExtraBold
        font.pixelSize: 14
        color: "white"
        Accessible.ignored: true
    }

    Rectangle {
        id: track
        objectName: "yearlyTrack"
        anchors.right: parent.right
        anchors.rightMargin: 8
        anchors.verticalCenter: parent.verticalCenter
        width: 52
        height: 30
        radius: height / 2
        color: root.checked ? Qt.rgba(1, 1, 1, 0.55) : Qt.rgba(0, 0, 0, 0.2)
        Behavior on color { ColorAnimation { duration: 200 } }
        Rectangle {
            x: root.checked ? parent.width - width - 3 : 3
            anchors.verticalCenter: parent.verticalCenter
            width: 24
            height: 24
            radius: 12
            color: "white"
            Behavior on x { NumberAnimation { duration: 200; easing.type: Easing.InOutQuad } }
        }
    }
}
