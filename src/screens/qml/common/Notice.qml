import QtQuick
import Tallowick

// A short message at the bottom of the window that goes away by itself: what just happened,
// with at most one thing to do about it ("Undo").
Item {
    id: root
    property int shownMs: 6000
    property string message
    property string actionText
    readonly property bool shown: box.shown
    signal actionTriggered()
    signal hidden()
    anchors.fill: parent
    z: 900

    function show(message, action) {
        root.message = message
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
        anchors.bottomMargin: Style.noticeBottom
        width: Math.min(parent.width - 2 * Style.gapXXL, drawing.implicitWidth + 2 * Style.gapXL)
        height: drawing.height + 2 * Style.gapL
        radius: Style.radiusL
        color: Style.noticeBackground
        opacity: shown ? 1 : 0
        visible: opacity > 0
        Behavior on opacity { NumberAnimation { duration: Style.fadeDuration } }
        Accessible.role: Accessible.AlertMessage
        Accessible.name: root.message
        Accessible.ignored: !shown

        // Most starts show no notice: its texts (and their fonts) are made the first time one
        // is shown, and kept.
        property bool everShown: false
        onShownChanged: if (shown) everShown = true
        Loader {
            id: drawing
            anchors.centerIn: parent
            active: box.everShown
            sourceComponent: Row {
                id: content
                spacing: Style.gapXL
                Text {
                    id: label
                    objectName: "noticeText"
                    anchors.verticalCenter: parent.verticalCenter
                    width: Math.min(implicitWidth, box.parent.width - 2 * Style.gapXXL - 2 * Style.gapXL
                                                    - (action.visible ? action.width + content.spacing : 0))
                    text: root.message
                    textFormat: Text.PlainText
                    wrapMode: Text.Wrap
                    color: "white"
                    font.pointSize: Style.textBody
                    font.bold: true
                }
                Pressable {
                    id: action
                    objectName: "noticeAction"
                    visible: root.actionText.length > 0
                    anchors.verticalCenter: parent.verticalCenter
                    width: actionLabel.implicitWidth + 2 * Style.gapS
                    height: Style.noticeActionHeight
                    name: root.actionText
                    accessibilityHidden: !box.shown
                    ringRadius: Style.focusRingRadius
                    touchMargin: Style.touchMarginSmall
                    onActivated: {
                        root.actionTriggered()
                        root.dismiss()
                    }
                    Text {
                        id: actionLabel
                        anchors.centerIn: parent
                        text: root.actionText
                        textFormat: Text.PlainText
                        color: Style.noticeAction
                        font.pointSize: Style.textBody
                        font.bold: true
                    }
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
