// What a settings file, a contents file or a link can hold that we never wrote: each has a
// clear outcome, and nothing a person had is lost.

#include "programs.h"
#include "storefiles.h"
#include <support/testevents.h>

#include <home/instancestore.h>
#include <intent/evenprovider.h>
#include <model/calendarhelper.h>
#include <model/resources.h>
#include <platform/atomicfile.h>
#include <platform/notificationcenter.h>
#include <platform/plistcodec.h>
#include <platform/settingsstore.h>
#include <store/linkdispatch.h>
#include <store/linkrequest.h>
#include <store/userdata.h>
#include <support/logcapture.h>
#include <support/testenvironment.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QUrl>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <random>

#include <sys/stat.h>
#include <unistd.h>

namespace {

class HostileInput : public ::testing::Test
{
protected:
    TemporaryHome home;
    const QDateTime now = localTime(2026, 12, 8, 9, 30);
    FixedClock clock{now};

    QString settingsFolder() const { return home.configHome() + QStringLiteral("/tallowick"); }

    // The files a store moved aside, with their bytes, and out of the way for the next case.
    QList<QByteArray> takeKeptAside()
    {
        QList<QByteArray> kept;
        for (const QString &path : filesNamedLike(home.root(), QStringLiteral("unreadable"))) {
            kept.append(readFile(path));
            QFile::remove(path);
        }
        return kept;
    }

    static bool isSymbolicLink(const QString &path) { return QFileInfo(path).isSymLink(); }

    static QString percentEncoded(const QString &text) { return QString::fromLatin1(QUrl::toPercentEncoding(text)); }

    static QString shareLink(const QString &title, const QString &extra = QString())
    {
        return QStringLiteral("tallowick://share?ddate=2027-01-01&countdown=true&dateTitle=%1%2").arg(title, extra);
    }
};

QByteArray randomBytes(int size, unsigned seed)
{
    std::mt19937 random(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &byte : bytes)
        byte = char(random());
    return bytes;
}

} // namespace

TEST_F(HostileInput, EveryKindOfBrokenSettingsFileGivesTheDefaultsAndIsKeptByteForByte)
{
    seedEvents(eventsTitled({QStringLiteral("Trip"), QStringLiteral("Exam")}));
    const QByteArray good = readFile(SettingsStore::defaultPath());
    const std::pair<const char *, QByteArray> cases[] = {
        {"empty", QByteArray()},
        {"cut after its header", good.left(12)},
        {"cut in the middle", good.left(good.size() / 2)},
        {"one byte short", good.left(good.size() - 1)},
        {"random bytes", randomBytes(4096, 7)},
        {"random bytes behind a plist header", QByteArray("bplist00") + randomBytes(600, 9)},
        {"a property list of another type", PlistCodec::toBinary(QVariantList{QStringLiteral("magicDates"), 1})},
        {"a text property list", PlistCodec::toBinary(QStringLiteral("magicDates"))},
        {"JSON", QByteArray(R"({"magicDates": []})")},
    };
    for (const auto &[what, bytes] : cases) {
        writeFile(SettingsStore::defaultPath(), bytes);
        const UserData store;
        EXPECT_EQ(store.magicDates(), defaultEvents()) << what;
        // The next start reads a good file again, and what was there is kept as it was.
        ASSERT_TRUE(savedListOnDisk().has_value()) << what;
        EXPECT_EQ(takeKeptAside(), QList<QByteArray>{bytes}) << what;
    }
}

TEST_F(HostileInput, AHugeSettingsFileIsKeptAsideUnreadWhenItCannotBeOursAndReadWhenItIs)
{
    // Larger than anything we write: not read into memory at all, moved aside as it is.
    {
        QDir().mkpath(settingsFolder());
        QFile huge(SettingsStore::defaultPath());
        ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
        ASSERT_TRUE(huge.resize(65 * 1024 * 1024)); // sparse: no disk space taken
    }
    const UserData store;
    EXPECT_EQ(store.magicDates(), defaultEvents());
    const QStringList aside = filesNamedLike(settingsFolder(), QStringLiteral("unreadable"));
    ASSERT_EQ(aside.size(), 1);
    EXPECT_EQ(QFileInfo(aside.at(0)).size(), 65 * 1024 * 1024);
    QFile::remove(aside.at(0));

    // Large but whole (a key of someone else's holding 24 MB): read, and kept through a save.
    const QByteArray blob = randomBytes(24 * 1024 * 1024, 3);
    ASSERT_TRUE(SettingsStore().setValue(QStringLiteral("somebodyElse"), blob));
    seedEvents(eventsTitled({QStringLiteral("Trip")}));
    UserData big;
    EXPECT_EQ(titlesOf(big.magicDates()), QStringList{QStringLiteral("Trip")});
    big.addEvent(localTime(2027, 1, 1), QStringLiteral("Added"), true, 1003);
    EXPECT_EQ(SettingsStore().value(QStringLiteral("somebodyElse")).toByteArray(), blob);
    EXPECT_EQ(titlesOf(savedListOnDisk().value()), (QStringList{QStringLiteral("Added"), QStringLiteral("Trip")}));
}

