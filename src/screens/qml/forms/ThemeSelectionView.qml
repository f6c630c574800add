import QtQuick
import Tallowick

// The strip of colour themes to choose from, scrolled sideways (by a drag, either wheel of the
// mouse, or the keyboard); `selectedId` is the chosen theme's id. The keyboard's focus stops
// at the chosen theme; Left and Right choose the one beside it.
Flickable {
    id: root
    property int selectedId: 1003
    property color ringColor: "white"

    // The theme `step` places along from the chosen one.
    function chooseBeside(step) {
        for (let i = 0; i < themeRepeater.count; ++i) {
            const thumb = themeRepeater.itemAt(i)
            if (thumb && thumb.themeId === selectedId) {
                const next = themeRepeater.itemAt(Math.max(0, Math.min(themeRepeater.count - 1, i + step)))
                if (next)
                    choose(next)
                return
            }
        }
    }
    // While the strip has the keys they move to the new choice first: the thumb that has the
    // focus keeps its place in the Tab chain, so it must lose the focus before its choice.
    function choose(thumb) {
        if (hasKeys() && thumb.item)
            thumb.item.forceActiveFocus(Qt.TabFocusReason)
        selectedId = thumb.themeId
        Qt.callLater(showSelected)
    }
    function hasKeys() {
        for (let item = Window.activeFocusItem; item; item = item.parent) {
            if (item === root)
                return true
        }
        return false
    }

    // False while the mouse wheel scrolls what holds the strip: its turns go there.
    property bool wheelScrolls: true
    // The mouse's vertical wheel scrolls the strip sideways too.
    WheelHandler {
        target: null
        enabled: root.wheelScrolls
        onWheel: (event) => {
            const delta = event.angleDelta.x !== 0 ? event.angleDelta.x : event.angleDelta.y
            root.contentX = Math.max(0, Math.min(root.contentWidth - root.width, root.contentX - delta))
        }
    }

    implicitWidth: Style.contentWidth
    implicitHeight: Style.themeStripHeight
    contentWidth: row.width
    contentHeight: height
    flickableDirection: Flickable.HorizontalFlick
    clip: true

    // Brings the chosen theme into view, as centred as the strip allows.
    function showSelected() {
        for (let i = 0; i < themeRepeater.count; ++i) {
            const thumb = themeRepeater.itemAt(i)
            if (thumb && thumb.themeId === selectedId) {
                const centre = thumb.x + thumb.width / 2
                contentX = Math.max(0, Math.min(contentWidth - width, centre - width / 2))
                return
            }
        }
    }
    function ensureVisible(thumb) {
        if (thumb.x < contentX)
            contentX = thumb.x
        else if (thumb.x + thumb.width > contentX + width)
            contentX = thumb.x + thumb.width - width
    }
    // On opening, the chosen theme is in sight even when it sits far along the strip.
    Component.onCompleted: Qt.callLater(showSelected)

    Row {
        id: row
        height: root.height
        spacing: Style.thumbSpacing

        Repeater {
            id: themeRepeater
            model: ThemeListModel {}
            delegate: Loader {
                id: thumb
                required property int index
                required property int themeId
                required property string bgColor
                required property string circleColor
                required property string barColor
                required property bool isPicture
                required property string imageName
                required property string name
                anchors.verticalCenter: parent ? parent.verticalCenter : undefined
                objectName: "theme-" + themeId
                sourceComponent: isPicture ? imageThumb : colorThumb

                function pick() {
                    root.choose(thumb)
                }

                Component {
                    id: colorThumb
                    ColorThumb {
                        bgColor: thumb.bgColor
                        bgCircle: thumb.circleColor
                        bgBar: thumb.barColor
                        themeId: thumb.themeId
                        selectedId: root.selectedId
                        accessibleName: thumb.name
                        // One stop of the Tab key for the whole strip: the chosen theme.
                        activeFocusOnTab: selected
                        Keys.onLeftPressed: root.chooseBeside(-1)
                        Keys.onRightPressed: root.chooseBeside(1)
                        onActiveFocusChanged: if (activeFocus) root.ensureVisible(thumb)
                        onPicked: thumb.pick()
                    }
                }
                Component {
                    id: imageThumb
                    ImageThumb {
                        bgColor: thumb.bgColor
                        imageName: thumb.imageName
                        bgBar: thumb.barColor
                        themeId: thumb.themeId
                        selectedId: root.selectedId
                        accessibleName: thumb.name
                        // One stop of the Tab key for the whole strip: the chosen theme.
                        activeFocusOnTab: selected
                        Keys.onLeftPressed: root.chooseBeside(-1)
                        Keys.onRightPressed: root.chooseBeside(1)
                        onActiveFocusChanged: if (activeFocus) root.ensureVisible(thumb)
                        onPicked: thumb.pick()
                    }
                }
            }
        }
    }
}
