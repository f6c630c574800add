#pragma once

#include <store/userdata.h>

#include <QObject>
#include <QPointer>
#include <QUrl>
#include <QVariantMap>
#include <QtQml/qqml.h>

// The summary screen's ways in and out of the list: a calendar (.ics) exported or imported,
// a backup (.json) written or restored, each to or from the file a dialog chose. Each returns
// what to tell the person, in their language:
//   {"failed": bool, "title": "3 added, 1 skipped, 0 refused", "message": "Mum: already in
//   the list\n...", "changed": 1, "updateText": "Update 1 changed event"}
// where "changed" counts the events of the list that the calendar has in another version:
// updateChanged takes the file's version of them, in one step.
// An export that worked, and an import that added without skipping or refusing anything, say
// it in the title alone (a notice); the rest has a message worth an alert.
class EventTransferActions : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(UserData *store READ store WRITE setStore NOTIFY storeChanged)
    // An import or a restore is being read on a worker thread.
    Q_PROPERTY(bool busy READ busy NOTIFY busyChanged)

public:
    // The lines of skipped and refused events an alert lists; the rest are counted.
    static constexpr int kMaxListedLines = 6;

    explicit EventTransferActions(QObject *parent = nullptr);

    UserData *store() const { return m_store; }
    void setStore(UserData *store);

    Q_INVOKABLE QVariantMap exportCalendar(const QUrl &file);
    Q_INVOKABLE QVariantMap importCalendar(const QUrl &file);
    Q_INVOKABLE QVariantMap backUp(const QUrl &file);
    Q_INVOKABLE QVariantMap restore(const QUrl &file);
    // The same two for the window: the file is read, parsed and merged on a worker thread (a
    // calendar from outside must never hold the window), and `finished` brings the report.
    // False, doing nothing, while another one runs.
    Q_INVOKABLE bool importCalendarInBackground(const QUrl &file);
    Q_INVOKABLE bool restoreInBackground(const QUrl &file);
    // Imports the calendar last imported again, taking the file's version of the events the
    // list has otherwise (EventTransfer::importCalendar with update); nothing before an import.
    Q_INVOKABLE QVariantMap updateChanged();
    Q_INVOKABLE bool updateChangedInBackground();
    bool busy() const { return m_busy; }

    // What an import's summary tells the person.
    static QVariantMap report(const TransferSummary &summary);
    static QVariantMap report(const EventTransfer::ExportResult &result);

Q_SIGNALS:
    void storeChanged();
    void busyChanged();
    void finished(const QVariantMap &report);

private:
    bool inBackground(const QString &path, TransferSummary (*import)(EventRepository &, const QString &));

    QPointer<UserData> m_store;
    bool m_busy = false;
    QString m_lastCalendar; // the calendar file last imported, for updateChanged
};
