#include "recordingextension.h"

#include <home/widgetpainter.h>

#include <gtest/gtest.h>

TEST(WidgetPainter, DrawsTheFamilysSizeTimesTheScaleWithRoundedCorners)
{
    RecordingExtension extension;
    const WidgetEntry entry = RecordingExtension::entry(QDateTime(), QColor(0x33, 0x66, 0xcc));

    const QImage small = WidgetPainter::render(extension, entry, WidgetFamily::SystemSmall, 2);
    EXPECT_EQ(small.size(), QSize(340, 340));
    EXPECT_EQ(small.pixelColor(170, 170), QColor(0x33, 0x66, 0xcc));
    // The extension painted far past the widget; the outline keeps the corners clear.
    EXPECT_EQ(small.pixelColor(0, 0).alpha(), 0);
    EXPECT_EQ(small.pixelColor(339, 339).alpha(), 0);
    EXPECT_EQ(small.pixelColor(170, 1), QColor(0x33, 0x66, 0xcc));

    EXPECT_EQ(WidgetPainter::render(extension, entry, WidgetFamily::SystemMedium, 1).size(), QSize(364, 170));
    EXPECT_EQ(WidgetPainter::render(extension, entry, WidgetFamily::SystemLarge, 3).size(), QSize(1092, 1146));
    EXPECT_EQ(WidgetPainter::render(extension, entry, WidgetFamily::SystemExtraLarge, 1.5).size(), QSize(1073, 573));
}
