import QtQuick
import QtQuick.Controls.Basic as Controls
import Tallowick

// The sync sheet, over the list of events: without an account, the form that sets one up
// (server, user, password, calendar); with one, what it is, how the last sync went, how many
// changes wait to go up, and "Sync now" and "Turn off sync". While a step talks to the server
// its buttons rest and a busy indicator says what runs; its outcome is said afterwards.
// What the person or the server typed is shown as plain text.
Rectangle {
    id: root
    property UserData store
    readonly property alias model: model
    // Where the keys go when the sheet opens, and again when it turns from one view to the other.
    readonly property Item initialFocus: model.configured ? syncNowButton : serverField.editor

    color: Style.listBackground

    SyncSheetModel {
        id: model
        objectName: "syncSheetModel"
        store: root.store
        onConfiguredChanged: Qt.callLater(() => root.initialFocus.forceActiveFocus(Qt.TabFocusReason))
    }

    function setUp() {
        if (!model.busy)
            model.setUp(serverField.text, userField.text, passwordField.text, calendarField.text)
    }
    // The password is not kept on screen once it has been handed on.
    Connections {
        target: model
        function onFinished() {
            if (model.configured)
                passwordField.text = ""
        }
    }

    Flickable {
        id: scroll
        objectName: "syncScroll"
        anchors.fill: parent
        anchors.leftMargin: Style.sheetMargin
        anchors.rightMargin: Style.sheetMargin
        contentWidth: width
        contentHeight: content.height
        boundsBehavior: Flickable.StopAtBounds
        clip: true

        Column {
            id: content
            width: scroll.width
            spacing: Style.gapL

            Item {
                width: parent.width
                height: Style.grabRowHeight
                GrabHandle { anchors.centerIn: parent; color: Style.label }
            }

            Text {
                objectName: "syncHeading"
                width: parent.width
                //% "Sync"
                text: qsTrId("Sync.title")
                textFormat: Text.PlainText
                wrapMode: Text.Wrap
                font.pointSize: Style.textTitle
                font.bold: true
                color: Style.label
                Accessible.role: Accessible.Heading
                Accessible.name: text
            }

            // --- No account yet: the form.
            Column {
                id: form
                objectName: "syncSetUpForm"
                width: parent.width
                spacing: Style.gapL
                visible: !model.configured

                BalancedText {
                    width: parent.width
                    //% "Your events go to a calendar on your own CalDAV server, and from there to your other devices and calendar apps."
                    text: qsTrId("Sync.intro")
                    font.pointSize: Style.textBody
                    color: Style.secondaryLabel
                }
                SyncField {
                    id: serverField
                    objectName: "syncServerField"
                    width: parent.width
                    //% "Server address"
                    label: qsTrId("Sync.server")
                    // An address, the same in every language.
                    placeholder: "https://dav.example.org"
                    inputMethodHints: Qt.ImhUrlCharactersOnly | Qt.ImhNoAutoUppercase
                    enabled: !model.busy
                    onAccepted: root.setUp()
                }
                SyncField {
                    id: userField
                    objectName: "syncUserField"
                    width: parent.width
                    //% "User name"
                    label: qsTrId("Sync.user")
                    inputMethodHints: Qt.ImhNoAutoUppercase | Qt.ImhNoPredictiveText
                    enabled: !model.busy
                    onAccepted: root.setUp()
                }
                SyncField {
                    id: passwordField
                    objectName: "syncPasswordField"
                    width: parent.width
                    //% "Password"
                    label: qsTrId("Sync.password")
                    password: true
                    enabled: !model.busy
                    onAccepted: root.setUp()
                }
                SyncField {
                    id: calendarField
                    objectName: "syncCalendarField"
                    width: parent.width
                    //% "Calendar"
                    label: qsTrId("Sync.calendar")
                    // The calendar's name when none is given: the app's own, in every language.
                    placeholder: "Tallowick"
                    enabled: !model.busy
                    onAccepted: root.setUp()
                }
                SheetButton {
                    id: setUpButton
                    objectName: "syncSetUpButton"
                    filled: true
                    //% "Set up sync"
                    label: qsTrId("Sync.setUp")
                    enabled: !model.busy
                    onActivated: root.setUp()
                }
            }

            // --- An account: what it is, how the last sync went.
            Column {
                id: account
                objectName: "syncAccountView"
                width: parent.width
                spacing: Style.gapL
                visible: model.configured

                AccountLine { objectName: "syncServer"; label: qsTrId("Sync.server"); value: model.server }
                AccountLine { objectName: "syncUser"; label: qsTrId("Sync.user"); value: model.user }
                AccountLine { objectName: "syncCalendar"; label: qsTrId("Sync.calendar"); value: model.calendarName }

                Text {
                    objectName: "syncLastOutcome"
                    width: parent.width
                    text: model.lastSyncText
                    // The outcome's words come from the server's answer as well.
                    textFormat: Text.PlainText
                    wrapMode: Text.Wrap
                    font.pointSize: Style.textBody
                    font.bold: model.lastFailed
                    color: model.lastFailed ? Style.failure : Style.label
                    Accessible.role: Accessible.StaticText
                    Accessible.name: text
                    Accessible.ignored: !visible
                }
                Text {
                    objectName: "syncWaiting"
                    width: parent.width
                    visible: model.waitingChanges > 0
                    //% "%n change(s) waiting to go up"
                    text: qsTrId("Sync.waiting", model.waitingChanges)
                    textFormat: Text.PlainText
                    wrapMode: Text.Wrap
                    font.pointSize: Style.textBody
                    color: Style.secondaryLabel
                    Accessible.role: Accessible.StaticText
                    Accessible.name: text
                    Accessible.ignored: !visible
                }
                SheetButton {
                    id: syncNowButton
                    objectName: "syncNowButton"
                    filled: true
                    //% "Sync now"
                    label: qsTrId("Sync.now")
                    enabled: !model.busy
                    onActivated: model.syncNow()
                }
                SheetButton {
                    objectName: "syncTurnOffButton"
                    //% "Turn off sync"
                    label: qsTrId("Sync.turnOff")
                    textColor: Style.failure
                    enabled: !model.busy
                    onActivated: model.turnOff()
                }
            }

            // --- While a step runs, and what came of it.
            Row {
                objectName: "syncBusy"
                visible: model.busy
                spacing: Style.gapS
                Controls.BusyIndicator {
                    objectName: "syncBusyIndicator"
                    width: Style.iconSize
                    height: Style.iconSize
                    running: model.busy
                    Accessible.role: Accessible.Animation
                    Accessible.name: model.busyText
                    Accessible.ignored: !model.busy
                }
                Text {
                    anchors.verticalCenter: parent.verticalCenter
                    text: model.busyText
                    textFormat: Text.PlainText
                    font.pointSize: Style.textBody
                    color: Style.secondaryLabel
                    // The indicator says it.
                    Accessible.ignored: true
                }
            }
            Text {
                objectName: "syncMessage"
                width: parent.width
                visible: text.length > 0 && !model.busy
                text: model.message
                // A server's or a keyring's words may be in it.
                textFormat: Text.PlainText
                wrapMode: Text.Wrap
                font.pointSize: Style.textBody
                font.bold: model.messageIsFailure
                color: model.messageIsFailure ? Style.failure : Style.label
                Accessible.role: Accessible.StaticText
                Accessible.name: text
                Accessible.ignored: !visible
            }

            Item { width: 1; height: Style.sheetBottom }
        }
    }
    // The focused control is scrolled into view.
    FocusInView { flickable: scroll }
    SheetScrollBar {
        flickable: scroll
        color: Style.label
        anchors.top: scroll.top
        anchors.bottom: scroll.bottom
        anchors.left: scroll.right
    }

    // A label over what the account holds.
    component AccountLine: Column {
        id: line
        property string label
        property string value
        width: parent.width
        spacing: Style.gapXXS
        Accessible.role: Accessible.StaticText
        Accessible.name: label + ": " + value
        Accessible.ignored: !visible
        Text {
            width: parent.width
            text: line.label
            textFormat: Text.PlainText
            wrapMode: Text.Wrap
            font.pointSize: Style.textLabel
            font.bold: true
            color: Style.secondaryLabel
            Accessible.ignored: true
        }
        Text {
            objectName: line.objectName + "Value"
            width: parent.width
            text: line.value
            // Typed by the person: never read as markup.
            textFormat: Text.PlainText
            wrapMode: Text.WrapAnywhere
            // An address or a name in Latin letters starts at the reading side in a mirrored
            // sheet too.
            horizontalAlignment: Text.AlignLeft
            font.pointSize: Style.textBody
            color: Style.label
            Accessible.ignored: true
        }
    }

    // A capsule button: filled in the accent colour for the step the view is for, outlined
    // for the others.
    component SheetButton: Pressable {
        id: button
        property string label
        property bool filled: false
        property color textColor: filled ? "white" : Style.accent
        name: label
        // At the reading side, mirrored or not (a column places its items by x alone).
        anchors.left: parent.left
        width: Math.min(content.width, Math.max(Style.buttonWidth, caption.implicitWidth + 2 * Style.chipPadding))
        height: Style.controlHeight
        ringColor: Style.accent
        ringRadius: height / 2
        Rectangle {
            anchors.fill: parent
            radius: height / 2
            color: button.filled ? Style.accent : "transparent"
            border.width: button.filled ? 0 : Style.chipBorder
            border.color: button.textColor
        }
        Text {
            id: caption
            anchors.centerIn: parent
            width: Math.min(implicitWidth, button.width - 2 * Style.gapM)
            text: button.label
            textFormat: Text.PlainText
            elide: Text.ElideRight
            font.pointSize: Style.textBody
            font.bold: true
            color: button.textColor
        }
    }
}
