// The sync sheet as a person meets it from the list of events: opened by key and by click,
// every control on the Tab path and nothing under it, closed by Escape; the set-up form's
// words handed to setup as typed; an account set up shown with its last sync in words; and
// the last sync's words themselves. No server is asked anything here.
#include "appscene.h"
#include "scenetaps.h"

#include <screens/viewmodels/syncsheetmodel.h>
#include <sync/syncaccount.h>
#include <sync/syncrunner.h>
#include <sync/syncstate.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QKeyEvent>

#include <mutex>

namespace {

class SyncSheet : public AppScene
{
protected:
    QString focusedName() { return focused() ? focused()->objectName() : QStringLiteral("<none>"); }
    // The sync sheet lies over the whole window, outside the list's own sheet.
    QQuickItem *find(const QString &name) { return findItem(scene->window().contentItem(), name); }
    bool syncOpen() { return find(QStringLiteral("syncSheet"))->property("open").toBool(); }
    QString textOf(const QString &name)
    {
        QQuickItem *item = find(name);
        return item ? item->property("text").toString() : QStringLiteral("<no %1>").arg(name);
    }
    SyncSheetModel *model()
    {
        QQuickItem *content = find(QStringLiteral("syncSheetContent"));
        return content ? content->property("model").value<SyncSheetModel *>() : nullptr;
    }
    void openList()
    {
        key(Qt::Key_L, Qt::ControlModifier);
        waitForSheet();
    }
    void waitForSyncSheet(bool open)
    {
        ASSERT_TRUE(waitUntil([&] { return syncOpen() == open; }, 2000));
        scene->settle(450);
    }
    static void writeAccount()
    {
        const QJsonObject account{{QStringLiteral("server"), QStringLiteral("https://dav.example.org/")},
                                  {QStringLiteral("calendar"), QStringLiteral("https://dav.example.org/ana/days/")},
                                  {QStringLiteral("user"), QStringLiteral("ana")},
                                  {QStringLiteral("calendarName"), QStringLiteral("<b>Days</b>")},
                                  {QStringLiteral("passwordCommand"), QStringLiteral("echo secret")}};
        writeFile(SyncAccount::path(), QJsonDocument(account).toJson());
    }
};

} // namespace

TEST_F(SyncSheet, OpensFromTheListByKeyAndClickTabReachesEveryControlAndEscapeCloses)
{
    openList();
    QQuickItem *action = find(QStringLiteral("syncAction"));
    ASSERT_TRUE(action);
    EXPECT_EQ(action->property("name").toString(), QStringLiteral("Sync with a calendar server"));

    // By key: Tab from the list reaches the action; Return opens the sheet with the keys in
    // its first field.
    for (int i = 0; i < 8 && !action->hasActiveFocus(); ++i)
        key(Qt::Key_Tab);
    ASSERT_TRUE(action->hasActiveFocus()) << focusedName().toStdString();
    key(Qt::Key_Return);
    waitForSyncSheet(true);
    ASSERT_EQ(focusedName(), QStringLiteral("syncServerFieldInput"));

    // Tab goes round the sheet's own controls, in reading order, and never under it.
    const QStringList path{QStringLiteral("syncUserFieldInput"), QStringLiteral("syncPasswordFieldInput"),
                           QStringLiteral("syncCalendarFieldInput"), QStringLiteral("syncSetUpButton"),
                           QStringLiteral("sheetClose"), QStringLiteral("syncServerFieldInput")};
    QStringList went;
    for (int i = 0; i < path.size(); ++i) {
        key(Qt::Key_Tab);
        went.append(focusedName());
    }
    EXPECT_EQ(went, path);
    EXPECT_TRUE(find(QStringLiteral("syncPasswordFieldInput"))->property("echoMode").toInt() == 2) // Password
        << "the password is not shown";
    key(Qt::Key_Backtab);
    EXPECT_EQ(focusedName(), QStringLiteral("sheetClose"));
    EXPECT_TRUE(find(QStringLiteral("syncSheet"))->isAncestorOf(focused())) << "the sync sheet's own close button";

    // Escape closes it; the list stays open, the keys back on the action.
    key(Qt::Key_Escape);
    waitForSyncSheet(false);
    EXPECT_TRUE(sheetOpen());
    EXPECT_TRUE(action->hasActiveFocus()) << focusedName().toStdString();

    // By click, and closed by its close button.
    tap(*scene, action);
    waitForSyncSheet(true);
    QQuickItem *syncClose = findItem(find(QStringLiteral("syncSheet")), QStringLiteral("sheetClose"));
    tap(*scene, syncClose);
    waitForSyncSheet(false);
    EXPECT_TRUE(sheetOpen());
}

