import QtQuick
import QtQuick.Shapes

// A capsule (a rectangle with fully rounded ends) filled with a linear gradient from white to
// `color`, running between two unit points of its frame.
Shape {
    id: capsule

    property color color: "white"
    property point startPoint: Qt.point(0, 0)
    property point endPoint: Qt.point(1, 0)

    readonly property real radius: Math.min(width, height) / 2

    antialiasing: true

    ShapePath {
        strokeWidth: -1
        strokeColor: "transparent"
        fillGradient: LinearGradient {
            x1: capsule.startPoint.x * capsule.width
            y1: capsule.startPoint.y * capsule.height
            x2: capsule.endPoint.x * capsule.width
            y2: capsule.endPoint.y * capsule.height
            GradientStop { position: 0; color: "white" }
            GradientStop { position: 1; color: capsule.color }
        }
        // A rounded rectangle whose corner radius is half the short side.
        startX: capsule.radius
        startY: 0
        PathLine { x: capsule.width - capsule.radius; y: 0 }
        PathArc { x: capsule.width; y: capsule.radius; radiusX: capsule.radius; radiusY: capsule.radius }
        PathLine { x: capsule.width; y: capsule.height - capsule.radius }
        PathArc { x: capsule.width - capsule.radius; y: capsule.height; radiusX: capsule.radius; radiusY: capsule.radius }
        PathLine { x: capsule.radius; y: capsule.height }
        PathArc { x: 0; y: capsule.height - capsule.radius; radiusX: capsule.radius; radiusY: capsule.radius }
        PathLine { x: 0; y: capsule.radius }
        PathArc { x: capsule.radius; y: 0; radiusX: capsule.radius; radiusY: capsule.radius }
    }
}
