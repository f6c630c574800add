import QtQuick
import QtQuick.Controls.Basic
import Tallowick

// The scroll bar of what a sheet shows, there while `flickable` holds more than fits: a thin
// capsule in `color` that widens under the pointer and that the pointer can drag. It stands
// beside the flickable, in the sheet's margin, so that it covers nothing.
ScrollBar {
    id: bar
    required property Flickable flickable
    property color color: "white"
    // Something covers it: assistive technology does not find it. Nor does it while there is
    // nothing to scroll (it is not drawn then).
    property bool accessibilityHidden: false
    Accessible.ignored: accessibilityHidden || policy === ScrollBar.AlwaysOff

    orientation: Qt.Vertical
    policy: size < 1 ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff
    padding: Style.gapXXS
    size: flickable.visibleArea.heightRatio
    // Follows the flickable, and moves it while dragged.
    Binding on position {
        when: !bar.pressed
        value: bar.flickable.visibleArea.yPosition
    }
    onPositionChanged: if (pressed) flickable.contentY = flickable.originY + position * flickable.contentHeight

    contentItem: Rectangle {
        objectName: "scrollThumb"
        implicitWidth: bar.hovered || bar.pressed ? Style.scrollBarWide : Style.scrollBarThin
        implicitHeight: Style.controlHeight
        radius: width / 2
        color: bar.color
        opacity: bar.pressed ? 0.7 : 0.4
    }
}
