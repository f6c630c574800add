#include "pagerrules.h"

PagerRules::IndicatorForm PagerRules::indicatorForm(int pageCount)
{
    if (pageCount <= 1)
        return NoIndicator;
    return pageCount <= 14 ? Dots : Counter;
}

QString PagerRules::backLayerTransition(int pageCount, int currentPage, const QString &swipeDirection)
{
    if (currentPage == pageCount)
        return QStringLiteral("none");
    if (swipeDirection == QLatin1String("right"))
        return QStringLiteral("forward");
    if (swipeDirection == QLatin1String("left"))
        return QStringLiteral("reverse");
    return QStringLiteral("jump");
}
