#pragma once

#include <platform/notificationcenter.h>
#include <reminders/notidays.h>
#include <store/userdata.h>

#include <QObject>
#include <QPointer>
#include <QtQml/qqml.h>
#include <memory>

class NotificationHelper;

// The reminder options of one event, as the reminder screen offers them:
// option 1 on the day, 2 three days before, 3 seven days before, 4 off.
//
// It owns a scheduler of its own, made with it, which reads the authorization once; a
// decision taken in the app's own prompt or settings page replaces it with one that knows
// the new decision.
class ReminderChoice : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(UserData *store READ store WRITE setStore NOTIFY storeChanged)
    // The id of the event whose reminders the screen shows (the row of the page it was opened from).
    Q_PROPERTY(QString eventId READ eventId WRITE setEventId NOTIFY eventChanged)
    // The option whose check box is on, 1 to 4.
    Q_PROPERTY(int selectedOption READ selectedOption NOTIFY selectedOptionChanged)
    // A count-up event has no reminders: only "off" can be chosen.
    Q_PROPERTY(bool countUp READ countUp NOTIFY eventChanged)
    Q_PROPERTY(bool showAlertPermissions READ showAlertPermissions WRITE setShowAlertPermissions NOTIFY
                   showAlertPermissionsChanged)
    Q_PROPERTY(bool showAuthorizationPrompt READ showAuthorizationPrompt WRITE setShowAuthorizationPrompt NOTIFY
                   showAuthorizationPromptChanged)
    // The authorization as this screen's scheduler knows it (AuthorizationStatus code).
    Q_PROPERTY(int authorizationStatus READ authorizationStatus NOTIFY authorizationStatusChanged)
    // A reminder is chosen but reminders are not allowed: it waits for the permission.
    Q_PROPERTY(bool waitingForPermission READ waitingForPermission NOTIFY waitingForPermissionChanged)
    // The time of day every reminder arrives at, as read when the screen appears or chosen
    // here: its hour (0 to 23), its minute, and the time in the person's language and clock.
    Q_PROPERTY(int reminderHour READ reminderHour NOTIFY reminderTimeChanged)
    Q_PROPERTY(int reminderMinute READ reminderMinute NOTIFY reminderTimeChanged)
    Q_PROPERTY(QString reminderTimeText READ reminderTimeText NOTIFY reminderTimeChanged)

public:
    explicit ReminderChoice(QObject *parent = nullptr);
    explicit ReminderChoice(NotificationCenter center, QObject *parent = nullptr);
    ~ReminderChoice() override;

    UserData *store() const { return m_store; }
    void setStore(UserData *store);
    QString eventId() const { return m_eventId; }
    void setEventId(const QString &id);
    int selectedOption() const { return optionNumber(m_selected); }
    NotiDays selection() const { return m_selected; }
    bool countUp() const;
    bool showAlertPermissions() const { return m_showAlertPermissions; }
    void setShowAlertPermissions(bool on);
    bool showAuthorizationPrompt() const { return m_showAuthorizationPrompt; }
    void setShowAuthorizationPrompt(bool on);
    int authorizationStatus() const;
    bool waitingForPermission() const;
    int reminderHour() const { return m_reminderTime.hour(); }
    int reminderMinute() const { return m_reminderTime.minute(); }
    QString reminderTimeText() const;

    static int optionNumber(NotiDays option) { return int(option) + 1; }

    // The screen appears: shows the event's stored option (none stored leaves the selection).
    Q_INVOKABLE void appear();
    // A tap on option 1 to 4: schedules or clears the event's reminders as the authorization
    // allows, or asks for it, and stores the option on the event. Count-up events take "off"
    // only.
    Q_INVOKABLE void choose(int option);
    // Where a person goes from the waiting note: the prompt when nobody was asked yet, the
    // notification settings page (showAlertPermissions) when reminders were turned off.
    Q_INVOKABLE void askForPermission();
    // The answers of the app's authorization prompt. Allowing schedules the chosen option at
    // once; denying leaves nothing scheduled and says how to turn notifications on.
    Q_INVOKABLE void allowNotifications();
    Q_INVOKABLE void denyNotifications();
    // Reads the authorization again (after the settings page closed); reminders of the chosen
    // option are scheduled when notifications have just become allowed.
    Q_INVOKABLE void refreshAuthorization();
    // Chooses the time all reminders arrive at (hour 0 to 23, minute 0 to 59; others are
    // ignored): every event's pending reminders move to it at once. False when it could not
    // be written, and the time shown stays the stored one.
    Q_INVOKABLE bool chooseReminderTime(int hour, int minute);

Q_SIGNALS:
    void storeChanged();
    void selectedOptionChanged();
    void eventChanged();
    void showAlertPermissionsChanged();
    void showAuthorizationPromptChanged();
    void authorizationStatusChanged();
    void waitingForPermissionChanged();
    void reminderTimeChanged();

private:
    void setSelection(NotiDays option);
    void renewHelper();
    void setAllowed(bool allowed);
    // Shows the stored reminder time, saying so when it is another than the one shown.
    void reloadReminderTime();
    // The event the screen shows, wherever another program moved it; nothing once deleted.
    std::optional<EDate> shownEvent() const;

    NotificationCenter m_center;
    std::unique_ptr<NotificationHelper> m_helper;
    QPointer<UserData> m_store;
    QString m_eventId;
    NotiDays m_selected = NotiDays::off;
    QTime m_reminderTime = NotificationCenter::defaultReminderTime();
    bool m_showAlertPermissions = false;
    bool m_showAuthorizationPrompt = false;
};
