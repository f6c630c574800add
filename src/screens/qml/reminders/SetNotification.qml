import Tallowick
import QtQuick

// The reminder sheet of the event on the current page: the reminder options, then a word
// about rating the app, the maker's other apps and the maker's profile. Drawn in white on
// the event's line colour.
Rectangle {
    id: root
    property UserData store
    property int currentPage: 0
    // The event of the page the sheet was opened from.
    property EventRow event: null
    readonly property alias choice: options.choice
    readonly property Item initialFocus: options.selectedItem

    color: Colors.hex(event ? event.lineColor : "000000")

    Flickable {
        id: scroll
        objectName: "reminderScroll"
        anchors.fill: parent
        anchors.leftMargin: 25
        anchors.rightMargin: 25
        contentWidth: width
        contentHeight: content.height
        boundsBehavior: Flickable.StopAtBounds
        clip: true

        Column {
            id: content
            width: scroll.width
            spacing: 0

            Item { width: 1; height: 16 }
            GrabHandle { anchors.horizontalCenter: parent.horizontalCenter }
            Item { width: 1; height: 16 }

            Column {
                objectName: "reminderHeader"
                width: parent.width
                topPadding: 10
                spacing: 4
                Text {
                    width: parent.width
                    text: qsTrId("Setting.notification")
                    textFormat: Text.PlainText
                    wrapMode: Text.Wrap
                    font.pixelSize: 24
                    font.bold: true
                    color: "white"
                    Accessible.role: Accessible.Heading
                    Accessible.name: text
                }
                BalancedText {
                    width: parent.width
                    text: qsTrId("Setting.notiTime")
                    font.pixelSize: 15
                    color: "white"
                }
            }

            Item { width: 1; height: 10 }
            NotiDateSetting {
                id: options
                objectName: "notiDateSetting"
                width: parent.width
                store: root.store
                currentPage: root.currentPage
            }
            Item { width: 1; height: 30 }

            LineOfListView {
                anchors.horizontalCenter: parent.horizontalCenter
                screenWidth: 300
                color: "white"
            }

            Item { width: 1; height: 20 }
            RateUs {
                objectName: "rateUs"
                width: parent.width
            }
            Item { width: 1; height: 30 }

            Item { width: 1; height: 20 }
            IntroduceOstraView {
                objectName: "introduceOstra"
                width: parent.width
                currentPage: root.currentPage
            }
            Item { width: 1; height: 30 }

            Pressable {
                objectName: "studioButton"
                anchors.horizontalCenter: parent.horizontalCenter
                width: studio.width
                height: studio.height
                role: Accessible.Link
                name: qsTrId("Setting.studio")
                ringRadius: 12
                onActivated: StoreLinks.openStudioPage()
                Column {
                    id: studio
                    padding: 16
                    spacing: 6
                    Text {
                        anchors.horizontalCenter: parent.horizontalCenter
                        text: qsTrId("Setting.studio")
                        textFormat: Text.PlainText
                        font.pixelSize: 13
                        color: "white"
                    }
                    TintedIcon {
                        anchors.horizontalCenter: parent.horizontalCenter
                        width: 32
                        height: 32
                        source: "qrc:/tallowick/images/instagram.svg"
                        color: "white"
                    }
                }
            }
            Item { width: 1; height: 34 }
        }
    }
}
