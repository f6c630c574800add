#include <home/instancestore.h>

#include <support/testenvironment.h>

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

class InstanceStoreTest : public ::testing::Test
{
protected:
    TemporaryHome home;

    static WidgetInstance instance(WidgetFamily family, std::optional<WidgetConfigurationOption> configuration,
                                   QPoint position)
    {
        return WidgetInstance{{}, QStringLiteral("Kind"), family, std::move(configuration), position};
    }
};

} // namespace

TEST_F(InstanceStoreTest, LivesInTheConfigFolder)
{
    EXPECT_EQ(InstanceStore::defaultPath(), home.configHome() + QStringLiteral("/tallowick-home/widgets.json"));
}

TEST_F(InstanceStoreTest, ASecondStoreReadsWhatTheFirstWrote)
{
    InstanceStore first;
    const auto a = first.add(instance(WidgetFamily::SystemSmall, std::nullopt, QPoint(40, 40)));
    const auto b = first.add(instance(WidgetFamily::SystemLarge, WidgetConfigurationOption{QStringLiteral("2"), QStringLiteral("Trip")},
                                      QPoint(-120, 300)));
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->id, QStringLiteral("1"));
    EXPECT_EQ(b->id, QStringLiteral("2"));

    const QList<WidgetInstance> read = InstanceStore().instances();
    ASSERT_EQ(read.size(), 2);
    EXPECT_EQ(read.at(0), *a);
    EXPECT_EQ(read.at(1), *b);
    EXPECT_EQ(read.at(1).configuration->displayString, QStringLiteral("Trip"));
    EXPECT_EQ(read.at(1).position, QPoint(-120, 300));
}

TEST_F(InstanceStoreTest, FileAndFolderAreReachableOnlyByTheUser)
{
    InstanceStore store;
    ASSERT_TRUE(store.add(instance(WidgetFamily::SystemSmall, std::nullopt, {})));
    EXPECT_EQ(permissionBits(store.path()), 0600);
    EXPECT_EQ(permissionBits(QFileInfo(store.path()).absolutePath()), 0700);
}

TEST_F(InstanceStoreTest, UpdateAndRemoveActOnOneIdAndReportUnknownOnes)
{
    InstanceStore store;
    auto a = *store.add(instance(WidgetFamily::SystemSmall, std::nullopt, {}));
    const auto b = *store.add(instance(WidgetFamily::SystemMedium, std::nullopt, {}));

    a.family = WidgetFamily::SystemLarge;
    a.configuration = WidgetConfigurationOption{QStringLiteral("0"), QStringLiteral("Birthday")};
    EXPECT_TRUE(store.update(a));
    EXPECT_EQ(InstanceStore().instances(), (QList<WidgetInstance>{a, b}));

    WidgetInstance stranger = a;
    stranger.id = QStringLiteral("99");
    EXPECT_FALSE(store.update(stranger));
    EXPECT_FALSE(store.remove(QStringLiteral("99")));

    EXPECT_TRUE(store.remove(a.id));
    EXPECT_EQ(InstanceStore().instances(), QList<WidgetInstance>{b});
}

TEST_F(InstanceStoreTest, IdsAreNeverGivenTwice)
{
    InstanceStore store;
    store.add(instance(WidgetFamily::SystemSmall, std::nullopt, {}));
    const auto second = store.add(instance(WidgetFamily::SystemSmall, std::nullopt, {}));
    store.remove(second->id);
    EXPECT_EQ(store.add(instance(WidgetFamily::SystemSmall, std::nullopt, {}))->id, QStringLiteral("3"));

    // A hand-edited file may name ids its counter has not reached.
    writeFile(store.path(), R"({"nextId": 2, "widgets": [{"id": "7", "kind": "Kind", "family": "small", "x": 0, "y": 0}]})");
    EXPECT_EQ(store.add(instance(WidgetFamily::SystemSmall, std::nullopt, {}))->id, QStringLiteral("8"));
}

TEST_F(InstanceStoreTest, AnUnreadableFileIsKeptAsideNotOverwritten)
{
    InstanceStore store;
    const QByteArray damaged = R"({"widgets": [{"id": "1", "family": "huge", "x": 0, "y": 0}]})";
    writeFile(store.path(), damaged);

    EXPECT_TRUE(store.instances().isEmpty());
    ASSERT_TRUE(store.add(instance(WidgetFamily::SystemSmall, std::nullopt, {})));
    EXPECT_EQ(InstanceStore().instances().size(), 1);

    const QStringList aside = QDir(QFileInfo(store.path()).absolutePath())
                                  .entryList({QStringLiteral("widgets.json.unreadable-*")}, QDir::Files);
    ASSERT_EQ(aside.size(), 1);
    EXPECT_EQ(readFile(QFileInfo(store.path()).absolutePath() + QLatin1Char('/') + aside.first()), damaged);
}
