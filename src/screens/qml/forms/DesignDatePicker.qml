import QtQuick
import QtQuick.Controls.Basic
import Tallowick
import Tallowick as T

// A wheel of day, month and year (in the order of the user's language) on a dark panel.
// The middle row is outlined; the rows above and below fade into `bgColor`, the colour of
// what lies around the picker. Turning a wheel sets `selectedDate` (its time of day stays);
// a day past the end of the chosen month becomes the month's last day. Each wheel turns with
// the mouse wheel over it, with Up and Down while it has the keyboard's focus, and as a spin
// button of assistive technology.
Item {
    id: root
    property date selectedDate
    property string bgColor: "000000"
    readonly property color fadeColor: T.Colors.hex(bgColor)
    readonly property var order: wheel.columns
    // False while the mouse wheel scrolls what holds the picker: its turns go there.
    property bool wheelTurns: true

    implicitWidth: Style.contentWidth
    implicitHeight: Style.pickerHeight
    Accessible.role: Accessible.Grouping
    Accessible.name: qsTrId("common.day")

    // One step of a wheel, as a wheel of the mouse, a key or assistive technology asks.
    function turn(wheel, step) {
        const count = wheel.count
        if (count <= 0)
            return
        const next = wheel.wrap ? (wheel.currentIndex + step + count) % count
                                : Math.max(0, Math.min(count - 1, wheel.currentIndex + step))
        wheel.currentIndex = next
        wheel.positionViewAtIndex(next, Tumbler.Center)
        pick()
    }

    FormDateWheel { id: wheel }

    // Shares of the width: month names are the longest texts.
    readonly property var shares: ({ "day": 0.26, "month": 0.44, "year": 0.30 })
    readonly property real inset: Style.gapL

    function columnWidth(name) {
        return (width - 2 * inset) * shares[name]
    }
    function columnX(name) {
        let x = inset
        for (let i = 0; i < order.length && order[i] !== name; ++i)
            x += columnWidth(order[i])
        // Mirrored, the columns are read from the right.
        return LayoutMirroring.enabled ? width - x - columnWidth(name) : x
    }

    // The wheels take part once they are all built; until then their indices mean nothing.
    property bool ready: false
    property bool syncing: false

    // Shows `selectedDate` on the wheels.
    function sync() {
        const date = selectedDate
        if (!ready || isNaN(date.getTime()))
            return
        syncing = true
        const year = Math.max(wheel.firstYear, Math.min(wheel.lastYear, date.getFullYear()))
        yearWheel.currentIndex = year - wheel.firstYear
        monthWheel.currentIndex = date.getMonth()
        const days = wheel.daysInMonth(year, date.getMonth() + 1)
        if (dayWheel.model !== days)
            dayWheel.model = days
        dayWheel.currentIndex = date.getDate() - 1
        // Setting the index alone scrolls the long year list slowly into place.
        for (const w of [yearWheel, monthWheel, dayWheel])
            w.positionViewAtIndex(w.currentIndex, Tumbler.Center)
        syncing = false
    }

    // Takes the date the wheels show, once they rest.
    function pick() {
        if (!ready || syncing || yearWheel.currentIndex < 0 || monthWheel.currentIndex < 0 || dayWheel.currentIndex < 0)
            return
        const year = wheel.firstYear + yearWheel.currentIndex
        const month = monthWheel.currentIndex
        const day = Math.min(dayWheel.currentIndex + 1, wheel.daysInMonth(year, month + 1))
        const old = isNaN(selectedDate.getTime()) ? new Date(year, month, day) : selectedDate
        const picked = new Date(year, month, day, old.getHours(), old.getMinutes(), old.getSeconds())
        if (picked.getTime() !== old.getTime())
            selectedDate = picked
        else
            sync()
    }

    onSelectedDateChanged: sync()
    Component.onCompleted: {
        ready = true
        sync()
    }

    Rectangle {
        id: panel
        objectName: "datePanel"
        anchors.fill: parent
        radius: Style.radiusXL
        color: Qt.rgba(0, 0, 0, 0.2)
    }

    Tumbler {
        id: dayWheel
        objectName: "dayWheel"
        // Its WheelTurning is the column's one stop of the Tab key.
        focusPolicy: Qt.NoFocus
        activeFocusOnTab: false
        x: root.columnX("day")
        width: root.columnWidth("day")
        height: root.height
        visibleItemCount: 3
        model: 31
        delegate: WheelText { text: wheel.dayText(index + 1) }
        onCurrentIndexChanged: if (!moving) root.pick()
        onMovingChanged: if (!moving) root.pick()
        WheelTurning {
            target: dayWheel
            objectName: "dayWheelControl"
            Accessible.name: qsTrId("a11y.day") + ": " + wheel.dayText(dayWheel.currentIndex + 1)
        }
    }

    Tumbler {
        id: monthWheel
        objectName: "monthWheel"
        focusPolicy: Qt.NoFocus
        activeFocusOnTab: false
        x: root.columnX("month")
        width: root.columnWidth("month")
        height: root.height
        visibleItemCount: 3
        model: wheel.monthNames
        delegate: WheelText { text: wheel.monthNames[index] }
        onCurrentIndexChanged: if (!moving) root.pick()
        onMovingChanged: if (!moving) root.pick()
        WheelTurning {
            target: monthWheel
            objectName: "monthWheelControl"
            Accessible.name: qsTrId("a11y.month") + ": " + (wheel.monthNames[monthWheel.currentIndex] || "")
        }
    }

    Tumbler {
        id: yearWheel
        objectName: "yearWheel"
        focusPolicy: Qt.NoFocus
        activeFocusOnTab: false
        x: root.columnX("year")
        width: root.columnWidth("year")
        height: root.height
        visibleItemCount: 3
        wrap: false
        model: wheel.lastYear - wheel.firstYear + 1
        delegate: WheelText { text: wheel.yearText(wheel.firstYear + index) }
        onCurrentIndexChanged: if (!moving) root.pick()
        onMovingChanged: if (!moving) root.pick()
        WheelTurning {
            target: yearWheel
            objectName: "yearWheelControl"
            firstValue: wheel.firstYear
            Accessible.name: qsTrId("a11y.year") + ": " + wheel.yearText(wheel.firstYear + yearWheel.currentIndex)
        }
    }

    // The chosen row.
    Rectangle {
        objectName: "dateOutline"
        anchors.centerIn: parent
        width: parent.width
        height: Style.pickerRowHeight
        radius: Style.radiusXL
        color: "transparent"
        border.color: "white"
        border.width: Style.outlineWidth
    }

    // The rows above and below sink into the surrounding colour.
    Item {
        anchors.fill: parent
        clip: true
        Rectangle {
            objectName: "topFade"
            width: parent.width
            height: Style.pickerRowHeight
            y: parent.height / 2 - Style.pickerRowHeight * 1.5
            gradient: Gradient {
                GradientStop { position: 0; color: root.fadeColor }
                GradientStop { position: 1; color: Qt.rgba(root.fadeColor.r, root.fadeColor.g, root.fadeColor.b, 0.3) }
            }
        }
        Rectangle {
            objectName: "bottomFade"
            width: parent.width
            height: Style.pickerRowHeight
            y: parent.height / 2 + Style.pickerRowHeight / 2
            gradient: Gradient {
                GradientStop { position: 0; color: Qt.rgba(root.fadeColor.r, root.fadeColor.g, root.fadeColor.b, 0.3) }
                GradientStop { position: 1; color: root.fadeColor }
            }
        }
    }

    // What makes a wheel turn besides a drag: the mouse wheel, Up and Down while it has the
    // keyboard's focus, and the spin button that assistive technology sees in its place.
    component WheelTurning: Item {
        id: turning
        required property Tumbler target
        anchors.fill: parent
        // Over the wheel's own list, which would take the mouse wheel first.
        z: 1
        activeFocusOnTab: true
        Keys.onUpPressed: root.turn(target, -1)
        Keys.onDownPressed: root.turn(target, 1)
        Component.onCompleted: target.Accessible.ignored = true
        Accessible.role: Accessible.SpinBox
        Accessible.focusable: true
        // The value interface of a spin button, as the column reads: the day or month number,
        // or the year (`firstValue` is the value of the first row).
        property int firstValue: 1
        readonly property int value: firstValue + target.currentIndex
        readonly property int minimumValue: firstValue
        readonly property int maximumValue: firstValue + Math.max(0, target.count - 1)
        readonly property int stepSize: 1
        function accessibleIncreaseAction() { root.turn(target, 1) }
        function accessibleDecreaseAction() { root.turn(target, -1) }
        // A mouse area, not a wheel handler: it takes the wheel for itself, so the year's
        // list under it does not scroll on its own and undo the step.
        MouseArea {
            anchors.fill: parent
            acceptedButtons: Qt.NoButton
            onWheel: (event) => {
                if (!root.wheelTurns) {
                    event.accepted = false
                    return
                }
                const delta = event.angleDelta.y !== 0 ? event.angleDelta.y : event.angleDelta.x
                if (delta !== 0)
                    root.turn(turning.target, delta < 0 ? 1 : -1)
                event.accepted = true
            }
        }
        FocusRing { target: turning; radius: Style.radiusXL }
    }

    component WheelText: Text {
        required property int index
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        textFormat: Text.PlainText
        font.pixelSize: Style.pixels(Style.textWheel)
        font.bold: true
        color: "white"
        fontSizeMode: Text.HorizontalFit
        minimumPixelSize: Style.pixels(Style.textSmallest)
    }
}
