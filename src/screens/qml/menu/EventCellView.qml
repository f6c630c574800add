import Tallowick
import QtQuick

// One event in the summary: its title, its date (a yearly event's next occurrence, and which
// one it is) and its day count, all in one colour, each starting at the reading side whatever
// its own script (an alignment that is set mirrors with the layout; a natural one would not).
Column {
    id: root
    property EventRow event: null
    property color fontColor: "black"
    spacing: Style.gapXS

    Text {
        objectName: "cellTitle"
        horizontalAlignment: Text.AlignLeft
        width: root.width
        topPadding: Style.cellPadding
        text: root.event ? root.event.record.dateTitle : ""
        textFormat: Text.PlainText
        wrapMode: Text.Wrap
        maximumLineCount: 2
        elide: Text.ElideRight
        font.family: Fonts.gilroyFor(text)
        font.weight: Font.ExtraBold
        font.pointSize: Style.textCellTitle
        color: root.fontColor
    }
    Text {
        objectName: "cellDate"
        horizontalAlignment: Text.AlignLeft
        width: root.width
        text: CalendarHelper.minute, CalendarHelper.eventDate(root.event ? root.event.record.ddate : "", root.event ? root.event.record.yearly : false)
        textFormat: Text.PlainText
        elide: Text.ElideRight
        font.family: Fonts.gilroy
        font.weight: Font.ExtraBold
        font.pointSize: Style.textLabel
        color: root.fontColor
    }
    Text {
        objectName: "cellCount"
        horizontalAlignment: Text.AlignLeft
        // As wide as the cell, so that it starts where the title and date do in either direction.
        width: root.width
        bottomPadding: Style.cellPadding
        text: CalendarHelper.minute, CalendarHelper.getDayCount(root.event ? CalendarHelper.countedDate(root.event.record.ddate, root.event.record.yearly) : "",
                                                                root.event ? root.event.record.countdown : true)
        textFormat: Text.PlainText
        font.family: Fonts.gilroy
        font.weight: Font.ExtraBold
        font.pointSize: Style.textDisplay
        color: root.fontColor
    }
}
