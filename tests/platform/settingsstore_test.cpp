#include <platform/plistcodec.h>
#include <platform/settingsstore.h>
#include <platform/sharedcontainer.h>
#include <support/testenvironment.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSize>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

class Settings : public ::testing::Test
{
protected:
    TemporaryHome home;
};


} // namespace

TEST_F(Settings, LivesUnderTheConfigHomeAndStartsEmpty)
{
    const SettingsStore store;
    EXPECT_EQ(store.path(), home.configHome() + QStringLiteral("/tallowick/settings.plist"));
    EXPECT_TRUE(store.load().isEmpty());
    EXPECT_FALSE(store.value(QStringLiteral("magicDates")).isValid());
    EXPECT_FALSE(store.boolValue(QStringLiteral("appReview")));
}

TEST_F(Settings, ValuesSurviveInAnotherInstanceAsABinaryPropertyList)
{
    const QByteArray data("\x00\x01payload", 9);
    {
        const SettingsStore writer;
        ASSERT_TRUE(writer.setValue(QStringLiteral("magicDates"), data));
        ASSERT_TRUE(writer.setValue(QStringLiteral("appReview"), true));
    }
    const SettingsStore reader;
    EXPECT_EQ(reader.value(QStringLiteral("magicDates")).toByteArray(), data);
    EXPECT_TRUE(reader.boolValue(QStringLiteral("appReview")));
    EXPECT_TRUE(readFile(reader.path()).startsWith("bplist00"));

    ASSERT_TRUE(reader.remove(QStringLiteral("magicDates")));
    EXPECT_FALSE(SettingsStore().value(QStringLiteral("magicDates")).isValid());
    EXPECT_TRUE(SettingsStore().boolValue(QStringLiteral("appReview")));
}

TEST_F(Settings, FilesAndFoldersAreReachableOnlyByTheirUser)
{
    const SettingsStore store;
    ASSERT_TRUE(store.setValue(QStringLiteral("appReview"), false));
    EXPECT_EQ(permissionBits(store.path()), 0600);
    EXPECT_EQ(permissionBits(QFileInfo(store.path()).absolutePath()), 0700);

    const QString container = SharedContainer::ensure();
    EXPECT_EQ(container, home.dataHome() + QStringLiteral("/group.Ostra.Ruru.contents"));
    EXPECT_EQ(permissionBits(container), 0700);
}

TEST_F(Settings, AnUnreadableFileIsKeptAsideAndReadsAsEmpty)
{
    const SettingsStore store;
    for (const QByteArray &junk : {QByteArray("garbage that is no plist"), PlistCodec::toBinary(QVariantList{1, 2}),
                                   QByteArray("bplist00\x01\x02", 10)}) {
        writeFile(store.path(), junk);
        EXPECT_TRUE(store.load().isEmpty());
        EXPECT_FALSE(QFile::exists(store.path()));
        const QStringList aside = QDir(QFileInfo(store.path()).absolutePath())
                                      .entryList({QStringLiteral("settings.plist.unreadable-*")}, QDir::Files);
        ASSERT_FALSE(aside.isEmpty());
        bool kept = false;
        for (const QString &name : aside)
            kept = kept || readFile(QFileInfo(store.path()).absolutePath() + QLatin1Char('/') + name) == junk;
        EXPECT_TRUE(kept);
    }
}

TEST_F(Settings, UpdatesFromTwoStoresOnOneFileBothLand)
{
    const SettingsStore first;
    const SettingsStore second;
    ASSERT_TRUE(first.setValue(QStringLiteral("a"), 1));
    ASSERT_TRUE(second.setValue(QStringLiteral("b"), 2));
    const QVariantMap values = SettingsStore().load();
    EXPECT_EQ(values.value(QStringLiteral("a")).toLongLong(), 1);
    EXPECT_EQ(values.value(QStringLiteral("b")).toLongLong(), 2);
}

TEST_F(Settings, AStandardPropertyListReaderReadsTheFile)
{
    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (python.isEmpty())
        GTEST_SKIP() << "python3 is not installed";
    const SettingsStore store;
    const QByteArray inner = PlistCodec::toBinary(QVariantList{QVariantMap{{QStringLiteral("ddate"), QStringLiteral("2024-05-01")}}});
    ASSERT_TRUE(store.update([&](QVariantMap &values) {
        values.insert(QStringLiteral("magicDates"), inner);
        values.insert(QStringLiteral("appReview"), true);
    }));
    QProcess process;
    process.start(python, {QStringLiteral("-c"), QStringLiteral(R"(
import plistlib, sys
with open(sys.argv[1], 'rb') as f:
    root = plistlib.load(f)
events = plistlib.loads(root['magicDates'])
print(type(root['magicDates']).__name__, root['appReview'] is True, events[0]['ddate'])
)"),
                           store.path()});
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ(process.readAllStandardOutput().trimmed(), QByteArray("bytes True 2024-05-01"))
        << process.readAllStandardError().constData();
}

TEST(PlistCodec, RoundTripsEveryValueKind)
{
    const QVariantMap values{
        {QStringLiteral("text"), QStringLiteral("héllo ✓")},
        {QStringLiteral("flag"), false},
        {QStringLiteral("int"), QVariant::fromValue<qlonglong>(-42)},
        {QStringLiteral("big"), QVariant::fromValue<qlonglong>(Q_INT64_C(9007199254740993))},
        {QStringLiteral("real"), 2.5},
        {QStringLiteral("data"), QByteArray("\x00\xff", 2)},
        {QStringLiteral("list"), QVariantList{QStringLiteral("a"), true}},
    };
    const auto decoded = PlistCodec::fromBinary(PlistCodec::toBinary(values));
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(decoded->toMap(), values);
    EXPECT_FALSE(PlistCodec::fromBinary(QByteArray()));
    EXPECT_TRUE(PlistCodec::toBinary(QVariant::fromValue(QSize(1, 2))).isEmpty());
}
