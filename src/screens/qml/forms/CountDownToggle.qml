import QtQuick
import Tallowick

// Chooses the count direction: "count down" on the left and "count up" on the right (mirrored
// the other way round). From the keyboard: Left and Right choose, Space switches.
SegmentedChoice {
    id: root
    property bool countDown: true

    labels: [qsTrId("add.countdown"), qsTrId("add.countup")]
    names: ["countDownChoice", "countUpChoice"]
    knobName: "countDownKnob"
    currentIndex: countDown ? 0 : 1
    onChosen: (index) => countDown = index === 0
}
