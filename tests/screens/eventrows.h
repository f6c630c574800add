#pragma once

#include <screens/viewmodels/eventlistmodel.h>
#include <screens/viewmodels/eventrow.h>
#include <store/userdata.h>

#include <QVariant>

// Events as the screens are handed them, for tests that show one screen on its own.

// One event's row, kept as long as `owner` lives.
inline QVariant rowOf(const EDate &event, QObject &owner, int index = 0)
{
    return QVariant::fromValue(new EventRow(event, index, &owner));
}

// A store's rows, as the window shares them between the pager and the summary.
inline QVariant rowsOf(UserData &store)
{
    auto *rows = new EventListModel(&store);
    rows->setStore(&store);
    return QVariant::fromValue(rows);
}

