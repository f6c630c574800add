#pragma once

#include "eventdetails.h"

#include <QList>

// Reads the events the app published for its widget, afresh on every call.
class EvenProvider
{
public:
    // The published events in file order; empty when there is no file or it does not decode.
    static QList<EventDetails> readContents();
};
