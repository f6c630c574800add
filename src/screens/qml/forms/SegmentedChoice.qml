import QtQuick
import Tallowick

// One choice among a few, side by side in a capsule: a darker knob slides under the chosen
// segment. From the keyboard: Left and Right choose the neighbour they point at (mirrored
// too), Space the next one round. Each segment is a radio button to assistive technology.
Item {
    id: root
    // The segments' labels, in reading order, and the object names they are found by.
    property var labels: []
    property var names: []
    property string knobName
    property int currentIndex: 0
    signal chosen(int index)

    implicitWidth: Style.controlWidth
    implicitHeight: Style.controlHeight
    activeFocusOnTab: true
    readonly property real segmentWidth: labels.length > 0 ? width / labels.length : width

    function choose(index) {
        if (index >= 0 && index < labels.length && index !== currentIndex)
            chosen(index)
    }
    Keys.onPressed: (event) => {
        // Mirrored, the segments run from the right: Left points at the next one.
        const step = LayoutMirroring.enabled ? 1 : -1
        if (event.key === Qt.Key_Left)
            choose(currentIndex + step)
        else if (event.key === Qt.Key_Right)
            choose(currentIndex - step)
        else if (event.key === Qt.Key_Space)
            choose((currentIndex + 1) % labels.length)
        else
            return
        event.accepted = true
    }
    FocusRing { target: root; radius: Style.radiusCapsule + Style.focusRingGap }

    Rectangle {
        anchors.fill: parent
        radius: Style.radiusCapsule
        color: Qt.rgba(0, 0, 0, 0.1)
    }

    Rectangle {
        objectName: root.knobName
        // Under the chosen segment, wherever the row (mirrored or not) put it.
        x: (LayoutMirroring.enabled ? root.labels.length - 1 - root.currentIndex : root.currentIndex) * root.segmentWidth
        width: root.segmentWidth
        height: root.height
        radius: Style.radiusCapsule
        color: Qt.rgba(0, 0, 0, 0.3)
        Behavior on x {
            NumberAnimation { duration: Style.toggleDuration; easing.type: Easing.InOutQuad }
        }
    }

    Row {
        anchors.fill: parent
        Repeater {
            model: root.labels
            Item {
                id: segment
                required property int index
                required property string modelData
                readonly property bool active: index === root.currentIndex
                objectName: root.names[index] || ""
                width: root.segmentWidth
                height: root.height
                Accessible.role: Accessible.RadioButton
                Accessible.name: modelData
                Accessible.checkable: true
                Accessible.checked: active
                function accessiblePressAction() { root.choose(index) }

                Text {
                    anchors.fill: parent
                    anchors.leftMargin: Style.gapXS
                    anchors.rightMargin: Style.gapXS
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                    text: segment.modelData
                    textFormat: Text.PlainText
                    // A long word shrinks to its segment rather than run into the next.
                    fontSizeMode: Text.HorizontalFit
                    minimumPointSize: Style.textCaption
                    font.family: Fonts.gilroy
                    font.weight: Font.ExtraBold
                    font.pointSize: Style.textLabel
                    color: "white"
                    opacity: segment.active ? 1 : 0.5
                    Behavior on opacity {
                        NumberAnimation { duration: Style.toggleDuration; easing.type: Easing.InOutQuad }
                    }
                }
                MouseArea {
                    anchors.fill: parent
                    hoverEnabled: true
                    cursorShape: Qt.PointingHandCursor
                    onClicked: root.choose(segment.index)
                }
            }
        }
    }
}
