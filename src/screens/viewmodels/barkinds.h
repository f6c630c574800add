#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QtQml/qqml.h>

// Which drawing a bar gets for a stored bar kind name.
class BarKinds : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(QStringList all READ all CONSTANT)

public:
    using QObject::QObject;

    // The twelve kind names in display order.
    static QStringList all();
    // The kind drawn for a stored name: the name itself when it is one of the twelve (exact
    // case), "FlatBar" otherwise.
    Q_INVOKABLE static QString drawingKind(const QString &name);
    // Whether the kind is drawn from a picture rather than from the bar colour.
    Q_INVOKABLE static bool isPicture(const QString &name);
};
