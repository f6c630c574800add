import QtQuick

// Something a person presses, in every way one can: a click (it shows when the pointer is
// over it and while it is held down), Space or Return while it has the keyboard's focus (a
// ring then shows where that is), and the one press action of assistive technology.
Item {
    id: control
    // What assistive technology calls it, and what it is.
    property string name
    property string description
    property int role: Accessible.Button
    property bool checkable: false
    property bool checked: false
    // The focus ring: its colour, and how round it is.
    property color ringColor: "white"
    property real ringRadius: Math.min(width, height) / 2
    // Room around a small glyph that a finger or a pointer also hits.
    property real touchMargin: 0
    readonly property bool hovered: mouse.containsMouse
    readonly property bool down: mouse.pressed || keyDown
    property bool keyDown: false
    // Something covers it: neither assistive technology nor the Tab key finds it.
    property bool accessibilityHidden: false
    signal activated()

    readonly property bool tabStop: enabled && visible && !accessibilityHidden
    // An item keeps its place in the Tab chain while it has the focus, so the focus goes
    // first (to the enclosing scope: the page, the sheet) and the place after it.
    activeFocusOnTab: tabStop || activeFocus
    onTabStopChanged: if (!tabStop && activeFocus) focus = false
    // What is not shown is not offered either.
    Accessible.ignored: accessibilityHidden || !visible
    Accessible.role: role
    Accessible.name: name
    Accessible.description: description
    Accessible.focusable: true
    Accessible.checkable: checkable
    Accessible.checked: checked
    // The one press action (a handler of Accessible.onPressAction would be listed beside the
    // role's own "press").
    function accessiblePressAction() { activated() }

    Keys.onPressed: (event) => {
        if (event.key === Qt.Key_Space || event.key === Qt.Key_Return || event.key === Qt.Key_Enter) {
            if (!event.isAutoRepeat)
                keyDown = true
            event.accepted = true
        }
    }
    Keys.onReleased: (event) => {
        if ((event.key === Qt.Key_Space || event.key === Qt.Key_Return || event.key === Qt.Key_Enter) && keyDown) {
            keyDown = false
            event.accepted = true
            activated()
        }
    }
    onActiveFocusChanged: if (!activeFocus) keyDown = false

    // Feedback for the pointer: a little lighter under it, a little smaller while held.
    opacity: enabled ? (hovered && !down ? 0.85 : 1) : 0.45
    scale: down ? 0.94 : 1
    Behavior on scale { NumberAnimation { duration: 90 } }

    MouseArea {
        id: mouse
        anchors.fill: parent
        anchors.margins: -control.touchMargin
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: control.activated()
    }

    FocusRing {
        target: control
        ringColor: control.ringColor
        radius: control.ringRadius + 4
    }
}
