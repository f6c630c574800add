import QtQuick
import Tallowick

// Scrolls `flickable` so that what of its content takes the keyboard's focus is in sight, with
// a little room around it.
Connections {
    property Flickable flickable
    target: flickable ? flickable.Window.window : null

    function onActiveFocusItemChanged() {
        const content = flickable.contentItem
        const item = flickable.Window.window ? flickable.Window.window.activeFocusItem : null
        if (!item || !inside(item, content))
            return
        const top = content.mapFromItem(item, 0, 0).y
        const bottom = top + item.height
        if (top < flickable.contentY)
            flickable.contentY = Math.max(0, top - Style.gapXL)
        else if (bottom > flickable.contentY + flickable.height)
            flickable.contentY = Math.min(flickable.contentHeight - flickable.height, bottom - flickable.height + Style.gapXL)
    }
    // (The content item's own contains() answers for the part in sight only.)
    function inside(item, content) {
        for (let above = item; above; above = above.parent) {
            if (above === content)
                return true
        }
        return false
    }
}
