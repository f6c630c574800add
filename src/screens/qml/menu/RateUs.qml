import Tallowick
import QtQuick

// Asks for a review: a title, a line of copy and a row of stars that opens the app's store
// page at its review form.
Column {
    id: root
    property color color: "white"
    spacing: 0

    Column {
        width: root.width
        spacing: 7
        Text {
            objectName: "rateTitle"
            width: parent.width
            text: qsTrId("Setting.review")
            textFormat: Text.PlainText
            wrapMode: Text.Wrap
            font.pixelSize: 24
            font.bold: true
            color: root.color
        }
        BalancedText {
            objectName: "rateCopy"
            width: parent.width
            text: qsTrId("Setting.reviewCopy")
            font.pixelSize: 15
            lineHeightMode: Text.FixedHeight
            lineHeight: fontInfo.pixelSize * 1.2 + 3
            color: root.color
        }
    }

    Item { width: 1; height: 10 }

    Pressable {
        id: stars
        objectName: "rateButton"
        anchors.horizontalCenter: parent.horizontalCenter
        width: 200
        height: 44
        name: qsTrId("Setting.review")
        toolTip: name
        ringRadius: 22
        ringColor: root.color
        onActivated: StoreLinks.openReviewPage()

        TintedIcon {
            anchors.fill: parent
            source: "qrc:/tallowick/images/rateus.svg"
            color: root.color
        }
    }
}
