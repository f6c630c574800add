import QtQuick
import Tallowick
import Tallowick as T

// The body both event forms share, dressed in the line colour of `event` (without one, of the
// theme chosen): the direction switch, the yearly switch (counting down), the title with its
// counter, the date wheel, the theme strip and, kept in reach at the bottom whatever the
// window's height, the save button.
// Tab goes through them in that order (the view follows the focus); Return saves.
FocusScope {
    id: root
    property EventForm form
    property EventRow event: null
    property string heading
    property string placeholder
    // The edit form offers the title field only while it has an event to edit.
    property bool titleFieldShown: true
    // The add form's button is the app's primary button; the edit form's a plain white one.
    property bool primaryButton: true

    // Where the keys go when the form opens.
    readonly property Item initialFocus: titleFieldShown ? titleField.editor : toggle

    Keys.onReturnPressed: form.save()
    Keys.onEnterPressed: form.save()

    // The focused control is scrolled into view.
    Connections {
        target: root.Window.window
        function onActiveFocusItemChanged() {
            const item = root.Window.window ? root.Window.window.activeFocusItem : null
            if (!item || !column.contains(column.mapFromItem(item, 0, 0)))
                return
            const top = column.mapFromItem(item, 0, 0).y
            const bottom = top + item.height
            if (top < flick.contentY)
                flick.contentY = Math.max(0, top - 10)
            else if (bottom > flick.contentY + flick.height)
                flick.contentY = Math.min(flick.contentHeight - flick.height, bottom - flick.height + 10)
        }
    }

    ThemeListModel { id: themes }
    readonly property string lineColorText: event && event.lineColor
        ? event.lineColor : (themes.get(form ? form.selectedId : 0).lineColor || "000000")
    readonly property color lineColor: T.Colors.hex(lineColorText)

    Rectangle {
        objectName: "formBackground"
        anchors.fill: parent
        color: root.lineColor
        // A tap beside the controls puts the keyboard away.
        MouseArea {
            anchors.fill: parent
            onClicked: root.forceActiveFocus()
        }
    }

    Flickable {
        id: flick
        objectName: "formFlickable"
        anchors.top: parent.top
        anchors.bottom: saveBar.top
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.leftMargin: 25
        anchors.rightMargin: 25
        contentWidth: width
        contentHeight: column.height
        flickableDirection: Flickable.VerticalFlick
        clip: true

        Column {
            id: column
            width: flick.width
            spacing: 8

            Item {
                width: parent.width
                height: 38
                GrabHandle { anchors.centerIn: parent }
            }

            Item {
                width: parent.width
                height: headingText.height + 10
                Text {
                    id: headingText
                    objectName: "formHeading"
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: root.heading
                    textFormat: Text.PlainText
                    color: "white"
                    font.pixelSize: 24
                    font.bold: true
                    Accessible.role: Accessible.Heading
                    Accessible.name: text
                }
            }

            Item {
                width: parent.width
                height: toggle.height + 20
                CountDownToggle {
                    id: toggle
                    objectName: "countDownToggle"
                    width: parent.width
                    onCountDownChanged: root.form.countDown = countDown
                }
                Binding { target: toggle; property: "countDown"; value: root.form.countDown }
            }

            // Only a count-down event comes back every year.
            YearlySwitch {
                id: yearlySwitch
                objectName: "yearlySwitch"
                width: parent.width
                visible: root.form.countDown
                checked: root.form.yearly
                onToggled: (checked) => root.form.yearly = checked
            }

            SectionLabel { text: qsTrId("common.eventTitle") }

            MultilineTextField {
                id: titleField
                objectName: "titleField"
                width: parent.width
                visible: root.titleFieldShown
                placeholder: root.placeholder
                accessibleName: qsTrId("common.eventTitle")
                onTextChanged: root.form.eventName = text
                onCommit: root.form.save()
            }
            Binding { target: titleField; property: "text"; value: root.form.eventName }

            FullWidth {
                id: counterRow
                width: parent.width
                alignment: Qt.AlignRight
                transform: Translate { x: counterRow.LayoutMirroring.enabled ? 15 : -15; y: -3 }
                Text {
                    objectName: "titleCounter"
                    text: root.form.counterText
                    textFormat: Text.PlainText
                    color: "white"
                    opacity: 0.5
                    font.family: Fonts.gilroy
                    font.weight: Font.ExtraBold
                    font.pixelSize: 14
                }
            }

            Item { width: 1; height: 25 - column.spacing }

            Item {
                width: parent.width
                height: picker.height
                DesignDatePicker {
                    id: picker
                    objectName: "datePicker"
                    width: parent.width
                    wheelTurns: !wheelGesture.scrollsForm
                    bgColor: root.lineColorText
                    onSelectedDateChanged: root.form.selectedDate = selectedDate
                }
                Binding { target: picker; property: "selectedDate"; value: root.form.selectedDate }
                Text {
                    objectName: "dayLabel"
                    x: LayoutMirroring.enabled ? parent.width - width - 13 : 13
                    y: picker.height / 2 - 115 - height / 2
                    text: qsTrId("common.day")
                    textFormat: Text.PlainText
                    color: "white"
                    font.family: Fonts.gilroy
                    font.weight: Font.ExtraBold
                    font.pixelSize: 14
                }
            }

            SectionLabel { text: qsTrId("common.color") }

            ThemeSelectionView {
                id: themeStrip
                objectName: "themeStrip"
                width: parent.width
                wheelScrolls: !wheelGesture.scrollsForm
                height: 90
                onSelectedIdChanged: root.form.selectedId = selectedId
            }
            Binding { target: themeStrip; property: "selectedId"; value: root.form.selectedId }

            Item { width: 1; height: 10 - column.spacing }
        }
    }

    // A turn of the mouse wheel belongs to what was under the pointer when it began: one that
    // scrolls the form goes on scrolling it when a date column or the theme strip comes under
    // the pointer meanwhile; only after a pause does the wheel turn what is under it. This
    // area sees every turn over the form first and lets it on.
    MouseArea {
        id: wheelGesture
        objectName: "formWheelGesture"
        anchors.fill: flick
        acceptedButtons: Qt.NoButton
        // How long the wheel may rest within one turn.
        readonly property int pauseMs: 500
        property real lastTurn: 0
        property bool scrollsForm: false
        onWheel: (wheel) => {
            const now = Date.now()
            if (now - lastTurn > pauseMs)
                scrollsForm = !takesWheel(wheel.x, wheel.y)
            lastTurn = now
            wheel.accepted = false
        }
        // Whether a date column or the theme strip is at this point.
        function takesWheel(x, y) {
            for (const item of [picker, themeStrip]) {
                const at = item.mapFromItem(wheelGesture, x, y)
                if (item.contains(at))
                    return true
            }
            return false
        }
    }

    Item {
        id: saveBar
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.leftMargin: 25
        anchors.rightMargin: 25
        height: 60 + 12 + 25
        Loader {
            objectName: "saveButtonHolder"
            y: 12
            width: parent.width
            height: 60
            sourceComponent: root.primaryButton ? primarySave : plainSave
        }
    }

    Component {
        id: primarySave
        PrimaryButton {
            objectName: "saveButton"
            text: qsTrId("button.save")
            textColor: root.lineColor
            opacity: root.form.canSave ? 1 : 0.5
            onClicked: root.form.save()
        }
    }

    Component {
        id: plainSave
        Pressable {
            objectName: "saveButton"
            name: qsTrId("button.save")
            ringRadius: 30
            opacity: root.form.canSave ? 1 : 0.7
            onActivated: root.form.save()
            Rectangle {
                anchors.fill: parent
                radius: 30
                color: "white"
            }
            Text {
                anchors.centerIn: parent
                text: qsTrId("button.save")
                textFormat: Text.PlainText
                color: root.lineColor
                font.pixelSize: 17
                font.bold: true
            }
        }
    }

    component SectionLabel: Text {
        x: LayoutMirroring.enabled ? parent.width - width - 15 : 15
        textFormat: Text.PlainText
        color: "white"
        font.family: Fonts.gilroy
        font.weight: Font.ExtraBold
        font.pixelSize: 14
    }
}
