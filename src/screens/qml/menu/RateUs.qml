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
        spacing: Style.rateSpacing
        Text {
            objectName: "rateTitle"
            width: parent.width
            text: qsTrId("Setting.review")
            textFormat: Text.PlainText
            wrapMode: Text.Wrap
            font.pointSize: Style.textTitle
            font.bold: true
            color: root.color
        }
        BalancedText {
            objectName: "rateCopy"
            width: parent.width
            text: qsTrId("Setting.reviewCopy")
            font.pointSize: Style.textBody
            lineHeightMode: Text.FixedHeight
            lineHeight: fontInfo.pixelSize * 1.2 + Style.gapXXS
            color: root.color
        }
    }

    Item { width: 1; height: Style.gapM }

    Pressable {
        id: stars
        objectName: "rateButton"
        anchors.horizontalCenter: parent.horizontalCenter
        width: Style.buttonWidth
        height: Style.controlHeight
        name: qsTrId("Setting.review")
        toolTip: name
        ringRadius: height / 2
        ringColor: root.color
        onActivated: StoreLinks.openReviewPage()

        TintedIcon {
            anchors.fill: parent
            source: "qrc:/tallowick/images/rateus.svg"
            color: root.color
        }
    }
}
