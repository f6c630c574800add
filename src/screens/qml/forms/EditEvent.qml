import QtQuick
import Tallowick

// The sheet that changes the event of the page it was opened from (`event`), filled from that event when
// it opens and dressed in its colours.
Item {
    id: root
    property UserData store
    property EventRow event: null
    readonly property alias form: eventForm
    signal dismissRequested()
    // The sheet gives the keys to the form's first control when it opens.
    readonly property Item initialFocus: layout.initialFocus

    EventForm {
        id: eventForm
        store: root.store
        mode: EventForm.Edit
        eventId: root.event ? root.event.eventId : ""
        onDismissRequested: root.dismissRequested()
        onHasEventChanged: root.fill()
    }

    EventFormLayout {
        id: layout
        anchors.fill: parent
        form: eventForm
        event: root.event
        heading: qsTrId("edit.title")
        placeholder: root.event ? root.event.record.dateTitle : ""
        titleFieldShown: eventForm.hasEvent
        primaryButton: false
    }

    // Filled once, when the event is there to fill from (the store may arrive after creation).
    property bool filled: false
    property bool completed: false
    function fill() {
        if (completed && !filled && eventForm.load())
            filled = true
    }
    Component.onCompleted: {
        completed = true
        fill()
    }
}
