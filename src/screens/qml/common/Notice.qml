import QtQuick

// A short message at the bottom of the window that goes away by itself: what just happened,
// with at most one thing to do about it ("Undo").
Item {
    id: root
    property int shownMs: 6000
    property string actionText
    readonly property bool shown: box.shown
    signal actionTriggered()
    signal hidden()
    anchors.fill: parent
    z: 900

    function show(message, action) {
        label.text = message
        actionText = action || ""
        box.shown = true
        hide.restart()
    }
    function dismiss() {
        if (!box.shown)
            return
        hide.stop()
        box.shown = false
        hidden()
    }

    Rectangle {
        id: box
        objectName: "notice"
        property bool shown: false
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 110
        width: Math.min(parent.width - 40, content.implicitWidth + 32)
        height: content.height + 24
        radius: 14
        color: "#E6222222"
        opacity: shown ? 1 : 0
        visible: opacity > 0
        Behavior on opacity { NumberAnimation { duration: 200 } }
        Accessible.role: Accessible.AlertMessage
        Accessible.name: label.text
        Accessible.ignored: !shown

        Row {
            id: content
            anchors.centerIn: parent
            spacing: 16
            Text {
                id: label
                objectName: "noticeText"
                anchors.verticalCenter: parent.verticalCenter
                width: Math.min(implicitWidth, box.parent.width - 72 - (action.visible ? action.width + 16 : 0))
                textFormat: Text.PlainText
                wrapMode: Text.Wrap
                color: "white"
                font.pixelSize: 15
                font.bold: true
            }
            Pressable {
                id: action
                objectName: "noticeAction"
                visible: root.actionText.length > 0
                anchors.verticalCenter: parent.verticalCenter
                width: actionLabel.implicitWidth + 16
                height: 32
                name: root.actionText
                accessibilityHidden: !box.shown
                ringRadius: 8
                touchMargin: 6
                onActivated: {
                    root.actionTriggered()
                    root.dismiss()
                }
                Text {
                    id: actionLabel
                    anchors.centerIn: parent
                    text: root.actionText
                    textFormat: Text.PlainText
                    color: "#FFD60A"
                    font.pixelSize: 15
                    font.bold: true
                }
            }
        }
    }

    Timer {
        id: hide
        interval: root.shownMs
        onTriggered: root.dismiss()
    }
}
