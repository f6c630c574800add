import QtQuick
import Tallowick

// The sheet that changes the event on the current page (`event`), filled from that event when
// it opens and dressed in its colours.
Item {
    id: root
    property UserData store
    property int currentPage: store ? store.currentPage : 0
    property EventRow event: null
    readonly property alias form: eventForm
    signal dismissRequested()
    // The sheet gives the keys to the form's first control when it opens.
    readonly property Item initialFocus: layout.initialFocus

    EventForm {
        id: eventForm
        store: root.store
        mode: EventForm.Edit
        currentPage: root.currentPage
        onDismissRequested: root.dismissRequested()
        onHasEventChanged: root.fill()
    }

    EventFormLayout {
        id: layout
        anchors.fill: parent
        form: eventForm
        event: root.event
        heading: qsTrId("edit.title")
        placeholder: root.event ? root.event.dateTitle : ""
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
