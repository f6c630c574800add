import QtQuick
import Tallowick

// The one sheet of the scene, over pages and tiles alike: the add or edit form, the reminder
// settings, the summary, or a shared event to confirm, for the event on screen when it was
// opened. A sheet about one event (edit, reminders) closes when another program deletes it.
Sheet {
    id: sheet
    required property UserData store
    required property EventListModel events
    property string mode
    // The event whose page opened the sheet, fixed while the sheet is open.
    property EventRow event: null
    // The shared event offered for adding, in the "share" mode.
    property var offer: null
    // The sheet's event was deleted by another program while it was shown.
    signal eventDeletedElsewhere()
    // A screen of the sheet that opens a sheet of its own over it (the list's sync sheet).
    covered: formLoader.item ? formLoader.item.coversSheet === true : false

    function present(newMode) {
        mode = newMode
        event = events.at(store.currentPage)
        offer = null
        open = true
    }
    function presentOffer(draft) {
        mode = "share"
        event = null
        offer = draft
        open = true
    }

    // The forms are made only when a sheet opens: the app starts without building (or even
    // loading the controls of) screens nobody has asked for yet.
    readonly property var screens: ({
        add: "../forms/AddEvent.qml",
        share: "../forms/AddEvent.qml",
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
        const properties = { store: store, event: event }
        if (mode === "share")
            properties.offer = offer
        if (mode === "overview")
            properties.events = events
        formLoader.setSource(Qt.resolvedUrl(screen), properties)
    }
    onDismissed: formLoader.source = ""

    Loader {
        id: formLoader
        anchors.fill: parent
        focus: true
        // The keys go to the screen's first control (the title in the forms).
        onLoaded: Qt.callLater(sheet.focusFirstControl)
    }
    function focusFirstControl() {
        const screen = formLoader.item
        if (!open || !screen)
            return
        if (screen.initialFocus)
            screen.initialFocus.forceActiveFocus(Qt.TabFocusReason)
        else
            screen.forceActiveFocus()
    }

    Connections {
        target: formLoader.item
        ignoreUnknownSignals: true
        function onDismissRequested() { sheet.dismiss() }
    }

    Connections {
        target: sheet.event
        function onGoneChanged() {
            if (sheet.open && sheet.event.gone && (sheet.mode === "edit" || sheet.mode === "noti")) {
                sheet.dismiss()
                sheet.eventDeletedElsewhere()
            }
        }
    }
}
