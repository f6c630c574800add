import QtQuick
import QtQuick.Dialogs
import Tallowick

// Under the summary list: the list out to a calendar file or a backup, and in from one, each
// through the file dialog. What happened is told afterwards: a notice when all went as asked,
// an alert when the file was refused or some events were skipped or refused (with why).
// Last, the way to the sync sheet, which the list opens (syncRequested).
Item {
    id: root
    property UserData store
    property color textColor: Style.listLabel
    // Where the alert and the notice are drawn (the whole sheet).
    property Item messageArea: parent
    // Something covers the actions: neither Tab nor assistive technology finds them.
    property bool accessibilityHidden: false
    // The sync action was pressed: the list opens the sync sheet.
    signal syncRequested()

    implicitHeight: buttons.implicitHeight + 2 * Style.gapL

    EventTransferActions {
        id: actions
        store: root.store
        onFinished: (report) => root.tell(report)
    }

    // Tells what `report` (of EventTransferActions) says. When the calendar has other versions
    // of events in the list, the alert offers to take them (in one step).
    function tell(report) {
        if (!report || report.title === undefined)
            return
        if (report.failed || report.message.length > 0) {
            alert.offersUpdate = (report.changed || 0) > 0
            alert.title = report.title
            alert.message = report.message
            alert.primaryText = alert.offersUpdate ? report.updateText : qsTrId("OK")
            alert.secondaryText = alert.offersUpdate ? qsTrId("OK") : ""
            alert.open = true
        } else {
            notice.show(report.title)
        }
    }

    readonly property string calendarFilter: qsTrId("Transfer.calendarFiles") + " (*.ics)"
    //% "Tallowick backups"
    readonly property string backupFilter: qsTrId("Transfer.backupFiles") + " (*.json)"

    Flow {
        id: buttons
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.leftMargin: Style.chipMargin
        anchors.rightMargin: Style.chipMargin
        anchors.verticalCenter: parent.verticalCenter
        spacing: Style.gapS
        Action {
            objectName: "exportCalendarAction"
            //% "Export to a calendar file"
            label: qsTrId("Transfer.exportCalendar")
            onActivated: root.openDialog(exportDialog)
        }
        Action {
            objectName: "importCalendarAction"
            //% "Import from a calendar file"
            label: qsTrId("Transfer.importCalendar")
            onActivated: root.openDialog(importDialog)
        }
        Action {
            objectName: "backUpAction"
            //% "Back up events"
            label: qsTrId("Transfer.backUp")
            onActivated: root.openDialog(backUpDialog)
        }
        Action {
            objectName: "restoreAction"
            //% "Restore events"
            label: qsTrId("Transfer.restore")
            onActivated: root.openDialog(restoreDialog)
        }
        Action {
            id: syncAction
            objectName: "syncAction"
            //% "Sync with a calendar server"
            label: qsTrId("Sync.open")
            onActivated: root.syncRequested()
        }
    }

    component Action: Pressable {
        id: action
        property string label
        name: label
        width: Math.min(buttons.width, text.implicitWidth + 2 * Style.chipPadding)
        height: Style.chipHeight
        ringColor: root.textColor
        ringRadius: height / 2
        accessibilityHidden: root.accessibilityHidden
        Rectangle {
            anchors.fill: parent
            radius: height / 2
            color: "transparent"
            border.width: Style.chipBorder
            border.color: root.textColor
        }
        Text {
            id: text
            anchors.centerIn: parent
            width: Math.min(implicitWidth, action.width - 2 * Style.gapM)
            text: action.label
            textFormat: Text.PlainText
            elide: Text.ElideRight
            font.pointSize: Style.textLabel
            font.bold: true
            color: root.textColor
        }
    }

    // Where the keys go back to when the sync sheet closes.
    function focusSyncAction() {
        syncAction.forceActiveFocus(Qt.TabFocusReason)
    }

    // The desktop's own file chooser where it can open, Qt's own otherwise.
    function openDialog(dialog) {
        dialog.options = DesktopFileChooser.available() ? 0 : FileDialog.DontUseNativeDialog
        dialog.open()
    }

    FileDialog {
        id: exportDialog
        title: qsTrId("Transfer.exportCalendar")
        fileMode: FileDialog.SaveFile
        acceptLabel: qsTrId("button.save")
        defaultSuffix: "ics"
        nameFilters: [root.calendarFilter]
        onAccepted: root.tell(actions.exportCalendar(selectedFile))
    }
    FileDialog {
        id: importDialog
        title: qsTrId("Transfer.importCalendar")
        fileMode: FileDialog.OpenFile
        nameFilters: [root.calendarFilter]
        onAccepted: actions.importCalendarInBackground(selectedFile)
    }
    FileDialog {
        id: backUpDialog
        title: qsTrId("Transfer.backUp")
        fileMode: FileDialog.SaveFile
        acceptLabel: qsTrId("button.save")
        defaultSuffix: "json"
        nameFilters: [root.backupFilter]
        onAccepted: root.tell(actions.backUp(selectedFile))
    }
    FileDialog {
        id: restoreDialog
        title: qsTrId("Transfer.restore")
        fileMode: FileDialog.OpenFile
        nameFilters: [root.backupFilter]
        onAccepted: actions.restoreInBackground(selectedFile)
    }

    Alert {
        id: alert
        objectName: "transferAlert"
        property bool offersUpdate: false
        primaryText: qsTrId("OK")
        onPrimaryClicked: {
            if (offersUpdate)
                actions.updateChangedInBackground()
        }
    }
    Notice {
        id: notice
        parent: root.messageArea
    }
}
