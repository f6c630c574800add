import QtQuick

// A sheet presented from the bottom over the page. It slides up while `open` is true and
// closes when its top strip (where the grab handle sits) is dragged down far or fast enough,
// or when its content calls dismiss(). The content fills the sheet below a small top inset.
Item {
    id: root
    property bool open: false
    default property alias content: body.data
    readonly property real topInset: 44
    signal dismissed()

    function dismiss() {
        if (!open)
            return
        open = false
        dismissed()
    }

    // From opening until the closing slide has ended.
    property bool presented: false
    onOpenChanged: if (open) presented = true

    anchors.fill: parent
    visible: presented
    z: 500

    Rectangle {
        anchors.fill: parent
        color: "black"
        opacity: 0.35 * Math.max(0, 1 - (panel.y - root.topInset) / Math.max(1, root.height - root.topInset))
        MouseArea { anchors.fill: parent; enabled: root.open }
    }

    Item {
        id: panel
        objectName: "sheetPanel"
        width: parent.width
        height: parent.height - root.topInset
        y: root.open ? root.topInset + drag.offset : root.height
        clip: true
        Behavior on y {
            // Not while the finger moves it, nor when a closed sheet follows a resize.
            enabled: (root.open || root.presented) && !dragHandler.active
            NumberAnimation {
                duration: 300
                easing.type: Easing.OutCubic
                onRunningChanged: if (!running && !root.open) root.presented = false
            }
        }

        Item {
            id: body
            anchors.fill: parent
        }

        // The pull-down strip over the top of the content, where the grab handle is drawn.
        Item {
            id: drag
            property real offset: 0
            width: parent.width
            height: 40
            DragHandler {
                id: dragHandler
                target: null
                yAxis.enabled: true
                xAxis.enabled: false
                onTranslationChanged: drag.offset = Math.max(0, translation.y)
                onActiveChanged: {
                    if (active)
                        return
                    const fast = centroid.velocity.y > 800
                    if (drag.offset > panel.height / 4 || fast)
                        root.dismiss()
                    drag.offset = 0
                    if (!root.open && panel.y >= root.height)
                        root.presented = false
                }
            }
        }
    }
}
