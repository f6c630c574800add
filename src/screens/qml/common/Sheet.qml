import QtQuick
import Tallowick

// A sheet presented from the bottom over the page. It slides up while `open` is true and
// closes when its top strip (where the grab handle sits) is dragged down far or fast enough,
// when the dimmed page around it or its close button is clicked, on Escape, or when its
// content calls dismiss(). The content fills the sheet below a small top inset; in a wide
// window the sheet keeps a readable width, centred.
FocusScope {
    id: root
    property bool open: false
    default property alias content: body.data
    // In a window shorter than the app's smallest, the sheet takes nearly all of its height.
    readonly property real topInset: height < Style.minimumWindowHeight ? Style.gapS : Style.sheetTopInset
    readonly property real panelWidth: Math.min(width, Style.sheetMaximumWidth)
    // Another sheet lies over this one: its close button is offered to neither Tab nor
    // assistive technology.
    property bool covered: false
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

    Keys.onEscapePressed: dismiss()

    Rectangle {
        objectName: "sheetDim"
        anchors.fill: parent
        color: "black"
        opacity: 0.35 * Math.max(0, 1 - (panel.y - root.topInset) / Math.max(1, root.height - root.topInset))
        // A click beside the sheet closes it, as pulling it down does.
        MouseArea { anchors.fill: parent; enabled: root.open; onClicked: root.dismiss() }
    }

    Item {
        id: panel
        objectName: "sheetPanel"
        x: (parent.width - width) / 2
        width: root.panelWidth
        height: parent.height - root.topInset
        y: root.open ? root.topInset + drag.offset : root.height
        clip: true
        Behavior on y {
            // Not while the finger moves it, nor when a closed sheet follows a resize.
            enabled: (root.open || root.presented) && !dragHandler.active
            NumberAnimation {
                duration: Style.sheetDuration
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
            height: Style.sheetDragStrip
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

        // The way out for a pointer or the keyboard: a close button at the top right.
        Pressable {
            objectName: "sheetClose"
            anchors.right: parent.right
            anchors.rightMargin: Style.closeButtonMargin.x
            y: Style.closeButtonMargin.y
            width: Style.closeButtonSize
            height: Style.closeButtonSize
            touchMargin: Style.touchMarginSmall
            name: qsTrId("a11y.close")
            toolTip: name
            accessibilityHidden: !root.open || root.covered
            onActivated: root.dismiss()
            Rectangle {
                anchors.fill: parent
                radius: width / 2
                color: "black"
                opacity: 0.15
            }
            // Few faces have the cross: it comes from a fallback face, found and loaded the
            // first time a sheet is presented rather than at every start.
            Loader {
                anchors.centerIn: parent
                active: root.presented
                sourceComponent: Text {
                    text: "\u2715"
                    textFormat: Text.PlainText
                    font.pointSize: Style.textBody
                    font.bold: true
                    color: "white"
                }
            }
        }
    }
}
