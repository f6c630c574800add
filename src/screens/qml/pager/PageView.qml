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
    // True while something covers the pager (an open sheet): nothing of it is offered to
    // assistive technology or to the keyboard then.
    property bool hiddenFromAccessibility: false
    signal sheetRequested(string mode)

    readonly property int pageCount: events.count
    readonly property int currentPage: userData.currentPage

    // The layout of every page, worked out once for the window's size. Taller than wide, the
    // texts run across the page and the picture (the circle and its bar) takes the room
    // between the date and the count; wider than tall, the texts keep to the left and the
    // picture stands beside them. The picture never covers a text.
    readonly property bool wide: width >= 600 && width > height * 1.1
    readonly property real textsWidth: wide ? width * 0.45 - 35 : width - 70
    readonly property real countSize: Math.max(56, Math.min(110, height * 0.13))
    // Where the page's texts are (see DateCircle): the title's two lines and the date below
    // the button row, the "D-DAY" label and the count above the menu.
    readonly property real textsBottom: 109 + Math.ceil(35 * 1.25) * 2 + 3 + 22
    readonly property real menuTop: height - 25 - 68
    readonly property real countTop: menuTop - 10 - Math.ceil(countSize * 1.2) - 33
    // The picture is drawn for a page 390 wide (a circle of 360); this is its scale and centre.
    readonly property real pictureRoom: wide ? menuTop - 95 - 10 : countTop - textsBottom - 12
    readonly property real pictureScale: Math.max(0.25, wide ? Math.min(pictureRoom / 380, width * 0.55 / 480, 2.2)
                                                             : Math.min(pictureRoom / 370, width / 390, 1.15))
    readonly property point pictureCentre: wide ? Qt.point(width * 0.68, (95 + menuTop) / 2)
                                                : Qt.point(width / 2, textsBottom + 6 + pictureRoom / 2)

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
            // Only the page on screen is there (for assistive technology too): its neighbours
            // show only while a slide brings one in.
            visible: index === root.currentPage || slide.running
            userData: root.userData
            pageIndex: index
            textsWidth: root.textsWidth
            countSize: root.countSize
            accessibilityHidden: root.hiddenFromAccessibility || index !== root.currentPage
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
    // Between the button row and the menu, so that both stay within reach of a click.
    PagingScrollView {
        id: strip
        y: 90
        width: parent.width
        height: Math.max(1, root.menuTop - 5 - y)
        pictureScale: root.pictureScale
        pictureCentre: Qt.point(root.pictureCentre.x, root.pictureCentre.y - y)
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
        Accessible.ignored: root.hiddenFromAccessibility || !visible || root.pageCount < 2
        readonly property EventRow shown: root.events.revision, root.events.at(root.currentPage)
        color: Colors.hex(shown ? shown.fontColor : "")
    }
}
