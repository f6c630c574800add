import QtQuick
import Tallowick

// The app's main call to action: a white capsule with a soft shadow.
Pressable {
    id: root
    property string text
    property color textColor: "black"
    signal clicked()
    implicitHeight: Style.buttonHeight
    implicitWidth: Style.buttonWidth
    name: text
    ringRadius: Style.radiusCapsule
    onActivated: clicked()

    // A soft shadow, offset down and right, built from widening translucent capsules.
    Repeater {
        model: 4
        Rectangle {
            x: Style.buttonShadowOffset.x - index * Style.buttonShadowSpread
            y: Style.buttonShadowOffset.y - index * Style.buttonShadowSpread
            width: root.width + index * 2 * Style.buttonShadowSpread
            height: root.height + index * 2 * Style.buttonShadowSpread
            radius: height / 2
            color: "black"
            opacity: 0.025
        }
    }
    Rectangle {
        anchors.fill: parent
        radius: Style.radiusCapsule
        color: "white"
    }
    Text {
        anchors.centerIn: parent
        text: root.text
        textFormat: Text.PlainText
        font.pointSize: Style.textHeadline
        font.bold: true
        color: root.textColor
    }
}
