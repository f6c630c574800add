import QtQuick
import Tallowick

// The root screen: one page per event with the tile strip in front, the sheet the pages open,
// and the store's alerts. Each time it is shown it republishes the widget's contents.
//
// The keyboard: Left and Right (Page Up and Down, Home and End) move between events; Ctrl+N
// adds, Ctrl+E or F2 edits, Delete deletes (Ctrl+Z takes it back), Ctrl+L lists, Ctrl+R sets
// reminders, Ctrl+Q quits. Escape closes what is on top; a sheet or an alert has the keys
// while it is open.
FocusScope {
    id: root
    required property UserData store
    property string swipeDirection: "left"
    property bool animateEntrance: true
    focus: true

    // A language written from right to left mirrors the whole app: anchors, rows, lists and
    // the alignment of texts follow, and what is placed by x asks LayoutMirroring.enabled.
    LayoutMirroring.enabled: Qt.application.layoutDirection === Qt.RightToLeft
    LayoutMirroring.childrenInherit: true
    // The next event lies to the left when pages run from right to left.
    readonly property int forward: LayoutMirroring.enabled ? -1 : 1

    // The page has the keys unless a sheet or an alert is open.
    readonly property bool pageHasKeys: !sheet.open && activeFocus

    function showPage(page) {
        const target = Math.max(0, Math.min(events.count - 1, page))
        if (target === store.currentPage)
            return
        swipeDirection = target > store.currentPage ? "right" : "left"
        store.currentPage = target
    }
    function deleteShown() {
        const shown = events.at(store.currentPage)
        if (shown)
            menu.deleteEventWithId(shown.eventId)
    }

    Keys.onPressed: (event) => {
        if (sheet.open)
            return
        switch (event.key) {
        case Qt.Key_Left: showPage(store.currentPage - forward); break
        case Qt.Key_Right: showPage(store.currentPage + forward); break
        case Qt.Key_PageUp: showPage(store.currentPage - 1); break
        case Qt.Key_PageDown: showPage(store.currentPage + 1); break
        case Qt.Key_Home: showPage(0); break
        case Qt.Key_End: showPage(events.count - 1); break
        case Qt.Key_Delete: deleteShown(); break
        default: return
        }
        event.accepted = true
    }

    Shortcut { sequences: [StandardKey.New]; enabled: root.pageHasKeys; onActivated: sheet.present("add") }
    Shortcut { sequences: ["Ctrl+E", "F2"]; enabled: root.pageHasKeys; onActivated: sheet.present("edit") }
    Shortcut { sequence: "Ctrl+L"; enabled: root.pageHasKeys; onActivated: sheet.present("overview") }
    Shortcut { sequence: "Ctrl+R"; enabled: root.pageHasKeys; onActivated: sheet.present("noti") }
    Shortcut {
        sequences: [StandardKey.Undo]
        enabled: root.pageHasKeys && root.store.canUndoDelete
        onActivated: root.undoDelete()
    }
    Shortcut { sequences: [StandardKey.Quit]; context: Qt.ApplicationShortcut; onActivated: Qt.quit() }

    // Deleting, undone: the rules of the page's delete button, shared with the Delete key.
    BottomMenu {
        id: menu
        store: root.store
        onShowAlertDeleteChanged: deleteAlert.open = showAlertDelete
    }
    Alert {
        id: deleteAlert
        objectName: "deleteAlert"
        title: qsTrId("You can't delete the last one")
        message: qsTrId("Please create a new one first")
        primaryText: qsTrId("OK")
        onClosed: menu.showAlertDelete = false
    }
    // Undone first: the notice forgets the deleted event as it goes.
    function undoDelete() {
        root.store.undoDelete()
        notice.dismiss()
    }
    Connections {
        target: root.store
        function onEventDeleted(title) {
            //% "“%1” deleted"
            // The title is isolated from the sentence around it, so that a Latin title and its
            // digits keep their order inside a right-to-left sentence, and the other way round.
            notice.show(qsTrId("notice.deleted").arg("\u2068" + title + "\u2069"), qsTrId("notice.undo"))
        }
    }

    EventListModel {
        id: events
        store: root.store
    }

    PageView {
        id: pager
        // Sized, not anchored: anchors apply only once this item is complete, after its views
        // have made their first page and tile (at no size, so twice).
        width: root.width
        height: root.height
        store: root.store
        events: events
        // Springs and entrances, unless the desktop asks for less motion.
        animateEntrance: root.animateEntrance && !Style.reducedMotion
        swipeDirection: root.swipeDirection
        onSwipeDirectionChanged: root.swipeDirection = swipeDirection
        onSheetRequested: (mode) => sheet.present(mode)
        // Nothing under an open sheet is there for assistive technology either.
        hiddenFromAccessibility: sheet.open
    }

    EventSheet {
        id: sheet
        objectName: "eventSheet"
        store: root.store
        events: events
        //% "This event was deleted in another window or program."
        onEventDeletedElsewhere: notice.show(qsTrId("notice.deletedElsewhere"))
        // The page has the keys again as soon as the sheet starts to close, not only once
        // it is gone: a key pressed meanwhile (Delete, Ctrl+Z) is the page's.
        onOpenChanged: {
            if (!open) {
                focus = false
                root.forceActiveFocus()
            }
        }
        onDismissed: {
            if (root.pendingOffers.length > 0)
                Qt.callLater(root.presentPendingOffer)
        }
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
        target: root.store
        function onSharedEventOffered(draft) {
            root.pendingOffers = root.pendingOffers.concat([draft])
            root.presentPendingOffer()
        }
    }

    Notice {
        id: notice
        onActionTriggered: root.undoDelete()
        onHidden: root.store.forgetDeleted()
    }

    // Asks for a review after the third event (the add form raises the flag).
    Alert {
        objectName: "reviewAlert"
        open: root.store.alertReview
        title: qsTrId("Setting.rateUs")
        message: qsTrId("Setting.reviewCopy")
        primaryText: qsTrId("Setting.review")
        secondaryText: qsTrId("button.cancel")
        onPrimaryClicked: {
            StoreLinks.openReviewPage()
            AppSettings.markReviewed()
        }
        onClosed: root.store.alertReview = false
    }

    // The store's limit of thirty events, met by a shared link (an open form shows its own).
    Alert {
        objectName: "limitAlert"
        open: root.store.alertMaxEvent && !sheet.open
        title: root.store.alertTitle
        message: root.store.alertCopy
        onClosed: root.store.alertMaxEvent = false
    }

    Connections {
        target: root.Window.window
        function onActiveChanged() {
            if (root.Window.window.active)
                root.store.writeWidgetContents()
        }
    }
}
