import QtQuick
import Tallowick

// One event's full page behind the tile strip: its colours, title, date and day count, the
// summary button at the top and the page's menu at the bottom. The big circle and the bar in
// front of it are drawn by the strip's tile.
Item {
    id: page
    required property UserData userData
    required property EventRow event
    required property int pageIndex
    property string circleTitle: "D-DAY"
    signal sheetRequested(string mode)

    readonly property color fontColor: Colors.hex(event.fontColor || "")

    Rectangle {
        anchors.fill: parent
        color: Colors.hex(page.event.bgColor || "")
    }

    // The summary button.
    Item {
        objectName: "overviewButton"
        x: 35
        y: 55
        width: 28
        height: 28
        Accessible.role: Accessible.Button
        Accessible.name: qsTrId("All events")
        Accessible.onPressAction: page.sheetRequested("overview")
        TintedIcon {
            anchors.fill: parent
            source: "qrc:/tallowick/images/overview.svg"
            color: page.fontColor
        }
        MouseArea {
            anchors.fill: parent
            anchors.margins: -10
            onClicked: page.sheetRequested("overview")
        }
    }

    // Title and date, under the button.
    Column {
        x: 35
        y: 55 + 28 + 12 + 14
        width: parent.width - 70
        spacing: 3
        Text {
            objectName: "eventTitle"
            width: parent.width
            text: page.event.dateTitle || ""
            textFormat: Text.PlainText
            font.family: Fonts.gilroy
            font.weight: Font.ExtraBold
            font.pixelSize: 35
            color: page.fontColor
            wrapMode: Text.Wrap
            maximumLineCount: 2
            elide: Text.ElideRight
        }
        Text {
            objectName: "eventDate"
            text: CalendarHelper.minute, CalendarHelper.getRightDateFormat(page.event.ddate || "")
            textFormat: Text.PlainText
            font.pixelSize: 17
            font.bold: true
            color: page.fontColor
        }
    }

    // The circle in front takes the middle of the page; the count sits above the menu.
    Column {
        x: 35
        width: parent.width - 70
        anchors.bottom: menu.top
        anchors.bottomMargin: 10
        Text {
            text: page.circleTitle
            textFormat: Text.PlainText
            font.family: Fonts.avenir
            font.weight: Font.Bold
            font.pixelSize: 15
            color: page.fontColor
            topPadding: 15
        }
        Text {
            objectName: "dayCount"
            text: CalendarHelper.minute, CalendarHelper.getDayCount(page.event.ddate || "", page.event.countdown)
            textFormat: Text.PlainText
            font.family: Fonts.gilroy
            font.weight: Font.ExtraBold
            font.pixelSize: 110
            color: page.fontColor
            Accessible.name: text
        }
    }

    BottomMenuView {
        id: menu
        anchors.left: parent.left
        anchors.leftMargin: 30
        anchors.right: parent.right
        anchors.rightMargin: 14
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 25
        store: page.userData
        currentPage: page.pageIndex
        event: page.event
        onRequestSheet: (mode) => page.sheetRequested(mode)
    }
}
