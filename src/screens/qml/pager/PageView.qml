import QtQuick
import Tallowick

// The pager: full event pages behind, the strip of circles and bars in front, and the page
// indicator. The store's current page is the one truth both layers follow.
Item {
    id: root
    required property UserData store
    required property EventListModel events
    property string swipeDirection: "left"
    property bool animateEntrance: true
    // True while something covers the pager (an open sheet): nothing of it is offered to
    // assistive technology or to the keyboard then.
    property bool hiddenFromAccessibility: false
    signal sheetRequested(string mode)

    readonly property int pageCount: events.count
    readonly property int currentPage: store.currentPage

    // The layout of every page, worked out once for the window's size. Taller than wide, the
    // texts run across the page and the picture (the circle and its bar) takes the room
    // between the date and the count; wider than tall, the texts keep to the left and the
    // picture stands beside them. The picture never covers a text.
    readonly property bool wide: width >= Style.wideWidth && width > height * 1.1
    readonly property real textsWidth: wide ? width * 0.45 - Style.pageMargin : width - 2 * Style.pageMargin

    // Where the page's texts are (see DateCircle): the title's two lines and the date below
    // the button row, the "D-DAY" label and the count above the menu.
    // A window shorter than the app's smallest (a laptop's screen at a large scale) keeps less
    // room above the button row and below the menu, and draws its title and count smaller.
    readonly property bool shortWindow: height < Style.minimumWindowHeight
    readonly property real pageTop: shortWindow ? Style.gapXXL : Style.pageTop
    readonly property real menuBottom: shortWindow ? Style.gapL : Style.menuBottom
    readonly property real titleGap: shortWindow ? Style.gapS : Style.titleGap
    readonly property real titleSize: Style.pixels(shortWindow ? Style.textTitle : Style.textDisplay)
    readonly property real countSize: Math.max(shortWindow ? Style.countMinimumShort : Style.countMinimum,
                                               Math.min(Style.countMaximum, height * 0.13))
    readonly property real buttonRowBottom: pageTop + Style.overviewButtonSize
    readonly property real textsBottom: buttonRowBottom + titleGap
                                        + Math.ceil(titleSize * Style.titleLineHeight) * 2
                                        + Style.gapXXS + Math.ceil(Style.dateLineHeight * Style.textScale)
    readonly property real menuTop: height - menuBottom - Style.addButtonSize
    readonly property real countTop: menuTop - Style.gapM - Math.ceil(countSize * Style.countLineHeight)
                                     - Style.countLabelTop - Math.ceil(Style.countLabelLineHeight * Style.textScale)
    // The picture is drawn for a page 390 wide (a circle of 360); this is its scale and centre.
    readonly property real pictureTop: buttonRowBottom + Style.gapL
    readonly property real pictureRoom: wide ? menuTop - pictureTop - Style.gapM : countTop - textsBottom - Style.gapL
    readonly property real pictureScale: Math.max(0.25, wide ? Math.min(pictureRoom / 380, width * 0.55 / 480, 2.2)
                                                             : Math.min(pictureRoom / 370, width / 390, 1.15))
    readonly property point pictureCentre: wide ? Qt.point(width * 0.68, (pictureTop + menuTop) / 2)
                                                : Qt.point(width / 2, textsBottom + Style.gapL / 2 + pictureRoom / 2)

    // Back layer: one page per event, made as it comes near the screen.
    ListView {
        id: pages
        objectName: "pages"
        // Sized, not anchored: the anchors would apply only after the first page is made.
        width: root.width
        height: root.height
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
            store: root.store
            pageIndex: index
            textsWidth: root.textsWidth
            countSize: root.countSize
            topInset: root.pageTop
            bottomInset: root.menuBottom
            titleGap: root.titleGap
            titleSize: root.titleSize
            accessibilityHidden: root.hiddenFromAccessibility || index !== root.currentPage
            onSheetRequested: (mode) => root.sheetRequested(mode)
        }

        NumberAnimation {
            id: slide
            target: pages
            property: "contentX"
            duration: Style.slideDuration
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
                slide.to = pageX(root.currentPage)
                slide.start()
            }
        }
        // Where page `page` starts: from the left edge rightwards. Mirrored, the pages run
        // leftwards and the view's own estimates of its origin and width (it makes only the
        // pages near the screen) place them: the view is asked.
        function pageX(page) {
            if (effectiveLayoutDirection !== Qt.RightToLeft)
                return originX + page * width
            const shown = contentX
            positionViewAtIndex(page, ListView.Beginning)
            const target = contentX
            contentX = shown
            return target
        }
        function jumpToCurrent() {
            if (root.currentPage < count)
                positionViewAtIndex(root.currentPage, ListView.Beginning)
        }
        // Pages are as wide as the view: a new width moves every page but the first (and,
        // mirrored, that one too, as the pages run from the right edge).
        // (The first width is the start's, which follow() places.)
        property real lastWidth: 0
        onWidthChanged: {
            follow()
            if (lastWidth > 1)
                Qt.callLater(pages.jumpAfterResize)
            lastWidth = width
        }
        function jumpAfterResize() {
            // The pages take their new places first.
            forceLayout()
            jumpToCurrent()
        }
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
        covered: root.hiddenFromAccessibility
        y: root.buttonRowBottom + Style.stripDrop
        width: parent.width
        height: Math.max(1, root.menuTop - Style.stripGap - y)
        pictureScale: root.pictureScale
        pictureCentre: Qt.point(root.pictureCentre.x, root.pictureCentre.y - y)
        store: root.store
        events: root.events
        animateEntrance: root.animateEntrance
        onSwipeDirectionChanged: root.swipeDirection = swipeDirection
    }

    // The mouse: a click on a dot of the indicator and the wheel over the page go to another
    // event; a notch (or a touchpad's swipe of the same length) at a time, down or sideways
    // towards the next one.
    function showPage(page) {
        const target = Math.max(0, Math.min(pageCount - 1, page))
        if (target === currentPage)
            return
        swipeDirection = target > currentPage ? "right" : "left"
        store.currentPage = target
    }
    WheelHandler {
        id: wheel
        objectName: "pageWheel"
        target: null
        enabled: !root.hiddenFromAccessibility
        property real turned: 0
        // Sideways the next event lies to the right, or to the left when the pages are mirrored.
        readonly property real forward: root.LayoutMirroring.enabled ? -1 : 1
        onWheel: (event) => {
            // Down, or right (negative), goes on.
            const delta = event.angleDelta.y !== 0 ? -event.angleDelta.y : -forward * event.angleDelta.x
            // A new direction starts afresh.
            turned = Math.sign(turned) === Math.sign(delta) ? turned + delta : delta
            const steps = turned > 0 ? Math.floor(turned / 120) : Math.ceil(turned / 120)
            if (steps !== 0) {
                turned -= steps * 120
                root.showPage(root.currentPage + steps)
            }
        }
    }

    PageIndicator {
        objectName: "pageIndicator"
        onPageChosen: (page) => root.showPage(page)
        anchors.right: parent.right
        anchors.rightMargin: Style.pageMargin
        y: root.pageTop + Style.indicatorDrop
        pageCount: root.pageCount
        currentPage: root.currentPage
        Accessible.ignored: root.hiddenFromAccessibility || !visible || root.pageCount < 2
        readonly property EventRow shown: root.events.revision, root.events.at(root.currentPage)
        color: Colors.hex(shown ? shown.record.fontColor : "")
    }
}
