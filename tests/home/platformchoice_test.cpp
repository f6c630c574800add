#include <home/platformchoice.h>

#include <gtest/gtest.h>

namespace {

struct Case
{
    const char *what;
    PlatformChoice::Facts facts;
    bool showsWindows;
    bool asks; // whether the compositor is asked about layer shell
    PlatformChoice expected;
};

// facts: {QT_QPA_PLATFORM, Wayland, X11, layer shell}
const Case kCases[] = {
    {"wlroots or KDE: layer surfaces, Qt's own windows on Wayland (else XWayland)",
     {"", true, true, true}, true, true, {"wayland;xcb", true}},
    {"layer shell without XWayland", {"", true, false, true}, true, true, {"wayland;xcb", true}},
    {"GNOME (no layer shell): everything through XWayland", {"", true, true, false}, true, true, {"xcb", false}},
    {"Wayland with neither: Qt windows on Wayland", {"", true, false, false}, true, true, {"", false}},
    {"X11 alone", {"", false, true, false}, true, false, {"", false}},
    {"no display: reminders only", {"", false, false, false}, true, false, {"offscreen", false}},
    {"a command draws pictures only", {"", true, true, true}, false, false, {"offscreen", false}},
    {"the person's xcb stands", {"xcb", true, true, true}, true, false, {"", false}},
    {"the person's wayland keeps layer surfaces", {"wayland", true, true, true}, true, true, {"", true}},
    {"the person's wayland without layer shell", {"wayland", true, true, false}, true, true, {"", false}},
    {"the tests' offscreen", {"offscreen", true, true, true}, true, false, {"", false}},
};

} // namespace

TEST(PlatformChoice, LayerSurfacesWhereOfferedXWaylandWhereNot)
{
    for (const Case &test : kCases) {
        SCOPED_TRACE(test.what);
        EXPECT_EQ(PlatformChoice::asksAboutLayerShell(test.facts, test.showsWindows), test.asks);
        const PlatformChoice choice = PlatformChoice::choose(test.facts, test.showsWindows);
        EXPECT_EQ(choice.platform, test.expected.platform);
        EXPECT_EQ(choice.layerSurfaces, test.expected.layerSurfaces);
    }
}
