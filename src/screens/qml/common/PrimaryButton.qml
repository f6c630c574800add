import QtQuick

// The app's main call to action: a white capsule with a soft shadow.
Pressable {
    id: root
    property string text
    property color textColor: "black"
    signal clicked()
    implicitHeight: 60
    implicitWidth: 200
    name: text
    ringRadius: 30
    onActivated: clicked()

    // A soft shadow, offset down and right, built from widening translucent capsules.
    Repeater {
        model: 4
        Rectangle {
            x: 10 - index * 4
            y: 25 - index * 4
            width: root.width + index * 8
            height: root.height + index * 8
            radius: height / 2
            color: "black"
            opacity: 0.025
        }
    }
    Rectangle {
        anchors.fill: parent
        radius: 30
        color: "white"
    }
    Text {
        anchors.centerIn: parent
        text: root.text
        textFormat: Text.PlainText
        font.pixelSize: 17
        font.bold: true
        color: root.textColor
    }
}
