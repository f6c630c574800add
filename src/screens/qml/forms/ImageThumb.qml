import QtQuick
import Tallowick
import Tallowick as T

// A theme shown by its bar picture on a disc in the background colour. The chosen one is
// larger and ringed in white.
Pressable {
    id: root
    property string bgColor
    property string imageName
    property string bgBar
    property int selectedId
    property int themeId
    property string accessibleName
    readonly property bool selected: selectedId === themeId
    signal picked(int themeId)

    width: disc.width
    height: Style.themeStripHeight
    role: Accessible.RadioButton
    name: accessibleName
    checkable: true
    checked: selected
    ringRadius: Style.thumbSelectedSize / 2 + Style.focusRingGap
    onActivated: picked(themeId)

    Rectangle {
        id: disc
        objectName: "thumbDisc"
        anchors.centerIn: parent
        width: root.selected ? Style.thumbSelectedSize : Style.thumbSize
        height: width
        radius: width / 2
        color: T.Colors.hex(root.bgColor)
        Behavior on width { enabled: !Style.reducedMotion; ThumbSpring { speed: 2 } }
    }

    Rectangle {
        objectName: "thumbRing"
        anchors.fill: disc
        radius: width / 2
        color: "transparent"
        border.width: Style.thumbRingWidth
        border.color: root.selected ? "white" : Qt.rgba(1, 1, 1, 0)
    }

    Image {
        objectName: "thumbImage"
        anchors.centerIn: disc
        width: Style.thumbSize
        height: Style.thumbSize
        sourceSize: Qt.size(Style.thumbSize, Style.thumbSize)
        source: root.imageName.length > 0 ? "qrc:/tallowick/images/" + root.imageName + ".svg" : ""
    }
}