TEST_F(HostileInput, AnEventListOfTheWrongTypeGivesTheDefaultsAndLeavesTheOtherSettings)
{
    const QVariant wrongs[] = {QStringLiteral("not data"), qint64(42), QVariantMap{{QStringLiteral("a"), 1}},
                               QVariantList{QStringLiteral("x")}, QVariant(true)};
    for (const QVariant &wrong : wrongs) {
        ASSERT_TRUE(SettingsStore().update([&](QVariantMap &values) {
            values.insert(QStringLiteral("magicDates"), wrong);
            values.insert(QStringLiteral("appReview"), true);
        }));
        const UserData store;
        EXPECT_EQ(store.magicDates(), defaultEvents()) << wrong.typeName();
        EXPECT_TRUE(SettingsStore().boolValue(QStringLiteral("appReview")));
        const QList<QByteArray> kept = takeKeptAside();
        ASSERT_EQ(kept.size(), 1) << wrong.typeName();
        EXPECT_EQ(PlistCodec::fromBinary(kept.at(0)), std::optional<QVariant>(wrong)) << wrong.typeName();
    }
}

TEST_F(HostileInput, TenThousandCharacterTitlesAndDatesSurviveEveryCopyAndTheirViews)
{
    QList<EDate> events = eventsTitled({QString(10000, QLatin1Char('T')), QStringLiteral("long date")});
    events[1].ddate = QString(10000, QLatin1Char('9'));
    seedEvents(events);

    const UserData store;
    EXPECT_EQ(store.magicDates(), events);
    EXPECT_EQ(titlesOf(contentsOnDisk().value()), titlesOf(events));
    EXPECT_EQ(contentsOnDisk()->at(1).ddate, events[1].ddate);
    // A date that does not parse counts as today and is shown as written.
    EXPECT_EQ(CalendarHelper::getDayCount(events[1].ddate, true), QStringLiteral("YAY!"));
    EXPECT_EQ(CalendarHelper::getRightDateFormat(events[1].ddate), events[1].ddate);

    // The programs show them: the command line whole, the widget drawn within its frame.
    const Programs::Run list = Programs::run(Programs::cli(), {QStringLiteral("list")}, now);
    ASSERT_EQ(list.exitCode, 0) << list.err.toStdString();
    EXPECT_TRUE(list.out.contains(QByteArray(10000, 'T')));
    EXPECT_TRUE(list.out.contains(QByteArray(10000, '9')));
    for (const char *size : {"small", "medium", "large"}) {
        const QString picture = home.root() + QStringLiteral("/long-%1.png").arg(QLatin1String(size));
        const Programs::Run drawn = Programs::run(
            Programs::home(), {QStringLiteral("--render"), QLatin1String(size), QStringLiteral("--out"), picture}, now);
        EXPECT_EQ(drawn.exitCode, 0) << size << drawn.err.toStdString();
        EXPECT_TRUE(QFileInfo(picture).size() > 0) << size;
    }

    // A ten-thousand-character title from a link is cut to the longest a title may be.
    const QString title = QString(10000, QChar(u'\u00e9'));
    const Programs::Run opened = Programs::run(Programs::cli(), {QStringLiteral("open"), shareLink(percentEncoded(title))}, now);
    EXPECT_EQ(opened.exitCode, 0) << opened.err.toStdString();
    EXPECT_EQ(savedListOnDisk()->at(0).dateTitle, title.left(EventRules::kMaxTitleLength));
}

