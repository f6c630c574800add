#pragma once

#include <QElapsedTimer>
#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

// Sees to it that the reminders a person chose reach them whoever started what: whenever
// reminders are allowed and some are ahead, the home screen, which delivers them, is started
// in the background when none runs, and the session is set up (once) to start it at login.
// It looks a moment after the app has shown itself, then whenever the reminders' file changes
// (a reminder chosen, reminders allowed, here or by tallowick-cli).
class ReminderDeliveryStarter : public QObject
{
    Q_OBJECT

public:
    explicit ReminderDeliveryStarter(QObject *parent = nullptr);

    // Looks in a moment and from then on.
    void start();

private:
    void check();

    QFileSystemWatcher m_watcher;
    QTimer m_settle;
    QElapsedTimer m_started; // since this app last started a home screen
};
