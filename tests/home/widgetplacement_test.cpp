#include <home/widgetplacement.h>

#include <gtest/gtest.h>

TEST(WidgetPlacement, KeepsEachWindowWhollyOnTheScreenItIsOn)
{
    // A laptop's panel-less area beside a larger monitor to its right.
    const QRect laptop(0, 0, 1366, 740);
    const QRect monitor(1366, 0, 1920, 1050);
    const QSize small(170, 170);
    const struct
    {
        const char *what;
        QList<QRect> screens;
        QPoint at;
        QPoint expected;
    } cases[] = {
        {"wholly on its screen: left as it is", {laptop, monitor}, {100, 100}, {100, 100}},
        {"past the right edge of the last screen", {laptop, monitor}, {3200, 500}, {3286 - 170, 500}},
        {"above and left of everything", {laptop, monitor}, {-400, -50}, {0, 0}},
        {"across two screens: the one under its centre", {laptop, monitor}, {1300, 100}, {1366, 100}},
        {"below the laptop, beside the taller monitor", {laptop, monitor}, {600, 900}, {600, 740 - 170}},
        {"the monitor unplugged: onto the laptop", {laptop}, {2000, 800}, {1366 - 170, 740 - 170}},
        {"no screen at all", {}, {5000, 5000}, {5000, 5000}},
        {"a screen smaller than the widget: its corner", {QRect(0, 0, 120, 100)}, {30, 30}, {0, 0}},
    };
    for (const auto &one : cases)
        EXPECT_EQ(WidgetPlacement::clamped(QRect(one.at, small), one.screens), one.expected) << one.what;
}
