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

#include <unistd.h>

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
    EXPECT_TRUE(store.load().value().isEmpty());
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
        // Readers only report it; the file stays where it is until a writer loads it.
        const SettingsStore::Contents seen = store.read();
        EXPECT_TRUE(seen.unreadable);
        EXPECT_TRUE(seen.values.isEmpty());
        EXPECT_FALSE(store.value(QStringLiteral("appReview")).isValid());
        EXPECT_EQ(readFile(store.path()), junk);
        EXPECT_TRUE(store.load().value().isEmpty());
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

TEST_F(Settings, AFileThatCannotBeOpenedIsNeverWrittenOver)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root opens any file";
    const SettingsStore store;
    ASSERT_TRUE(store.setValue(QStringLiteral("appReview"), true));
    const QByteArray before = readFile(store.path());
    ASSERT_TRUE(QFile::setPermissions(store.path(), QFileDevice::WriteOwner));
    EXPECT_TRUE(store.read().inaccessible);
    EXPECT_FALSE(store.load().has_value());
    EXPECT_FALSE(store.setValue(QStringLiteral("appReview"), false));
    ASSERT_TRUE(QFile::setPermissions(store.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    EXPECT_EQ(readFile(store.path()), before);
}

TEST_F(Settings, UpdatesFromTwoStoresOnOneFileBothLand)
{
    const SettingsStore first;
    const SettingsStore second;
    ASSERT_TRUE(first.setValue(QStringLiteral("a"), 1));
    ASSERT_TRUE(second.setValue(QStringLiteral("b"), 2));
    const QVariantMap values = SettingsStore().load().value();
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

// Texts holding U+0000 (UTF-16 ones in binary lists, raw NUL bytes in XML) make libplist 2.2
// abort the process when they are read; such files are refused as unreadable instead, whether
// the text is a value or a key.
TEST(PlistCodec, RefusesUtf16TextsHoldingNul)
{
    const QByteArray valueWithNul = QByteArray::fromHex(
        "62706c6973743030d10102516b6200e90000080b0d00000000000001010000000000000003000000000000000000000000"
        "00000012"); // {"k": "é\0"}
    const QByteArray keyWithNul = QByteArray::fromHex(
        "62706c6973743030d101026200e9000009080b1000000000000001010000000000000003000000000000000000000000"
        "00000011"); // {"é\0": true}
    const QByteArray xmlWithNul("<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>k</key>"
                                "<string>a\0b</string></dict></plist>", 95);
    EXPECT_FALSE(PlistCodec::fromBinary(valueWithNul));
    EXPECT_FALSE(PlistCodec::fromBinary(keyWithNul));
    EXPECT_FALSE(PlistCodec::fromBinary(xmlWithNul));
    EXPECT_TRUE(PlistCodec::fromBinary(QByteArray(xmlWithNul).replace('\0', 'x')));

    const QVariantMap fine{{QStringLiteral("é"), QStringLiteral("ü and \u4E2D")}};
    const auto decoded = PlistCodec::fromBinary(PlistCodec::toBinary(fine));
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(decoded->toMap(), fine);
}

TEST_F(Settings, AFileThatWouldAbortTheReaderIsKeptAside)
{
    const QByteArray keyWithNul = QByteArray::fromHex(
        "62706c6973743030d101026200e9000009080b1000000000000001010000000000000003000000000000000000000000"
        "00000011");
    const SettingsStore store;
    writeFile(store.path(), keyWithNul);
    EXPECT_TRUE(store.load().value().isEmpty());
    const QStringList aside = QDir(QFileInfo(store.path()).absolutePath())
                                  .entryList({QStringLiteral("settings.plist.unreadable-*")}, QDir::Files);
    ASSERT_EQ(aside.size(), 1);
    EXPECT_EQ(readFile(QFileInfo(store.path()).absolutePath() + QLatin1Char('/') + aside.first()), keyWithNul);
}
