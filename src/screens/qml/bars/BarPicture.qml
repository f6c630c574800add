import QtQuick
import Tallowick as T

// One of the picture decorations: an SVG drawing taken apart into layers (groups of shapes
// found by id, or an Octagon) that are stacked in drawing order and enter one by one.
// Drawn around this item's origin, which the bar circle puts at its centre.
Item {
    id: picture

    property url source
    // In drawing order: { element: "<svg id>", delay } or
    // { octagon: [x, y, size] (drawing units), color: "<hex>", delay }. Delays are seconds.
    property var layers: []
    // Where the drawing's centre sits, and how large its units are, in points.
    property point centre: Qt.point(0, 0)
    property real drawingScale: 1
    // Every picture is drawn on the same 300 x 200 canvas.
    property size drawingSize: Qt.size(300, 200)
    property bool animate: true

    Item {
        id: frame
        objectName: "picture"
        width: picture.drawingSize.width * picture.drawingScale
        height: picture.drawingSize.height * picture.drawingScale
        // Whole points, so the painted layers are not resampled half a pixel off.
        x: Math.round(picture.centre.x - width / 2)
        y: Math.round(picture.centre.y - height / 2)

        Repeater {
            model: picture.layers
            // Every layer covers the whole canvas, so the pieces line up when they settle.
            BarPiece {
                id: layer
                required property var modelData
                // Copied out of the model entry, which is gone while the delegate is torn down.
                readonly property string element: modelData ? modelData.element || "" : ""
                readonly property var octagon: modelData && modelData.octagon ? modelData.octagon : null
                readonly property string fill: modelData ? modelData.color || "" : ""

                objectName: "barPiece"
                width: frame.width
                height: frame.height
                delay: modelData ? modelData.delay || 0 : 0
                animate: picture.animate

                // Only as large as its element: a picture has up to a dozen layers.
                T.SvgLayer {
                    canvasSize: Qt.size(layer.width, layer.height)
                    x: paintRect.x
                    y: paintRect.y
                    width: paintRect.width
                    height: paintRect.height
                    visible: !layer.octagon
                    source: layer.octagon ? "" : picture.source
                    elementId: layer.element
                }
                // On whole points too; the octagon moves by less than half a point.
                T.Octagon {
                    visible: !!layer.octagon
                    x: layer.octagon ? Math.round(layer.octagon[0] * picture.drawingScale) : 0
                    y: layer.octagon ? Math.round(layer.octagon[1] * picture.drawingScale) : 0
                    width: layer.octagon ? Math.round(layer.octagon[2] * picture.drawingScale) : 0
                    height: width
                    color: T.Colors.hex(layer.fill)
                }
            }
        }
    }
}
