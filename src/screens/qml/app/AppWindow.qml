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

    ContentView {
        anchors.fill: parent
        store: window.store
        animateEntrance: !window.screenshotMode
    }
}
