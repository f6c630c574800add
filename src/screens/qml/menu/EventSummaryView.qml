import Tallowick
import QtQuick

// The sheet that lists every event and lets the person put them in another order: each row
// has a reorder handle; dragging it moves the row (ahead of the store), and letting go saves
// the new order. A click on a row (or Return on it) shows that event and closes the list; Up
// and Down go from row to row, Ctrl+Up and Ctrl+Down move the row. Under the list, the
// calendar and backup actions (TransferActions), and the way to the sync sheet, which opens
// over the whole window.
Rectangle {
    id: root
    property UserData store
    signal dismissRequested()
    readonly property Item initialFocus: list
    // The sync sheet is open over the list (and the sheet that holds it).
    readonly property bool coversSheet: syncSheet.open

    // Shows the event of `index` and closes the list.
    function openRow(index) {
        const row = events ? events.at(index) : null
        if (!store || !row)
            return
        const page = store.indexOfEvent(row.eventId)
        if (page >= 0)
            store.currentPage = page
        dismissRequested()
    }
    // The pager's rows: the list shows the very events the pages do.
    property EventListModel events
    // The event whose page opened the sheet; every row is drawn in its text colour.
    property EventRow event: null

    // The rows' colour: the event's text colour, unless it is too faint to read on the list
    // (light text on the light list, dark text on the dark one); then the first of its other
    // theme colours that reads well.
    readonly property color textColor: event ? readableOn(Style.listBackground, [event.record.fontColor, event.record.bgColor, event.record.lineColor])
                                             : Style.listLabel

    color: Style.listBackground

    function luminance(c) {
        function channel(v) { return v <= 0.03928 ? v / 12.92 : Math.pow((v + 0.055) / 1.055, 2.4) }
        return 0.2126 * channel(c.r) + 0.7152 * channel(c.g) + 0.0722 * channel(c.b)
    }
    function readableOn(background, hexes) {
        const ground = luminance(background)
        for (let i = 0; i < hexes.length; ++i) {
            if (!hexes[i])
                continue
            const c = Colors.hex(hexes[i])
            const own = luminance(c)
            if ((Math.max(own, ground) + 0.05) / (Math.min(own, ground) + 0.05) >= 3)
                return c
        }
        return Style.listLabel
    }

    GrabHandle {
        id: handle
        y: Style.gapXXL
        color: Style.label
        anchors.horizontalCenter: parent.horizontalCenter
    }

    ListView {
        id: list
        objectName: "summaryList"
        anchors.top: parent.top
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: transfer.top
        anchors.topMargin: handle.y + handle.height + Style.gapS
        clip: true
        model: root.events
        boundsBehavior: Flickable.StopAtBounds
        Accessible.role: Accessible.List
        Accessible.name: qsTrId("All events")
        Accessible.ignored: root.coversSheet
        activeFocusOnTab: !root.coversSheet
        keyNavigationEnabled: true
        highlightFollowsCurrentItem: true
        currentIndex: 0
        Keys.onPressed: (event) => {
            if (event.modifiers & Qt.ControlModifier) {
                if (event.key === Qt.Key_Up || event.key === Qt.Key_Down) {
                    const from = list.currentIndex
                    const step = event.key === Qt.Key_Up ? -1 : 1
                    root.moveOne(from, step)
                    list.currentIndex = Math.max(0, Math.min(list.count - 1, from + step))
                    event.accepted = true
                }
            } else if (event.key === Qt.Key_Return || event.key === Qt.Key_Enter || event.key === Qt.Key_Space) {
                root.openRow(list.currentIndex)
                event.accepted = true
            }
        }

        delegate: Rectangle {
            id: row
            objectName: "summaryRow" + index
            required property int index
            required property EventRow event
            property bool dragging: false

            width: list.width
            height: cell.height
            z: dragging ? 1 : 0
            color: dragging || rowMouse.pressed ? Style.listPressed : rowMouse.containsMouse ? Style.listHover : Style.listBackground
            // The current row has the list's focus: Return opens it.
            focus: ListView.isCurrentItem
            Accessible.role: Accessible.ListItem
            Accessible.ignored: root.coversSheet
            Accessible.name: CalendarHelper.minute, CalendarHelper.spokenPage(event.record.dateTitle, event.record.ddate, event.record.countdown, event.record.yearly,
                                                                        event.record.unit)
            Accessible.focusable: true
            Accessible.onPressAction: root.openRow(row.index)
            Accessible.onDecreaseAction: root.moveOne(row.index, -1)
            Accessible.onIncreaseAction: root.moveOne(row.index, 1)

            // A click anywhere but on the handle shows the event.
            MouseArea {
                id: rowMouse
                anchors.fill: parent
                hoverEnabled: true
                cursorShape: Qt.PointingHandCursor
                onClicked: root.openRow(row.index)
            }
            FocusRing {
                target: row
                anchors.margins: Style.outlineWidth
                ringColor: root.textColor
                shown: row.activeFocus
            }

            EventCellView {
                id: cell
                // At the reading side, the handle at the other.
                x: LayoutMirroring.enabled ? parent.width - Style.rowInset - width : Style.rowInset
                width: parent.width - 2 * Style.rowInset - grip.width - Style.gapL
                event: row.event
                fontColor: root.textColor
            }

            // The reorder handle.
            Item {
                id: grip
                objectName: "reorderHandle" + row.index
                anchors.right: parent.right
                anchors.rightMargin: Style.rowInset - Style.gapM
                width: Style.gripWidth
                height: parent.height
                // The row itself moves for assistive technology (its increase and decrease).
                Accessible.ignored: true

                Column {
                    anchors.centerIn: parent
                    spacing: Style.gapXS
                    Repeater {
                        model: 3
                        Rectangle { width: Style.gripBar.width; height: Style.gripBar.height; radius: height / 2; color: Style.grip }
                    }
                }

                MouseArea {
                    id: dragArea
                    property int from: -1
                    // The finger's height in the list's visible area.
                    property real viewY: 0
                    readonly property real edge: Style.autoScrollEdge
                    anchors.fill: parent
                    preventStealing: true
                    onPressed: (mouse) => {
                        from = row.index
                        viewY = mapToItem(list, mouse.x, mouse.y).y
                        row.dragging = true
                    }
                    onPositionChanged: (mouse) => {
                        viewY = mapToItem(list, mouse.x, mouse.y).y
                        follow()
                    }
                    onReleased: finish()
                    onCanceled: finish()

                    // Puts the dragged row where the finger is.
                    function follow() {
                        const y = Math.max(list.originY,
                                           Math.min(list.contentY + viewY, list.originY + list.contentHeight - 1))
                        const to = list.indexAt(list.width / 2, y)
                        if (to >= 0 && to !== row.index)
                            root.events.moveRow(row.index, to)
                    }
                    function finish() {
                        row.dragging = false
                        const to = row.index
                        if (from >= 0 && from !== to && root.store)
                            root.store.moveEvent(root.store.indexOfEvent(row.event.eventId), to)
                        from = -1
                    }

                    // Near the top or bottom edge the list scrolls on, so a row can travel
                    // further than one screen.
                    Timer {
                        interval: 16
                        repeat: true
                        running: dragArea.pressed
                                 && (dragArea.viewY < dragArea.edge || dragArea.viewY > list.height - dragArea.edge)
                        onTriggered: {
                            const step = dragArea.viewY < dragArea.edge ? -12 : 12
                            const last = Math.max(list.originY, list.originY + list.contentHeight - list.height)
                            list.contentY = Math.max(list.originY, Math.min(list.contentY + step, last))
                            dragArea.follow()
                        }
                    }
                }
            }

            Rectangle {
                anchors.bottom: parent.bottom
                x: LayoutMirroring.enabled ? 0 : Style.rowInset
                width: parent.width - Style.rowInset
                height: Style.hairline
                color: Style.separator
                visible: row.index < root.events.count - 1
            }
        }
    }

    SheetScrollBar {
        flickable: list
        accessibilityHidden: root.coversSheet
        color: root.textColor
        anchors.top: list.top
        anchors.bottom: list.bottom
        anchors.right: list.right
    }

    // The calendar and backup actions, under the list.
    Rectangle {
        anchors.bottom: transfer.top
        width: parent.width
        height: Style.hairline
        color: Style.separator
    }
    TransferActions {
        id: transfer
        objectName: "transferActions"
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.bottomMargin: Style.gapS
        height: implicitHeight
        store: root.store
        textColor: root.textColor
        // Notices show over the list, clear of the actions.
        messageArea: list
        accessibilityHidden: root.coversSheet
        onSyncRequested: syncSheet.open = true
    }

    Sheet {
        id: syncSheet
        objectName: "syncSheet"
        // Over the whole window, the list's own sheet and its close button too.
        parent: root.Window.window ? root.Window.window.contentItem : root
        // Outside the app's mirrored root there: it mirrors by itself.
        LayoutMirroring.enabled: Qt.application.layoutDirection === Qt.RightToLeft
        LayoutMirroring.childrenInherit: true
        Loader {
            id: syncContent
            anchors.fill: parent
            focus: true
            // Made each time it opens, so that it reads the account and the last sync afresh.
            active: syncSheet.presented
            sourceComponent: SyncSheet { objectName: "syncSheetContent"; store: root.store }
            onLoaded: Qt.callLater(root.focusSyncSheet)
        }
        // The keys go back to the action that opened it.
        onOpenChanged: if (!open) transfer.focusSyncAction()
    }
    function focusSyncSheet() {
        if (syncSheet.open && syncContent.item)
            syncContent.item.initialFocus.forceActiveFocus(Qt.TabFocusReason)
    }

    function moveOne(index, step) {
        const to = index + step
        const moved = events ? events.at(index) : null
        if (!store || !moved || to < 0 || to >= events.count)
            return
        events.moveRow(index, to)
        store.moveEvent(store.indexOfEvent(moved.eventId), to)
    }
}
