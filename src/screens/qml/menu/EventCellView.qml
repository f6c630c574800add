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
    // The count in the event's unit: the big number, and its unit with the rest beneath it.
    readonly property var shownCount: event ? (CalendarHelper.minute, CalendarHelper.shownCount(event.record.ddate, event.record.countdown,
                                                                                             event.record.yearly, event.record.unit))
                                            : ({ number: "", beneath: "" })

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
        bottomPadding: beneath.visible ? 0 : Style.cellPadding
        text: root.shownCount.number
        textFormat: Text.PlainText
        font.family: Fonts.gilroy
        font.weight: Font.ExtraBold
        font.pointSize: Style.textDisplay
        color: root.fontColor
    }
    Text {
        id: beneath
        objectName: "cellCountBeneath"
        horizontalAlignment: Text.AlignLeft
        width: root.width
        bottomPadding: Style.cellPadding
        visible: text !== ""
        text: root.shownCount.beneath
        textFormat: Text.PlainText
        elide: Text.ElideRight
        font.family: Fonts.gilroy
        font.weight: Font.ExtraBold
        font.pointSize: Style.textLabel
        color: root.fontColor
    }
}
