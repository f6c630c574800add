import QtQuick
import Tallowick

// Where the keyboard's focus is: a ring in `ringColor` around `target` while it (or whatever
// `shown` says) has it.
Rectangle {
    property Item target: parent
    property bool shown: target !== null && target.activeFocus
    property color ringColor: "white"
    parent: target
    anchors.fill: parent
    anchors.margins: -Style.focusRingGap
    radius: Style.focusRingRadius
    color: "transparent"
    border.width: Style.focusRingWidth
    border.color: ringColor
    visible: shown
    z: 100
}
