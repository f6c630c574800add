#include <support/qmlscene.h>

#include <QQmlListReference>
#include <QQuickItem>
#include <gtest/gtest.h>

TEST(FullWidth, PlacesItsContentAtTheStartTheEndOrTheMiddle)
{
    const std::pair<int, qreal> cases[] = {{Qt::AlignLeft, 0}, {Qt::AlignRight, 260}, {Qt::AlignHCenter, 130}};
    for (const auto &[alignment, x] : cases) {
        QmlScene scene(QStringLiteral("FullWidth"), {{QStringLiteral("alignment"), alignment}, {QStringLiteral("width"), 300}},
                       QSize(300, 40));
        ASSERT_TRUE(scene.item());
        auto *content = new QQuickItem(scene.item()); // deleted with the scene's item
        content->setSize(QSizeF(40, 20));
        QQmlListReference(scene.item(), "content").append(content);
        scene.settle();
        EXPECT_DOUBLE_EQ(content->mapToItem(scene.item(), QPointF(0, 0)).x(), x) << alignment;
    }
}

TEST(LineOfListView, IsAFaintHairlineOfTheGivenWidth)
{
    QmlScene scene(QStringLiteral("LineOfListView"), {{QStringLiteral("screenWidth"), 200}}, QSize(300, 20));
    ASSERT_TRUE(scene.item());
    scene.item()->setPosition(QPointF(0, 10));
    scene.item()->setWidth(300);
    scene.settle();
    const QImage image = scene.grab(QStringLiteral("line-of-list-view"));
    EXPECT_EQ(scene.item()->implicitWidth(), 200);
    // Drawn at 20% white over black, centred.
    EXPECT_GT(pixel(image, 150, 10).red(), 20);
    EXPECT_LT(pixel(image, 150, 10).red(), 80);
    EXPECT_EQ(pixel(image, 20, 10).red(), 0);
}
