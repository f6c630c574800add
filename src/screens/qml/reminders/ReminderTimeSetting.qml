import Tallowick
import QtQuick

// The time of day all reminders arrive at: an hour and a minute column, each a spin button
// that Up and Down (or the mouse wheel, or its arrows) turn round. The choice is written
// once the turning pauses, so that holding a key down moves the reminders once.
Row {
    id: root
    required property ReminderChoice choice
    // What the columns show: the stored time, or the one being turned to.
    property int hour: choice.reminderHour
    property int minute: choice.reminderMinute
    spacing: Style.gapXS
    // A time reads hour first in every language, right-to-left ones too.
    LayoutMirroring.enabled: false
    LayoutMirroring.childrenInherit: true
    Accessible.role: Accessible.Grouping
    //% "Time of reminders"
    Accessible.name: qsTrId("Setting.reminderTime")

    Connections {
        target: root.choice
        function onReminderTimeChanged() {
            if (!settle.running) {
                root.hour = root.choice.reminderHour
                root.minute = root.choice.reminderMinute
            }
        }
    }
    Timer {
        id: settle
        interval: 600
        onTriggered: root.commit()
    }
    function commit() {
        settle.stop()
        if (hour !== choice.reminderHour || minute !== choice.reminderMinute)
            choice.chooseReminderTime(hour, minute)
        hour = choice.reminderHour
        minute = choice.reminderMinute
    }
    Component.onDestruction: if (settle.running) commit()

    TimeColumn {
        objectName: "reminderHour"
        //% "Hour"
        name: qsTrId("a11y.hour")
        value: root.hour
        maximumValue: 23
        onTurned: (value) => { root.hour = value; settle.restart() }
    }
    Text {
        anchors.verticalCenter: parent.verticalCenter
        text: ":"
        textFormat: Text.PlainText
        font.pointSize: Style.textTitle
        font.bold: true
        color: "white"
        Accessible.ignored: true
    }
    TimeColumn {
        objectName: "reminderMinute"
        //% "Minute"
        name: qsTrId("a11y.minute")
        value: root.minute
        maximumValue: 59
        onTurned: (value) => { root.minute = value; settle.restart() }
    }

    component TimeColumn: Item {
        id: column
        property string name
        property int value
        property int maximumValue
        readonly property int minimumValue: 0
        readonly property int stepSize: 1
        signal turned(int value)
        function turn(step) {
            turned((value + step + maximumValue + 1) % (maximumValue + 1))
        }
        function accessibleIncreaseAction() { turn(1) }
        function accessibleDecreaseAction() { turn(-1) }
        width: Math.max(digits.implicitWidth, upArrow.width) + 2 * Style.gapS
        height: upArrow.height + digits.implicitHeight + downArrow.height
        activeFocusOnTab: true
        Accessible.role: Accessible.SpinBox
        Accessible.name: name
        Accessible.focusable: true
        Keys.onUpPressed: turn(1)
        Keys.onDownPressed: turn(-1)
        MouseArea {
            anchors.fill: parent
            acceptedButtons: Qt.NoButton
            onWheel: (event) => {
                const delta = event.angleDelta.y !== 0 ? event.angleDelta.y : event.angleDelta.x
                if (delta !== 0)
                    column.turn(delta > 0 ? 1 : -1)
            }
        }
        Arrow { id: upArrow; anchors.top: parent.top; glyph: "\u25B4"; onActivated: column.turn(1) }
        Text {
            id: digits
            anchors.centerIn: parent
            text: (column.value < 10 ? "0" : "") + column.value
            textFormat: Text.PlainText
            font.pointSize: Style.textTitle
            font.bold: true
            color: "white"
            Accessible.ignored: true
        }
        Arrow { id: downArrow; anchors.bottom: parent.bottom; glyph: "\u25BE"; onActivated: column.turn(-1) }
        FocusRing { target: column; radius: Style.radiusM }
    }

    // A step by mouse or touch; the keys and assistive technology step the column itself.
    component Arrow: Pressable {
        property string glyph
        anchors.horizontalCenter: parent.horizontalCenter
        width: arrowText.implicitWidth + 2 * Style.gapS
        height: arrowText.implicitHeight
        accessibilityHidden: true
        activeFocusOnTab: false
        opacity: hovered && !down ? 0.85 : 1
        Text {
            id: arrowText
            anchors.centerIn: parent
            text: parent.glyph
            textFormat: Text.PlainText
            font.pointSize: Style.textBody
            color: "white"
        }
    }
}
