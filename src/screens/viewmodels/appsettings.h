#pragma once

#include <QObject>
#include <QtQml/qqml.h>

// The app's own settings that screens read or write (beyond the event list).
class AppSettings : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(bool reviewed READ reviewed NOTIFY reviewedChanged)

public:
    using QObject::QObject;

    // Whether the person has gone to write a review ("appReview"); absent reads as false.
    bool reviewed() const;
    // Remembers that the review page was opened, so the app does not ask again.
    Q_INVOKABLE void markReviewed();

Q_SIGNALS:
    void reviewedChanged();
};
