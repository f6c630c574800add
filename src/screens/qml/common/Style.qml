pragma Singleton
import QtQuick
import Tallowick

// The screens' units, named once: sizes, gaps and radii in points (the window's own units,
// which the display's scale multiplies), text sizes in typographic points (which the
// desktop's text scaling multiplies too), the durations of motion, and the few fixed colours,
// light or dark as the desktop prefers. The bar drawings keep their own numbers: each is the
// design of one picture.
QtObject {
    // The desktop's preferences, followed while the app runs.
    readonly property bool dark: DesktopLook.dark
    readonly property bool reducedMotion: DesktopLook.reducedMotion
    // How much larger the desktop draws text than the standard 96 dots per inch.
    readonly property real textScale: DesktopLook.textScale

    // --- The window
    readonly property real windowWidth: 390
    readonly property real windowHeight: 844
    readonly property real minimumWindowWidth: 320
    readonly property real minimumWindowHeight: 560

    // --- Gaps, from the smallest
    readonly property real hairline: 0.5
    readonly property real gapXXS: 3
    readonly property real gapXS: 4
    readonly property real gapS: 8
    readonly property real gapM: 10
    readonly property real gapL: 12
    readonly property real gapXL: 16
    readonly property real gapXXL: 20
    readonly property real gapSection: 30

    // --- Radii
    readonly property real radiusXS: 6
    readonly property real radiusS: 10
    readonly property real radiusM: 12
    readonly property real radiusL: 14
    readonly property real radiusXL: 20
    // A capsule's ends: half the height of the 60-point button.
    readonly property real radiusCapsule: 30

    // --- Controls
    // The height of a row a finger or a pointer aims at: toggles, switches, alert buttons.
    readonly property real controlHeight: 44
    // The sheets' controls keep to this width when nothing wider is given.
    readonly property real controlWidth: 300
    readonly property real contentWidth: 340
    readonly property real buttonHeight: 60
    readonly property real buttonWidth: 200
    // The primary button's soft shadow: where it falls, and how far each of its layers widens.
    readonly property point buttonShadowOffset: Qt.point(10, 25)
    readonly property real buttonShadowSpread: 4
    readonly property real iconSize: 30
    // The focus ring stands this far outside what it rings.
    readonly property real focusRingGap: 4
    readonly property real focusRingWidth: 2.5
    readonly property real focusRingRadius: 8
    readonly property real scrollBarThin: 4
    readonly property real scrollBarWide: 8
    // Room around a small glyph that a pointer also hits.
    readonly property real touchMargin: 10
    readonly property real touchMarginSmall: 6

    // --- The event page
    // From the page's edges to its texts and buttons.
    readonly property real pageMargin: 35
    readonly property real pageTop: 55
    readonly property real overviewButtonSize: 28
    // From the summary button to the title.
    readonly property real titleGap: 26
    // Above the "D-DAY" over the count.
    readonly property real countLabelTop: 15
    // The page dots stand a little lower than the summary button's top.
    readonly property real indicatorDrop: 7
    readonly property real indicatorHeight: 20
    readonly property real indicatorDot: 7
    // How tall a dot's target for a click is.
    readonly property real indicatorDotTarget: 24
    // Past fourteen pages: "c / n", a little above the dots' line.
    readonly property real indicatorCounterRaise: 5
    readonly property real indicatorCounterSpacing: 5
    readonly property real addButtonSize: 68
    readonly property real menuLeading: 30
    readonly property real menuTrailing: 14
    readonly property real menuBottom: 25
    // The widest the count is drawn, and the smallest; the title's and the count's lines.
    readonly property real countMaximum: 110
    readonly property real countMinimum: 56
    // ... in a window shorter than the smallest (a laptop's screen at 200 %)
    readonly property real countMinimumShort: 44
    readonly property real titleLineHeight: 1.25
    readonly property real countLineHeight: 1.2
    readonly property real dateLineHeight: 22
    readonly property real countLabelLineHeight: 18
    // Wider than this (and than tall), the page's picture stands beside its texts.
    readonly property real wideWidth: 600
    // The strip of pictures the pages are dragged by: from just below the summary button to
    // just above the menu.
    readonly property real stripDrop: 7
    readonly property real stripGap: 5

    // --- Sheets
    readonly property real sheetTopInset: 44
    readonly property real sheetMaximumWidth: 640
    // From a sheet's sides to its content.
    readonly property real sheetMargin: 25
    readonly property real grabHandleWidth: 80
    readonly property real grabHandleHeight: 6
    // The strip at a sheet's top that pulls it down; the close button in its corner.
    readonly property real sheetDragStrip: 40
    readonly property real closeButtonSize: 30
    readonly property point closeButtonMargin: Qt.point(14, 10)
    // The forms: their heading row, the date wheel, the theme strip and its thumbs.
    readonly property real grabRowHeight: 38
    // Section labels stand in from the controls' edge.
    readonly property real labelInset: 15
    readonly property real pickerHeight: 180
    // The date wheel: the gap above it, where its label sits.
    readonly property real pickerGap: 25
    readonly property real pickerLabelInset: 13
    readonly property real pickerRowHeight: 70
    readonly property real outlineWidth: 2
    readonly property real themeStripHeight: 90
    readonly property real thumbSize: 60
    readonly property real thumbSelectedSize: 80
    readonly property real thumbDotSize: 25
    readonly property real thumbSelectedDotSize: 30
    readonly property real thumbRingWidth: 6
    readonly property real thumbSpacing: 15
    readonly property real titleFieldHeight: 55
    readonly property point fieldPadding: Qt.point(22, 18)
    readonly property real switchLabelInset: 18
    readonly property real switchWidth: 52
    readonly property real switchHeight: 30
    readonly property real switchKnob: 24
    // The summary's rows: from the sheet's side to the texts, and the reorder handle.
    readonly property real rowInset: 30
    readonly property real cellPadding: 15
    readonly property real gripWidth: 44
    readonly property size gripBar: Qt.size(20, 2)
    // A row dragged this near the list's top or bottom scrolls the list on.
    readonly property real autoScrollEdge: 48
    // The calendar and backup actions: outlined capsules.
    readonly property real chipHeight: 36
    readonly property real chipPadding: 14
    readonly property real chipBorder: 1.5
    readonly property real chipMargin: 24
    // The reminder sheet: an option's round button, the maker's apps' icons.
    readonly property real optionPadding: 5
    readonly property real radioSize: 24
    readonly property real radioBorder: 2.5
    readonly property real radioDot: 12
    readonly property real optionLabelWidth: 100
    readonly property real appIconSize: 64
    readonly property real appTextSpacing: 5
    readonly property real rateSpacing: 7
    readonly property real dividerWidth: 300
    readonly property real studioIconSize: 32
    readonly property real iconLabelGap: 6
    // Below the last thing a scrolled sheet shows.
    readonly property real sheetBottom: 34

    // --- Alerts, notices and the settings page
    readonly property real alertWidth: 270
    readonly property real alertPaddingTop: 19
    readonly property real noticeBottom: 110
    readonly property real noticeActionHeight: 32
    readonly property real settingsTop: 58
    readonly property real settingsTitleTop: 96
    readonly property real settingsRowHeight: 52
    readonly property real toggleWidth: 51
    readonly property real toggleHeight: 31
    readonly property real toggleKnob: 27

    // --- Text sizes, in points. One point is 4/3 of a pixel at the desktop's standard 96 dots
    // per inch, so each size is written as the pixel size it is drawn at there.
    readonly property real pointsPerPixel: 0.75
    readonly property real textCaption: 13 * pointsPerPixel
    readonly property real textLabel: 14 * pointsPerPixel
    readonly property real textBody: 15 * pointsPerPixel
    readonly property real textHeadline: 17 * pointsPerPixel
    readonly property real textWheel: 20 * pointsPerPixel
    readonly property real textCellTitle: 22 * pointsPerPixel
    readonly property real textTitle: 24 * pointsPerPixel
    readonly property real textLargeTitle: 34 * pointsPerPixel
    readonly property real textDisplay: 35 * pointsPerPixel
    // The smallest a text that shrinks to fit may become.
    readonly property real textSmallest: 12 * pointsPerPixel

    // The pixels a text of `points` takes on this desktop: for the texts that shrink to fit
    // their box, which Qt does only in whole pixel or point steps (whole points would move
    // every size off the pixel it was drawn at).
    function pixels(points) {
        return Math.round(points / pointsPerPixel * textScale)
    }

    // --- Motion, in milliseconds: each is a cut when the desktop asks for reduced motion.
    readonly property int pressDuration: reducedMotion ? 0 : 90
    readonly property int toggleKnobDuration: reducedMotion ? 0 : 150
    readonly property int switchDuration: reducedMotion ? 0 : 200
    readonly property int fadeDuration: reducedMotion ? 0 : 200
    readonly property int sheetDuration: reducedMotion ? 0 : 300
    readonly property int slideDuration: reducedMotion ? 0 : 350
    readonly property int toggleDuration: reducedMotion ? 0 : 400

    // --- Colours of what is not drawn in an event's own colours
    // The platform's blue: buttons that are only text, the focus ring on light grey.
    readonly property color accent: dark ? "#0A84FF" : "#007AFF"
    readonly property color label: dark ? "#FFFFFF" : "#000000"
    readonly property color secondaryLabel: dark ? "#8D8D93" : "#6D6D72"
    // Text on the summary list when the event's own colours do not read on it.
    readonly property color listLabel: dark ? "#F2F2F7" : "#1C1C1E"
    readonly property color listBackground: dark ? "#1C1C1E" : "#FFFFFF"
    readonly property color listHover: dark ? "#2C2C2E" : "#F2F2F7"
    readonly property color listPressed: dark ? "#3A3A3C" : "#E5E5EA"
    readonly property color separator: dark ? "#38383A" : "#C6C6C8"
    readonly property color grip: dark ? "#636366" : "#A3A3A8"
    readonly property color alertCard: dark ? "#2C2C2E" : "#F2F2F2"
    readonly property color alertSeparator: dark ? "#EBEBF5" : "#3C3C43"
    readonly property color groupedBackground: dark ? "#000000" : "#F2F2F7"
    readonly property color groupedRow: dark ? "#1C1C1E" : "#FFFFFF"
    readonly property color switchOn: dark ? "#30D158" : "#34C759"
    readonly property color switchOff: dark ? "#39393D" : "#E9E9EA"
    readonly property color switchKnobBorder: "#1A000000"
    readonly property color noticeBackground: dark ? "#E63A3A3C" : "#E6222222"
    readonly property color noticeAction: "#FFD60A"
    // What went wrong (a failed sync), in words on the list's background.
    readonly property color failure: dark ? "#FF453A" : "#D70015"
}