TEST_F(HostileInput, TitlesWithMarkupAndControlCharactersAreKeptAsTypedAndNeverSplitALine)
{
    seedEvents(eventsTitled({QStringLiteral("Trip")}));
    // A NUL cannot be stored in the settings file's texts; it is kept visible as U+FFFD. Tabs
    // and line breaks are spaces in a title of one line, and a link's title is cut to 20.
    const QString sent = QStringLiteral("<b>x</b>") + QChar(0) + QStringLiteral("\x01\x1b[31m\tr\nd\r\x7f &amp; <img src=\"x\">");
    const QString stored = QStringLiteral("<b>x</b>") + QChar(QChar::ReplacementCharacter)
        + QStringLiteral("\x01\x1b[31m r d");
    const QString link = shareLink(percentEncoded(sent));

    const Programs::Run opened = Programs::run(Programs::cli(), {QStringLiteral("open"), link}, now);
    ASSERT_EQ(opened.exitCode, 0) << opened.err.toStdString();
    ASSERT_EQ(savedListOnDisk()->size(), 2);
    EXPECT_EQ(savedListOnDisk()->at(0).dateTitle, stored);
    EXPECT_EQ(contentsOnDisk()->at(0).dateTitle, stored);

    // The same link again is known by its title: nothing is added.
    Programs::run(Programs::cli(), {QStringLiteral("open"), link}, now);
    EXPECT_EQ(savedListOnDisk()->size(), 2);

    // Listed, it is one line of printable text: no escape sequence reaches the terminal.
    const Programs::Run list = Programs::run(Programs::cli(), {QStringLiteral("list")}, now);
    const QList<QByteArray> lines = list.out.split('\n');
    ASSERT_EQ(lines.size(), 3); // two events and the end of the last line
    EXPECT_TRUE(lines.at(0).contains("<b>x</b>"));
    for (const char c : lines.at(0))
        EXPECT_TRUE(c == '\t' || static_cast<unsigned char>(c) >= 0x20) << int(c);
    // ... while the JSON listing keeps the title exactly.
    const Programs::Run json = Programs::run(Programs::cli(), {QStringLiteral("list"), QStringLiteral("--json")}, now);
    EXPECT_TRUE(json.out.contains(R"(\u001b[31m r d)"));
}

TEST_F(HostileInput, BrokenPercentEncodingAddsNothingAndBrokenUtf8IsReplaced)
{
    seedEvents(eventsTitled({QStringLiteral("Trip")}));
    UserData store;
    QList<EventDraft> offered;
    QObject::connect(&store, &UserData::sharedEventOffered, [&](const EventDraft &draft) { offered.append(draft); });
    for (const char *title : {"%zz", "abc%", "abc%4", "%%41", "a%2"}) {
        const QString link = shareLink(QLatin1String(title));
        EXPECT_FALSE(dispatchLink(store, link)) << title;
        EXPECT_FALSE(readLink(link)) << title;
    }
    EXPECT_TRUE(offered.isEmpty());

    // Bytes that are no UTF-8 (a cut sequence, an overlong slash, a lone continuation byte).
    EXPECT_TRUE(dispatchLink(store, shareLink(QStringLiteral("a%E2%9Cb%C0%AFc%80d"))));
    ASSERT_EQ(offered.size(), 1);
    const QString title = offered.at(0).title;
    EXPECT_TRUE(title.startsWith(QLatin1Char('a')) && title.endsWith(QLatin1Char('d'))) << title.toStdString();
    EXPECT_TRUE(title.contains(QChar(QChar::ReplacementCharacter)));
    EXPECT_FALSE(title.contains(QLatin1Char('/')));
}

TEST_F(HostileInput, HundredsOfQueryItemsAreReadByTheRulesOfSharedLinks)
{
    seedEvents(eventsTitled({QStringLiteral("Trip")}));
    QString query = QStringLiteral("ddate=2027-04-01");
    for (int i = 0; i < 300; ++i)
        query += QStringLiteral("&junk%1=%2&dateTitle=Title%1").arg(i).arg(QString(20, QLatin1Char('j')));
    // Items without "=", a theme number beyond 64 bits, and a later date ignored.
    query += QStringLiteral("&flag&countdown=true&colorIndex=999999999999999999999999&ddate=1999-01-01");
    const QString link = QStringLiteral("tallowick://share?") + query;

    // Typed on the command line, which adds it at once.
    EXPECT_EQ(Programs::run(Programs::cli(), {QStringLiteral("open"), link}, now).exitCode, 0);
    const auto saved = savedListOnDisk();
    ASSERT_EQ(saved->size(), 2);
    EXPECT_EQ(saved->at(0).dateTitle, QStringLiteral("Title299")); // the last pair of a name wins
    EXPECT_EQ(saved->at(0).ddate, QStringLiteral("2027-04-01"));   // the first "ddate" item
    EXPECT_EQ(saved->at(0).colorIndex, std::optional<qint64>(1));  // no number: theme 1

    // Through the running app, as a second start hands it over: offered for the person to
    // confirm (which the app says on its debug log), nothing added yet.
    qputenv("QT_LOGGING_RULES", "tallowick.store.debug=true");
    Programs::Running app(Programs::app(), {}, now);
    qunsetenv("QT_LOGGING_RULES");
    ASSERT_TRUE(waitUntil([&] { return QFile::exists(home.runtimeDir() + QStringLiteral("/tallowick/app.socket")); }, 30000));
    const QString another = QString(link).replace(QStringLiteral("Title299"), QStringLiteral("Another"));
    EXPECT_EQ(Programs::run(Programs::app(), {another}, now).exitCode, 0);
    EXPECT_EQ(Programs::run(Programs::app(), {}, now).exitCode, 0); // answered once the link is in
    EXPECT_TRUE(waitUntil([&] { return app.output().contains("Offering the shared event Another"); }, 10000))
        << app.output().toStdString();
    EXPECT_EQ(savedListOnDisk()->size(), 2);

    // A link longer than a hand-over takes is refused whole: never acted on cut short, and
    // the second start does not become a second app.
    const QString tooLong = shareLink(QString(70000, QLatin1Char('L')));
    const Programs::Run refused = Programs::run(Programs::app(), {tooLong}, now, 20000);
    EXPECT_TRUE(refused.finished);
    EXPECT_EQ(Programs::run(Programs::app(), {}, now).exitCode, 0);
    EXPECT_EQ(savedListOnDisk()->size(), 2);
    app.stop();
}

