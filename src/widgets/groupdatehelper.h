#pragma once

#include <QString>

// The widget's hold on the date rules: the very day count and display date the app shows,
// so a widget and the app's page never disagree.
class GroupDateHelper
{
public:
    // The text of the widget's count: "YAY!", the days left or the day number, as the app's.
    QString getDayCount(const QString &ddate, bool countdown) const;
    // The short display date of the current language; the text itself when it is no date.
    QString getRightDateFormat(const QString &text) const;
};
