#pragma once

#include <QString>

// What the configuration options need of one published event.
struct EventDetails
{
    QString pageNumber;  // decimal
    QString eventTitle;
    QString eventId = QString(); // empty in contents written before events had ids

    friend bool operator==(const EventDetails &, const EventDetails &) = default;
};
