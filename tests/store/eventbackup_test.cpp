#include <platform/settingsstore.h>
#include <store/userdata.h>
#include <support/testenvironment.h>
#include <support/testevents.h>

#include <model/resources.h>
#include <store/eventbackup.h>
#include <store/eventtransfer.h>
#include <support/testenvironment.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

QStringList pendingIdentifiers()
{
    QStringList ids;
    for (const NotificationRequest &request : NotificationCenter().pendingRequests())
        ids.append(request.identifier);
    return ids;
}

QList<TransferReason> reasonsOf(const QList<TransferItem> &items)
{
    QList<TransferReason> reasons;
    for (const TransferItem &item : items)
        reasons.append(item.reason);
    return reasons;
}

// Events with every kind of field: yearly, counting up, without a direction or a theme, their
// own colours, a reminder flag, reminder choices.
QList<EDate> everyKindOfEvent()
{
    QList<EDate> events = numberedEvents(6);
    events[0].ddate = QStringLiteral("2016-02-29");
    events[0].repeat = QLatin1String(EDate::kRepeatYearly);
    events[0].repeatNotification = 3;
    events[1].repeatNotification = 2;
    events[1].barType = QStringLiteral("Celebration");
    events[1].bgColor = QStringLiteral("014E7E");
    events[2].countdown = false;
    events[3].countdown.reset();
    events[3].colorIndex.reset();
    events[3].notification = true;
    events[5].repeatNotification = 0;
    events[5].dateTitle = QString::fromUtf8("Tea, cake; 🎂 \"ok\"");
    return events;
}

class Backup : public ::testing::Test
{
protected:
    TemporaryHome home;
    ScopedTimeZone zone{"Asia/Seoul"};
    ScopedLocale locale{QStringLiteral("en_US")};
    FixedClock clock{localTime(2026, 12, 8, 9)};
};

} // namespace

TEST_F(Backup, RestoringOnANewMachineGivesBackEveryEventAndItsReminders)
{
    seedEvents(everyKindOfEvent());
    EventRepository repository;
    repository.setNotificationsAllowed(true);
    const QStringList pending = pendingIdentifiers();
    ASSERT_EQ(pending.size(), 12);
    const QByteArray backup = EventTransfer::backupText(repository);
    const QJsonObject document = QJsonDocument::fromJson(backup).object();
    EXPECT_EQ(document.value(QStringLiteral("format")).toString(), QStringLiteral("tallowick-backup"));
    EXPECT_EQ(document.value(QStringLiteral("version")).toInt(), 1);
    EXPECT_EQ(document.value(QStringLiteral("written")).toString(), QStringLiteral("2026-12-08T09:00:00+09:00"));
    EXPECT_EQ(document.value(QStringLiteral("events")).toArray().size(), 6);

    // A new machine: the packaged first-start events, reminders allowed.
    TemporaryHome fresh;
    EventRepository another;
    ASSERT_EQ(another.open().events, defaultEvents());
    another.setNotificationsAllowed(true);
    const TransferSummary summary = EventTransfer::importBackupText(another, backup);
    ASSERT_TRUE(summary.fileRead());
    EXPECT_EQ(summary.added.size(), 6);
    EXPECT_EQ(summary.remindersScheduled, 2);
    EXPECT_EQ(savedEvents(), everyKindOfEvent()); // every field, in order, the samples gone
    EXPECT_EQ(pendingIdentifiers(), pending);

    // Not allowed there: the choices wait, and allowing schedules them.
    TemporaryHome third;
    EventRepository waiting;
    const TransferSummary later = EventTransfer::importBackupText(waiting, backup);
    EXPECT_EQ(later.remindersWaiting, 2);
    EXPECT_TRUE(pendingIdentifiers().isEmpty());
    waiting.setNotificationsAllowed(true);
    EXPECT_EQ(pendingIdentifiers().size(), 12);

    // A backup of a list that kept the sample events: they count as there already, and the
    // list becomes the backup's, in its order.
    TemporaryHome fourth;
    EventRepository sampled;
    QList<EDate> kept = defaultEvents();
    kept.insert(1, everyKindOfEvent().at(0));
    const TransferSummary samples = EventTransfer::importBackupText(sampled, EventBackup::encode(kept, QDateTime()));
    EXPECT_EQ(samples.added.size(), 1);
    EXPECT_EQ(reasonsOf(samples.skipped), QList<TransferReason>(defaultEvents().size(), TransferReason::SameEvent));
    EXPECT_EQ(savedEvents(), kept);
}

