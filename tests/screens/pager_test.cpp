#include <screens/viewmodels/pagerrules.h>
#include <screens/viewmodels/pagingscroll.h>
#include <support/qmlscene.h>

#include <QQuickItem>

#include <gtest/gtest.h>


TEST(PagingScroll, PagesSitOneTileAndPaddingApart)
{
    PagingScroll scroll;
    scroll.setTileWidth(390);
    scroll.setItemCount(5);
    EXPECT_EQ(scroll.offsetForPage(0), 0);
    EXPECT_EQ(scroll.offsetForPage(3), -3 * 570);
    EXPECT_EQ(scroll.contentWidth(), 5 * 570);
    EXPECT_EQ(scroll.stackOffset(), -90);
    EXPECT_EQ(scroll.pageForOffset(-570 * 2 - 284), 2);
    EXPECT_EQ(scroll.pageForOffset(-570 * 2 - 285), 3); // a half rounds away from zero
    EXPECT_EQ(scroll.pageForOffset(5000), 0);
    EXPECT_EQ(scroll.pageForOffset(-99999), 4);
    scroll.setItemCount(0);
    EXPECT_EQ(scroll.pageForOffset(-99999), 0);

    // Adding an event widens the strip by one tile and its padding.
    scroll.setItemCount(6);
    EXPECT_EQ(scroll.contentWidth(), 6 * 570);
}

TEST(PagingScroll, TheStripFollowsTheFingerThenSettlesOnAPage)
{
    PagingScroll scroll;
    scroll.setTileWidth(390);
    scroll.setItemCount(5);
    scroll.setCurrentPage(1);
    scroll.dragChanged(-100);
    EXPECT_EQ(scroll.currentScrollOffset(), -570 - 100);
    // A slow release close to where the finger is stays on the same page.
    EXPECT_EQ(scroll.dragEnded(-100), 1);
    EXPECT_EQ(scroll.swipeDirection(), QStringLiteral("no"));
    EXPECT_EQ(scroll.currentScrollOffset(), -570);
    EXPECT_EQ(scroll.dragOffset(), 0);
}

TEST(PagingScroll, ALeftwardDragGoesToALaterPage)
{
    PagingScroll scroll;
    scroll.setTileWidth(390);
    scroll.setItemCount(5);
    scroll.dragChanged(-300);
    EXPECT_EQ(scroll.dragEnded(-300), 1);
    EXPECT_EQ(scroll.swipeDirection(), QStringLiteral("right"));
    EXPECT_EQ(scroll.currentPage(), 1);
    EXPECT_EQ(scroll.currentScrollOffset(), -570);

    scroll.dragChanged(300);
    EXPECT_EQ(scroll.dragEnded(300), 0);
    EXPECT_EQ(scroll.swipeDirection(), QStringLiteral("left"));
}

TEST(PagingScroll, FastFlicksSkipPagesButStopAtTheEnds)
{
    PagingScroll scroll;
    scroll.setTileWidth(390);
    scroll.setItemCount(5);
    scroll.setCurrentPage(2);
    // A short drag whose speed would carry it far: the fling term (x 1.7) decides.
    scroll.dragChanged(-40);
    EXPECT_EQ(scroll.dragEnded(-40 - 700), 4);
    scroll.dragChanged(-40);
    EXPECT_EQ(scroll.dragEnded(-40 - 100000), 4);
    scroll.dragChanged(40);
    EXPECT_EQ(scroll.dragEnded(40 + 100000), 0);
    EXPECT_EQ(scroll.swipeDirection(), QStringLiteral("left"));
}

TEST(PagerRules, IndicatorFormsByPageCount)
{
    EXPECT_EQ(PagerRules::indicatorForm(0), PagerRules::NoIndicator);
    EXPECT_EQ(PagerRules::indicatorForm(1), PagerRules::NoIndicator);
    EXPECT_EQ(PagerRules::indicatorForm(2), PagerRules::Dots);
    EXPECT_EQ(PagerRules::indicatorForm(14), PagerRules::Dots);
    EXPECT_EQ(PagerRules::indicatorForm(15), PagerRules::Counter);
    EXPECT_EQ(PagerRules::indicatorForm(30), PagerRules::Counter);
}

TEST(PagerRules, BackLayerFollowsTheSwipeDirection)
{
    EXPECT_EQ(PagerRules::backLayerTransition(5, 2, QStringLiteral("right")), QStringLiteral("forward"));
    EXPECT_EQ(PagerRules::backLayerTransition(5, 2, QStringLiteral("left")), QStringLiteral("reverse"));
    EXPECT_EQ(PagerRules::backLayerTransition(5, 2, QStringLiteral("no")), QStringLiteral("jump"));
    EXPECT_EQ(PagerRules::backLayerTransition(5, 5, QStringLiteral("right")), QStringLiteral("none"));
    EXPECT_EQ(PagerRules::backLayerTransition(0, 0, QStringLiteral("left")), QStringLiteral("none"));
}

namespace {

QStringList textsUnder(QQuickItem *item)
{
    QStringList texts;
    if (!item)
        return texts;
    if (item->inherits("QQuickText"))
        texts << item->property("text").toString();
    for (QQuickItem *child : item->childItems())
        texts << textsUnder(child);
    return texts;
}

int dotsUnder(QQuickItem *row)
{
    int dots = 0;
    for (QQuickItem *child : row->childItems())
        dots += child->inherits("QQuickRectangle");
    return dots;
}

} // namespace

TEST(PageIndicator, NothingForOnePageDotsUpToFourteenThenACounter)
{
    QmlScene one(QStringLiteral("PageIndicator"), {{QStringLiteral("pageCount"), 1}}, QSize(300, 40));
    ASSERT_TRUE(one.item());
    EXPECT_FALSE(one.find(QStringLiteral("indicatorDots"))->isVisible());
    EXPECT_FALSE(one.find(QStringLiteral("indicatorCounter"))->isVisible());

    QmlScene dots(QStringLiteral("PageIndicator"),
                  {{QStringLiteral("pageCount"), 14}, {QStringLiteral("currentPage"), 2}}, QSize(300, 40));
    ASSERT_TRUE(dots.item());
    QQuickItem *row = dots.find(QStringLiteral("indicatorDots"));
    EXPECT_TRUE(row->isVisible());
    EXPECT_EQ(dotsUnder(row), 14);
    EXPECT_TRUE(textsUnder(dots.find(QStringLiteral("indicatorCounter"))).isEmpty());

    QmlScene counter(QStringLiteral("PageIndicator"),
                     {{QStringLiteral("pageCount"), 15}, {QStringLiteral("currentPage"), 2}}, QSize(300, 40));
    ASSERT_TRUE(counter.item());
    EXPECT_FALSE(counter.find(QStringLiteral("indicatorDots"))->isVisible());
    // Hidden dots would still be made, one per page, at every start.
    EXPECT_EQ(dotsUnder(counter.find(QStringLiteral("indicatorDots"))), 0);
    EXPECT_TRUE(counter.find(QStringLiteral("indicatorCounter"))->isVisible());
    EXPECT_EQ(textsUnder(counter.find(QStringLiteral("indicatorCounter"))),
              QStringList({QStringLiteral("3"), QStringLiteral("/"), QStringLiteral("15")}));
}
