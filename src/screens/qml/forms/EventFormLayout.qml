import QtQuick
import Tallowick
import Tallowick as T

// The body both event forms share, dressed in the line colour of `event` (without one, of the
// theme chosen): the direction switch, the yearly switch (counting down), the title with its
// counter, the unit of the count, the date wheel, the theme strip and, kept in reach at the bottom whatever the
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

    // Two columns where the sheet is wide but shorter than the one column was drawn for.
    readonly property bool twoColumns: width >= Style.wideWidth
                                       && height < Style.windowHeight - Style.sheetTopInset
    // Where the keys go when the form opens.
    readonly property Item initialFocus: titleFieldShown ? titleField.editor : toggle

    Keys.onReturnPressed: form.save()
    Keys.onEnterPressed: form.save()

    // The focused control is scrolled into view.
    FocusInView { flickable: flick }

    ThemeListModel { id: themes }
    readonly property string lineColorText: event && event.record.lineColor
        ? event.record.lineColor : (themes.get(form ? form.selectedId : 0).lineColor || "000000")
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
        anchors.leftMargin: Style.sheetMargin
        anchors.rightMargin: Style.sheetMargin
        contentWidth: width
        contentHeight: column.height
        flickableDirection: Flickable.VerticalFlick
        clip: true

        Column {
            id: column
            width: flick.width
            spacing: Style.gapS

            Item {
                width: parent.width
                height: Style.grabRowHeight
                GrabHandle { anchors.centerIn: parent }
            }

            Item {
                width: parent.width
                height: headingText.height + Style.gapM
                Text {
                    id: headingText
                    objectName: "formHeading"
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: root.heading
                    textFormat: Text.PlainText
                    color: "white"
                    font.pointSize: Style.textTitle
                    font.bold: true
                    Accessible.role: Accessible.Heading
                    Accessible.name: text
                }
            }

            // The direction, the title and the count, then the date and the colour: one under
            // the other, or side by side in a sheet too wide and short for one column, where
            // they all show at once above Save.
            Grid {
                id: halves
                objectName: "formHalves"
                width: parent.width
                columns: root.twoColumns ? 2 : 1
                columnSpacing: Style.sheetMargin
                rowSpacing: column.spacing
                readonly property real halfWidth: root.twoColumns ? (width - columnSpacing) / 2 : width

                Column {
                    width: halves.halfWidth
                    spacing: column.spacing
                    Item {
                        width: parent.width
                        height: toggle.height + Style.gapXXL
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
                        transform: Translate { x: counterRow.LayoutMirroring.enabled ? Style.labelInset : -Style.labelInset; y: -Style.gapXXS }
                        Text {
                            objectName: "titleCounter"
                            text: root.form.counterText
                            textFormat: Text.PlainText
                            color: "white"
                            opacity: 0.5
                            font.family: Fonts.gilroy
                            font.weight: Font.ExtraBold
                            font.pointSize: Style.textLabel
                        }
                    }

                    //% "Count in"
                    SectionLabel { text: qsTrId("form.countIn") }

                    CountUnitChoice {
                        id: unitChoice
                        objectName: "unitChoice"
                        width: parent.width
                        onUnitChanged: root.form.unit = unit
                    }
                    Binding { target: unitChoice; property: "unit"; value: root.form.unit }
                    // Room for the date's label, which stands in the gap above the picker.
                    Item { width: 1; height: Style.gapS }
                }

                Column {
                    width: halves.halfWidth
                    spacing: column.spacing
                    Item { width: 1; height: Style.pickerGap - column.spacing }

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
                            x: LayoutMirroring.enabled ? parent.width - width - Style.pickerLabelInset : Style.pickerLabelInset
                            // In the middle of the gap above the picker.
                            y: -Style.pickerGap - height / 2
                            text: qsTrId("common.day")
                            textFormat: Text.PlainText
                            color: "white"
                            font.family: Fonts.gilroy
                            font.weight: Font.ExtraBold
                            font.pointSize: Style.textLabel
                        }
                    }

                    SectionLabel { text: qsTrId("common.color") }

                    ThemeSelectionView {
                        id: themeStrip
                        objectName: "themeStrip"
                        width: parent.width
                        wheelScrolls: !wheelGesture.scrollsForm
                        height: Style.themeStripHeight
                        onSelectedIdChanged: root.form.selectedId = selectedId
                    }
                    Binding { target: themeStrip; property: "selectedId"; value: root.form.selectedId }
                }
            }

            Item { width: 1; height: Style.gapM - column.spacing }
        }
    }
    // Where the form goes on below, its end fades out over Save's bar.
    Rectangle {
        objectName: "moreBelow"
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: flick.bottom
        height: Style.gapXL
        visible: flick.contentY + flick.height < flick.contentHeight - 1
        gradient: Gradient {
            GradientStop { position: 0; color: Qt.rgba(root.lineColor.r, root.lineColor.g, root.lineColor.b, 0) }
            GradientStop { position: 1; color: root.lineColor }
        }
    }
    SheetScrollBar {
        objectName: "formScrollBar"
        flickable: flick
        anchors.top: flick.top
        anchors.bottom: flick.bottom
        anchors.left: flick.right
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
        anchors.leftMargin: Style.sheetMargin
        anchors.rightMargin: Style.sheetMargin
        height: Style.gapL + Style.buttonHeight + Style.sheetMargin
        Loader {
            objectName: "saveButtonHolder"
            y: Style.gapL
            width: parent.width
            height: Style.buttonHeight
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
            ringRadius: Style.radiusCapsule
            opacity: root.form.canSave ? 1 : 0.7
            onActivated: root.form.save()
            Rectangle {
                anchors.fill: parent
                radius: Style.radiusCapsule
                color: "white"
            }
            Text {
                anchors.centerIn: parent
                text: qsTrId("button.save")
                textFormat: Text.PlainText
                color: root.lineColor
                font.pointSize: Style.textHeadline
                font.bold: true
            }
        }
    }

    component SectionLabel: Text {
        x: LayoutMirroring.enabled ? parent.width - width - Style.labelInset : Style.labelInset
        textFormat: Text.PlainText
        color: "white"
        font.family: Fonts.gilroy
        font.weight: Font.ExtraBold
        font.pointSize: Style.textLabel
    }
}
