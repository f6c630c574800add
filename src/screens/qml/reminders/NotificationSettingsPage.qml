import Tallowick
import QtQuick

// The app's notification settings: whether Tallowick may send reminders. It stands in for
// the system's settings page and covers the whole window while open.
Modal {
    id: root
    initialFocus: allowSwitch

    function show() {
        settings.reload()
        open = true
    }

    z: 1100
    Rectangle { anchors.fill: parent; color: "#F2F2F7" }

    NotificationSettings { id: settings }

    // Taps stay on this page.
    MouseArea { anchors.fill: parent }

    Pressable {
        objectName: "settingsClose"
        anchors.right: parent.right
        anchors.rightMargin: 20
        y: 58
        width: closeText.implicitWidth
        height: closeText.implicitHeight
        touchMargin: 12
        name: qsTrId("OK")
        ringColor: "#007AFF"
        ringRadius: 6
        accessibilityHidden: !root.open
        onActivated: root.close()
        Text {
            id: closeText
            text: qsTrId("OK")
            textFormat: Text.PlainText
            font.pixelSize: 17
            font.bold: true
            color: "#007AFF"
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
        Accessible.ignored: !root.open
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
            width: parent.width - 32 - allowSwitch.width - 8
            text: qsTrId("Setting.allowNotifications")
            textFormat: Text.PlainText
            elide: Text.ElideRight
            font.pixelSize: 17
            color: "black"
        }

        Pressable {
            id: allowSwitch
            objectName: "allowSwitch"
            anchors.right: parent.right
            anchors.rightMargin: 16
            anchors.verticalCenter: parent.verticalCenter
            width: 51
            height: 31
            role: Accessible.CheckBox
            name: qsTrId("Setting.allowNotifications")
            checkable: true
            checked: settings.allowed
            ringColor: "#007AFF"
            accessibilityHidden: !root.open
            onActivated: settings.allowed = !settings.allowed
            Rectangle {
                anchors.fill: parent
                radius: height / 2
                color: settings.allowed ? "#34C759" : "#E9E9EA"
            }

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
        }
    }
}
