import QtQuick
import Tallowick

// The root screen: one page per event with the tile strip in front, the sheet the pages open,
// and the store's alerts. Each time it is shown it republishes the widget's contents.
Item {
    id: root
    required property UserData userData
    property string swipeDirection: "left"
    property bool animateEntrance: true

    EventListModel {
        id: events
        store: root.userData
    }

    PageView {
        id: pager
        anchors.fill: parent
        userData: root.userData
        events: events
        animateEntrance: root.animateEntrance
        swipeDirection: root.swipeDirection
        onSwipeDirectionChanged: root.swipeDirection = swipeDirection
        onSheetRequested: (mode) => sheet.present(mode)
    }

    EventSheet {
        id: sheet
        objectName: "eventSheet"
        userData: root.userData
        events: events
        //% "This event was deleted in another window or program."
        onEventDeletedElsewhere: notice.show(qsTrId("notice.deletedElsewhere"))
        onDismissed: if (root.pendingOffers.length > 0) Qt.callLater(root.presentPendingOffer)
    }

    // Shared events wait, in the order they came, for the sheet the person is busy with.
    property var pendingOffers: []
    function presentPendingOffer() {
        if (pendingOffers.length === 0 || sheet.open)
            return
        const offers = pendingOffers.slice()
        const offer = offers.shift()
        pendingOffers = offers
        sheet.presentOffer(offer)
    }
    Connections {
        target: root.userData
        function onSharedEventOffered(draft) {
            root.pendingOffers = root.pendingOffers.concat([draft])
            root.presentPendingOffer()
        }
    }

    Notice {
        id: notice
    }

    // Asks for a review after the third event (the add form raises the flag).
    Alert {
        objectName: "reviewAlert"
        open: root.userData.alertReview
        title: qsTrId("Setting.rateUs")
        message: qsTrId("Setting.reviewCopy")
        primaryText: qsTrId("Setting.review")
        secondaryText: qsTrId("button.cancel")
        onPrimaryClicked: {
            StoreLinks.openReviewPage()
            AppSettings.markReviewed()
        }
        onClosed: root.userData.alertReview = false
    }

    // The store's limit of thirty events, met by a shared link (an open form shows its own).
    Alert {
        objectName: "limitAlert"
        open: root.userData.alertMaxEvent && !sheet.open
        title: qsTrId(root.userData.alertTitle)
        message: qsTrId(root.userData.alertCopy)
        onClosed: root.userData.alertMaxEvent = false
    }

    Connections {
        target: root.Window.window
        function onActiveChanged() {
            if (root.Window.window.active)
                root.userData.writeWidgetContents()
        }
    }
}
