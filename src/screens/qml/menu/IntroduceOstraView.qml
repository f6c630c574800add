import Tallowick
import QtQuick

// The maker's other apps, one row each (icon, name, what it is for); a tap opens the app's
// store page. The order is drawn anew each time the block is shown.
Column {
    id: root
    property color color: "white"
    readonly property alias apps: about.apps
    spacing: Style.gapS

    // Each app's two lines, their ids written out so that the translation tools find them.
    readonly property var appTexts: ({
        "Mossling": { title: qsTrId("Mossling.title"), sub: qsTrId("Mossling.sub") },
        "Tidewell": { title: qsTrId("Tidewell.title"), sub: qsTrId("Tidewell.sub") },
        "Quillo": { title: qsTrId("Quillo.title"), sub: qsTrId("Quillo.sub") },
        "Fernlet": { title: qsTrId("Fernlet.title"), sub: qsTrId("Fernlet.sub") },
        "Hushpot": { title: qsTrId("Hushpot.title"), sub: qsTrId("Hushpot.sub") },
        "Cobblyn": { title: qsTrId("Cobblyn.title"), sub: qsTrId("Cobblyn.sub") },
        "Wrennie": { title: qsTrId("Wrennie.title"), sub: qsTrId("Wrennie.sub") },
        "Glimmo": { title: qsTrId("Glimmo.title"), sub: qsTrId("Glimmo.sub") },
        "Plumtide": { title: qsTrId("Plumtide.title"), sub: qsTrId("Plumtide.sub") }
    })

    AboutApps { id: about }
    Component.onCompleted: about.shuffle()
    onVisibleChanged: if (visible) about.shuffle()

    Text {
        objectName: "aboutTitle"
        width: root.width
        bottomPadding: Style.gapS
        text: qsTrId("OstraApps")
        textFormat: Text.PlainText
        font.pointSize: Style.textTitle
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
            height: Math.max(icon.height, texts.height) + Style.gapXXL
            name: modelData + ", " + root.appTexts[modelData].title
            description: root.appTexts[modelData].sub
            ringRadius: Style.radiusM
            onActivated: about.open(modelData)

            Image {
                id: icon
                objectName: "appIcon" + appRow.index
                x: LayoutMirroring.enabled ? parent.width - width : 0
                y: (parent.height - Style.gapXXL - height) / 2
                width: Style.appIconSize
                height: Style.appIconSize
                sourceSize: Qt.size(2 * Style.appIconSize, 2 * Style.appIconSize)
                smooth: true
                source: "qrc:/tallowick/images/" + about.iconName(appRow.modelData) + ".svg"
            }
            Column {
                id: texts
                x: LayoutMirroring.enabled ? 0 : icon.width + Style.gapXXL
                y: (parent.height - Style.gapXXL - height) / 2
                width: parent.width - icon.width - Style.gapXXL
                spacing: Style.appTextSpacing
                Text {
                    objectName: "appName" + appRow.index
                    width: parent.width
                    // The leading edge, like the texts below it (a Latin name in Arabic too).
                    horizontalAlignment: Text.AlignLeft
                    bottomPadding: Style.gapXXS
                    text: appRow.modelData
                    textFormat: Text.PlainText
                    font.pointSize: Style.textHeadline
                    font.bold: true
                    color: root.color
                }
                BalancedText {
                    width: parent.width
                    text: root.appTexts[appRow.modelData].title
                    font.pointSize: Style.textHeadline
                    font.bold: true
                    color: root.color
                }
                BalancedText {
                    width: parent.width
                    text: root.appTexts[appRow.modelData].sub
                    font.pointSize: Style.textLabel
                    color: root.color
                }
            }
        }
    }
}
