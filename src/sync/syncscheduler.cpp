#include "syncscheduler.h"

#include "syncaccount.h"

#include <store/eventrepository.h>

#include <QFileInfo>
#include <QtConcurrent/QtConcurrentRun>

SyncScheduler::SyncScheduler(QObject *parent, std::chrono::milliseconds settle, std::chrono::milliseconds period)
    : QObject(parent)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(settle);
    m_period.setInterval(period);
    connect(&m_settle, &QTimer::timeout, this, &SyncScheduler::syncNow);
    connect(&m_period, &QTimer::timeout, this, &SyncScheduler::syncNow);
    connect(&m_folder, &QFileSystemWatcher::directoryChanged, this, &SyncScheduler::listChanged);
    connect(&m_watcher, &QFutureWatcher<SyncRunner::Report>::finished, this, &SyncScheduler::onFinished);
}

SyncScheduler::~SyncScheduler()
{
    // A sync under way is let finish: stopping it halfway is safe, but finishing is kinder.
    m_watcher.waitForFinished();
}

void SyncScheduler::start()
{
    // The folder, not the file: every writer renames a new file over the list.
    m_folder.addPath(QFileInfo(EventRepository().settings().path()).absolutePath());
    m_period.start();
    syncNow();
}

void SyncScheduler::listChanged()
{
    // Only a change that has not gone up yet: not a sync's own write, nor a list another
    // program's sync (the app's sheet, the command line) already sent.
    if (SyncRunner::waitingChanges(EventRepository()) > 0)
        m_settle.start();
}

void SyncScheduler::syncNow()
{
    m_settle.stop();
    if (busy()) {
        m_again = true;
        return;
    }
    if (!SyncAccount::load())
        return;
    m_watcher.setFuture(QtConcurrent::run([] {
        EventRepository repository;
        return SyncRunner::run(repository);
    }));
}

void SyncScheduler::onFinished()
{
    Q_EMIT finished(m_watcher.result());
    if (std::exchange(m_again, false))
        syncNow();
}
