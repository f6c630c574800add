import QtQuick
import Tallowick

// The pager: full event pages behind, the strip of circles and bars in front, and the page
// indicator. The store's current page is the one truth both layers follow.
Item {
    id: root
    required property UserData userData
    required property EventListModel events
    property string swipeDirection: "left"
    property bool animateEntrance: true
    signal sheetRequested(string mode)

    readonly property int pageCount: events.count
    readonly property int currentPage: userData.currentPage

    // Back layer: one page per event, made as it comes near the screen.
    ListView {
        id: pages
        objectName: "pages"
        anchors.fill: parent
        orientation: ListView.Horizontal
        interactive: false
        boundsBehavior: Flickable.StopAtBounds
        cacheBuffer: 0
        model: root.events
        delegate: DateCircle {
            required property int index
            // Never zero wide: a view that has not been sized yet would otherwise make every page.
            width: Math.max(pages.width, 1)
            height: pages.height
            userData: root.userData
            pageIndex: index
            onSheetRequested: (mode) => root.sheetRequested(mode)
        }

        NumberAnimation {
            id: slide
            target: pages
            property: "contentX"
            duration: 350
            easing.type: Easing.OutCubic
        }

        // Rows came, went or moved (here or in another program): the page is put in place once
        // the list has settled, without a slide nobody asked for.
        property bool listChanging: false
        function listChanged() {
            listChanging = true
            Qt.callLater(settleAfterChange)
        }
        function settleAfterChange() {
            listChanging = false
            slide.stop()
            jumpToCurrent()
        }

        function follow() {
            if (listChanging)
                return
            const transition = PagerRules.backLayerTransition(root.pageCount, root.currentPage, root.swipeDirection)
            if (transition === "none" || root.currentPage >= root.pageCount)
                return
            slide.stop()
            if (transition === "jump" || !root.animateEntrance) {
                // After the pending layout, which would otherwise undo the move.
                Qt.callLater(pages.jumpToCurrent)
            } else {
                slide.to = originX + root.currentPage * width
                slide.start()
            }
        }
        function jumpToCurrent() {
            if (root.currentPage < count)
                positionViewAtIndex(root.currentPage, ListView.Beginning)
        }
        onWidthChanged: follow()
        Component.onCompleted: follow()
    }
    onCurrentPageChanged: pages.follow()
    Connections {
        target: root.events
        function onRevisionChanged() { pages.listChanged() }
    }

    // Front layer: the tiles, and the drag that moves between pages.
    PagingScrollView {
        id: strip
        anchors.centerIn: parent
        width: parent.width
        height: parent.height - parent.height / 5 - 10
        scale: 0.96
        userData: root.userData
        events: root.events
        animateEntrance: root.animateEntrance
        onSwipeDirectionChanged: root.swipeDirection = swipeDirection
    }

    PageIndicator {
        anchors.right: parent.right
        anchors.rightMargin: 35
        y: 62
        pageCount: root.pageCount
        currentPage: root.currentPage
        readonly property EventRow shown: root.events.revision, root.events.at(root.currentPage)
        color: Colors.hex(shown ? shown.fontColor : "")
    }
}
