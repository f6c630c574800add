#pragma once

#include <QObject>
#include <QString>
#include <QtQml/qqml.h>

// The strip of event tiles in front of the pages: its geometry, the drag that moves it and
// where a drag comes to rest. All lengths are points; the strip's offset grows more negative
// with the page index.
class PagingScroll : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(int itemCount READ itemCount WRITE setItemCount NOTIFY geometryChanged)
    Q_PROPERTY(qreal tileWidth READ tileWidth WRITE setTileWidth NOTIFY geometryChanged)
    Q_PROPERTY(qreal tilePadding READ tilePadding WRITE setTilePadding NOTIFY geometryChanged)
    Q_PROPERTY(int currentPage READ currentPage WRITE setCurrentPage NOTIFY currentPageChanged)
    Q_PROPERTY(qreal contentWidth READ contentWidth NOTIFY geometryChanged)
    Q_PROPERTY(qreal leadingOffset READ leadingOffset CONSTANT)
    Q_PROPERTY(qreal stackOffset READ stackOffset NOTIFY geometryChanged)
    Q_PROPERTY(qreal currentScrollOffset READ currentScrollOffset NOTIFY scrollChanged)
    Q_PROPERTY(qreal dragOffset READ dragOffset NOTIFY scrollChanged)
    Q_PROPERTY(QString swipeDirection READ swipeDirection WRITE setSwipeDirection NOTIFY swipeDirectionChanged)

public:
    static constexpr qreal kScrollDampingFactor = 1.7;

    explicit PagingScroll(QObject *parent = nullptr);

    int itemCount() const { return m_itemCount; }
    void setItemCount(int count);
    qreal tileWidth() const { return m_tileWidth; }
    void setTileWidth(qreal width);
    qreal tilePadding() const { return m_tilePadding; }
    void setTilePadding(qreal padding);
    int currentPage() const { return m_currentPage; }
    void setCurrentPage(int page);
    qreal contentWidth() const { return (m_tileWidth + m_tilePadding) * m_itemCount; }
    qreal leadingOffset() const { return 0; }
    qreal stackOffset() const { return -m_tilePadding / 2; }
    qreal currentScrollOffset() const { return m_currentScrollOffset; }
    qreal dragOffset() const { return m_dragOffset; }
    QString swipeDirection() const { return m_swipeDirection; }
    void setSwipeDirection(const QString &direction);

    // The strip offset that shows page `page`.
    Q_INVOKABLE qreal offsetForPage(int page) const;
    // The page nearest to strip offset `offset`, within the list (0 when it is empty).
    Q_INVOKABLE int pageForOffset(qreal offset) const;
    // Recomputes the offset from the current page and the drag in progress.
    Q_INVOKABLE void layoutStrip();

    // The finger moved: the strip follows it without animation.
    Q_INVOKABLE void dragChanged(qreal translation);
    // The finger lifted; `predictedEndTranslation` is where the drag would come to rest at its
    // speed. Chooses the page (a flick can skip several, clamped to the list), records the
    // direction and returns the page, which the caller animates to with the pager's spring.
    Q_INVOKABLE int dragEnded(qreal predictedEndTranslation);

Q_SIGNALS:
    void geometryChanged();
    void currentPageChanged();
    void scrollChanged();
    void swipeDirectionChanged();

private:
    int m_itemCount = 0;
    qreal m_tileWidth = 390;
    qreal m_tilePadding = 180;
    int m_currentPage = 0;
    qreal m_currentScrollOffset = 0;
    qreal m_dragOffset = 0;
    QString m_swipeDirection = QStringLiteral("left");
};
