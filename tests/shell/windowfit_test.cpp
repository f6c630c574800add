#include <shell/windowfit.h>

#include <gtest/gtest.h>

// The first window on the screens people have: the phone size where it fits, shorter (never
// below the smallest size, unless the screen itself is shorter) where it does not, a
// remembered size kept within today's screen.

namespace {

struct Screen
{
    const char *what;
    QRect available;   // the free area, in points (a 1920x1080 screen at 150 % is 1280x720)
    QString platform;
    QSize wanted;
    QSize expected;
};

class FirstWindow : public ::testing::TestWithParam<Screen>
{
};

} // namespace

TEST_P(FirstWindow, FitsTheScreensFreeAreaWithItsFrame)
{
    const Screen &screen = GetParam();
    const QSize size = WindowFit::fit(screen.wanted, WindowFit::roomBeforeShow(screen.available, screen.platform));
    EXPECT_EQ(size, screen.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, FirstWindow,
    ::testing::Values(
        // Room for the phone size and its frame: it is taken as it is.
        Screen{"1920x1080 at 100 %", QRect(0, 0, 1920, 1040), QStringLiteral("xcb"), WindowFit::kPhoneSize, {390, 844}},
        // Laptops: the window is as tall as the free area less a title bar.
        Screen{"1280x800", QRect(0, 0, 1280, 800), QStringLiteral("xcb"), WindowFit::kPhoneSize, {390, 756}},
        Screen{"1366x768 with a panel", QRect(0, 0, 1366, 728), QStringLiteral("xcb"), WindowFit::kPhoneSize, {390, 684}},
        Screen{"1920x1080 at 150 %", QRect(0, 0, 1280, 720), QStringLiteral("xcb"), WindowFit::kPhoneSize, {390, 676}},
        // On Wayland the free area is the whole screen: a panel's room is kept too.
        Screen{"1280x800 on Wayland", QRect(0, 0, 1280, 800), QStringLiteral("wayland"), WindowFit::kPhoneSize, {390, 708}},
        // Shorter than the smallest layout: as tall as the room, and wide enough for the pages'
        // side-by-side layout, which keeps every control in reach there.
        Screen{"1366x768 at 200 %", QRect(0, 0, 683, 384), QStringLiteral("xcb"), WindowFit::kPhoneSize, {640, 340}},
        Screen{"1280x800 at 200 % on Wayland", QRect(0, 0, 640, 400), QStringLiteral("wayland"), WindowFit::kPhoneSize, {632, 308}},
        // A remembered size: as it was where it fits, within today's screen where it does not.
        Screen{"remembered, fits", QRect(0, 0, 1920, 1040), QStringLiteral("xcb"), {600, 900}, {600, 900}},
        Screen{"remembered, screen smaller now", QRect(1920, 0, 1280, 800), QStringLiteral("xcb"), {1900, 1000}, {1272, 756}},
        Screen{"remembered, smaller than the smallest", QRect(0, 0, 1920, 1040), QStringLiteral("xcb"), {200, 300}, {320, 560}}),
    [](const ::testing::TestParamInfo<Screen> &info) {
        std::string name;
        for (const char c : std::string(info.param.what))
            name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });

// Once shown, the real frame is known: the window shrinks to what the frame leaves, and its
// frame moves into the free area.
TEST(FirstWindow, AShownWindowMovesItsFrameIntoTheFreeArea)
{
    const QRect available(0, 27, 1280, 773);
    EXPECT_EQ(WindowFit::roomWithFrame(available, QMargins(1, 30, 1, 1)), QSize(1278, 742));
    EXPECT_EQ(WindowFit::keepWithin(QRect(100, 400, 392, 600), available), QPoint(100, 200));
    EXPECT_EQ(WindowFit::keepWithin(QRect(-50, 0, 392, 600), available), QPoint(0, 27));
    EXPECT_EQ(WindowFit::keepWithin(QRect(100, 100, 392, 600), available), QPoint(100, 100));
}
