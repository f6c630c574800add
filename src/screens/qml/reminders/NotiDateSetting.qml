import Tallowick
import QtQuick

// The four reminder options of one event, one choice of four, in two
// rows; a chosen reminder that waits for the permission says so, and leads to it. With them
// the permission prompt, the "notifications are off" alert and the notification settings page.
Item {
    id: root
    property UserData store
    // The id of the event whose reminders are chosen here.
    property string eventId
    readonly property alias choice: choice
    // The chosen option: where the keys go first.
    readonly property Item selectedItem: optionItem(choice.selectedOption)
    implicitWidth: Style.contentWidth
    implicitHeight: rows.height + (waiting.visible ? waiting.height + Style.gapL : 0)
                    + (settingsLink.visible ? settingsLink.height + Style.gapL : 0)

    // Made with the screen: reads the authorization once.
    ReminderChoice {
        id: choice
        store: root.store
        eventId: root.eventId
        onShowAlertPermissionsChanged: permissionAlert.open = showAlertPermissions
        onShowAuthorizationPromptChanged: permissionPrompt.open = showAuthorizationPrompt
    }
    Component.onCompleted: choice.appear()

    Column {
        id: rows
        // The options at the end of the rows share one column, so their boxes line up.
        readonly property real endColumnWidth: Math.max(option2.width, option4.width)
        // Too narrow for two options side by side (a small window, long words): one a row.
        readonly property bool stacked: Math.max(option1.width, option3.width) + Style.gapS + endColumnWidth > width
        // The widest an option's words may be: the row less the option's round button.
        readonly property real labelRoom: width - Style.radioSize - Style.gapS - 2 * Style.optionPadding
        // The x of an option that starts `left` from the row's leading edge (the right one when
        // the layout is mirrored).
        function place(left, itemWidth) {
            return LayoutMirroring.enabled ? width - left - itemWidth : left
        }
        // Room at either end for an option's focus ring, which the sheet would cut.
        x: Style.focusRingGap
        width: root.width - 2 * Style.focusRingGap
        spacing: Style.gapM
        Item {
            width: rows.width
            height: rows.stacked ? option2.y + option2.height : Math.max(option1.height, option2.height)
            Option { id: option1; number: 1; label: qsTrId("Setting.notiDayOption1"); x: rows.place(0, width) }
            // At the end of the row, but never over the first option; under it when stacked.
            Option {
                id: option2
                number: 2
                label: qsTrId("Setting.notiDayOption2")
                x: rows.place(rows.stacked ? 0 : Math.max(option1.width + Style.gapS, parent.width - rows.endColumnWidth), width)
                y: rows.stacked ? option1.height + rows.spacing : 0
            }
        }
        Item {
            width: rows.width
            height: rows.stacked ? option4.y + option4.height : Math.max(option3.height, option4.height)
            Option { id: option3; number: 3; label: qsTrId("Setting.notiDayOption3"); fixedWidth: false; x: rows.place(0, width) }
            Option {
                id: option4
                number: 4
                label: qsTrId("Setting.notiDayOption4")
                x: rows.place(rows.stacked ? 0 : Math.max(option3.width + Style.gapS, parent.width - rows.endColumnWidth), width)
                y: rows.stacked ? option3.height + rows.spacing : 0
            }
        }
    }

    // Chosen, but not allowed yet: said, with the way to allow it.
    Item {
        id: waiting
        objectName: "waitingForPermission"
        visible: choice.waitingForPermission
        y: rows.height + Style.gapL
        width: root.width
        height: waitingText.height + 2 * Style.gapS
        Accessible.role: Accessible.Button
        Accessible.name: waitingText.text
        Accessible.ignored: !visible
        activeFocusOnTab: visible
        Keys.onSpacePressed: choice.askForPermission()
        Keys.onReturnPressed: choice.askForPermission()
        function accessiblePressAction() { choice.askForPermission() }
        FocusRing { target: waiting; radius: Style.radiusM + Style.focusRingGap }
        Rectangle {
            anchors.fill: parent
            radius: Style.radiusM
            color: "white"
            opacity: 0.18
        }
        BalancedText {
            id: waitingText
            x: Style.gapL
            y: Style.gapS
            width: parent.width - 2 * Style.gapL
            //% "Waiting for permission: this reminder starts once notifications are allowed. Click to allow them."
            text: qsTrId("Setting.waitingForPermission")
            font.pointSize: Style.textLabel
            font.bold: true
            color: "white"
        }
        MouseArea {
            anchors.fill: parent
            onClicked: choice.askForPermission()
        }
    }

    // Allowed: the way to the notification settings (turning reminders or their start at
    // login off) stays at hand.
    Pressable {
        id: settingsLink
        objectName: "notificationSettingsLink"
        visible: choice.authorizationStatus === 2 && !choice.waitingForPermission
        x: rows.place(0, width) + rows.x
        y: rows.height + Style.gapL
        width: settingsLinkText.implicitWidth
        height: settingsLinkText.implicitHeight
        touchMargin: Style.gapS
        ringRadius: Style.radiusXS
        name: settingsLinkText.text
        onActivated: settingsPage.show()
        Text {
            id: settingsLinkText
            text: qsTrId("Setting.openNotificationSettings")
            textFormat: Text.PlainText
            font.pointSize: Style.textLabel
            font.bold: true
            font.underline: true
            color: "white"
        }
    }

    // Our own authorization prompt: the system has none here.
    Alert {
        id: permissionPrompt
        objectName: "permissionPrompt"
        parent: root.Window.window ? root.Window.window.contentItem : root
        title: qsTrId("Permission.title")
        //% "Tallowick sends reminders at %1 on the days you choose."
        message: qsTrId("Permission.message").arg(choice.reminderTimeText)
        primaryText: qsTrId("Permission.allow")
        secondaryText: qsTrId("Permission.deny")
        onPrimaryClicked: choice.allowNotifications()
        onSecondaryClicked: choice.denyNotifications()
        onClosed: choice.showAuthorizationPrompt = false
    }

    Alert {
        id: permissionAlert
        objectName: "permissionAlert"
        parent: root.Window.window ? root.Window.window.contentItem : root
        title: qsTrId("Setting.permission")
        message: qsTrId("Setting.permissionCopy")
        //% "Notification settings"
        primaryText: qsTrId("Setting.openNotificationSettings")
        secondaryText: qsTrId("button.cancel")
        onPrimaryClicked: settingsPage.show()
        onClosed: choice.showAlertPermissions = false
    }

    NotificationSettingsPage {
        id: settingsPage
        objectName: "notificationSettingsPage"
        parent: root.Window.window ? root.Window.window.contentItem : root
        onClosed: choice.refreshAuthorization()
    }

    // Up, Down, Left and Right choose the option beside the focused one; only the chosen
    // option is a stop of the Tab key.
    function optionItem(number) {
        return [null, option1, option2, option3, option4][number]
    }
    function chooseBeside(number, step) {
        let next = number
        do {
            next = (next - 1 + step + 4) % 4 + 1
        } while (next !== number && !optionItem(next).available)
        // Focus moves first: the option that loses it stops being a Tab stop only once it no
        // longer has the focus (an item with the focus keeps its place in the Tab chain).
        optionItem(next).forceActiveFocus(Qt.TabFocusReason)
        choice.choose(next)
    }

    component Option: Pressable {
        id: option
        property int number
        property string label
        // Options 1, 2 and 4 give their label the same width, so the boxes line up.
        property bool fixedWidth: true
        readonly property bool on: choice.selectedOption === number
        // A count-up event takes "off" only; the others are shown faded.
        readonly property bool available: number === 4 || !choice.countUp

        objectName: "option" + number
        width: content.width
        height: content.height
        opacity: available ? (hovered && !down ? 0.85 : 1) : 0.45
        role: Accessible.RadioButton
        name: label
        checkable: true
        checked: on
        ringRadius: Style.radiusL
        activeFocusOnTab: on
        Keys.onUpPressed: root.chooseBeside(number, -1)
        Keys.onLeftPressed: root.chooseBeside(number, -1)
        Keys.onDownPressed: root.chooseBeside(number, 1)
        Keys.onRightPressed: root.chooseBeside(number, 1)
        onActivated: choice.choose(number)

        Row {
            id: content
            padding: Style.optionPadding
            spacing: Style.gapS
            // One choice of four: a round button, filled while on (faded while it waits for
            // the permission).
            Rectangle {
                objectName: "radio" + option.number
                anchors.verticalCenter: parent.verticalCenter
                width: Style.radioSize
                height: Style.radioSize
                radius: width / 2
                color: "transparent"
                border.color: "white"
                border.width: Style.radioBorder
                Rectangle {
                    anchors.centerIn: parent
                    width: Style.radioDot
                    height: Style.radioDot
                    radius: width / 2
                    color: "white"
                    visible: option.on
                    opacity: choice.waitingForPermission ? 0.5 : 1
                }
            }
            Text {
                anchors.verticalCenter: parent.verticalCenter
                width: Math.min(option.fixedWidth ? Math.max(Style.optionLabelWidth, implicitWidth) : implicitWidth, rows.labelRoom)
                wrapMode: Text.Wrap
                text: option.label
                textFormat: Text.PlainText
                font.pointSize: Style.textBody
                font.bold: true
                color: "white"
            }
        }
    }
}
