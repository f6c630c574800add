#pragma once

#include <QColor>
#include <QObject>
#include <QtQml/qqml.h>

// Colours for the screens: the stored hex texts of events and themes, converted the one way
// the whole app converts them.
class Colors : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    using QObject::QObject;

    // The colour of a stored hex text ("FFF480", "#F48", "80FFF480").
    Q_INVOKABLE QColor hex(const QString &text) const;
};
