import Tallowick
import QtQuick

// The maker's other apps, one row each (icon, name, what it is for); a tap opens the app's
// store page. The order is drawn anew each time the block is shown.
Column {
    id: root
    property int currentPage: 0
    property color color: "white"
    readonly property alias apps: about.apps
    spacing: 8

    AboutApps { id: about }
    Component.onCompleted: about.shuffle()
    onVisibleChanged: if (visible) about.shuffle()

    Text {
        objectName: "aboutTitle"
        width: root.width
        bottomPadding: 8
        text: qsTrId("OstraApps")
        textFormat: Text.PlainText
        font.pixelSize: 24
        font.bold: true
        color: root.color
    }

    Repeater {
        model: about.apps
        delegate: Pressable {
            id: appRow
            required property int index
            required property string modelData
            objectName: "appRow" + index
            width: root.width
            height: Math.max(icon.height, texts.height) + 20
            name: modelData + ", " + qsTrId(modelData + ".title")
            description: qsTrId(modelData + ".sub")
            ringRadius: 12
            onActivated: about.open(modelData)

            Image {
                id: icon
                objectName: "appIcon" + appRow.index
                x: LayoutMirroring.enabled ? parent.width - width : 0
                y: (parent.height - 20 - height) / 2
                width: 64
                height: 64
                sourceSize: Qt.size(128, 128)
                smooth: true
                source: "qrc:/tallowick/images/" + about.iconName(appRow.modelData) + ".svg"
            }
            Column {
                id: texts
                x: LayoutMirroring.enabled ? 0 : icon.width + 20
                y: (parent.height - 20 - height) / 2
                width: parent.width - icon.width - 20
                spacing: 5
                Text {
                    objectName: "appName" + appRow.index
                    width: parent.width
                    // The leading edge, like the texts below it (a Latin name in Arabic too).
                    horizontalAlignment: Text.AlignLeft
                    bottomPadding: 3
                    text: appRow.modelData
                    textFormat: Text.PlainText
                    font.pixelSize: 17
                    font.bold: true
                    color: root.color
                }
                BalancedText {
                    width: parent.width
                    text: qsTrId(appRow.modelData + ".title")
                    font.pixelSize: 17
                    font.bold: true
                    color: root.color
                }
                BalancedText {
                    width: parent.width
                    text: qsTrId(appRow.modelData + ".sub")
                    font.pixelSize: 14
                    color: root.color
                }
            }
        }
    }
}
