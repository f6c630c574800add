import QtQuick
import Tallowick

// The sheet that creates an event, dressed in the colours of the page it was opened from
// (`selectedDay`, an event as EventListModel.get() gives it).
Item {
    id: root
    property UserData store
    property int currentPage: store ? store.currentPage : 0
    property var selectedDay: ({})
    readonly property alias form: eventForm
    signal dismissRequested()

    EventForm {
        id: eventForm
        store: root.store
        mode: EventForm.Add
        currentPage: root.currentPage
        onDismissRequested: root.dismissRequested()
        // A full list keeps the form open and says why nothing was saved.
        onLimitReached: limitAlert.open = true
    }

    EventFormLayout {
        anchors.fill: parent
        form: eventForm
        event: root.selectedDay
        heading: qsTrId("add.title")
        primaryButton: true
    }

    Alert {
        id: limitAlert
        objectName: "limitAlert"
        title: root.store ? qsTrId(root.store.alertTitle) : ""
        message: root.store ? qsTrId(root.store.alertCopy) : ""
        onClosed: if (root.store) root.store.alertMaxEvent = false
    }

    // Answered elsewhere (the window shows the store's alert too): this one goes with it.
    Connections {
        target: root.store
        function onAlertChanged() {
            if (!root.store.alertMaxEvent)
                limitAlert.open = false
        }
    }
}
