#pragma once

#include <QObject>
#include <QString>
#include <QtQml/qqml.h>

// Small rules of the pager that the screens ask about.
class PagerRules : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    using QObject::QObject;

    enum IndicatorForm { NoIndicator, Dots, Counter };
    Q_ENUM(IndicatorForm)

    // No indicator for a single page, a dot per page up to 14, "c / n" from 15 on.
    Q_INVOKABLE static IndicatorForm indicatorForm(int pageCount);

    // How the full pages behind the strip follow the current page: "none" (nothing to do,
    // the page is past the list), "forward" or "reverse" (animated), or "jump" (shown at once).
    Q_INVOKABLE static QString backLayerTransition(int pageCount, int currentPage, const QString &swipeDirection);
};
