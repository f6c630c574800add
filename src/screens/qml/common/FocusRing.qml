import QtQuick

// Where the keyboard's focus is: a ring in `ringColor` around `target` while it (or whatever
// `shown` says) has it.
Rectangle {
    property Item target: parent
    property bool shown: target !== null && target.activeFocus
    property color ringColor: "white"
    parent: target
    anchors.fill: parent
    anchors.margins: -4
    radius: 8
    color: "transparent"
    border.width: 2.5
    border.color: ringColor
    visible: shown
    z: 100
}