TEST_F(Backup, ARestoreBringsBackWhatIsMissingInTheBackupsOrderAndChangesNothingThere)
{
    const QList<EDate> backedUp = numberedEvents(4); // E0 E1 E2 E3
    const QByteArray backup = EventBackup::encode(backedUp, QDateTime::currentDateTime());
    // Since then: E1 and E3 lost, E2 renamed, and a new event at the front.
    QList<EDate> now{numberedEvents(6).at(5), backedUp.at(0), backedUp.at(2)};
    now[2].dateTitle = QStringLiteral("E2 renamed");
    seedEvents(now);
    EventRepository repository;
    const TransferSummary summary = EventTransfer::importBackupText(repository, backup);
    EXPECT_EQ(titlesOf(savedEvents()), (QStringList{"E5", "E0", "E1", "E2 renamed", "E3"}));
    EXPECT_EQ(summary.added.size(), 2);
    EXPECT_EQ(reasonsOf(summary.skipped), QList<TransferReason>(2, TransferReason::SameEvent));
    // Again: nothing is missing any more, and nothing is written.
    const QByteArray saved = readFile(SettingsStore().path());
    EXPECT_TRUE(EventTransfer::importBackupText(repository, backup).added.isEmpty());
    EXPECT_EQ(readFile(SettingsStore().path()), saved);

    // The limit holds: into 29 other events, one of three fits.
    QList<EDate> full = numberedEvents(29);
    for (EDate &event : full)
        event.id.replace(0, 8, QStringLiteral("FFFFFFFF"));
    seedEvents(full);
    const TransferSummary limited = EventTransfer::importBackupText(repository, EventBackup::encode(numberedEvents(3), QDateTime()));
    EXPECT_EQ(limited.added.size(), 1);
    EXPECT_EQ(reasonsOf(limited.refused), QList<TransferReason>(2, TransferReason::ListFull));
    EXPECT_EQ(savedEvents().size(), EventRules::kMaxEvents);
    EXPECT_EQ(savedEvents().at(0).dateTitle, QStringLiteral("E0"));
}

