import QtQuick
import Tallowick

// A title field: bold white text on a dark capsule that grows with its lines. It holds its
// text to `maximumLength` characters however the text comes in (typed, pasted, set); the
// return key never breaks a line: it closes the keyboard and runs commit(); Tab and Shift+Tab
// move on to the next or previous control instead of typing.
Rectangle {
    id: root
    property string text
    property string placeholder
    property int maximumLength: TitleLimit.maximum
    property string accessibleName
    readonly property bool showingPlaceholder: text.length === 0
    readonly property alias editor: editor
    signal commit()

    readonly property real horizontalPadding: Style.fieldPadding.x
    readonly property real verticalPadding: Style.fieldPadding.y

    implicitWidth: Style.controlWidth
    implicitHeight: Math.max(Style.titleFieldHeight, editor.contentHeight + 2 * verticalPadding)
    radius: Style.radiusCapsule
    color: Qt.rgba(0, 0, 0, 0.2)

    onTextChanged: {
        if (editor.text !== text)
            editor.text = TitleLimit.clamped(text, maximumLength)
    }

    Text {
        objectName: "titlePlaceholder"
        x: editor.x
        y: editor.y
        width: editor.width
        visible: root.showingPlaceholder && root.placeholder.length > 0
        text: root.placeholder
        textFormat: Text.PlainText
        wrapMode: Text.Wrap
        font: editor.font
        color: "white"
        opacity: 0.5
    }

    TextEdit {
        id: editor
        objectName: "titleEditor"
        x: root.horizontalPadding
        y: root.verticalPadding
        width: root.width - 2 * root.horizontalPadding
        textFormat: TextEdit.PlainText
        wrapMode: TextEdit.Wrap
        selectByMouse: true
        font.pointSize: Style.textBody
        font.bold: true
        color: "white"
        selectionColor: Qt.rgba(1, 1, 1, 0.35)
        selectedTextColor: "white"
        Accessible.role: Accessible.EditableText
        Accessible.name: root.accessibleName
        Accessible.description: root.placeholder

        // The keyboard's focus stays: should the form not save, typing goes on here.
        function giveUpKeyboard() {
            Qt.inputMethod.hide()
            root.commit()
        }
        Keys.onReturnPressed: (event) => { event.accepted = true; giveUpKeyboard() }
        Keys.onEnterPressed: (event) => { event.accepted = true; giveUpKeyboard() }
        Keys.onTabPressed: (event) => { event.accepted = true; nextItemInFocusChain(true).forceActiveFocus(Qt.TabFocusReason) }
        Keys.onBacktabPressed: (event) => { event.accepted = true; nextItemInFocusChain(false).forceActiveFocus(Qt.BacktabFocusReason) }
        activeFocusOnTab: true

        onTextChanged: {
            const fitted = TitleLimit.fitted(text, cursorPosition, root.maximumLength)
            if (fitted.text !== text) {
                // Whatever went past the limit is taken back where it went in.
                text = fitted.text
                cursorPosition = fitted.cursor
                return
            }
            if (root.text !== text)
                root.text = text
        }
    }

    FocusRing {
        target: root
        shown: editor.activeFocus
        radius: root.radius + Style.focusRingGap
    }

    // A tap anywhere on the capsule starts editing, not only on the text line.
    MouseArea {
        anchors.fill: parent
        z: -1
        onPressed: (mouse) => { editor.forceActiveFocus(); mouse.accepted = false }
    }
}
