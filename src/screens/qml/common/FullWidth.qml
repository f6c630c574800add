import QtQuick

// Spreads its content across the row: at the start, the end, or centred.
Item {
    id: root
    property int alignment: Qt.AlignLeft
    default property alias content: holder.data
    implicitWidth: holder.childrenRect.width
    implicitHeight: holder.childrenRect.height

    Item {
        id: holder
        width: childrenRect.width
        height: childrenRect.height
        // The start and the end swap when the layout is mirrored.
        readonly property int start: root.LayoutMirroring.enabled ? Qt.AlignRight : Qt.AlignLeft
        readonly property int end: root.LayoutMirroring.enabled ? Qt.AlignLeft : Qt.AlignRight
        x: root.alignment === start ? 0
           : root.alignment === end ? root.width - width
           : (root.width - width) / 2
    }
}
