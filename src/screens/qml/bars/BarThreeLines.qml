import QtQuick
import Tallowick

// Three gradient capsules tilted -45 degrees, stepping up and to the right along a diagonal.
// Drawn around this item's origin, which the bar circle puts at its centre.
Item {
    id: drawing

    property real barWidth
    property real barHeight
    property color color
    property point startPoint
    property point endPoint
    property bool animate: true

    Repeater {
        model: 3
        BarPiece {
            objectName: "barPiece"
            readonly property real step: drawing.barWidth * index / 3.1
            width: drawing.barWidth
            height: drawing.barHeight
            // Each capsule's own offset plus the whole stack's (-70, -80).
            x: -width / 2 + 50 + step - 70
            y: -height / 2 + 100 - step - 80
            delay: 0.1 * (index + 1)
            animate: drawing.animate
            BarCapsule {
                anchors.fill: parent
                rotation: -45
                color: drawing.color
                startPoint: drawing.startPoint
                endPoint: drawing.endPoint
            }
        }
    }
}
