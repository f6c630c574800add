#include "bottommenu.h"

#include <store/eventactions.h>

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

void BottomMenu::deleteEvent(int page)
{
    if (!m_store)
        return;
    if (deleteEventWithReminders(*m_store, page) == DeleteOutcome::RefusedLastEvent)
        setShowAlertDelete(!m_showAlertDelete);
}
