import QtQuick
import Tallowick
import Tallowick as T

// The strip of tiles (each event's circle and bar) that the person drags between pages. It
// follows the finger, then springs to the chosen page; the tiles' circles and bars move with
// the same spring.
Item {
    id: root
    required property UserData store
    required property EventListModel events
    property bool animateEntrance: true
    // Where the tiles draw their picture (in this item), and how large.
    property real pictureScale: 1
    property point pictureCentre: Qt.point(width / 2, height / 2)
    readonly property alias swipeDirection: scroll.swipeDirection
    // A sheet lies over the strip: a drag on the sheet (across its theme strip, say) is the
    // sheet's, and must not turn the pages under it.
    property bool covered: false

    PagingScroll {
        id: scroll
        itemCount: root.events.count
        // Never zero wide: a strip that has not been sized yet would otherwise make every tile.
        tileWidth: Math.max(root.width, 1)
        tilePadding: 180
        currentPage: root.store.currentPage
    }

    // The offset drawn: equal to the strip's while the finger is down, springing to it after.
    property real shownOffset: scroll.currentScrollOffset
    onShownOffsetChanged: tiles.follow()
    Behavior on shownOffset {
        enabled: root.animateEntrance && !drag.active
        // The pager's one spring, which the tiles' circles and bars share (see BarSpring).
        SpringAnimation { spring: T.BarSpring.pagerSpring; damping: T.BarSpring.pagerDamping; epsilon: T.BarSpring.epsilon }
    }

    ListView {
        id: tiles
        objectName: "tiles"
        // Sized, not anchored: the anchors would apply only after the first tile is made.
        width: root.width
        height: root.height
        orientation: ListView.Horizontal
        interactive: false
        spacing: scroll.tilePadding
        cacheBuffer: 0
        model: root.events
        // Set, not bound: the view's origin moves as tiles are made and would loop a binding.
        // Mirrored, the tiles run leftwards from the right edge: the strip moves the other way.
        function follow() {
            contentX = effectiveLayoutDirection === Qt.RightToLeft ? originX + contentWidth - width + root.shownOffset
                                                                   : originX - root.shownOffset
        }
        onOriginXChanged: follow()
        onContentWidthChanged: if (effectiveLayoutDirection === Qt.RightToLeft) follow()
        onWidthChanged: follow()
        Component.onCompleted: follow()
        delegate: CircleAnimation {
            required property int index
            required property EventRow event
            width: scroll.tileWidth
            height: tiles.height
            tileIndex: index
            currentPage: root.store.currentPage
            pictureScale: root.pictureScale
            pictureCentre: root.pictureCentre
            circleColor: event.record.circleColor
            barType: event.record.barType
            barColor: event.record.barColor
            animateEntrance: root.animateEntrance
        }
    }

    // Nearly transparent so that the whole strip, gaps included, takes the drag.
    Rectangle {
        anchors.fill: parent
        color: "black"
        opacity: 0.00001
    }

    DragHandler {
        id: drag
        enabled: !root.covered
        target: null
        xAxis.enabled: true
        yAxis.enabled: false
        // A drag to the right brings the next event in when the pages run from right to left.
        readonly property real forward: tiles.effectiveLayoutDirection === Qt.RightToLeft ? -1 : 1
        onTranslationChanged: if (active) scroll.dragChanged(forward * translation.x)
        onActiveChanged: {
            if (active)
                return
            // Where the drag would come to rest at its speed.
            const predicted = forward * (translation.x + centroid.velocity.x * 0.2)
            const target = scroll.dragEnded(predicted)
            root.store.currentPage = target
        }
    }
}