TEST_F(Backup, RecordsThatBreakTheRulesAreRefusedAndFilesThatAreNoBackupChangeNothing)
{
    seedEvents(numberedEvents(2));
    EventRepository repository;
    // What list --json prints restores too; its extra keys are ignored.
    QJsonArray listed;
    for (const EDate &event : numberedEvents(4).mid(2)) {
        QJsonObject object = event.toJson();
        object.insert(QStringLiteral("index"), 0);
        object.insert(QStringLiteral("count"), QStringLiteral("10"));
        listed.append(object);
    }
    QJsonObject noId = numberedEvents(5).at(4).toJson();
    noId.insert(QStringLiteral("id"), QStringLiteral("not an id"));
    QJsonObject noDate = numberedEvents(6).at(5).toJson();
    noDate.insert(QStringLiteral("ddate"), QStringLiteral("someday"));
    QJsonObject noTitle = numberedEvents(7).at(6).toJson();
    noTitle.insert(QStringLiteral("dateTitle"), QStringLiteral("   "));
    QJsonObject longTitle = numberedEvents(8).at(7).toJson();
    longTitle.insert(QStringLiteral("dateTitle"), QStringLiteral("A title of thirty characters!!"));
    QJsonObject incomplete = numberedEvents(9).at(8).toJson();
    incomplete.remove(QStringLiteral("barColor"));
    QJsonObject hugeColour = numberedEvents(10).at(9).toJson();
    hugeColour.insert(QStringLiteral("bgColor"), QString(EventBackup::kMaxTextLength + 1, QLatin1Char('F')));
    for (const QJsonObject &record : {noId, noDate, noTitle, longTitle, incomplete, hugeColour})
        listed.append(record);
    // What adding an event refuses, a restore refuses too.
    const std::pair<const char *, QJsonValue> broken[] = {
        {"colorIndex", 4242}, {"lineColor", QStringLiteral("no colour")}, {"repeatNotification", 7},
        {"repeat", QStringLiteral("monthly")}, {"countdown", false},
    };
    int next = 11;
    for (const auto &[key, value] : broken) {
        QJsonObject record = numberedEvents(next + 1).at(next).toJson();
        ++next;
        record.insert(QLatin1String(key), value);
        if (QLatin1String(key) == QLatin1String("countdown"))
            record.insert(QStringLiteral("repeat"), QStringLiteral("yearly"));
        listed.append(record);
    }
    const TransferSummary summary = EventTransfer::importBackupText(repository, QJsonDocument(listed).toJson());
    ASSERT_TRUE(summary.fileRead());
    EXPECT_EQ(titlesOf(savedEvents()), (QStringList{"E2", "E3", "A title of thirty ch", "E0", "E1"}));
    EXPECT_EQ(reasonsOf(summary.refused), (QList<TransferReason>{TransferReason::NotAnEvent, TransferReason::NoDate,
                                                                   TransferReason::NoTitle, TransferReason::NotAnEvent,
                                                                   TransferReason::NotAnEvent, TransferReason::UnknownTheme,
                                                                   TransferReason::NotAColour, TransferReason::UnknownReminder,
                                                                   TransferReason::OtherRepeat, TransferReason::CountUpRepeats}));
    EXPECT_EQ(summary.refused.at(0).title, QStringLiteral("E4"));

    const QByteArray before = readFile(SettingsStore().path());
    QJsonObject newer = QJsonDocument::fromJson(EventBackup::encode(numberedEvents(12).mid(10), QDateTime())).object();
    newer.insert(QStringLiteral("version"), 2);
    const std::pair<QByteArray, TransferSummary::Problem> refused[] = {
        {QJsonDocument(newer).toJson(), TransferSummary::Problem::MadeByNewer},
        {QByteArray("{\"format\":\"something else\",\"version\":1,\"events\":[]}"), TransferSummary::Problem::NotABackup},
        {QByteArray("{\"format\":\"tallowick-backup\",\"version\":-1,\"events\":[]}"), TransferSummary::Problem::NotABackup},
        {QByteArray("{\"format\":\"tallowick-backup\",\"version\":0.5,\"events\":[]}"), TransferSummary::Problem::NotABackup},
        {EventBackup::encode(numberedEvents(12).mid(10), QDateTime()).chopped(20), TransferSummary::Problem::NotABackup},
        {QByteArray("BEGIN:VCALENDAR"), TransferSummary::Problem::NotABackup},
        {QByteArray(EventBackup::kMaxBytes + 1, ' '), TransferSummary::Problem::TooLarge},
    };
    for (const auto &[bytes, problem] : refused)
        EXPECT_EQ(EventTransfer::importBackupText(repository, bytes).problem, problem) << bytes.left(40).constData();
    EXPECT_EQ(readFile(SettingsStore().path()), before);

    // A backup an editor saved as UTF-16 (with its byte order mark) is read as the same backup.
    const QString backup = QString::fromUtf8(EventBackup::encode(numberedEvents(14).mid(13), QDateTime()));
    QByteArray utf16("\xFF\xFE");
    for (const QChar c : backup) {
        utf16.append(char(c.unicode() & 0xFF));
        utf16.append(char(c.unicode() >> 8));
    }
    const TransferSummary wide = EventTransfer::importBackupText(repository, utf16);
    EXPECT_EQ(wide.problem, TransferSummary::Problem::None);
    EXPECT_EQ(wide.added.size(), 1);
    EXPECT_TRUE(EventTransfer::looksLikeBackup("\xEF\xBB\xBF\n  {\"format\""));
    EXPECT_FALSE(EventTransfer::looksLikeBackup("BEGIN:VCALENDAR\r\n"));
}
