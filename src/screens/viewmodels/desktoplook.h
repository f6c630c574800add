#pragma once

#include <QObject>
#include <QtQml/qqml.h>

// What the screens take from the desktop for their look (through the Style singleton): the
// colour scheme and reduced motion as the desktop prefers them, followed live, and how much
// larger than standard the desktop draws text.
class DesktopLook : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(bool dark READ dark NOTIFY changed)
    Q_PROPERTY(bool reducedMotion READ reducedMotion NOTIFY changed)
    Q_PROPERTY(qreal textScale READ textScale CONSTANT)

public:
    explicit DesktopLook(QObject *parent = nullptr);

    bool dark() const;
    bool reducedMotion() const;
    // The font resolution of the primary screen over the standard 96 dots per inch: the
    // desktop's text scaling, which text sizes in points follow by themselves.
    qreal textScale() const;

Q_SIGNALS:
    void changed();
};
