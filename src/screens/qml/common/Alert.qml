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
                    width: 270
                    height: texts.height + 44 + 0.5
                    radius: 14
                    color: "#F2F2F2"
                    Accessible.role: Accessible.AlertMessage
                    Accessible.name: root.title
                    Accessible.description: root.message
                    Accessible.ignored: !root.open

                    Column {
                        id: texts
                        y: 19
                        x: 16
                        width: parent.width - 32
                        spacing: 4
                        bottomPadding: 19
                        BalancedText {
                            objectName: "alertTitle"
                            width: parent.width
                            text: root.title
                            horizontalAlignment: Text.AlignHCenter
                            font.pixelSize: 17
                            font.bold: true
                            color: "black"
                        }
                        BalancedText {
                            objectName: "alertMessage"
                            width: parent.width
                            text: root.message
                            horizontalAlignment: Text.AlignHCenter
                            font.pixelSize: 13
                            color: "black"
                            visible: text.length > 0
                        }
                    }

                    Rectangle { y: texts.height; width: parent.width; height: 0.5; color: "#3C3C43"; opacity: 0.36 }

                    Row {
                        y: texts.height + 0.5
                        width: parent.width
                        height: 44
                        AlertButton {
                            id: secondaryButton
                            objectName: "alertSecondary"
                            visible: root.secondaryText.length > 0
                            width: parent.width / 2 - 0.25
                            label: root.secondaryText
                            KeyNavigation.right: primaryButton
                            KeyNavigation.tab: primaryButton
                            KeyNavigation.backtab: primaryButton
                            onClicked: { root.secondaryClicked(); root.close() }
                        }
                        Rectangle {
                            visible: root.secondaryText.length > 0
                            width: 0.5; height: parent.height; color: "#3C3C43"; opacity: 0.36
                        }
                        AlertButton {
                            id: primaryButton
                            objectName: "alertPrimary"
                            width: root.secondaryText.length > 0 ? parent.width / 2 - 0.25 : parent.width
                            label: root.primaryText
                            bold: true
                            KeyNavigation.left: secondaryButton.visible ? secondaryButton : null
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
        signal clicked()
        height: 44
        name: label
        ringColor: "#007AFF"
        ringRadius: 10
        accessibilityHidden: !root.open
        onActivated: clicked()
        Text {
            anchors.centerIn: parent
            text: button.label
            textFormat: Text.PlainText
            font.pixelSize: 17
            font.bold: button.bold
            color: "#007AFF"
        }
    }
}
