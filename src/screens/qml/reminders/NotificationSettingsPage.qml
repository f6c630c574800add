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
        id: allowRow
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

    // Whether the session starts the reminders' delivery at login (the home screen's
    // autostart entry); turned off, the app never turns it on again.
    Rectangle {
        id: loginRow
        x: 16
        y: allowRow.y + allowRow.height + 16
        width: parent.width - 32
        height: 52
        radius: 10
        color: "white"

        Text {
            x: 16
            anchors.verticalCenter: parent.verticalCenter
            width: parent.width - 32 - loginSwitch.width - 8
            //% "Start at login"
            text: qsTrId("Setting.startAtLogin")
            textFormat: Text.PlainText
            elide: Text.ElideRight
            font.pixelSize: 17
            color: "black"
        }

        Pressable {
            id: loginSwitch
            objectName: "loginSwitch"
            anchors.right: parent.right
            anchors.rightMargin: 16
            anchors.verticalCenter: parent.verticalCenter
            width: 51
            height: 31
            role: Accessible.CheckBox
            name: qsTrId("Setting.startAtLogin")
            description: qsTrId("Setting.startAtLoginNote")
            checkable: true
            checked: settings.startsAtLogin
            ringColor: "#007AFF"
            accessibilityHidden: !root.open
            onActivated: settings.startsAtLogin = !settings.startsAtLogin
            Rectangle {
                anchors.fill: parent
                radius: height / 2
                color: settings.startsAtLogin ? "#34C759" : "#E9E9EA"
            }

            Rectangle {
                width: 27
                height: 27
                radius: 13.5
                y: 2
                x: settings.startsAtLogin ? parent.width - width - 2 : 2
                color: "white"
                border.color: "#1A000000"
                border.width: 0.5
                Behavior on x { NumberAnimation { duration: 150 } }
            }
        }
    }

    Text {
        x: 32
        y: loginRow.y + loginRow.height + 8
        width: parent.width - 64
        //% "Reminders and widgets keep coming after you log out and in."
        text: qsTrId("Setting.startAtLoginNote")
        textFormat: Text.PlainText
        wrapMode: Text.Wrap
        font.pixelSize: 13
        color: "#6D6D72"
        Accessible.ignored: true
    }
}
