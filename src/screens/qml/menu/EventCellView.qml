import Tallowick
import QtQuick

// One event in the summary: its title, its date (a yearly event's next occurrence, and which
// one it is) and its day count, all in one colour.
Column {
    id: root
    property EventRow event: null
    property color fontColor: "black"
    spacing: 4

    Text {
        objectName: "cellTitle"
        width: root.width
        topPadding: 15
        text: root.event ? root.event.dateTitle : ""
        textFormat: Text.PlainText
        wrapMode: Text.Wrap
        maximumLineCount: 2
        elide: Text.ElideRight
        font.family: Fonts.gilroyFor(text)
        font.weight: Font.ExtraBold
        font.pixelSize: 22
        color: root.fontColor
    }
    Text {
        objectName: "cellDate"
        width: root.width
        text: CalendarHelper.minute, CalendarHelper.eventDate(root.event ? root.event.ddate : "", root.event ? root.event.yearly : false)
        textFormat: Text.PlainText
        elide: Text.ElideRight
        font.family: Fonts.gilroy
        font.weight: Font.ExtraBold
        font.pixelSize: 14
        color: root.fontColor
    }
    Text {
        objectName: "cellCount"
        bottomPadding: 15
        text: CalendarHelper.minute, CalendarHelper.getDayCount(root.event ? CalendarHelper.countedDate(root.event.ddate, root.event.yearly) : "",
                                                                root.event ? root.event.countdown : true)
        textFormat: Text.PlainText
        font.family: Fonts.gilroy
        font.weight: Font.ExtraBold
        font.pixelSize: 35
        color: root.fontColor
    }
}
