import QtQuick
import QtQuick.Controls.Basic

// An icon's words, shown under the pointer after a moment (see Pressable). In a file of its
// own, loaded on the first hover: the app starts without the controls it needs.
ToolTip {
    objectName: "toolTip"
    visible: true
    delay: 600
    timeout: 6000
}
