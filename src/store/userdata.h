#pragma once

#include "linkquery.h"

#include <model/edate.h>
#include <platform/notificationcenter.h>
#include <platform/settingsstore.h>
#include <reminders/notificationhelper.h>

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QUrl>

#include <functional>

// The event store of one scene (the app's window, or one command-line run): the ordered list
// of events, the page on screen, the store's alert and the reminder scheduler.
//
// The list lives in the settings file under "magicDates". Several processes of the user may
// change it at once (the app, the command line), so every operation locks the settings file,
// first takes in what another process saved since, then applies its change and saves once;
// nothing one process saved is lost by a later save of another. After every change that the
// widget shows, "contents.json" is republished and the widget asked to reload.
class UserData : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int currentPage READ currentPage WRITE setCurrentPage NOTIFY currentPageChanged)
    Q_PROPERTY(int count READ count NOTIFY magicDatesChanged)
    Q_PROPERTY(bool alertMaxEvent READ alertMaxEvent WRITE setAlertMaxEvent NOTIFY alertChanged)
    Q_PROPERTY(bool alertReview READ alertReview WRITE setAlertReview NOTIFY alertChanged)
    Q_PROPERTY(QString alertTitle READ alertTitle NOTIFY alertChanged)
    Q_PROPERTY(QString alertCopy READ alertCopy NOTIFY alertChanged)

public:
    static constexpr int kMaxEvents = 30;
    static const QString kEventsKey;   // "magicDates"
    static const QString kReviewKey;   // "appReview"

    // Loads the saved events (or the packaged defaults on a first start), saves them back and
    // publishes the widget contents.
    explicit UserData(QObject *parent = nullptr);
    UserData(SettingsStore settings, NotificationCenter center, QObject *parent = nullptr);
    ~UserData() override;

    const QList<EDate> &magicDates() const { return m_magicDates; }
    int count() const { return int(m_magicDates.size()); }
    int currentPage() const { return m_currentPage; }
    void setCurrentPage(int page);
    NotificationHelper *notificationHelper() const { return m_notificationHelper; }
    const SettingsStore &settings() const { return m_settings; }
    // Position in the theme list of the theme last applied by add or update.
    int colorIndex() const { return m_colorIndex; }

    bool alertMaxEvent() const { return m_alertMaxEvent; }
    void setAlertMaxEvent(bool on);
    bool alertReview() const { return m_alertReview; }
    void setAlertReview(bool on);
    QString alertTitle() const { return m_alertTitle; }
    QString alertCopy() const { return m_alertCopy; }
    // Raises the store's alert for a full list (the event limit), with its title and copy.
    Q_INVOKABLE void raiseEventLimitAlert();

    // Re-reads the saved list, falling back to the packaged defaults when there is none or it
    // cannot be read (the unreadable bytes are kept beside the settings file), saves it back
    // and publishes the widget contents.
    void loadEvents();
    // Takes in what another process saved since this store last read or wrote the list.
    void refresh();

    // New event at the front, shown at once (page 0).
    Q_INVOKABLE void addEvent(const QDateTime &date, const QString &title, bool countdown, qint64 themeId);

    enum class AddOutcome { Added, ListFull, TitleTaken };
    // addEvent, made only while the list as saved holds fewer than kMaxEvents events and, with
    // `uniqueTitle`, none with this title. The check and the add are one step under the
    // settings lock: two processes can never both take the last place, or both add one title.
    AddOutcome addEventWithinLimit(const QDateTime &date, const QString &title, bool countdown, qint64 themeId,
                                   bool uniqueTitle);
    // Rewrites the event at `index`. A new date forgets its reminder option and clears its
    // pending reminders, which belong to the old date.
    Q_INVOKABLE void updateEvent(int index, const QDateTime &date, const QString &title, bool countdown,
                                 qint64 themeId);
    // The same with the date as stored text, for callers that keep an event's date unchanged.
    void updateEventWithDateText(int index, const QString &dateText, const QString &title, bool countdown,
                                 qint64 themeId);
    Q_INVOKABLE void deleteEvent(int index);

    enum class DeleteResult { Deleted, Gone, LastEvent };
    // Deletes the event with this id, unless it is the last one, running `beforeDelete` on it
    // first; all of it one step under the settings lock, so that no other process can, say,
    // give the event new reminders between their removal and its deletion.
    DeleteResult deleteEventWithId(const QString &id, const std::function<void(const EDate &)> &beforeDelete);
    // Runs `change` on the event with this id as the list is saved now, under the settings
    // lock, and saves when it reports a change. False when there is no such event any more.
    // `publish`: whether the change is one the widget shows.
    bool changeEvent(const QString &id, const std::function<bool(EDate &)> &change, bool publish);
    // Moves one event to position `to` (the summary list's reorder).
    Q_INVOKABLE void moveEvent(int from, int to);
    // Stores the reminder option code of one event (the reminder screen's choice).
    void setRepeatNotification(int index, std::optional<qint64> code);

    // A widget's link: selects the page its "pageNumber" names, kept within the list.
    void openPageFromLink(const QList<QueryItem> &items);
    // A shared event's link: adds the event it describes unless one with that title exists
    // or the list is full (which raises the store's alert).
    void addEventFromLink(const QUrl &url, const QList<QueryItem> &items);

    // Rewrites "contents.json" from the list and asks the widget to reload.
    Q_INVOKABLE void writeWidgetContents();

Q_SIGNALS:
    void currentPageChanged();
    void magicDatesChanged();
    void alertChanged();

private:
    // Runs `change` on the up-to-date list under the settings lock and saves the result once.
    // `change` returns false when it changed nothing.
    bool mutate(const std::function<bool(QList<EDate> &)> &change, bool publish);
    void refreshLocked();
    void saveLocked();
    void writeWidgetContentsLocked();
    const struct ColorProvider &themeFor(qint64 themeId);
    EDate newEvent(const QDateTime &date, const QString &title, bool countdown, qint64 themeId);
    void keepUnreadableEvents(const QByteArray &bytes);

    SettingsStore m_settings;
    NotificationHelper *m_notificationHelper = nullptr;
    QList<EDate> m_magicDates;
    QByteArray m_lastSeenBytes; // the saved list as this store last read or wrote it
    int m_currentPage = 0;
    int m_colorIndex = 0;
    bool m_alertMaxEvent = false;
    bool m_alertReview = false;
    QString m_alertTitle;
    QString m_alertCopy;
};
