#include "notidays.h"

qint64 notiDaysCode(NotiDays option)
{
    switch (option) {
    case NotiDays::one:
        return 1;
    case NotiDays::three:
        return 2;
    case NotiDays::seven:
        return 3;
    case NotiDays::off:
        return 0;
    }
    return 0;
}

NotiDays notiDaysFromCode(qint64 code)
{
    switch (code) {
    case 1:
        return NotiDays::one;
    case 2:
        return NotiDays::three;
    case 3:
        return NotiDays::seven;
    default:
        return NotiDays::off;
    }
}

int reminderCount(NotiDays option)
{
    switch (option) {
    case NotiDays::one:
        return 1;
    case NotiDays::three:
        return 4;
    case NotiDays::seven:
        return 8;
    case NotiDays::off:
        return 0;
    }
    return 0;
}

QString notiDaysName(NotiDays option)
{
    switch (option) {
    case NotiDays::one:
        return QStringLiteral("one");
    case NotiDays::three:
        return QStringLiteral("three");
    case NotiDays::seven:
        return QStringLiteral("seven");
    case NotiDays::off:
        return QStringLiteral("off");
    }
    return QStringLiteral("off");
}

std::optional<NotiDays> notiDaysFromName(const QString &name)
{
    for (NotiDays option : {NotiDays::one, NotiDays::three, NotiDays::seven, NotiDays::off}) {
        if (name == notiDaysName(option))
            return option;
    }
    return std::nullopt;
}
