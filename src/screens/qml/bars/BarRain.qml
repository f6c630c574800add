import QtQuick
import Tallowick

// Two gradient capsules side by side, overlapping by 65, each tilted 45 degrees.
// Drawn around this item's origin, which the bar circle puts at its centre.
Item {
    id: drawing

    property real barWidth
    property real barHeight
    property color color
    property point startPoint
    property point endPoint
    property bool animate: true

    readonly property real rowWidth: 2 * barWidth - 65

    Repeater {
        model: 2
        BarPiece {
            objectName: "barPiece"
            width: drawing.barWidth
            height: drawing.barHeight
            x: -drawing.rowWidth / 2 + index * (drawing.barWidth - 65) - 50
            y: -height / 2 - 40
            delay: 0.1 * (index + 1)
            animate: drawing.animate
            BarCapsule {
                anchors.fill: parent
                rotation: 45
                color: drawing.color
                startPoint: drawing.startPoint
                endPoint: drawing.endPoint
            }
        }
    }
}
