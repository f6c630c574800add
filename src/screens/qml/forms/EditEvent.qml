import QtQuick
import Tallowick

// The sheet that changes the event on the current page, filled from that event when it
// opens and dressed in its colours (`currentDate`, an event as EventListModel.get() gives it).
Item {
    id: root
    property UserData store
    property int currentPage: store ? store.currentPage : 0
    property var currentDate: ({})
    readonly property alias form: eventForm
    signal dismissRequested()

    EventForm {
        id: eventForm
        store: root.store
        mode: EventForm.Edit
        currentPage: root.currentPage
        onDismissRequested: root.dismissRequested()
        onHasEventChanged: root.fill()
    }

    EventFormLayout {
        anchors.fill: parent
        form: eventForm
        event: root.currentDate
        heading: qsTrId("edit.title")
        placeholder: root.currentDate && root.currentDate.dateTitle ? root.currentDate.dateTitle : ""
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
