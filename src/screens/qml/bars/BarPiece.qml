import QtQuick
import Tallowick as T

// One piece of a bar decoration. It waits for its delay, then slides in from the left by its
// own width and settles with the bar spring. Until then it is not shown. Its children are
// what the piece draws.
Item {
    id: piece

    // Seconds to wait before sliding in.
    property real delay: 0
    property real slideDistance: width
    // False: the piece is shown at once, in its place.
    property bool animate: true

    property bool entered: !animate
    property bool springing: false

    visible: entered
    transform: Translate {
        x: piece.entered ? 0 : -piece.slideDistance
        // Only the slide itself springs; getting ready (sizes settling before the delay is
        // over) moves the hidden piece at once.
        Behavior on x {
            enabled: piece.springing
            SpringAnimation {
                spring: T.BarSpring.spring
                damping: T.BarSpring.damping
                epsilon: T.BarSpring.epsilon
            }
        }
    }

    Timer {
        interval: Math.round(piece.delay * 1000)
        running: piece.animate
        onTriggered: {
            piece.springing = true
            piece.entered = true
        }
    }
}
