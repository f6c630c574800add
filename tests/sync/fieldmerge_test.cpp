#include <support/testevents.h>
#include <sync/fieldmerge.h>

#include <gtest/gtest.h>

namespace {

const SyncedEvent kBase{TestEvent::numbered(1).titled(QStringLiteral("Base")).reminder(1), QStringLiteral("V")};

SyncedEvent titled(const char *title)
{
    SyncedEvent changed = kBase;
    changed.event.dateTitle = QString::fromUtf8(title);
    return changed;
}

TEST(FieldMerge, EachFieldTakesTheSideThatChangedIt)
{
    const struct
    {
        const char *name;
        SyncedEvent local;
        SyncedEvent server;
        QString title;
        QStringList conflicts;
    } cases[] = {
        {"neither", kBase, kBase, "Base", {}},
        {"local only", titled("Local"), kBase, "Local", {}},
        {"server only", kBase, titled("Server"), "Server", {}},
        {"both the same", titled("Same"), titled("Same"), "Same", {}},
        // canonically equivalent spellings are the same title
        {"both equivalent", titled("Cafe\xcc\x81"), titled("Caf\xc3\xa9"), "Caf\xc3\xa9", {}},
        {"both differently", titled("Local"), titled("Server"), "Server", {"dateTitle"}},
    };
    for (const auto &c : cases) {
        const FieldMerge::Result result = FieldMerge::merge(kBase, c.local, c.server);
        EXPECT_EQ(result.merged.event.dateTitle, c.title) << c.name;
        EXPECT_EQ(result.conflicts, c.conflicts) << c.name;
    }
}

TEST(FieldMerge, ChangesToDifferentFieldsAreAllKept)
{
    SyncedEvent local = titled("Local");
    local.event.repeatNotification = 3;
    local.sortKey = QStringLiteral("a");
    SyncedEvent server = kBase;
    server.event.ddate = QStringLiteral("2031-05-05");
    server.event.repeat = QStringLiteral("yearly");
    server.event.repeatNotification.reset();
    server.sortKey = QStringLiteral("b");

    const FieldMerge::Result result = FieldMerge::merge(kBase, local, server);
    SyncedEvent expected = local;
    expected.event.ddate = server.event.ddate;
    expected.event.repeat = server.event.repeat;
    expected.event.repeatNotification.reset();
    expected.sortKey = server.sortKey;
    EXPECT_TRUE(result.merged == expected);
    EXPECT_EQ(result.conflicts, QStringList({"repeatNotification", "sortKey"}));
}

TEST(FieldMerge, AnEditBeatsADelete)
{
    EXPECT_TRUE(FieldMerge::editedSince(kBase, titled("Edited")));
    EXPECT_FALSE(FieldMerge::editedSince(kBase, kBase));
}

} // namespace
