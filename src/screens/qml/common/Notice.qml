import QtQuick

// A short message at the bottom of the window that goes away by itself: what just happened
// that the person did not do (another program deleted the event a sheet was showing, say).
Item {
    id: root
    property int shownMs: 3500
    anchors.fill: parent
    z: 900

    function show(message) {
        label.text = message
        box.shown = true
        hide.restart()
    }

    Rectangle {
        id: box
        objectName: "notice"
        property bool shown: false
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 110
        width: Math.min(parent.width - 40, label.implicitWidth + 40)
        height: label.height + 24
        radius: 14
        color: "#E6222222"
        opacity: shown ? 1 : 0
        visible: opacity > 0
        Behavior on opacity { NumberAnimation { duration: 200 } }
        Accessible.role: Accessible.AlertMessage
        Accessible.name: label.text

        Text {
            id: label
            objectName: "noticeText"
            anchors.centerIn: parent
            width: Math.min(implicitWidth, box.parent.width - 80)
            textFormat: Text.PlainText
            wrapMode: Text.Wrap
            horizontalAlignment: Text.AlignHCenter
            color: "white"
            font.pixelSize: 15
            font.bold: true
        }
    }

    Timer {
        id: hide
        interval: root.shownMs
        onTriggered: box.shown = false
    }
}
