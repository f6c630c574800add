import QtQuick
import Tallowick as T

// A heart made of two rounded bars in warm yellows, each sliding in with the bar spring.
Item {
    id: heart

    property bool animateEntrance: true

    objectName: "heartDecoration"
    implicitWidth: 200
    implicitHeight: 100
    Accessible.ignored: true

    BarPiece {
        anchors.centerIn: parent
        anchors.horizontalCenterOffset: 70
        width: 200
        height: 100
        delay: 0.2
        animate: heart.animateEntrance
        Rectangle {
            anchors.fill: parent
            radius: height / 2
            rotation: 142
            antialiasing: true
            color: T.Colors.hex("FFDE74")
        }
    }
    BarPiece {
        anchors.centerIn: parent
        width: 200
        height: 100
        delay: 0.3
        animate: heart.animateEntrance
        Rectangle {
            anchors.fill: parent
            radius: height / 2
            rotation: -124
            antialiasing: true
            color: T.Colors.hex("FFECAF")
        }
    }
}
