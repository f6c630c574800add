import QtQuick
import Tallowick

// A phone-style alert over the whole window: a title, a message and one or two buttons.
// Shown while `open` is true; any button closes it (after running its own signal). While it
// is open it has the keyboard: Return or Space presses the focused button (the primary one
// first), Left, Right and Tab move between the buttons, Escape closes it doing nothing.
Modal {
    id: root
    property string title
    property string message
    property string primaryText: qsTrId("OK")
    property string secondaryText        // empty: a single button
    signal primaryClicked()
    signal secondaryClicked()

    z: 1000
    initialFocus: drawing.item ? drawing.item.primary : null
    // Over the window's own content, outside the app's mirrored root: it mirrors by itself.
    LayoutMirroring.enabled: Qt.application.layoutDirection === Qt.RightToLeft
    LayoutMirroring.childrenInherit: true
    // An alert covers the whole window, whichever screen asked for it.
    onOpenChanged: {
        if (!open)
            return
        everOpened = true
        if (Window.window && parent !== Window.window.contentItem)
            parent = Window.window.contentItem
    }

    // Most alerts are never shown: their drawing is made the first time they open, and kept.
    property bool everOpened: false

    Loader {
        id: drawing
        anchors.fill: parent
        active: root.open || root.everOpened
        sourceComponent: Component {
            Item {
                readonly property Item primary: primaryButton
                Rectangle {
                    anchors.fill: parent
                    color: "black"
                    opacity: 0.4
                    // Swallow taps on what lies behind the alert.
                    MouseArea { anchors.fill: parent }
                }

                Rectangle {
                    id: card
                    objectName: "alertCard"
                    anchors.centerIn: parent
                    width: Style.alertWidth
                    // The texts' own top and bottom room, then the buttons under a hairline.
                    height: texts.y + texts.height + Style.hairline + buttons.height
                    radius: Style.radiusL
                    color: Style.alertCard
                    Accessible.role: Accessible.AlertMessage
                    Accessible.name: root.title
                    Accessible.description: root.message
                    Accessible.ignored: !root.open

                    Column {
                        id: texts
                        y: Style.alertPaddingTop
                        x: Style.gapXL
                        width: parent.width - 2 * Style.gapXL
                        spacing: Style.gapXS
                        bottomPadding: Style.alertPaddingTop
                        BalancedText {
                            objectName: "alertTitle"
                            width: parent.width
                            text: root.title
                            horizontalAlignment: Text.AlignHCenter
                            font.pointSize: Style.textHeadline
                            font.bold: true
                            color: Style.label
                        }
                        BalancedText {
                            objectName: "alertMessage"
                            width: parent.width
                            text: root.message
                            horizontalAlignment: Text.AlignHCenter
                            font.pointSize: Style.textCaption
                            color: Style.label
                            visible: text.length > 0
                        }
                    }

                    Rectangle { y: texts.y + texts.height; width: parent.width; height: Style.hairline; color: Style.alertSeparator; opacity: 0.36 }

                    // Two buttons side by side, or one above the other when a label is too long
                    // for half the card.
                    Grid {
                        id: buttons
                        readonly property bool two: root.secondaryText.length > 0
                        readonly property bool stacked: two && Math.max(secondaryButton.labelWidth, primaryButton.labelWidth)
                                                               > card.width / 2 - 2 * Style.gapL
                        y: texts.y + texts.height + Style.hairline
                        width: parent.width
                        columns: stacked ? 1 : 3
                        AlertButton {
                            id: secondaryButton
                            objectName: "alertSecondary"
                            visible: buttons.two
                            width: buttons.stacked ? parent.width : parent.width / 2 - Style.hairline / 2
                            label: root.secondaryText
                            KeyNavigation.right: primaryButton
                            KeyNavigation.down: primaryButton
                            KeyNavigation.tab: primaryButton
                            KeyNavigation.backtab: primaryButton
                            onClicked: { root.secondaryClicked(); root.close() }
                        }
                        Rectangle {
                            visible: buttons.two
                            width: buttons.stacked ? parent.width : Style.hairline
                            height: buttons.stacked ? Style.hairline : Style.controlHeight
                            color: Style.alertSeparator
                            opacity: 0.36
                        }
                        AlertButton {
                            id: primaryButton
                            objectName: "alertPrimary"
                            width: buttons.two && !buttons.stacked ? parent.width / 2 - Style.hairline / 2 : parent.width
                            label: root.primaryText
                            bold: true
                            KeyNavigation.left: secondaryButton.visible ? secondaryButton : null
                            KeyNavigation.up: secondaryButton.visible ? secondaryButton : null
                            KeyNavigation.tab: secondaryButton.visible ? secondaryButton : primaryButton
                            KeyNavigation.backtab: secondaryButton.visible ? secondaryButton : primaryButton
                            onClicked: { root.primaryClicked(); root.close() }
                        }
                    }
                }
            }
        }
    }

    component AlertButton: Pressable {
        id: button
        property string label
        property bool bold: false
        readonly property real labelWidth: labelText.implicitWidth
        signal clicked()
        height: Style.controlHeight
        name: label
        ringColor: Style.accent
        ringRadius: Style.radiusS
        accessibilityHidden: !root.open
        onActivated: clicked()
        Text {
            id: labelText
            anchors.centerIn: parent
            width: Math.min(implicitWidth, button.width - 2 * Style.gapL)
            elide: Text.ElideRight
            text: button.label
            textFormat: Text.PlainText
            font.pointSize: Style.textHeadline
            font.bold: button.bold
            color: Style.accent
        }
    }
}
