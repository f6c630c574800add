#pragma once

#include "countunit.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QVariantMap>
#include <optional>

// One counted day ("event"): its title, its date, its look and its reminder settings.
// A plain value; the fields encode under their own names.
struct EDate
{
    QString ddate;                              // "yyyy-MM-dd" as the app writes it
    std::optional<qint64> colorIndex;           // theme id applied last, not a list position
    QString bgColor;
    QString fontColor;
    QString lineColor;
    QString circleColor;
    QString dateTitle;
    QString barType;                            // raw name of a BarType
    QString barColor;
    bool notification = false;
    std::optional<qint64> repeatNotification;   // stored NotiDays code
    std::optional<bool> countdown;              // absent counts down
    QString id;                                 // upper-case UUID text
    // How the event comes back: absent for once, "yearly" (kRepeatYearly) for every year on
    // its month and day. Kept as written, so that a kind a later version brings survives a
    // save here (it counts as once). Lists without repeating events never carry the key.
    std::optional<QString> repeat = std::nullopt;
    // The unit the count is shown in: absent for days, else "weeks", "months" or "years" (a
    // CountUnit's name). Kept as written like `repeat`: a unit this version does not know
    // counts in days.
    std::optional<QString> countUnit = std::nullopt;

    // An event without a direction counts down.
    bool countsDown() const { return countdown.value_or(true); }

    static constexpr char kRepeatYearly[] = "yearly";
    // Repeats every year, counting down to its next occurrence. A count-up event never does:
    // it counts from the one day it names.
    bool repeatsYearly() const;

    // The unit the count is shown in (days when none or an unknown one is stored).
    CountUnit unit() const;

    // Structural: all fifteen fields, texts compared as canonically equivalent Unicode.
    friend bool operator==(const EDate &a, const EDate &b);
    friend bool operator!=(const EDate &a, const EDate &b) { return !(a == b); }

    // Keyed form shared by JSON and property lists. Optional fields are left out when absent,
    // so the form of an event that does not repeat is the one every earlier version wrote.
    QVariantMap toKeyed() const;
    // Fails (nothing) when a required key is missing or any key has the wrong type; absent or
    // null optional keys decode as absent; unknown keys are ignored.
    static std::optional<EDate> fromKeyed(const QVariantMap &keyed);

    QJsonObject toJson() const;
    static std::optional<EDate> fromJson(const QJsonObject &object);
};

size_t qHash(const EDate &event, size_t seed = 0) noexcept;

// The event list as stored under "magicDates": a binary property list holding an array of
// event dictionaries. Decoding fails as a whole when any one record fails.
QByteArray encodeEventList(const QList<EDate> &events);
std::optional<QList<EDate>> decodeEventList(const QByteArray &binaryPlist);

// The same list as a JSON array (the form of the packaged default events).
std::optional<QList<EDate>> decodeEventListJson(const QByteArray &json);
