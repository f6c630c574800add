import QtQuick
import Tallowick

// A hairline separator in the current foreground colour.
Item {
    id: root
    property real screenWidth: Style.dividerWidth
    property color color: "white"
    implicitWidth: screenWidth
    implicitHeight: Style.hairline

    Rectangle {
        anchors.centerIn: parent
        width: root.screenWidth
        height: Style.hairline
        color: root.color
        opacity: 0.2
    }
}
