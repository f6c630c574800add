import QtQuick
import Tallowick

// The app's one window: a phone-sized scene showing the pager.
Window {
    id: window
    required property UserData userData
    property bool screenshotMode: false

    width: 390
    height: 844
    minimumWidth: 320
    minimumHeight: 560
    visible: true
    title: qsTrId("Tallowick")
    color: "black"

    ContentView {
        anchors.fill: parent
        userData: window.userData
        animateEntrance: !window.screenshotMode
    }
}
