#pragma once

#include "syncrunner.h"

#include <QFileSystemWatcher>
#include <QFutureWatcher>
#include <QObject>
#include <QTimer>

#include <chrono>

// When a long-running program (the app, the home screen) syncs the set-up account: at its
// start, a few seconds after the event list changes (by any program: a burst of changes
// makes one sync), at a fixed period, and when asked. Each sync runs on a worker thread, one
// at a time; one asked for meanwhile runs after it. Without an account nothing runs (looked
// at each time, so an account set up by another program is taken up).
class SyncScheduler : public QObject
{
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds kSettle = std::chrono::seconds(5);
    static constexpr std::chrono::milliseconds kPeriod = std::chrono::minutes(15);

    explicit SyncScheduler(QObject *parent = nullptr, std::chrono::milliseconds settle = kSettle,
                           std::chrono::milliseconds period = kPeriod);
    ~SyncScheduler() override;

    // Syncs now, then watches the list and keeps the period.
    void start();
    bool busy() const { return m_watcher.isRunning(); }

public Q_SLOTS:
    void syncNow();

Q_SIGNALS:
    void finished(SyncRunner::Report report);

private:
    void listChanged();
    void onFinished();

    QTimer m_settle;
    QTimer m_period;
    QFileSystemWatcher m_folder;
    QFutureWatcher<SyncRunner::Report> m_watcher;
    bool m_again = false;
};
