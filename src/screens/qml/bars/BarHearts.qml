import QtQuick

// Two hearts: a full-size one up and to the right, and a smaller, tilted one down and to the
// left. Drawn around this item's origin, which the bar circle puts at its centre.
Item {
    id: drawing

    property Component heart

    Loader {
        sourceComponent: drawing.heart
        x: 80 - width / 2
        y: -80 - height / 2
    }
    // Scaled and turned about the point it is centred on.
    Item {
        x: -60
        y: 50
        scale: 0.7
        rotation: -30
        Loader {
            sourceComponent: drawing.heart
            x: -width / 2
            y: -height / 2
        }
    }
}