TEST_F(HostileInput, ALinkPipeOrHugeFileInPlaceOfTheContentsFileIsNeitherFollowedNorRead)
{
    seedEvents(eventsTitled({QStringLiteral("Trip")}));
    const UserData store; // publishes contents.json
    const QString contents = widgetContentsPath();
    ASSERT_EQ(EvenProvider::readContents().size(), 1);

    // A link to a file that would decode: not read.
    const QString elsewhere = home.root() + QStringLiteral("/elsewhere.json");
    writeFile(elsewhere, readFile(contents));
    ASSERT_TRUE(QFile::remove(contents));
    ASSERT_TRUE(QFile::link(elsewhere, contents));
    {
        LogCapture log;
        EXPECT_TRUE(EvenProvider::readContents().isEmpty());
        EXPECT_TRUE(log.lines().join('\n').contains(QStringLiteral("Error: Can't read contents")));
    }

    // A pipe: no reader waits for a writer that never comes.
    ASSERT_TRUE(QFile::remove(contents));
    ASSERT_EQ(::mkfifo(QFile::encodeName(contents).constData(), 0600), 0);
    QElapsedTimer timer;
    timer.start();
    EXPECT_TRUE(EvenProvider::readContents().isEmpty());
    EXPECT_LT(timer.elapsed(), 5000);

    // Far larger than any list: not read into memory.
    ASSERT_TRUE(QFile::remove(contents));
    {
        QFile huge(contents);
        ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
        ASSERT_TRUE(huge.resize(65 * 1024 * 1024));
    }
    EXPECT_TRUE(EvenProvider::readContents().isEmpty());

    // The app's next publication replaces whatever is there with the file.
    ASSERT_TRUE(QFile::remove(contents));
    ASSERT_TRUE(QFile::link(elsewhere, contents));
    const QByteArray before = readFile(elsewhere);
    UserData().addEvent(localTime(2027, 1, 1), QStringLiteral("New"), true, 1003);
    EXPECT_FALSE(isSymbolicLink(contents));
    EXPECT_EQ(readFile(elsewhere), before);
    EXPECT_EQ(EvenProvider::readContents().size(), 2);
}

