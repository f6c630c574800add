import Tallowick
import QtQuick

// The reminder sheet of one event: the reminder options, then a word about rating the app,
// the maker's other apps and the maker's profile. Drawn in white on the event's line colour.
Rectangle {
    id: root
    property UserData store
    // The event of the page the sheet was opened from.
    property EventRow event: null
    readonly property alias choice: options.choice
    readonly property Item initialFocus: options.selectedItem

    color: Colors.hex(event ? event.record.lineColor : "000000")

    Flickable {
        id: scroll
        objectName: "reminderScroll"
        anchors.fill: parent
        anchors.leftMargin: Style.sheetMargin
        anchors.rightMargin: Style.sheetMargin
        contentWidth: width
        contentHeight: content.height
        boundsBehavior: Flickable.StopAtBounds
        clip: true

        Column {
            id: content
            width: scroll.width
            spacing: 0

            Item { width: 1; height: Style.gapXL }
            GrabHandle { anchors.horizontalCenter: parent.horizontalCenter }
            Item { width: 1; height: Style.gapXL }

            Column {
                objectName: "reminderHeader"
                width: parent.width
                topPadding: Style.gapM
                spacing: Style.gapXS
                Text {
                    width: parent.width
                    text: qsTrId("Setting.notification")
                    textFormat: Text.PlainText
                    wrapMode: Text.Wrap
                    font.pointSize: Style.textTitle
                    font.bold: true
                    color: "white"
                    Accessible.role: Accessible.Heading
                    Accessible.name: text
                }
                BalancedText {
                    objectName: "reminderTimeText"
                    width: parent.width
                    // The time in the person's language and clock ("10:00 AM", "10:00").
                    //% "Reminders arrive at %1."
                    text: qsTrId("Setting.notiTime").arg(options.choice.reminderTimeText)
                    font.pointSize: Style.textBody
                    color: "white"
                }
            }

            Item { width: 1; height: Style.gapM }
            NotiDateSetting {
                id: options
                objectName: "notiDateSetting"
                width: parent.width
                store: root.store
                eventId: root.event ? root.event.eventId : ""
            }
            // The time of day, under the days: the days come first for the keys too.
            Item { width: 1; height: Style.gapL }
            ReminderTimeSetting {
                objectName: "reminderTimeSetting"
                // On the side the options start on.
                x: options.LayoutMirroring.enabled ? parent.width - width - Style.focusRingGap : Style.focusRingGap
                choice: options.choice
            }
            Item { width: 1; height: Style.gapSection }

            LineOfListView {
                anchors.horizontalCenter: parent.horizontalCenter
                screenWidth: Style.dividerWidth
                color: "white"
            }

            Item { width: 1; height: Style.gapXXL }
            RateUs {
                objectName: "rateUs"
                width: parent.width
            }
            Item { width: 1; height: Style.gapSection }

            Item { width: 1; height: Style.gapXXL }
            IntroduceOstraView {
                objectName: "introduceOstra"
                width: parent.width
            }
            Item { width: 1; height: Style.gapSection }

            Pressable {
                objectName: "studioButton"
                anchors.horizontalCenter: parent.horizontalCenter
                width: studio.width
                height: studio.height
                role: Accessible.Link
                name: qsTrId("Setting.studio")
                ringRadius: Style.radiusM
                onActivated: StoreLinks.openStudioPage()
                Column {
                    id: studio
                    padding: Style.gapXL
                    spacing: Style.iconLabelGap
                    Text {
                        anchors.horizontalCenter: parent.horizontalCenter
                        text: qsTrId("Setting.studio")
                        textFormat: Text.PlainText
                        font.pointSize: Style.textCaption
                        color: "white"
                    }
                    TintedIcon {
                        anchors.horizontalCenter: parent.horizontalCenter
                        width: Style.studioIconSize
                        height: Style.studioIconSize
                        source: "qrc:/tallowick/images/instagram.svg"
                        color: "white"
                    }
                }
            }
            Item { width: 1; height: Style.sheetBottom }
        }
    }
    // The focused control is scrolled into view.
    FocusInView { flickable: scroll }
    SheetScrollBar {
        flickable: scroll
        anchors.top: scroll.top
        anchors.bottom: scroll.bottom
        anchors.left: scroll.right
    }
}
