#include "eventtransferactions.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>
#include <QThreadPool>

namespace {

// A dialog's choice as a path; a plain path (from a test or a script) stays as it is.
QString pathOf(const QUrl &file)
{
    return file.isLocalFile() ? file.toLocalFile() : file.toString();
}

// A file to write: a name typed without an extension gets the format's, so that calendar
// programs and the restore dialog's filter know it.
QString writtenPathOf(const QUrl &file, const QString &suffix)
{
    const QString path = pathOf(file);
    return QFileInfo(path).suffix().isEmpty() ? path + QLatin1Char('.') + suffix : path;
}

QVariantMap failure(const QString &why)
{
    return {{QStringLiteral("failed"), true}, {QStringLiteral("title"), why}, {QStringLiteral("message"), QString()}};
}

} // namespace

EventTransferActions::EventTransferActions(QObject *parent)
    : QObject(parent)
{
}

void EventTransferActions::setStore(UserData *store)
{
    if (store == m_store)
        return;
    m_store = store;
    Q_EMIT storeChanged();
}

QVariantMap EventTransferActions::report(const EventTransfer::ExportResult &result)
{
    if (!result.written)
        return failure(result.error);
    //% "Events written: %1"
    const QString title = qtTrId("Transfer.exported").arg(result.events);
    return {{QStringLiteral("failed"), false}, {QStringLiteral("title"), title}, {QStringLiteral("message"), QString()}};
}

QVariantMap EventTransferActions::report(const TransferSummary &summary)
{
    if (!summary.fileRead())
        return failure(summary.problemText());
    QStringList lines;
    if (!summary.notWritten.isEmpty())
        lines.append(summary.notWritten);
    int unlisted = 0;
    for (const QList<TransferItem> *items : {&summary.refused, &summary.skipped, &summary.updated}) {
        for (const TransferItem &item : *items) {
            if (lines.size() >= kMaxListedLines) {
                ++unlisted;
                continue;
            }
            // An event of the list the file has otherwise: which of its fields differ.
            QStringList fields;
            for (const QString &field : item.differences)
                fields.append(describeField(field));
            const QString what = items == &summary.updated ? fields.join(QStringLiteral(", "))
                : fields.isEmpty()                        ? describeReason(item.reason)
                                                          : QStringLiteral("%1 (%2)").arg(describeReason(item.reason), fields.join(QStringLiteral(", ")));
            lines.append(QStringLiteral("%1: %2").arg(item.title, what));
        }
    }
    if (unlisted > 0)
        lines.append(QStringLiteral("+%1").arg(unlisted));
    if (summary.remindersWaiting > 0)
        lines.append(qtTrId("Transfer.remindersWaiting"));
    const int changed = summary.changedCount();
    return {{QStringLiteral("failed"), false},
            {QStringLiteral("title"), summary.headline()},
            {QStringLiteral("message"), lines.join(QLatin1Char('\n'))},
            {QStringLiteral("changed"), changed},
            //% "Update %n changed event(s)"
            {QStringLiteral("updateText"), changed > 0 ? qtTrId("Transfer.updateChanged", changed) : QString()}};
}

QVariantMap EventTransferActions::exportCalendar(const QUrl &file)
{
    if (!m_store)
        return {};
    return report(m_store->exportCalendar(writtenPathOf(file, QStringLiteral("ics"))));
}

QVariantMap EventTransferActions::importCalendar(const QUrl &file)
{
    if (!m_store)
        return {};
    m_lastCalendar = pathOf(file);
    return report(m_store->importCalendar(m_lastCalendar));
}

QVariantMap EventTransferActions::updateChanged()
{
    if (!m_store || m_lastCalendar.isEmpty())
        return {};
    return report(m_store->importCalendar(m_lastCalendar, true));
}

QVariantMap EventTransferActions::backUp(const QUrl &file)
{
    if (!m_store)
        return {};
    return report(m_store->backUp(writtenPathOf(file, QStringLiteral("json"))));
}

QVariantMap EventTransferActions::restore(const QUrl &file)
{
    if (!m_store)
        return {};
    return report(m_store->restore(pathOf(file)));
}

bool EventTransferActions::inBackground(const QString &path, TransferSummary (*import)(EventRepository &, const QString &))
{
    if (!m_store || m_busy)
        return false;
    m_busy = true;
    Q_EMIT busyChanged();
    // The worker has a repository of its own (the same files): the store's stays with the
    // window. The settings lock keeps the two from interleaving their changes.
    EventRepository repository(m_store->repository().settings(), m_store->repository().center());
    const QPointer<EventTransferActions> self(this);
    QThreadPool::globalInstance()->start([self, repository, path, import]() mutable {
        const TransferSummary summary = import(repository, path);
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, summary] {
                if (!self)
                    return;
                self->m_busy = false;
                if (self->m_store)
                    self->m_store->refresh();
                Q_EMIT self->busyChanged();
                Q_EMIT self->finished(report(summary));
            },
            Qt::QueuedConnection);
    });
    return true;
}

bool EventTransferActions::importCalendarInBackground(const QUrl &file)
{
    if (!inBackground(pathOf(file), [](EventRepository &repository, const QString &path) {
            return EventTransfer::importCalendar(repository, path);
        }))
        return false;
    m_lastCalendar = pathOf(file);
    return true;
}

bool EventTransferActions::updateChangedInBackground()
{
    if (m_lastCalendar.isEmpty())
        return false;
    // The file is read again and compared in the update's own step: what it takes is what
    // the file and the list hold then.
    return inBackground(m_lastCalendar, [](EventRepository &repository, const QString &path) {
        return EventTransfer::importCalendar(repository, path, true);
    });
}

bool EventTransferActions::restoreInBackground(const QUrl &file)
{
    return inBackground(pathOf(file), EventTransfer::importBackup);
}
