import QtQuick
import Tallowick

// One event's full page behind the tile strip: its colours, title, date and day count, the
// summary button at the top and the page's menu at the bottom. The big circle and the bar in
// front of it are drawn by the strip's tile, in the place the pager keeps free for them.
//
// Whatever the window's size, the texts keep to their column: a title of twenty characters
// fits its two lines and a count of seven digits its width, each shrinking when it must.
Item {
    id: page
    required property UserData store
    required property EventRow event
    required property int pageIndex
    property string circleTitle: "D-DAY"
    // The width of the texts' column and the size of the count, as the pager lays pages out.
    property real textsWidth: width - 2 * Style.pageMargin
    property real countSize: Style.countMaximum
    // From the top edge to the button row, and from the bottom edge to the menu.
    property real topInset: Style.pageTop
    property real bottomInset: Style.menuBottom
    // From the button row to the title, and the title's size.
    property real titleGap: Style.titleGap
    property real titleSize: Style.pixels(Style.textDisplay)
    // Something covers the page: nothing of it is offered to assistive technology.
    property bool accessibilityHidden: false
    signal sheetRequested(string mode)

    readonly property color fontColor: Colors.hex(event ? event.record.fontColor : "")
    // The count in the event's unit: the big number, and its unit with the rest beneath it.
    readonly property var shownCount: event ? (CalendarHelper.minute, CalendarHelper.shownCount(event.record.ddate, event.record.countdown,
                                                                                             event.record.yearly, event.record.unit))
                                            : ({ number: "", beneath: "" })

    // The x of an item `itemWidth` wide that stands `margin` from the page's leading edge: the
    // left one, or the right one when the layout is mirrored.
    function leadingX(margin, itemWidth) {
        return LayoutMirroring.enabled ? width - margin - itemWidth : margin
    }

    Rectangle {
        anchors.fill: parent
        color: Colors.hex(page.event ? page.event.record.bgColor : "")
    }

    // The summary button.
    Pressable {
        id: overview
        objectName: "overviewButton"
        x: page.leadingX(Style.pageMargin, width)
        y: page.topInset
        width: Style.overviewButtonSize
        height: Style.overviewButtonSize
        touchMargin: Style.touchMargin
        ringRadius: Style.radiusXS
        ringColor: page.fontColor
        name: qsTrId("All events")
        toolTip: name
        accessibilityHidden: page.accessibilityHidden
        onActivated: page.sheetRequested("overview")
        TintedIcon {
            anchors.fill: parent
            source: "qrc:/tallowick/images/overview.svg"
            color: page.fontColor
        }
    }

    // The page as one text, for assistive technology: title, whole date and count.
    Item {
        objectName: "pageText"
        x: page.leadingX(Style.pageMargin, width)
        y: texts.y
        width: page.textsWidth
        height: countColumn.y + countColumn.height - y
        Accessible.role: Accessible.StaticText
        Accessible.name: page.event ? (CalendarHelper.minute, CalendarHelper.spokenPage(page.event.record.dateTitle, page.event.record.ddate,
                                                                                  page.event.record.countdown, page.event.record.yearly,
                                                                                  page.event.record.unit)) : ""
        Accessible.ignored: page.accessibilityHidden || !page.visible
    }

    // Title and date, under the button; the date right under the title's lines.
    Item {
        id: texts
        x: page.leadingX(Style.pageMargin, width)
        y: page.topInset + Style.overviewButtonSize + page.titleGap
        width: page.textsWidth
        height: date.y + date.height
        Text {
            id: title
            objectName: "eventTitle"
            // The column's leading edge, whatever the text's own direction.
            horizontalAlignment: Text.AlignLeft
            width: parent.width
            // Two lines of the full size at the most; a longer or wider title shrinks. Each line
            // is one fixed height whatever the size, so the box holds two lines and never three:
            // shrinking stops once the title fits in two (a limit of lines would cut it instead).
            height: lineHeight * 2
            lineHeightMode: Text.FixedHeight
            lineHeight: Math.ceil(font.pixelSize * Style.titleLineHeight)
            verticalAlignment: Text.AlignTop
            text: page.event ? page.event.record.dateTitle : ""
            textFormat: Text.PlainText
            font.family: Fonts.gilroyFor(text)
            font.weight: Font.ExtraBold
            font.pixelSize: page.titleSize
            fontSizeMode: Text.Fit
            minimumPixelSize: Style.pixels(Style.textLabel)
            color: page.fontColor
            // Its two lines' height holds it: a line count or an ellipsis would have the text
            // cut rather than shrunk (twenty wide letters were cut at the full size). Titles
            // have twenty characters at the most, which fit two lines at the smallest size.
            wrapMode: Text.Wrap
            Accessible.ignored: true
        }
        Text {
            id: date
            objectName: "eventDate"
            // The column's leading edge, whatever the text's own direction.
            horizontalAlignment: Text.AlignLeft
            y: Math.ceil(title.contentHeight) + Style.gapXXS
            width: parent.width
            text: CalendarHelper.minute, CalendarHelper.eventDate(page.event ? page.event.record.ddate : "", page.event ? page.event.record.yearly : false)
            textFormat: Text.PlainText
            font.pointSize: Style.textHeadline
            font.bold: true
            elide: Text.ElideRight
            color: page.fontColor
            Accessible.ignored: true
        }
    }

    // The count sits above the menu.
    Column {
        id: countColumn
        x: page.leadingX(Style.pageMargin, width)
        width: page.textsWidth
        anchors.bottom: menu.top
        anchors.bottomMargin: Style.gapM
        Text {
            objectName: "countLabel"
            text: page.circleTitle
            width: parent.width
            horizontalAlignment: Text.AlignLeft
            textFormat: Text.PlainText
            font.family: Fonts.avenir
            font.weight: Font.Bold
            font.pointSize: Style.textBody
            color: page.fontColor
            topPadding: Style.countLabelTop
            Accessible.ignored: true
        }
        Text {
            objectName: "dayCount"
            // The column's leading edge, whatever the text's own direction.
            horizontalAlignment: Text.AlignLeft
            width: parent.width
            height: Math.ceil(page.countSize * Style.countLineHeight)
            verticalAlignment: Text.AlignVCenter
            text: page.shownCount.number
            textFormat: Text.PlainText
            font.family: Fonts.gilroy
            font.weight: Font.ExtraBold
            font.pixelSize: page.countSize
            // Five to seven digits shrink to the column's width.
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: Style.pixels(Style.textTitle)
            color: page.fontColor
            Accessible.ignored: true
        }
        Text {
            objectName: "countBeneath"
            horizontalAlignment: Text.AlignLeft
            width: parent.width
            visible: text !== ""
            text: page.shownCount.beneath
            textFormat: Text.PlainText
            font.family: Fonts.avenir
            font.weight: Font.Bold
            font.pointSize: Style.textHeadline
            elide: Text.ElideRight
            color: page.fontColor
            Accessible.ignored: true
        }
    }

    BottomMenuView {
        id: menu
        anchors.left: parent.left
        anchors.leftMargin: Style.menuLeading
        anchors.right: parent.right
        anchors.rightMargin: Style.menuTrailing
        anchors.bottom: parent.bottom
        anchors.bottomMargin: page.bottomInset
        store: page.store
        event: page.event
        accessibilityHidden: page.accessibilityHidden
        onRequestSheet: (mode) => page.sheetRequested(mode)
    }
}
