import QtQuick
import Tallowick

// A short wrapped text whose lines come out even, so that no word or character is left alone
// on its last line. Centred, the room this leaves is shared by both sides; otherwise it lies
// on the trailing side.
Text {
    readonly property real slack: width - LineBreaks.balancedWidth(text, font, width)
    readonly property bool centred: horizontalAlignment === Text.AlignHCenter
    leftPadding: centred ? slack / 2 : LayoutMirroring.enabled ? slack : 0
    rightPadding: centred ? slack / 2 : LayoutMirroring.enabled ? 0 : slack
    textFormat: Text.PlainText
    wrapMode: Text.Wrap
}
