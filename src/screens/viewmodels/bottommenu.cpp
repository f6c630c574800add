#include "bottommenu.h"


BottomMenu::BottomMenu(QObject *parent)
    : QObject(parent)
{
}

void BottomMenu::setStore(UserData *store)
{
    if (store == m_store)
        return;
    m_store = store;
    Q_EMIT storeChanged();
}

void BottomMenu::setShowAlertDelete(bool on)
{
    if (on == m_showAlertDelete)
        return;
    m_showAlertDelete = on;
    Q_EMIT showAlertDeleteChanged();
}

void BottomMenu::deleteEventWithId(const QString &id)
{
    if (!m_store)
        return;
    // Its reminders go in the same step; when it was on screen the page before is shown.
    if (m_store->deleteEvent(id) == StoreOutcome::LastEvent)
        setShowAlertDelete(!m_showAlertDelete);
}
