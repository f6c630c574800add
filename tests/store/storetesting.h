#pragma once

#include <model/edate.h>
#include <platform/settingsstore.h>
#include <store/userdata.h>

#include <QList>
#include <support/testenvironment.h>

// Events for store tests, titled "E0", "E1", ... with distinct dates and ids.
QList<EDate> numberedEvents(int count);

// Saves `events` as the list a store will find at its next start.
void seedSavedEvents(const QList<EDate> &events);

// The list as saved on disk right now.
QList<EDate> savedEvents();

