import QtQuick

// Something over the whole window that has the keyboard while `open`: nothing behind it takes
// a key or a shortcut, Escape closes it, and when it closes the keys go back where they were.
FocusScope {
    id: root
    property bool open: false
    // Where the keys go once it is open.
    property Item initialFocus: null
    signal closed()

    anchors.fill: parent
    visible: open

    // Owners that bind `open` to a flag clear the flag in onClosed; the binding then closes it
    // and stays intact. Unbound ones are closed here.
    function close() {
        closed()
        if (open)
            open = false
    }

    property Item focusBefore: null
    onOpenChanged: {
        if (open) {
            focusBefore = Window.activeFocusItem
            // Once what it shows has been made.
            Qt.callLater(takeKeys)
            return
        }
        if (focusBefore)
            focusBefore.forceActiveFocus()
        focusBefore = null
    }
    function takeKeys() {
        if (!open)
            return
        // What has the keys now gets them back: it may have changed since this opened (an
        // alert whose button opened this has closed meanwhile and given the keys back).
        const current = Window.activeFocusItem
        if (current && !holds(current))
            focusBefore = current
        forceActiveFocus()
        if (initialFocus)
            initialFocus.forceActiveFocus(Qt.TabFocusReason)
    }

    function holds(item) {
        for (let inside = item; inside; inside = inside.parent) {
            if (inside === root)
                return true
        }
        return false
    }

    // Tab moves along the whole window's chain, which runs on into what this covers: focus
    // that leaves it for anything outside an open modal comes back to where it starts.
    readonly property bool isModal: true
    Connections {
        target: root.Window.window
        enabled: root.open
        function onActiveFocusItemChanged() {
            const item = root.Window.activeFocusItem
            if (!root.open || !item || root.insideOpenModal(item))
                return
            // What had the keys before this opened has gone (an alert that opened this has
            // closed and handed its keys back): they go there once this closes.
            if (root.focusBefore && !root.focusBefore.visible)
                root.focusBefore = item
            if (root.initialFocus)
                root.initialFocus.forceActiveFocus(Qt.TabFocusReason)
            else
                root.forceActiveFocus()
        }
    }
    function insideOpenModal(item) {
        for (let inside = item; inside; inside = inside.parent) {
            if (inside.isModal === true && inside.open)
                return true
        }
        return false
    }

    Keys.onShortcutOverride: (event) => { event.accepted = root.open }
    Keys.onPressed: (event) => {
        if (root.open && event.key === Qt.Key_Escape)
            root.close()
        event.accepted = root.open
    }
}
