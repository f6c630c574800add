import QtQuick
import Tallowick

// The app's one window: a phone-sized scene showing the pager.
Window {
    id: window
    required property UserData store
    property bool screenshotMode: false

    width: Style.windowWidth
    height: Style.windowHeight
    minimumWidth: Style.minimumWindowWidth
    minimumHeight: Style.minimumWindowHeight
    visible: true
    title: qsTrId("Tallowick")
    color: "black"

    // Sized by the window's own width and height, which are set before the scene is made:
    // the window's content item takes its size only at the first resize event, so filling it
    // would make the first page at no size at all and lay it out (and load its fonts) twice.
    ContentView {
        width: window.width
        height: window.height
        store: window.store
        animateEntrance: !window.screenshotMode
    }
}
