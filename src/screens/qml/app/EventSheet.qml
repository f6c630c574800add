import QtQuick
import Tallowick

// The one sheet of the scene, over pages and tiles alike: the add or edit form, the reminder
// settings or the summary, for the event on screen when it was opened.
Sheet {
    id: sheet
    required property UserData userData
    required property EventListModel events
    property string mode
    // The event whose page opened the sheet, fixed while the sheet is open.
    property var event: ({})

    function present(newMode) {
        mode = newMode
        event = events.get(userData.currentPage)
        open = true
    }

    onDismissed: formLoader.active = false
    onOpenChanged: if (open) formLoader.active = true

    Loader {
        id: formLoader
        anchors.fill: parent
        active: false
        sourceComponent: sheet.mode === "add" ? addForm
                       : sheet.mode === "edit" ? editForm
                       : sheet.mode === "noti" ? reminders
                       : sheet.mode === "overview" ? summary
                       : null
    }

    Component {
        id: addForm
        AddEvent {
            store: sheet.userData
            currentPage: sheet.userData.currentPage
            selectedDay: sheet.event
            onDismissRequested: sheet.dismiss()
        }
    }
    Component {
        id: editForm
        EditEvent {
            store: sheet.userData
            currentPage: sheet.userData.currentPage
            currentDate: sheet.event
            onDismissRequested: sheet.dismiss()
        }
    }
    Component {
        id: reminders
        SetNotification {
            store: sheet.userData
            currentPage: sheet.userData.currentPage
            currentDate: sheet.event
        }
    }
    Component {
        id: summary
        EventSummaryView {
            store: sheet.userData
            selectedDay: sheet.event
        }
    }
}
