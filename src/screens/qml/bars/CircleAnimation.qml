import QtQuick
import Tallowick as T

// One tile of the pager's front strip: the event's big circle and its bar decoration. When the
// tile becomes the current page its circle moves 40 points right and its bar 115 points left,
// carried by the pager's spring.
Item {
    id: tile

    property int tileIndex: 0
    property int currentPage: 0
    // Hex colour texts and the stored bar kind of the event.
    property string circleColor: "FFFFFF"
    property string barType: "FlatBar"
    property string barColor: "FFFFFF"
    // The picture is drawn for a tile this wide; the pager scales it to the room it has and
    // puts its centre where that room is.
    property real tileWidth: 390
    property real pictureScale: 1
    property point pictureCentre: Qt.point(width / 2, height / 2)
    // False: no entrance and no spring; everything is drawn in place at once.
    property bool animateEntrance: true

    readonly property bool current: tileIndex === currentPage
    property real circleShift: current ? 90 : 50
    property real barShift: current ? -15 : 100

    implicitWidth: tileWidth
    Accessible.ignored: true

    // The pager's spring: mass 0.1, stiffness 20, damping 1.5 (see BarSpring for how that
    // becomes SpringAnimation's settings).
    Behavior on circleShift {
        enabled: tile.animateEntrance
        SpringAnimation {
            spring: T.BarSpring.pagerSpring
            damping: T.BarSpring.pagerDamping
            epsilon: T.BarSpring.epsilon
        }
    }
    Behavior on barShift {
        enabled: tile.animateEntrance
        SpringAnimation {
            spring: T.BarSpring.pagerSpring
            damping: T.BarSpring.pagerDamping
            epsilon: T.BarSpring.epsilon
        }
    }

    Item {
        id: picture
        width: tile.tileWidth
        height: tile.height / tile.pictureScale
        x: tile.pictureCentre.x - width / 2
        y: tile.pictureCentre.y - height / 2
        scale: tile.pictureScale

        Rectangle {
            objectName: "circle"
            width: 360
            height: 360
            radius: 180
            antialiasing: true
            x: (picture.width - width) / 2 + tile.circleShift
            y: (picture.height - height) / 2
            color: T.Colors.hex(tile.circleColor)
        }

        BarCircle {
            objectName: "bar"
            width: picture.width
            height: picture.height
            x: tile.barShift
            barHeight: tile.tileWidth / 3.6
            barWidth: tile.tileWidth / 1.6
            barShape: tile.barType
            barColor: tile.barColor
            startPoint: Qt.point(0, 0)
            endPoint: Qt.point(1, 0)
            animateEntrance: tile.animateEntrance
            heardView: Component {
                HeartDecoration { animateEntrance: tile.animateEntrance }
            }
        }
    }
}
