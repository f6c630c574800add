import Tallowick
import QtQuick

// The app's notification settings: whether Tallowick may send reminders. It stands in for
// the system's settings page and covers the whole window while open.
Rectangle {
    id: root
    property bool open: false
    signal closed()

    function show() {
        settings.reload()
        open = true
    }
    function close() {
        open = false
        closed()
    }

    anchors.fill: parent
    visible: open
    z: 1100
    color: "#F2F2F7"

    NotificationSettings { id: settings }

    // Taps stay on this page.
    MouseArea { anchors.fill: parent }

    Text {
        objectName: "settingsClose"
        anchors.right: parent.right
        anchors.rightMargin: 20
        y: 58
        text: qsTrId("OK")
        textFormat: Text.PlainText
        font.pixelSize: 17
        font.bold: true
        color: "#007AFF"
        Accessible.role: Accessible.Button
        Accessible.name: text
        Accessible.onPressAction: root.close()
        MouseArea {
            anchors.fill: parent
            anchors.margins: -12
            onClicked: root.close()
        }
    }

    Text {
        id: title
        x: 20
        y: 96
        text: qsTrId("Setting.notificationsPage")
        textFormat: Text.PlainText
        font.pixelSize: 34
        font.bold: true
        color: "black"
        Accessible.role: Accessible.Heading
        Accessible.name: text
    }

    Rectangle {
        x: 16
        y: title.y + title.height + 24
        width: parent.width - 32
        height: 52
        radius: 10
        color: "white"

        Text {
            x: 16
            anchors.verticalCenter: parent.verticalCenter
            width: parent.width - 32 - toggle.width - 8
            text: qsTrId("Setting.allowNotifications")
            textFormat: Text.PlainText
            elide: Text.ElideRight
            font.pixelSize: 17
            color: "black"
        }

        Rectangle {
            id: toggle
            objectName: "allowSwitch"
            anchors.right: parent.right
            anchors.rightMargin: 16
            anchors.verticalCenter: parent.verticalCenter
            width: 51
            height: 31
            radius: height / 2
            color: settings.allowed ? "#34C759" : "#E9E9EA"
            Accessible.role: Accessible.CheckBox
            Accessible.name: qsTrId("Setting.allowNotifications")
            Accessible.checkable: true
            Accessible.checked: settings.allowed
            Accessible.onPressAction: settings.allowed = !settings.allowed
            Accessible.onToggleAction: settings.allowed = !settings.allowed

            Rectangle {
                width: 27
                height: 27
                radius: 13.5
                y: 2
                x: settings.allowed ? parent.width - width - 2 : 2
                color: "white"
                border.color: "#1A000000"
                border.width: 0.5
                Behavior on x { NumberAnimation { duration: 150 } }
            }
            MouseArea {
                anchors.fill: parent
                anchors.margins: -8
                onClicked: settings.allowed = !settings.allowed
            }
        }
    }
}