TEST_F(SyncSheet, TheFormsWordsGoToSetupAsTypedAndItsOutcomeIsSaid)
{
    openList();
    tap(*scene, find(QStringLiteral("syncAction")));
    waitForSyncSheet(true);
    SyncSheetModel *sheetModel = model();
    ASSERT_TRUE(sheetModel);
    EXPECT_FALSE(sheetModel->configured());
    std::mutex lock;
    std::optional<SyncSetup::Request> asked;
    sheetModel->setSetUpStep([&](const SyncSetup::Request &request) {
        const std::lock_guard<std::mutex> guard(lock);
        asked = request;
        return SyncSetup::Result{false, QStringLiteral("Wrong user name or password"), {}};
    });

    // Set up with a field empty: said, and nothing asked.
    key(Qt::Key_Return);
    EXPECT_EQ(textOf(QStringLiteral("syncMessage")), QStringLiteral("Fill in the server address, user name and password."));
    EXPECT_FALSE(asked.has_value());

    // Typed into each field (Tab between them), Return sets up.
    type(QStringLiteral("dav.example.org/cal/"));
    key(Qt::Key_Tab);
    type(QStringLiteral(" ana "));
    key(Qt::Key_Tab);
    type(QStringLiteral("p a<s>s"));
    key(Qt::Key_Tab);
    type(QStringLiteral("Days"));
    key(Qt::Key_Return);
    ASSERT_TRUE(waitUntil([&] { return !sheetModel->busy() && !sheetModel->message().isEmpty(); }, 5000));
    {
        const std::lock_guard<std::mutex> guard(lock);
        ASSERT_TRUE(asked.has_value());
        // Without a scheme, a secure server's address.
        EXPECT_EQ(asked->address, QUrl(QStringLiteral("https://dav.example.org/cal/")));
        EXPECT_EQ(asked->user, QStringLiteral("ana"));
        EXPECT_EQ(asked->password, QStringLiteral("p a<s>s"));
        EXPECT_EQ(asked->calendarName, QStringLiteral("Days"));
        EXPECT_TRUE(asked->passwordCommand.isEmpty());
    }
    EXPECT_EQ(textOf(QStringLiteral("syncMessage")), QStringLiteral("Wrong user name or password"));
    EXPECT_TRUE(sheetModel->messageIsFailure());
    EXPECT_FALSE(sheetModel->configured());
    // The fields keep what was typed, to be mended.
    EXPECT_EQ(textOf(QStringLiteral("syncPasswordFieldInput")), QStringLiteral("p a<s>s"));
}

