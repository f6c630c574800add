import Tallowick
import QtQuick

// One row of the notification settings: a label and an on/off switch at its end.
Rectangle {
    id: row
    property alias label: labelText.text
    property alias switchItem: toggle
    property alias switchName: toggle.objectName
    property alias description: toggle.description
    property bool checked
    property bool accessibilityHidden
    signal toggled()

    height: Style.settingsRowHeight
    radius: Style.radiusS
    color: Style.groupedRow

    Text {
        id: labelText
        x: Style.gapXL
        anchors.verticalCenter: parent.verticalCenter
        width: parent.width - 2 * Style.gapXL - toggle.width - Style.gapS
        textFormat: Text.PlainText
        elide: Text.ElideRight
        font.pointSize: Style.textHeadline
        color: Style.label
    }

    Pressable {
        id: toggle
        anchors.right: parent.right
        anchors.rightMargin: Style.gapXL
        anchors.verticalCenter: parent.verticalCenter
        width: Style.toggleWidth
        height: Style.toggleHeight
        role: Accessible.CheckBox
        name: labelText.text
        checkable: true
        checked: row.checked
        ringColor: Style.accent
        accessibilityHidden: row.accessibilityHidden
        onActivated: row.toggled()
        Rectangle {
            anchors.fill: parent
            radius: height / 2
            color: row.checked ? Style.switchOn : Style.switchOff
        }

        Rectangle {
            width: Style.toggleKnob
            height: Style.toggleKnob
            radius: width / 2
            y: (parent.height - height) / 2
            x: row.checked ? parent.width - width - y : y
            color: "white"
            border.color: Style.switchKnobBorder
            border.width: Style.hairline
            Behavior on x { NumberAnimation { duration: Style.toggleKnobDuration } }
        }
    }
}
