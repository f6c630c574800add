import QtQuick
import Tallowick

// One line of the sync set-up form: its label over a rounded field. What is typed stays on
// one line; Return runs accepted() (the form sets up), Tab goes on to the next control.
Column {
    id: root
    property string label
    property string placeholder
    property alias text: input.text
    property bool password: false
    property int inputMethodHints: Qt.ImhNone
    readonly property alias editor: input
    signal accepted()

    spacing: Style.gapXS

    Text {
        width: parent.width
        text: root.label
        textFormat: Text.PlainText
        wrapMode: Text.Wrap
        font.pointSize: Style.textLabel
        font.bold: true
        color: Style.secondaryLabel
        // The field says it by name.
        Accessible.ignored: true
    }

    Rectangle {
        id: box
        width: parent.width
        height: Style.controlHeight
        radius: Style.radiusM
        color: Style.listHover
        border.width: Style.hairline
        border.color: Style.separator

        Text {
            anchors.fill: input
            visible: input.text.length === 0 && root.placeholder.length > 0
            text: root.placeholder
            textFormat: Text.PlainText
            elide: Text.ElideRight
            horizontalAlignment: input.horizontalAlignment
            verticalAlignment: Text.AlignVCenter
            font: input.font
            color: Style.secondaryLabel
            Accessible.ignored: true
        }

        TextInput {
            id: input
            objectName: root.objectName + "Input"
            anchors.fill: parent
            anchors.leftMargin: Style.gapL
            anchors.rightMargin: Style.gapL
            verticalAlignment: TextInput.AlignVCenter
            // An address typed in Latin letters starts at the reading side in a mirrored sheet.
            horizontalAlignment: TextInput.AlignLeft
            clip: true
            selectByMouse: true
            activeFocusOnTab: true
            echoMode: root.password ? TextInput.Password : TextInput.Normal
            inputMethodHints: root.inputMethodHints
                              | (root.password ? Qt.ImhHiddenText | Qt.ImhSensitiveData | Qt.ImhNoPredictiveText : 0)
            font.pointSize: Style.textBody
            color: Style.label
            selectionColor: Style.accent
            selectedTextColor: "white"
            Accessible.role: Accessible.EditableText
            Accessible.name: root.label
            // Qt names no password field (its name could be what is typed): the label is said
            // as its description instead.
            Accessible.description: root.password ? root.label : root.placeholder
            Accessible.passwordEdit: root.password
            Accessible.ignored: !visible
            Keys.onReturnPressed: (event) => { event.accepted = true; root.accepted() }
            Keys.onEnterPressed: (event) => { event.accepted = true; root.accepted() }
        }

        FocusRing {
            target: box
            shown: input.activeFocus
            ringColor: Style.accent
            radius: box.radius + Style.focusRingGap
        }
    }
}
