#include "pagingscroll.h"

#include <cmath>

PagingScroll::PagingScroll(QObject *parent)
    : QObject(parent)
{
}

void PagingScroll::setItemCount(int count)
{
    if (count == m_itemCount)
        return;
    m_itemCount = count;
    Q_EMIT geometryChanged();
    layoutStrip();
}

void PagingScroll::setTileWidth(qreal width)
{
    if (width == m_tileWidth)
        return;
    m_tileWidth = width;
    Q_EMIT geometryChanged();
    layoutStrip();
}

void PagingScroll::setTilePadding(qreal padding)
{
    if (padding == m_tilePadding)
        return;
    m_tilePadding = padding;
    Q_EMIT geometryChanged();
    layoutStrip();
}

void PagingScroll::setCurrentPage(int page)
{
    if (page == m_currentPage)
        return;
    m_currentPage = page;
    Q_EMIT currentPageChanged();
    layoutStrip();
}

void PagingScroll::setSwipeDirection(const QString &direction)
{
    if (direction == m_swipeDirection)
        return;
    m_swipeDirection = direction;
    Q_EMIT swipeDirectionChanged();
}

qreal PagingScroll::offsetForPage(int page) const
{
    return leadingOffset() - page * (m_tileWidth + m_tilePadding);
}

int PagingScroll::pageForOffset(qreal offset) const
{
    if (m_itemCount <= 0)
        return 0;
    // std::round rounds halves away from zero, as the strip wants.
    const qreal page = std::round(-(offset - leadingOffset()) / (m_tileWidth + m_tilePadding));
    return int(std::clamp<qreal>(page, 0, m_itemCount - 1));
}

void PagingScroll::layoutStrip()
{
    const qreal offset = offsetForPage(m_currentPage) + m_dragOffset;
    if (offset == m_currentScrollOffset)
        return;
    m_currentScrollOffset = offset;
    Q_EMIT scrollChanged();
}

void PagingScroll::dragChanged(qreal translation)
{
    m_dragOffset = translation;
    layoutStrip();
}

int PagingScroll::dragEnded(qreal predictedEndTranslation)
{
    const qreal fling = (predictedEndTranslation - m_dragOffset) * kScrollDampingFactor;
    const int target = pageForOffset(m_currentScrollOffset + fling);
    setSwipeDirection(m_currentPage < target ? QStringLiteral("right")
                      : m_currentPage > target ? QStringLiteral("left")
                                               : QStringLiteral("no"));
    m_dragOffset = 0;
    if (target == m_currentPage)
        layoutStrip();
    else
        setCurrentPage(target);
    return target;
}
