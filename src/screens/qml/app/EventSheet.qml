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

    // The forms are made only when a sheet opens: the app starts without building (or even
    // loading the controls of) screens nobody has asked for yet.
    readonly property var screens: ({
        add: "../forms/AddEvent.qml",
        edit: "../forms/EditEvent.qml",
        noti: "../reminders/SetNotification.qml",
        overview: "../menu/EventSummaryView.qml"
    })

    onOpenChanged: {
        if (!open)
            return
        const screen = screens[mode]
        if (!screen) {
            formLoader.source = ""
            return
        }
        const properties = { store: userData }
        if (mode === "add")
            properties.selectedDay = event
        else if (mode === "edit")
            properties.currentDate = event
        else if (mode === "noti")
            properties.currentDate = event
        else
            properties.selectedDay = event
        if (mode !== "overview")
            properties.currentPage = userData.currentPage
        formLoader.setSource(Qt.resolvedUrl(screen), properties)
    }
    onDismissed: formLoader.source = ""

    Loader {
        id: formLoader
        anchors.fill: parent
    }

    Connections {
        target: formLoader.item
        ignoreUnknownSignals: true
        function onDismissRequested() { sheet.dismiss() }
    }
}
