import QtQuick
import Tallowick

// Chooses the count direction: a capsule with a darker knob that slides under the chosen
// half, "count down" on the left and "count up" on the right. From the keyboard: Left and
// Right choose, Space switches.
Item {
    id: root
    property bool countDown: true

    implicitWidth: Style.controlWidth
    implicitHeight: Style.controlHeight
    activeFocusOnTab: true
    // Mirrored, "count down" is the right half: the arrows choose the half they point at.
    readonly property bool countDownOnLeft: !LayoutMirroring.enabled
    Keys.onPressed: (event) => {
        if (event.key === Qt.Key_Left)
            countDown = countDownOnLeft
        else if (event.key === Qt.Key_Right)
            countDown = !countDownOnLeft
        else if (event.key === Qt.Key_Space)
            countDown = !countDown
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
        id: knob
        objectName: "countDownKnob"
        // Under the chosen half, wherever the row (mirrored or not) put it.
        x: root.countDown === root.countDownOnLeft ? 0 : root.width / 2
        width: root.width / 2
        height: root.height
        radius: Style.radiusCapsule
        color: Qt.rgba(0, 0, 0, 0.3)
        Behavior on x {
            NumberAnimation { duration: Style.toggleDuration; easing.type: Easing.InOutQuad }
        }
    }

    Row {
        anchors.fill: parent
        Choice {
            objectName: "countDownChoice"
            label: qsTrId("add.countdown")
            active: root.countDown
            onChosen: root.countDown = true
        }
        Choice {
            objectName: "countUpChoice"
            label: qsTrId("add.countup")
            active: !root.countDown
            onChosen: root.countDown = false
        }
    }

    component Choice: Item {
        id: choice
        property string label
        property bool active
        signal chosen()
        width: root.width / 2
        height: root.height
        Accessible.role: Accessible.RadioButton
        Accessible.name: label
        Accessible.checkable: true
        Accessible.checked: active
        function accessiblePressAction() { chosen() }

        Text {
            anchors.centerIn: parent
            text: choice.label
            textFormat: Text.PlainText
            font.family: Fonts.gilroy
            font.weight: Font.ExtraBold
            font.pointSize: Style.textLabel
            color: "white"
            opacity: choice.active ? 1 : 0.5
            Behavior on opacity {
                NumberAnimation { duration: Style.toggleDuration; easing.type: Easing.InOutQuad }
            }
        }
        MouseArea {
            anchors.fill: parent
            hoverEnabled: true
            cursorShape: Qt.PointingHandCursor
            onClicked: choice.chosen()
        }
    }
}
