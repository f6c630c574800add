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
        x: root.alignment === Qt.AlignLeft ? 0
           : root.alignment === Qt.AlignRight ? root.width - width
           : (root.width - width) / 2
    }
}
