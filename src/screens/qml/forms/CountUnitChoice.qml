import QtQuick
import Tallowick

// Chooses the unit an event's count is shown in: days, weeks, months or years.
SegmentedChoice {
    id: root
    // "days", "weeks", "months" or "years".
    property string unit: "days"
    readonly property var units: ["days", "weeks", "months", "years"]

    labels: [
        //% "Days"
        qsTrId("form.unitDays"),
        //% "Weeks"
        qsTrId("form.unitWeeks"),
        //% "Months"
        qsTrId("form.unitMonths"),
        //% "Years"
        qsTrId("form.unitYears")
    ]
    names: ["unitDays", "unitWeeks", "unitMonths", "unitYears"]
    knobName: "unitKnob"
    currentIndex: Math.max(0, units.indexOf(unit))
    onChosen: (index) => unit = units[index]
}
