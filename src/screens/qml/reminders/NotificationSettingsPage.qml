import Tallowick
import QtQuick

// The app's notification settings: whether Tallowick may send reminders. It stands in for
// the system's settings page and covers the whole window while open.
Modal {
    id: root
    initialFocus: allowRow.switchItem

    function show() {
        settings.reload()
        open = true
    }

    z: 1100
    Rectangle { anchors.fill: parent; color: Style.groupedBackground }

    NotificationSettings { id: settings }

    // Taps stay on this page.
    MouseArea { anchors.fill: parent }

    Pressable {
        objectName: "settingsClose"
        anchors.right: parent.right
        anchors.rightMargin: Style.gapXXL
        y: Style.settingsTop
        width: closeText.implicitWidth
        height: closeText.implicitHeight
        touchMargin: Style.gapL
        name: qsTrId("OK")
        ringColor: Style.accent
        ringRadius: Style.radiusXS
        accessibilityHidden: !root.open
        onActivated: root.close()
        Text {
            id: closeText
            text: qsTrId("OK")
            textFormat: Text.PlainText
            font.pointSize: Style.textHeadline
            font.bold: true
            color: Style.accent
        }
    }

    Text {
        id: title
        x: Style.gapXXL
        y: Style.settingsTitleTop
        text: qsTrId("Setting.notificationsPage")
        textFormat: Text.PlainText
        font.pointSize: Style.textLargeTitle
        font.bold: true
        color: Style.label
        Accessible.role: Accessible.Heading
        Accessible.name: text
        Accessible.ignored: !root.open
    }

    SettingsSwitchRow {
        id: allowRow
        x: Style.gapXL
        y: title.y + title.height + 2 * Style.gapL
        width: parent.width - 2 * Style.gapXL
        label: qsTrId("Setting.allowNotifications")
        switchName: "allowSwitch"
        checked: settings.allowed
        accessibilityHidden: !root.open
        onToggled: settings.allowed = !settings.allowed
    }

    // Whether the session starts the reminders' delivery at login (the home screen's
    // autostart entry); turned off, the app never turns it on again.
    SettingsSwitchRow {
        id: loginRow
        x: Style.gapXL
        y: allowRow.y + allowRow.height + Style.gapXL
        width: parent.width - 2 * Style.gapXL
        //% "Start at login"
        label: qsTrId("Setting.startAtLogin")
        switchName: "loginSwitch"
        description: qsTrId("Setting.startAtLoginNote")
        checked: settings.startsAtLogin
        accessibilityHidden: !root.open
        onToggled: settings.startsAtLogin = !settings.startsAtLogin
    }

    Text {
        x: 2 * Style.gapXL
        y: loginRow.y + loginRow.height + Style.gapS
        width: parent.width - 4 * Style.gapXL
        //% "Reminders and widgets keep coming after you log out and in."
        text: qsTrId("Setting.startAtLoginNote")
        textFormat: Text.PlainText
        wrapMode: Text.Wrap
        font.pointSize: Style.textCaption
        color: Style.secondaryLabel
        Accessible.ignored: true
    }
}
