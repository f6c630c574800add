import QtQuick
import Tallowick

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

    // One choice among several (a theme, a reminder option) is made with Space or the arrows:
    // Return goes on to what holds it, as in a desktop dialog (a form saves).
    readonly property bool returnPresses: role !== Accessible.RadioButton
    function pressKey(key) {
        return key === Qt.Key_Space || (returnPresses && (key === Qt.Key_Return || key === Qt.Key_Enter))
    }
    Keys.onPressed: (event) => {
        if (pressKey(event.key)) {
            if (!event.isAutoRepeat)
                keyDown = true
            event.accepted = true
        }
    }
    Keys.onReleased: (event) => {
        if (pressKey(event.key) && keyDown) {
            keyDown = false
            event.accepted = true
            activated()
        }
    }
    onActiveFocusChanged: if (!activeFocus) keyDown = false

    // Feedback for the pointer: a little lighter under it, a little smaller while held.
    opacity: enabled ? (hovered && !down ? 0.85 : 1) : 0.45
    scale: down ? 0.94 : 1
    Behavior on scale { NumberAnimation { duration: Style.pressDuration } }

    MouseArea {
        id: mouse
        anchors.fill: parent
        anchors.margins: -control.touchMargin
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: control.activated()
    }

    // An icon's words, shown after a moment under the pointer (empty: none).
    property string toolTip
    Loader {
        objectName: "toolTipHolder"
        anchors.fill: parent
        active: control.toolTip !== "" && mouse.containsMouse && !mouse.pressed
        source: "ToolTipBubble.qml"
        onLoaded: item.text = Qt.binding(() => control.toolTip)
    }

    FocusRing {
        target: control
        ringColor: control.ringColor
        radius: control.ringRadius + Style.focusRingGap
    }
}
