import QtQuick
import Tallowick

// Where the page stands among the others: nothing for one page, a dot per page up to 14,
// "c / n" beyond.
Item {
    id: root
    property int pageCount: 0
    property int currentPage: 0
    property color color: "black"
    readonly property int form: PagerRules.indicatorForm(pageCount)
    // A click on a dot asks for its page.
    signal pageChosen(int page)

    implicitWidth: form === PagerRules.Dots ? dots.implicitWidth : form === PagerRules.Counter ? counter.implicitWidth : 0
    implicitHeight: Style.indicatorHeight
    width: implicitWidth
    height: implicitHeight
    Accessible.role: Accessible.StaticText
    Accessible.name: qsTrId("a11y.eventOf").arg(currentPage + 1).arg(pageCount)

    Row {
        id: dots
        objectName: "indicatorDots"
        visible: root.form === PagerRules.Dots
        anchors.verticalCenter: parent.verticalCenter
        spacing: Style.gapS
        Repeater {
            // No dots are made for the counter's page counts.
            model: root.form === PagerRules.Dots && root.currentPage < root.pageCount ? root.pageCount : 0
            Rectangle {
                required property int index
                width: Style.indicatorDot
                height: Style.indicatorDot
                radius: width / 2
                color: root.color
                opacity: index === root.currentPage ? 1.0 : 0.4
                // A target larger than the dot: the gaps between dots and some room above and
                // below it.
                MouseArea {
                    objectName: "indicatorDot" + parent.index
                    anchors.centerIn: parent
                    width: Style.indicatorDot + dots.spacing
                    height: Style.indicatorDotTarget
                    cursorShape: Qt.PointingHandCursor
                    onClicked: root.pageChosen(parent.index)
                }
            }
        }
    }

    // Made only for fifteen pages or more.
    Loader {
        id: counter
        objectName: "indicatorCounter"
        active: root.form === PagerRules.Counter
        visible: active
        anchors.verticalCenter: parent.verticalCenter
        anchors.verticalCenterOffset: -Style.indicatorCounterRaise
        sourceComponent: Row {
            spacing: Style.indicatorCounterSpacing
            Text {
                text: root.currentPage + 1
                textFormat: Text.PlainText
                font.pointSize: Style.textHeadline
                font.bold: true
                color: root.color
            }
            Text { text: "/"; textFormat: Text.PlainText; font.pointSize: Style.textHeadline; color: root.color }
            Text {
                text: root.pageCount
                textFormat: Text.PlainText
                font.pointSize: Style.textHeadline
                font.bold: true
                color: root.color
            }
        }
    }
}
