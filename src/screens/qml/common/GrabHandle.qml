import QtQuick
import Tallowick

// The little bar at the top of a sheet that says it can be pulled down.
Rectangle {
    implicitWidth: Style.grabHandleWidth
    implicitHeight: Style.grabHandleHeight
    radius: Style.radiusS
    color: "black"
    opacity: 0.1
    // Said by the sheet's close button, which does what pulling it does.
    Accessible.ignored: true
}
