#pragma once

#include <QString>

// What the configuration options need of one published event.
struct EventDetails
{
    QString pageNumber;  // decimal
    QString eventTitle;

    friend bool operator==(const EventDetails &, const EventDetails &) = default;
};
