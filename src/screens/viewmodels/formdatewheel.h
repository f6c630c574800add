#pragma once

#include <store/eventrules.h>

#include <QObject>
#include <QStringList>
#include <QtQml/qqml.h>

// The texts and the column order of the form's date wheel, in the user's language: Korean,
// Japanese and Chinese read year, month, day ("2026년 12월 8일"); other languages day,
// month, year with the month's name.
class FormDateWheel : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QStringList columns READ columns CONSTANT)
    Q_PROPERTY(QStringList monthNames READ monthNames CONSTANT)
    Q_PROPERTY(int firstYear READ firstYear CONSTANT)
    Q_PROPERTY(int lastYear READ lastYear CONSTANT)

public:
    explicit FormDateWheel(QObject *parent = nullptr);

    // "day", "month" and "year" in the order the wheel shows them, for a language code.
    static QStringList columnsFor(const QString &language);

    QStringList columns() const { return m_columns; }
    // Twelve month names, January first.
    QStringList monthNames() const { return m_monthNames; }
    // The years the wheel offers.
    // Every year an event may have, so that the form shows any event it edits as it is.
    int firstYear() const { return EventRules::kFirstYear; }
    int lastYear() const { return EventRules::kLastYear; }

    Q_INVOKABLE QString dayText(int day) const;
    Q_INVOKABLE QString yearText(int year) const;
    // The number of days of a month (1 … 12) of a year.
    Q_INVOKABLE int daysInMonth(int year, int month) const;

private:
    QString m_language;
    QStringList m_columns;
    QStringList m_monthNames;
};
