#include "reminderdeliverystarter.h"

#include "shelllog.h"

#include <platform/autostart.h>
#include <platform/homeprocess.h>
#include <platform/notificationcenter.h>
#include <platform/userdirs.h>
#include <store/eventrepository.h>

#include <QFileInfo>

namespace {

// A burst of writes (a reminder choice rewrites the file once per reminder) is looked at once.
constexpr int kSettleMs = 300;
// A home screen just started takes a moment to listen; it is not started twice meanwhile.
constexpr qint64 kStartingMs = 10 * 1000;
// The first look waits as long: a home screen started along with the app (the session's, at
// login) is listening by then. The reminders are due on the minute, so nothing is late for it.
constexpr int kFirstLookMs = 3 * 1000;

} // namespace

ReminderDeliveryStarter::ReminderDeliveryStarter(QObject *parent)
    : QObject(parent)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    connect(&m_settle, &QTimer::timeout, this, &ReminderDeliveryStarter::check);
    // The folder, not the file: the file is replaced by renaming a new one over it.
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, &m_settle, qOverload<>(&QTimer::start));
}

void ReminderDeliveryStarter::start()
{
    const QString folder = QFileInfo(NotificationCenter::defaultPath()).absolutePath();
    if (!UserDirs::ensurePrivateDir(folder) || !m_watcher.addPath(folder))
        qCWarning(lcShell).noquote() << "Can't watch" << folder << "for reminders chosen later";
    QTimer::singleShot(kFirstLookMs, this, &ReminderDeliveryStarter::check);
}

void ReminderDeliveryStarter::check()
{
    if (!EventRepository().hasRemindersAhead())
        return;
    const QString program = HomeProcess::program();
    if (program.isEmpty()) {
        qCWarning(lcShell) << "No tallowick-home to deliver reminders with";
        return;
    }
    Autostart::offer(program);
    if (HomeProcess::isRunning() || (m_started.isValid() && m_started.elapsed() < kStartingMs))
        return;
    if (HomeProcess::startInBackground(program))
        m_started.start();
}
