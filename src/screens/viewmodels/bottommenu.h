#pragma once

#include <store/userdata.h>

#include <QObject>
#include <QPointer>
#include <QtQml/qqml.h>

// The rules behind the event page's bottom menu: deleting the event on screen.
class BottomMenu : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(UserData *store READ store WRITE setStore NOTIFY storeChanged)
    // True while the alert "You can't delete the last one" is shown.
    Q_PROPERTY(bool showAlertDelete READ showAlertDelete WRITE setShowAlertDelete NOTIFY showAlertDeleteChanged)

public:
    explicit BottomMenu(QObject *parent = nullptr);

    UserData *store() const { return m_store; }
    void setStore(UserData *store);
    bool showAlertDelete() const { return m_showAlertDelete; }
    void setShowAlertDelete(bool on);

    // Deletes the event with this id, wherever it is now, with its reminders, and shows the
    // page before it. The last remaining event is kept, and the alert saying so is toggled
    // instead; one deleted elsewhere already stays deleted, without a word.
    Q_INVOKABLE void deleteEventWithId(const QString &id);

Q_SIGNALS:
    void storeChanged();
    void showAlertDeleteChanged();

private:
    QPointer<UserData> m_store;
    bool m_showAlertDelete = false;
};
