import QtQuick

// A hairline separator in the current foreground colour.
Item {
    id: root
    property real screenWidth: 300
    property color color: "white"
    implicitWidth: screenWidth
    implicitHeight: 0.5

    Rectangle {
        anchors.centerIn: parent
        width: root.screenWidth
        height: 0.5
        color: root.color
        opacity: 0.2
    }
}