TEST_F(SyncSheet, AnAccountShowsWhatItIsItsLastSyncInWordsAndTurnsOff)
{
    writeAccount();
    ASSERT_TRUE(SyncState::modify([](SyncState &state) {
        state.lastSync = localTime(2026, 12, 8, 8, 30);
        state.lastOk = false;
        state.lastOutcome = QStringLiteral("wrong user name or password");
        return true;
    }));
    openList();
    tap(*scene, find(QStringLiteral("syncAction")));
    waitForSyncSheet(true);
    EXPECT_EQ(focusedName(), QStringLiteral("syncNowButton"));
    EXPECT_FALSE(find(QStringLiteral("syncSetUpForm"))->isVisible());
    EXPECT_EQ(textOf(QStringLiteral("syncServerValue")), QStringLiteral("https://dav.example.org/"));
    EXPECT_EQ(textOf(QStringLiteral("syncUserValue")), QStringLiteral("ana"));
    // Typed by the person: shown as it is, never as markup.
    EXPECT_EQ(textOf(QStringLiteral("syncCalendarValue")), QStringLiteral("<b>Days</b>"));
    EXPECT_EQ(find(QStringLiteral("syncCalendarValue"))->property("textFormat").toInt(), 0); // Text.PlainText
    EXPECT_EQ(textOf(QStringLiteral("syncLastOutcome")),
              QStringLiteral("Last sync failed today at 8:30 AM: wrong user name or password."));
    // The list's events have not gone up yet: counted in words.
    const int waiting = SyncRunner::waitingChanges(store.repository());
    EXPECT_GT(waiting, 1);
    EXPECT_EQ(textOf(QStringLiteral("syncWaiting")), QStringLiteral("%1 changes waiting to go up").arg(waiting));
    scene->grab(QStringLiteral("sync-sheet-account"));

    // A sync by another program (the home screen's timer) shows while the sheet is open.
    ASSERT_TRUE(SyncState::modify([](SyncState &state) {
        state.lastSync = localTime(2026, 12, 8, 8, 45);
        state.lastOk = true;
        state.lastOutcome = QStringLiteral("3 up, 0 down");
        state.lastUp = 3;
        return true;
    }));
    EXPECT_TRUE(waitUntil([&] { return textOf(QStringLiteral("syncLastOutcome")) == QLatin1String("Last synced today at 8:45 AM: 3 sent and 0 received."); }, 3000))
        << textOf(QStringLiteral("syncLastOutcome")).toStdString();

    // Tab: sync now, turn off, close, and round again.
    QStringList went;
    for (int i = 0; i < 3; ++i) {
        key(Qt::Key_Tab);
        went.append(focusedName());
    }
    EXPECT_EQ(went, (QStringList{QStringLiteral("syncTurnOffButton"), QStringLiteral("sheetClose"), QStringLiteral("syncNowButton")}));

    // Turned off: the account and the sync state are gone, the events stay, the form is back.
    const int events = store.count();
    tap(*scene, find(QStringLiteral("syncTurnOffButton")));
    ASSERT_TRUE(waitUntil([&] { return !model()->busy() && !model()->configured(); }, 5000)) << textOf(QStringLiteral("syncMessage")).toStdString();
    scene->settle(100);
    EXPECT_FALSE(SyncAccount::load().has_value());
    EXPECT_FALSE(QFile::exists(SyncState::path()));
    EXPECT_EQ(store.count(), events);
    EXPECT_TRUE(find(QStringLiteral("syncSetUpForm"))->isVisible());
    EXPECT_EQ(focusedName(), QStringLiteral("syncServerFieldInput"));
    EXPECT_EQ(textOf(QStringLiteral("syncMessage")), QStringLiteral("Sync is off. Your events stay on this device."));
}

TEST(SyncSheetWords, TheLastSyncIsSaidInWords)
{
    ScopedLocale locale{QStringLiteral("en_US")};
    ScopedTimeZone zone{"Europe/Berlin"};
    const QDateTime now = localTime(2026, 12, 10, 0, 30);
    // A sync's record: its outcome line, what went up and down, why it failed.
    const auto state = [](QDateTime when, const char *outcome, int up = 0, int down = 0, const char *failure = "") {
        SyncState s;
        s.lastSync = when;
        s.lastOk = !*failure;
        s.lastOutcome = QString::fromUtf8(outcome);
        s.lastUp = up;
        s.lastDown = down;
        s.lastFailure = QString::fromUtf8(failure);
        return std::optional<SyncState>(s);
    };
    std::optional<SyncState> crowded = state(localTime(2026, 12, 9, 9, 0), "", 1, 0);
    crowded->lastConflicts = {QStringLiteral("Trip"), QStringLiteral("Exam")};
    crowded->lastMoreOnServer = 5;
    const struct
    {
        std::optional<SyncState> state;
        const char *said;
    } cases[] = {
        {std::nullopt, "The record of the last sync cannot be read."},
        {SyncState(), "Not synced yet."},
        {state(localTime(2026, 12, 10, 0, 5), "2 up, 1 down", 2, 1), "Last synced today at 12:05 AM: 2 sent and 1 received."},
        {crowded, "Last synced yesterday at 9:00 AM: 1 sent and 0 received; changed on both devices, the server's version "
                  "kept: Trip and Exam; 5 more on the server than the list has room for."},
        // Just before midnight is yesterday; the line's own full stop is not doubled; a reason
        // of its own is said as the sync said it.
        {state(localTime(2026, 12, 9, 23, 59), "the server cannot be reached.", 0, 0, "other"),
         "Last sync failed yesterday at 11:59 PM: the server cannot be reached."},
        {state(localTime(2026, 12, 9, 23, 59), "wrong password", 0, 0, "auth"),
         "Last sync failed yesterday at 11:59 PM: the server refused the user name or password."},
        // Kept in UTC, said in local time.
        {state(localTime(2026, 12, 1, 10, 0).toUTC(), "up to date"), "Last synced on 12/1/26 at 10:00 AM: everything is up to date."},
    };
    for (const auto &c : cases)
        EXPECT_EQ(SyncSheetModel::describeLastSync(c.state, now), QString::fromUtf8(c.said));
}
