import QtQuick
import Tallowick

// "Repeats every year": a label and a switch, one control for the pointer, the keyboard (Space
// or Return while it has the focus) and assistive technology (a check box that is checked
// while the event repeats).
Pressable {
    id: root
    signal toggled(bool checked)

    implicitWidth: Style.controlWidth
    implicitHeight: Style.controlHeight
    //% "Repeats every year"
    name: qsTrId("form.repeatsYearly")
    role: Accessible.CheckBox
    checkable: true
    ringRadius: Style.controlHeight / 2
    onActivated: toggled(!root.checked)

    Text {
        anchors.left: parent.left
        anchors.leftMargin: Style.switchLabelInset
        anchors.right: track.left
        anchors.rightMargin: Style.gapL
        anchors.verticalCenter: parent.verticalCenter
        text: root.name
        textFormat: Text.PlainText
        elide: Text.ElideRight
        font.family: Fonts.gilroy
        font.weight: Font.ExtraBold
        font.pointSize: Style.textLabel
        color: "white"
        Accessible.ignored: true
    }

    Rectangle {
        id: track
        objectName: "yearlyTrack"
        anchors.right: parent.right
        anchors.rightMargin: Style.gapS
        anchors.verticalCenter: parent.verticalCenter
        width: Style.switchWidth
        height: Style.switchHeight
        radius: height / 2
        color: root.checked ? Qt.rgba(1, 1, 1, 0.55) : Qt.rgba(0, 0, 0, 0.2)
        Behavior on color { ColorAnimation { duration: Style.switchDuration } }
        Rectangle {
            x: root.checked ? parent.width - width - (parent.height - height) / 2 : (parent.height - height) / 2
            anchors.verticalCenter: parent.verticalCenter
            width: Style.switchKnob
            height: Style.switchKnob
            radius: width / 2
            color: "white"
            Behavior on x { NumberAnimation { duration: Style.switchDuration; easing.type: Easing.InOutQuad } }
        }
    }
}
