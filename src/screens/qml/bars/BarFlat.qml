import QtQuick
import Tallowick

// Two gradient capsules, one above the other (20 apart), pushed left and down.
// Drawn around this item's origin, which the bar circle puts at its centre.
Item {
    id: drawing

    property real barWidth
    property real barHeight
    property color color
    property point startPoint
    property point endPoint
    property bool animate: true

    readonly property real columnHeight: 2 * barHeight + 20

    Repeater {
        model: 2
        BarPiece {
            objectName: "barPiece"
            width: drawing.barWidth
            height: drawing.barHeight
            x: -width / 2 + (-50 - 100 * index)
            y: -drawing.columnHeight / 2 + index * (drawing.barHeight + 20) + 0.25 * drawing.barHeight
            delay: 0.1 * (index + 1)
            animate: drawing.animate
            BarCapsule {
                anchors.fill: parent
                color: drawing.color
                startPoint: drawing.startPoint
                endPoint: drawing.endPoint
            }
        }
    }
}
