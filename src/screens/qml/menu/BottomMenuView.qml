import Tallowick
import QtQuick

// The event page's row of actions: add (a round button in the event's line colour), edit,
// reminders and delete. Add, edit and reminders choose the page's sheet (`mode`) and present
// it (`dismissModal`); delete removes the event on screen unless it is the last one.
Item {
    id: root
    property UserData store
    // The event of the page.
    property EventRow event
    property string mode
    property bool dismissModal: false
    // Something covers the menu: nothing of it is offered to assistive technology or Tab.
    property bool accessibilityHidden: false
    // Also announced for pages that follow the menu by signal rather than by binding.
    signal requestSheet(string mode)

    readonly property color fontColor: Colors.hex(event ? event.record.fontColor : "000000")
    readonly property color lineColor: Colors.hex(event ? event.record.lineColor : "000000")
    readonly property alias showAlertDelete: menu.showAlertDelete

    implicitWidth: Style.windowWidth - Style.menuLeading - Style.menuTrailing
    implicitHeight: Style.addButtonSize

    function present(kind) {
        mode = kind
        dismissModal = true
        requestSheet(kind)
    }

    BottomMenu {
        id: menu
        store: root.store
        onShowAlertDeleteChanged: deleteAlert.open = showAlertDelete
    }

    // Add at the left; edit, reminders and delete spread evenly over the rest of the row. Fixed:
    // the add button and an icon's width after it, each icon with 16 points before it, and 20
    // after the last (256 points); the three gaps share what is left.
    readonly property real firstIcon: Style.addButtonSize + Style.iconSize + Style.gapXL
    readonly property real iconStep: Style.iconSize + Style.gapXL
    readonly property real gap: Math.max(0, (width - firstIcon - 2 * iconStep - Style.iconSize - Style.gapXXL) / 3)
    // Mirrored, the row runs from the right: add at the right edge, delete nearest the left.
    function place(left, itemWidth) {
        return LayoutMirroring.enabled ? width - left - itemWidth : left
    }

    Pressable {
        objectName: "addButton"
        x: root.place(0, width)
        width: Style.addButtonSize
        height: Style.addButtonSize
        anchors.verticalCenter: parent.verticalCenter
        name: qsTrId("add.title")
        toolTip: name
        ringColor: root.fontColor
        ringRadius: width / 2
        accessibilityHidden: root.accessibilityHidden
        onActivated: root.present("add")

        Rectangle {
            objectName: "addCircle"
            x: LayoutMirroring.enabled ? Style.gapS : -Style.gapS
            width: Style.addButtonSize
            height: Style.addButtonSize
            radius: width / 2
            color: root.lineColor
            TintedIcon {
                anchors.centerIn: parent
                width: Style.iconSize
                height: Style.iconSize
                source: "qrc:/tallowick/images/Add.svg"
                color: "white"
            }
        }
    }

    MenuIcon {
        objectName: "editButton"
        x: root.place(root.firstIcon + root.gap, width)
        source: "qrc:/tallowick/images/Edit.svg"
        name: qsTrId("edit.title")
        onClicked: root.present("edit")
    }

    MenuIcon {
        objectName: "reminderButton"
        x: root.place(root.firstIcon + root.iconStep + 2 * root.gap, width)
        source: "qrc:/tallowick/images/Notification.svg"
        name: qsTrId("Setting.notification")
        onClicked: root.present("noti")
    }

    MenuIcon {
        objectName: "deleteButton"
        x: root.place(root.firstIcon + 2 * root.iconStep + 3 * root.gap, width)
        source: "qrc:/tallowick/images/Delete.svg"
        name: qsTrId("Delete")
        onClicked: if (root.event) menu.deleteEventWithId(root.event.eventId)
    }

    Alert {
        id: deleteAlert
        objectName: "deleteAlert"
        // Over the whole window, not just the menu's row.
        parent: root.Window.window ? root.Window.window.contentItem : root
        title: qsTrId("You can't delete the last one")
        message: qsTrId("Please create a new one first")
        primaryText: qsTrId("OK")
        onClosed: menu.showAlertDelete = false
    }

    component MenuIcon: Pressable {
        id: button
        property url source
        signal clicked()
        width: Style.iconSize
        height: Style.iconSize
        anchors.verticalCenter: parent.verticalCenter
        // A finger-sized target around the small glyph.
        touchMargin: Style.touchMargin
        toolTip: name
        ringColor: root.fontColor
        ringRadius: Style.focusRingRadius
        accessibilityHidden: root.accessibilityHidden
        onActivated: clicked()

        TintedIcon {
            objectName: button.objectName + "Icon"
            anchors.fill: parent
            source: button.source
            color: root.fontColor
        }
    }
}
