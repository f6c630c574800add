#include "recordingextension.h"

#include <home/entrychoice.h>

#include <support/testenvironment.h>

#include <gtest/gtest.h>

namespace {

const QDateTime kNow = QDateTime::fromSecsSinceEpoch(1714550400); // 2024-05-01 08:00 UTC

WidgetEntry at(qint64 secondsFromNow, Qt::GlobalColor color)
{
    return RecordingExtension::entry(kNow.addSecs(secondsFromNow), color);
}

QColor chosenColor(const QList<WidgetEntry> &entries)
{
    const auto entry = EntryChoice::current(WidgetTimeline{entries}, kNow);
    return entry ? RecordingExtension::colorOf(*entry) : QColor();
}

} // namespace

TEST(EntryChoice, ShowsTheLatestEntryAlreadyDue)
{
    EXPECT_EQ(chosenColor({at(-7200, Qt::red), at(-3600, Qt::green), at(3600, Qt::blue)}), QColor(Qt::green));
    // Order in the timeline does not matter; dates do, and "due" includes this very moment.
    EXPECT_EQ(chosenColor({at(-60, Qt::red), at(-7200, Qt::green)}), QColor(Qt::red));
    EXPECT_EQ(chosenColor({at(-60, Qt::red), at(0, Qt::green)}), QColor(Qt::green));
    // Of entries due at the same moment, the later one replaces the earlier.
    EXPECT_EQ(chosenColor({at(-60, Qt::red), at(-60, Qt::green)}), QColor(Qt::green));
    // An entry without a date has always been due.
    EXPECT_EQ(chosenColor({RecordingExtension::entry(QDateTime(), Qt::red), at(3600, Qt::green)}), QColor(Qt::red));
}

TEST(EntryChoice, BeforeItsFirstDateATimelineShowsItsFirstEntry)
{
    // A clock set back behind the entries' dates must not empty the widget.
    EXPECT_EQ(chosenColor({at(7200, Qt::red), at(3600, Qt::green)}), QColor(Qt::green));
    EXPECT_EQ(chosenColor({at(3600, Qt::red), at(3600, Qt::green)}), QColor(Qt::red));
}

TEST(EntryChoice, AnEmptyTimelineShowsTheExtensionsPlaceholderForTheFamily)
{
    RecordingExtension extension;
    EXPECT_FALSE(EntryChoice::current(WidgetTimeline{}, kNow));

    const WidgetEntry empty = EntryChoice::shown(extension, WidgetTimeline{}, WidgetFamily::SystemMedium, kNow);
    EXPECT_EQ(RecordingExtension::colorOf(empty), RecordingExtension::kPlaceholderColor);
    EXPECT_EQ(empty.content.toMap().value(QStringLiteral("family")).toString(), QStringLiteral("medium"));

    const WidgetEntry due = EntryChoice::shown(extension, WidgetTimeline{{at(-1, Qt::red)}}, WidgetFamily::SystemSmall, kNow);
    EXPECT_EQ(RecordingExtension::colorOf(due), QColor(Qt::red));
}
