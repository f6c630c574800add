import QtQuick
import Tallowick

// The sheet that creates an event, dressed in the colours of the page it was opened from
// (`event`). Given an `offer` (the event a shared link describes) it is filled with that for
// the person to look over, change and confirm, and refuses a title the list already has.
Item {
    id: root
    property UserData store
    property EventRow event: null
    property var offer: null
    readonly property alias form: eventForm
    signal dismissRequested()
    // The sheet gives the keys to the form's first control when it opens.
    readonly property Item initialFocus: layout.initialFocus

    EventForm {
        id: eventForm
        store: root.store
        mode: EventForm.Add
        uniqueTitle: root.offer !== null
        onDismissRequested: root.dismissRequested()
        // A full list keeps the form open and says why nothing was saved.
        onLimitReached: limitAlert.open = true
        onTitleTaken: takenAlert.open = true
    }
    Component.onCompleted: if (offer !== null) eventForm.fillFromOffer(offer)

    EventFormLayout {
        id: layout
        anchors.fill: parent
        form: eventForm
        event: root.event
        //% "Add a shared event"
        heading: root.offer !== null ? qsTrId("share.title") : qsTrId("add.title")
        primaryButton: true
    }

    Alert {
        id: limitAlert
        objectName: "limitAlert"
        title: root.store ? root.store.alertTitle : ""
        message: root.store ? root.store.alertCopy : ""
        onClosed: if (root.store) root.store.alertMaxEvent = false
    }

    Alert {
        id: takenAlert
        objectName: "titleTakenAlert"
        //% "Already in your list"
        title: qsTrId("share.takenTitle")
        //% "An event with this title is already in your list. Give this one another title to add it too."
        message: qsTrId("share.takenCopy")
        primaryText: qsTrId("OK")
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