TEST_F(HostileInput, LinksPlantedAtOurFilesAreNeverWrittenThrough)
{
    // Each of our files replaced by a link to a file of the person's that must stay untouched.
    const QString victim = home.root() + QStringLiteral("/precious.txt");
    writeFile(victim, "a person's own file\n");
    const auto plant = [&](const QString &path) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile::remove(path);
        ASSERT_TRUE(QFile::link(victim, path)) << path.toStdString();
    };
    const QString settings = SettingsStore::defaultPath();
    const QString notifications = NotificationCenter::defaultPath();
    const QString widgets = InstanceStore::defaultPath();
    const QString contents = widgetContentsPath();
    for (const QString &path : {settings, notifications, widgets, contents})
        plant(path);

    {
        UserData store;
        store.addEvent(localTime(2027, 1, 1), QStringLiteral("Trip"), true, 1003);
    }
    NotificationCenter().setAuthorizationStatus(AuthorizationStatus::Authorized);
    WidgetInstance widget;
    widget.kind = QStringLiteral("RuruExtension");
    ASSERT_TRUE(InstanceStore().add(widget).has_value());

    EXPECT_EQ(readFile(victim), "a person's own file\n");
    for (const QString &path : {settings, notifications, widgets, contents}) {
        EXPECT_FALSE(isSymbolicLink(path)) << path.toStdString();
        EXPECT_EQ(permissionBits(path), 0600) << path.toStdString();
    }
    EXPECT_EQ(titlesOf(savedListOnDisk().value()).at(0), QStringLiteral("Trip"));
    EXPECT_EQ(NotificationCenter().authorizationStatus(), AuthorizationStatus::Authorized);
    EXPECT_EQ(InstanceStore().instances().size(), 1);
    // The links that were read in place of a file are kept aside as links, as they were.
    for (const QString &aside : filesNamedLike(home.root(), QStringLiteral("unreadable")))
        EXPECT_EQ(QFileInfo(aside).symLinkTarget(), victim) << aside.toStdString();

    // A link to a file that does not exist yet: not created through it either.
    const QString nowhere = home.root() + QStringLiteral("/nowhere/made-through-a-link");
    QDir().mkpath(QFileInfo(nowhere).absolutePath());
    ASSERT_TRUE(QFile::remove(contents));
    ASSERT_TRUE(QFile::link(nowhere, contents));
    ASSERT_TRUE(AtomicFile::write(contents, "[]"));
    EXPECT_FALSE(QFile::exists(nowhere));
    EXPECT_EQ(readFile(contents), "[]");
}

TEST_F(HostileInput, APipeInPlaceOfTheSettingsFileDoesNotHangTheApp)
{
    QDir().mkpath(settingsFolder());
    ASSERT_EQ(::mkfifo(QFile::encodeName(SettingsStore::defaultPath()).constData(), 0600), 0);
    // A reader reports it and leaves it where it is.
    const Programs::Run list = Programs::run(Programs::cli(), {QStringLiteral("list")}, now, 20000);
    ASSERT_TRUE(list.finished);
    EXPECT_EQ(list.exitCode, 0);
    EXPECT_EQ(list.out.count('\n'), defaultEvents().size());
    EXPECT_TRUE(filesNamedLike(settingsFolder(), QStringLiteral("unreadable")).isEmpty());
    // A writer moves it aside before it saves.
    const Programs::Run add = Programs::run(Programs::cli(), {QStringLiteral("add"), QStringLiteral("Trip"), QStringLiteral("2027-01-01")}, now, 20000);
    ASSERT_TRUE(add.finished);
    EXPECT_EQ(add.exitCode, 0) << add.err.toStdString();
    EXPECT_EQ(filesNamedLike(settingsFolder(), QStringLiteral("unreadable")).size(), 1);
    EXPECT_EQ(savedListOnDisk()->size(), defaultEvents().size() + 1);
}

TEST_F(HostileInput, TheWidgetDrawsMarkupInATitleAsItsCharacters)
{
    // The small widget drawn by the home screen program from the published contents file:
    // the ink of the title's lines.
    const auto titleInk = [&](const QString &title) {
        seedEvents(eventsTitled({title}));
        UserData().writeWidgetContents();
        const QString path = home.root() + QStringLiteral("/title.png");
        const Programs::Run drawn = Programs::run(
            Programs::home(), {QStringLiteral("--render"), QStringLiteral("small"), QStringLiteral("--out"), path}, now);
        EXPECT_EQ(drawn.exitCode, 0) << drawn.err.toStdString();
        const QImage picture(path);
        // The title's frame at the default scale of two pixels a point: 30 to 135 points
        // across, clear of the circle on the right, and 10 to 55 down.
        const QColor background = picture.pixelColor(40, 150);
        int ink = 0;
        for (int y = 20; y < 110; ++y) {
            for (int x = 60; x < 270; ++x) {
                const QColor c = picture.pixelColor(x, y);
                ink += std::abs(c.red() - background.red()) + std::abs(c.green() - background.green())
                        + std::abs(c.blue() - background.blue()) > 60;
            }
        }
        return ink;
    };
    const int plainX = titleInk(QStringLiteral("x"));
    const int markedUpX = titleInk(QStringLiteral("<b>x</b>"));
    // Read as markup, "<b>x</b>" would draw one bold x; drawn as typed, eight characters.
    EXPECT_GT(plainX, 0);
    EXPECT_GT(markedUpX, 4 * plainX) << plainX << " " << markedUpX;
    std::printf("title ink: \"x\" %d pixels, \"<b>x</b>\" %d pixels\n", plainX, markedUpX);
}
