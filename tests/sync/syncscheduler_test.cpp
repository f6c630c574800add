#include "radicaleserver.h"

#include <store/eventrepository.h>
#include <sync/davcalendar.h>
#include <sync/davdiscovery.h>
#include <sync/syncaccount.h>
#include <sync/syncscheduler.h>
#include <sync/syncstate.h>

#include <QSignalSpy>
#include <gtest/gtest.h>

// The app and the home screen sync by themselves: at their start and after a change of the
// list by any program.
namespace {

TEST(SyncScheduler, SyncsAtTheStartAndAfterAChangeByAnotherProgram)
{
    if (!RadicaleServer::installed())
        GTEST_SKIP() << "Debian's radicale is not installed (scripts/install-deps.sh installs it)";
    RadicaleServer server;
    ASSERT_TRUE(server.failure().isEmpty()) << server.failure().toStdString();
    DavTransport transport(QStringLiteral("alice"), QStringLiteral("alicepw"));
    const DavDiscovery::Found found = DavDiscovery::calendar(transport, server.root());
    ASSERT_TRUE(found.outcome.ok());
    ASSERT_TRUE(SyncAccount::save({server.root(), found.calendar, QStringLiteral("alice"), found.displayName,
                                   QStringLiteral("printf alicepw")}));
    EventRepository repository;
    repository.open();

    SyncScheduler scheduler(nullptr, std::chrono::milliseconds(200));
    QSignalSpy finished(&scheduler, &SyncScheduler::finished);
    scheduler.start();
    ASSERT_TRUE(finished.wait(20000));
    const auto first = finished.takeFirst().at(0).value<SyncRunner::Report>();
    EXPECT_EQ(first.outcome, SyncRunner::Report::Outcome::Synced) << first.line.toStdString();
    const qsizetype synced = DavCalendar(transport, found.calendar).list().members.size();
    EXPECT_EQ(synced, repository.read().events.size());

    ASSERT_EQ(repository.add({QStringLiteral("From elsewhere"), QDate(2027, 4, 1)}).outcome, StoreOutcome::Done);
    ASSERT_TRUE(finished.wait(20000));
    EXPECT_EQ(DavCalendar(transport, found.calendar).list().members.size(), synced + 1);
    EXPECT_FALSE(scheduler.busy());
    EXPECT_TRUE(SyncState::read()->lastOk);
    SyncAccount::forget();
    SyncState::forget();
}

} // namespace
