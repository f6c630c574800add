import QtQuick
import Tallowick

// The strip of colour themes to choose from, scrolled sideways; `selectedId` is the chosen
// theme's id.
Flickable {
    id: root
    property int selectedId: 1003

    implicitWidth: 340
    implicitHeight: 90
    contentWidth: row.width
    contentHeight: height
    flickableDirection: Flickable.HorizontalFlick
    clip: true

    // Brings the chosen theme into view, as centred as the strip allows.
    function showSelected() {
        for (let i = 0; i < themeRepeater.count; ++i) {
            const thumb = themeRepeater.itemAt(i)
            if (thumb && thumb.themeId === selectedId) {
                const centre = thumb.x + thumb.width / 2
                contentX = Math.max(0, Math.min(contentWidth - width, centre - width / 2))
                return
            }
        }
    }
    // On opening, the chosen theme is in sight even when it sits far along the strip.
    Component.onCompleted: Qt.callLater(showSelected)

    Row {
        id: row
        height: root.height
        spacing: 15

        Repeater {
            id: themeRepeater
            model: ThemeListModel {}
            delegate: Loader {
                id: thumb
                required property int index
                required property int themeId
                required property string bgColor
                required property string circleColor
                required property string barColor
                required property bool isPicture
                required property string imageName
                anchors.verticalCenter: parent ? parent.verticalCenter : undefined
                objectName: "theme-" + themeId
                sourceComponent: isPicture ? imageThumb : colorThumb

                function pick(id) {
                    console.log("selectedId", id)
                    root.selectedId = id
                }

                Component {
                    id: colorThumb
                    ColorThumb {
                        bgColor: thumb.bgColor
                        bgCircle: thumb.circleColor
                        bgBar: thumb.barColor
                        themeId: thumb.themeId
                        selectedId: root.selectedId
                        accessibleName: qsTrId("common.color") + " " + (thumb.index + 1)
                        onPicked: (id) => thumb.pick(id)
                    }
                }
                Component {
                    id: imageThumb
                    ImageThumb {
                        bgColor: thumb.bgColor
                        imageName: thumb.imageName
                        bgBar: thumb.barColor
                        themeId: thumb.themeId
                        selectedId: root.selectedId
                        accessibleName: qsTrId("common.color") + " " + (thumb.index + 1)
                        onPicked: (id) => thumb.pick(id)
                    }
                }
            }
        }
    }
}
