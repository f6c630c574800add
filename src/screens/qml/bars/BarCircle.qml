import QtQuick
import Tallowick as T

// The decoration drawn over an event's big circle: three bar patterns in the event's bar
// colour (white fading into it) and nine pictures in their own colours. The drawing is
// centred on this item and reaches beyond it; every piece slides in with the bar spring,
// and changing the kind draws the new one in afresh.
Item {
    id: bar

    // Size of one bar of the plain patterns.
    property real barHeight: 108
    property real barWidth: 244
    // Stored kind name; an unknown name draws as "FlatBar".
    property string barShape: "FlatBar"
    // Hex colour text of the bar.
    property string barColor: "FFFFFF"
    // Unit points of each bar's frame between which the gradient runs.
    property point startPoint: Qt.point(0, 0)
    property point endPoint: Qt.point(1, 0)
    // What the "Love" kind draws twice.
    property Component heardView: Component {
        HeartDecoration { animateEntrance: bar.animateEntrance }
    }
    // False: everything is drawn at once in its settled place.
    property bool animateEntrance: true

    readonly property string kind: T.BarKinds.drawingKind(barShape)

    // Where each picture sits (the drawing's centre relative to the bar's centre), its scale,
    // and its layers in drawing order with their delays.
    readonly property var pictures: ({
        "Birthday": {
            centre: Qt.point(70, 80), scale: 1.05,
            layers: [
                { element: "birthday-stand", delay: 0.4 },
                { element: "birthday-tiers", delay: 0.2 },
                { element: "birthday-candle-stripes", delay: 0.4 },
                { element: "birthday-flames", delay: 0.3 },
                { element: "birthday-icing", delay: 0.3 },
                { element: "birthday-sprinkles", delay: 0.4 },
                { element: "birthday-streak-1", delay: 0.5 },
                { element: "birthday-streak-2", delay: 0.6 },
                { element: "birthday-streak-3", delay: 0.7 }
            ]
        },
        "Home": {
            centre: Qt.point(75, 85), scale: 1.05,
            layers: [
                { element: "home-chimney", delay: 0.4 },
                { element: "home-walls", delay: 0.2 },
                { element: "home-roof", delay: 0.3 },
                { element: "home-attic-window", delay: 0.2 },
                { element: "home-attic-heart", delay: 0.4 },
                { element: "home-windows", delay: 0.3 },
                { element: "home-door", delay: 0.4 },
                { element: "home-doorstep", delay: 0.3 }
            ]
        },
        "Vacation": {
            centre: Qt.point(90, 80), scale: 1.05,
            layers: [
                { octagon: [12, 20, 200], color: "004075", delay: 0.2 },
                { octagon: [66, 10, 200], color: "FFFFFF", delay: 0.3 },
                { element: "vacation-sea", delay: 0.3 },
                { element: "vacation-pole", delay: 0.4 },
                { element: "vacation-canopy", delay: 0.1 },
                { element: "vacation-tip", delay: 0.2 },
                { element: "vacation-sand" }
            ]
        },
        "Celebration": {
            centre: Qt.point(60, 80), scale: 1.05,
            layers: [
                { element: "celebration-streamers" },
                { element: "celebration-cone", delay: 0.4 },
                { element: "celebration-mouth", delay: 0.1 },
                { element: "celebration-stripes", delay: 0.3 },
                { element: "celebration-ribbon-1", delay: 0.2 },
                { element: "celebration-ribbon-2", delay: 0.3 },
                { element: "celebration-ribbon-3" },
                { element: "celebration-bit-1", delay: 0.7 },
                { element: "celebration-bit-2", delay: 0.6 },
                { element: "celebration-bit-3", delay: 0.4 },
                { element: "celebration-dots", delay: 0.5 }
            ]
        },
        "Smoking": {
            centre: Qt.point(60, 90), scale: 1.05,
            layers: [
                { element: "smoking-filter", delay: 0.4 },
                { element: "smoking-paper" },
                { element: "smoking-tip", delay: 0.2 },
                { element: "smoking-speckles", delay: 0.4 },
                { element: "smoking-smoke-1" },
                { element: "smoking-smoke-2", delay: 0.3 },
                { element: "smoking-smoke-3", delay: 0.7 }
            ]
        },
        "Bandage": {
            centre: Qt.point(60, 90), scale: 1.05,
            layers: [
                { element: "bandage-strip", delay: 0.2 },
                { element: "bandage-pad", delay: 0.3 },
                { element: "bandage-holes-left", delay: 0.4 },
                { element: "bandage-holes-right" },
                { element: "bandage-dots" }
            ]
        },
        "Exam": {
            centre: Qt.point(70, 70), scale: 1.05,
            layers: [
                { element: "exam-board", delay: 0.2 },
                { element: "exam-paper" },
                { element: "exam-clip", delay: 0.3 },
                { element: "exam-clip-detail", delay: 0.4 },
                { element: "exam-questions" },
                { element: "exam-ticks" },
                { element: "exam-pencil" }
            ]
        },
        "Box": {
            centre: Qt.point(70, 90), scale: 1.05,
            layers: [
                { element: "box-streak-1" },
                { element: "box-streak-2", delay: 0.3 },
                { element: "box-streak-3", delay: 0.4 },
                { element: "box-back" },
                { element: "box-inside", delay: 0.4 },
                { element: "box-side" },
                { element: "box-front", delay: 0.3 },
                { element: "box-flaps" },
                { element: "box-right-flap", delay: 0.3 },
                { element: "box-label" }
            ]
        }
    })

    Accessible.ignored: true

    // The drawings are laid out around this point.
    Loader {
        id: drawing
        objectName: "barDrawing"
        x: bar.width / 2
        y: bar.height / 2
        width: 0
        height: 0
        sourceComponent: {
            switch (bar.kind) {
            case "FlatBar": return flat
            case "RainBar": return rain
            case "ThereelineBar": return threeLines
            case "Love": return hearts
            default: return picture
            }
        }
    }

    Component {
        id: flat
        BarFlat {
            barWidth: bar.barWidth
            barHeight: bar.barHeight
            color: T.Colors.hex(bar.barColor)
            startPoint: bar.startPoint
            endPoint: bar.endPoint
            animate: bar.animateEntrance
        }
    }
    Component {
        id: rain
        BarRain {
            barWidth: bar.barWidth
            barHeight: bar.barHeight
            color: T.Colors.hex(bar.barColor)
            startPoint: bar.startPoint
            endPoint: bar.endPoint
            animate: bar.animateEntrance
        }
    }
    Component {
        id: threeLines
        BarThreeLines {
            barWidth: bar.barWidth
            barHeight: bar.barHeight
            color: T.Colors.hex(bar.barColor)
            startPoint: bar.startPoint
            endPoint: bar.endPoint
            animate: bar.animateEntrance
        }
    }
    Component {
        id: hearts
        BarHearts {
            heart: bar.heardView
        }
    }
    Component {
        id: picture
        BarPicture {
            // Empty for a moment while the kind changes to one that is not a picture.
            readonly property var layout: bar.pictures[bar.kind] || null
            source: layout ? "qrc:/tallowick/images/" + bar.kind + ".svg" : ""
            centre: layout ? layout.centre : Qt.point(0, 0)
            drawingScale: layout ? layout.scale : 1
            layers: layout ? layout.layers : []
            animate: bar.animateEntrance
        }
    }
}
