#include <support/logcapture.h>
#include <support/qmlscene.h>

#include <model/resources.h>
#include <screens/viewmodels/barkinds.h>
#include <screens/viewmodels/barspring.h>
#include <screens/viewmodels/octagon.h>
#include <screens/viewmodels/svglayer.h>

#include <QElapsedTimer>
#include <QFile>
#include <QPainter>
#include <QQmlComponent>
#include <QQuickItem>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace {

const QSize kBarScene(390, 300);
constexpr qreal kTileWidth = 390;

QStringList allKinds()
{
    return BarKinds::all();
}

// The kinds drawn from an SVG drawing ("Love" is drawn from its heart view).
QStringList pictureKinds()
{
    QStringList kinds;
    for (const QString &kind : allKinds()) {
        if (BarKinds::isPicture(kind) && kind != QLatin1String("Love"))
            kinds << kind;
    }
    return kinds;
}

QVariantMap barProperties(const QString &kind, bool animate = false, const QString &color = QStringLiteral("FF7580"))
{
    return {{QStringLiteral("barShape"), kind},
            {QStringLiteral("barColor"), color},
            {QStringLiteral("barWidth"), kTileWidth / 1.6},
            {QStringLiteral("barHeight"), kTileWidth / 3.6},
            {QStringLiteral("animateEntrance"), animate}};
}

QVariantMap tileProperties(const QString &kind, int tileIndex, int currentPage, bool animate)
{
    return {{QStringLiteral("tileIndex"), tileIndex},   {QStringLiteral("currentPage"), currentPage},
            {QStringLiteral("circleColor"), "FFB4A2"}, {QStringLiteral("barType"), kind},
            {QStringLiteral("barColor"), "FF7580"},    {QStringLiteral("tileWidth"), kTileWidth},
            {QStringLiteral("animateEntrance"), animate}};
}

bool isBackground(const QColor &color)
{
    return color.red() < 12 && color.green() < 12 && color.blue() < 12;
}

QImage rgb(const QImage &image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

// Items in the visual tree under `root` (Repeater and Loader children included), in drawing order.
QList<QQuickItem *> itemsNamed(QQuickItem *root, const QString &name)
{
    QList<QQuickItem *> found;
    for (QQuickItem *child : root->childItems()) {
        if (child->objectName() == name)
            found << child;
        found << itemsNamed(child, name);
    }
    return found;
}

QQuickItem *itemNamed(QQuickItem *root, const QString &name)
{
    return itemsNamed(root, name).value(0);
}

QRect sceneRect(QQuickItem *item)
{
    return item->mapRectToScene(QRectF(0, 0, item->width(), item->height())).toAlignedRect();
}

// Share of the pixels (of two images of one size) whose colours differ by more than
// `tolerance` on some channel.
double differingShare(const QImage &a, const QImage &b, int tolerance = 12)
{
    int differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (!near(a.pixelColor(x, y), b.pixelColor(x, y), tolerance))
                ++differing;
        }
    }
    return double(differing) / (a.width() * a.height());
}

// Share of the pixels of `a` that match no pixel of `b` within one pixel of the same place:
// ignores edges that moved by less than a pixel, finds shapes that are missing or misplaced.
double mismatchedShare(const QImage &a, const QImage &b, int tolerance = 32)
{
    int mismatched = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            bool matched = false;
            for (int dy = -1; dy <= 1 && !matched; ++dy) {
                for (int dx = -1; dx <= 1 && !matched; ++dx) {
                    const QPoint p(x + dx, y + dy);
                    matched = b.rect().contains(p) && near(a.pixelColor(x, y), b.pixelColor(p), tolerance);
                }
            }
            mismatched += !matched;
        }
    }
    return double(mismatched) / (a.width() * a.height());
}

int pixelsOfColour(const QImage &image, const QColor &colour, int tolerance = 1)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (near(image.pixelColor(x, y), colour, tolerance))
                ++count;
        }
    }
    return count;
}

// The still picture of a kind in a bar scene.
QImage barPicture(const QString &kind)
{
    QmlScene scene(QStringLiteral("BarCircle"), barProperties(kind), kBarScene);
    scene.settle();
    return rgb(scene.grab());
}

QString svgPath(const QString &kind)
{
    return QStringLiteral(":/tallowick/images/%1.svg").arg(kind);
}

// Qt Quick's SpringAnimation step, as it moves a value towards 0 from `start` at rest.
std::vector<double> springAnimationPath(const QtSpringSettings &settings, double start, int steps)
{
    std::vector<double> path;
    double x = start, v = 0;
    for (int i = 0; i <= steps; ++i) {
        path.push_back(x);
        v = v + settings.spring * (0 - x) - settings.damping * v;
        x += v * kSpringAnimationStep;
    }
    return path;
}

// The exact motion of a damped spring (per unit mass) released at rest from `start`.
double dampedSpring(double k, double c, double start, double t)
{
    const double omega = std::sqrt(k);
    const double zeta = c / (2 * omega);
    const double omegaD = omega * std::sqrt(1 - zeta * zeta);
    return start * std::exp(-zeta * omega * t) * (std::cos(omegaD * t) + zeta * omega / omegaD * std::sin(omegaD * t));
}

} // namespace

// --- Loading ----------------------------------------------------------------------------------

TEST(BarTypes, EveryDrawingTypeLoads)
{
    QQmlEngine engine;
    engine.addImportPath(QStringLiteral("qrc:/qt/qml"));
    for (const char *type : {"BarCircle", "CircleAnimation", "HeartDecoration", "Octagon", "SvgLayer"}) {
        QQmlComponent component(&engine);
        component.setData(QStringLiteral("import Tallowick\n%1 {}\n").arg(QLatin1String(type)).toUtf8(), QUrl());
        EXPECT_TRUE(component.isReady()) << type << ": " << component.errorString().toStdString();
    }
}

// --- Octagon ------------------------------------------------------------------------------------

TEST(Octagon, StartsStraightUpAndGoesClockwiseEvery45DegreesOnACircleOfHalfTheWidth)
{
    const QRectF rect(0, 0, 200, 300);
    const auto vertices = octagonVertices(rect);
    const QPointF centre = rect.center();
    EXPECT_NEAR(vertices[0].x(), 100, 1e-9);
    EXPECT_NEAR(vertices[0].y(), 50, 1e-9);
    // A quarter turn clockwise on screen (y grows downward) is straight to the right.
    EXPECT_NEAR(vertices[2].x(), 200, 1e-9);
    EXPECT_NEAR(vertices[2].y(), 150, 1e-9);
    for (int k = 0; k < 8; ++k) {
        const QPointF d = vertices[k] - centre;
        EXPECT_NEAR(std::hypot(d.x(), d.y()), 100, 1e-9) << k;
        EXPECT_NEAR(std::atan2(d.y(), d.x()) * 180 / std::numbers::pi, std::remainder(45.0 * k - 90, 360), 1e-9) << k;
    }
}

TEST(Octagon, AnInsetOctagonStaysCentredAndShrinksByTheInset)
{
    const QRectF rect(12, 20, 200, 200);
    const auto plain = octagonVertices(rect);
    const auto inset = octagonVertices(rect, 25);
    // The picture of the beach draws this octagon; its corners are those of the drawing.
    EXPECT_NEAR(plain[0].x(), 112, 1e-9);
    EXPECT_NEAR(plain[0].y(), 20, 1e-9);
    EXPECT_NEAR(plain[1].x(), 182.71, 0.01);
    EXPECT_NEAR(plain[1].y(), 49.29, 0.01);
    for (int k = 0; k < 8; ++k) {
        const QPointF d = inset[k] - rect.center();
        EXPECT_NEAR(std::hypot(d.x(), d.y()), 75, 1e-9) << k;
        // Pulled straight in towards the centre.
        const QPointF p = plain[k] - rect.center();
        EXPECT_NEAR(d.x() * p.y() - d.y() * p.x(), 0, 1e-6) << k;
    }
}

TEST(Octagon, InsetByAddsToTheInsetAndPaintsTheSmallerShape)
{
    Octagon octagon;
    octagon.setSize(QSizeF(100, 100));
    octagon.setColor(Qt::red);
    EXPECT_EQ(octagon.insetBy(10), 10);
    EXPECT_EQ(octagon.insetBy(5), 15);
    EXPECT_EQ(octagon.inset(), 15);

    QImage image(100, 100, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    octagon.paint(&painter);
    painter.end();
    EXPECT_EQ(image.pixelColor(50, 50), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(50, 18), QColor(Qt::red));
    // Above the top corner, and the rectangle's corners, stay empty.
    EXPECT_EQ(image.pixelColor(50, 12).alpha(), 0);
    EXPECT_EQ(image.pixelColor(20, 20).alpha(), 0);
}

// --- Springs ------------------------------------------------------------------------------------

TEST(BarSpring, SpringAnimationSettingsFollowTheTrueSpringCurve)
{
    // Started from rest, SpringAnimation runs about half a step ahead of the spring it stands
    // for and keeps within about 1% of the distance; a plain "k times the step" conversion
    // strays by 4 to 5%.
    const double h = kSpringAnimationStep;
    // The bar spring: response 0.5 s and damping fraction 0.5 played at speed 1.5 is a spring
    // with a natural frequency of 2 pi / 0.5 * 1.5 rad/s.
    const double omega = 2 * std::numbers::pi / 0.5 * 1.5;
    const auto bar = springAnimationPath(BarSpring::bar(), 300, 100);
    for (size_t i = 0; i < bar.size(); ++i)
        ASSERT_NEAR(bar[i], dampedSpring(omega * omega, 2 * 0.5 * omega, 300, (i + 0.5) * h), 0.015 * 300) << i;

    // The pager spring: mass 0.1, stiffness 20, damping 1.5.
    const auto pager = springAnimationPath(BarSpring::pager(), 115, 100);
    for (size_t i = 0; i < pager.size(); ++i)
        ASSERT_NEAR(pager[i], dampedSpring(20 / 0.1, 1.5 / 0.1, 115, (i + 0.5) * h), 0.015 * 115) << i;

    // Both are underdamped: they overshoot, and are at rest within about a second.
    EXPECT_LT(*std::min_element(bar.begin(), bar.end()), -10);
    EXPECT_LT(std::abs(bar[60]), 0.25);
    EXPECT_LT(std::abs(pager[70]), 0.25);
}

// --- Kinds --------------------------------------------------------------------------------------

TEST(BarKinds, UnknownOrMiscasedNamesDrawAsFlatBar)
{
    EXPECT_EQ(allKinds().size(), 12);
    for (const QString &kind : allKinds())
        EXPECT_EQ(BarKinds::drawingKind(kind), kind);
    EXPECT_EQ(BarKinds::drawingKind(QStringLiteral("flatbar")), "FlatBar");
    EXPECT_EQ(BarKinds::drawingKind(QStringLiteral("Party")), "FlatBar");
    EXPECT_EQ(BarKinds::drawingKind(QString()), "FlatBar");
    EXPECT_FALSE(BarKinds::isPicture(QStringLiteral("love")));
    EXPECT_TRUE(BarKinds::isPicture(QStringLiteral("Love")));
    EXPECT_FALSE(BarKinds::isPicture(QStringLiteral("ThereelineBar")));
}

// --- Picture layers -----------------------------------------------------------------------------

TEST(SvgLayer, TheLayersOfEachPictureTogetherMakeTheWholeDrawing)
{
    static const QRegularExpression idPattern(QStringLiteral("id=\"([^\"]+)\""));
    for (const QString &kind : pictureKinds()) {
        QFile file(svgPath(kind));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << kind.toStdString();
        const QString text = QString::fromUtf8(file.readAll());
        QStringList ids;
        for (const auto &match : idPattern.globalMatch(text))
            ids << match.captured(1);
        ASSERT_GE(ids.size(), 4) << kind.toStdString();

        const QSize size(450, 300);
        QImage whole(size, QImage::Format_RGB32);
        whole.fill(Qt::black);
        QPainter wholePainter(&whole);
        QSvgRenderer(svgPath(kind)).render(&wholePainter, QRectF(QPointF(0, 0), size));
        wholePainter.end();

        // Each layer the size of the whole drawing, and each only as large as its element.
        QImage layered(size, QImage::Format_RGB32);
        layered.fill(Qt::black);
        QImage pieces = layered;
        for (const QString &id : ids) {
            SvgLayer layer;
            layer.setSource(QUrl(QStringLiteral("qrc") + svgPath(kind)));
            layer.setElementId(id);
            layer.setSize(size);
            ASSERT_TRUE(layer.isValid()) << id.toStdString();
            EXPECT_TRUE(layer.elementBounds().intersects(QRectF(QPointF(0, 0), size))) << id.toStdString();
            QPainter painter(&layered);
            layer.paint(&painter);

            SvgLayer piece;
            piece.setSource(layer.source());
            piece.setElementId(id);
            piece.setCanvasSize(size);
            const QRectF placed = piece.paintRect();
            EXPECT_TRUE(placed.contains(layer.elementBounds())) << id.toStdString();
            EXPECT_EQ(placed, QRectF(placed.toRect())) << "not on whole points: " << id.toStdString();
            piece.setSize(placed.size());
            QPainter piecePainter(&pieces);
            piecePainter.translate(placed.topLeft());
            piecePainter.setClipRect(QRectF(QPointF(0, 0), placed.size()));
            piece.paint(&piecePainter);
        }
        EXPECT_LT(differingShare(whole, layered), 0.002) << kind.toStdString();
        EXPECT_LT(differingShare(whole, pieces), 0.002) << kind.toStdString();
        whole.save(QStringLiteral(TALLOWICK_TEST_ARTIFACTS "/bars-svg-%1.png").arg(kind));
    }
}

TEST(SvgLayer, AnUnknownElementPaintsNothing)
{
    SvgLayer layer;
    layer.setSource(QUrl(QStringLiteral("qrc:/tallowick/images/Home.svg")));
    layer.setElementId(QStringLiteral("no-such-thing"));
    layer.setSize(QSizeF(300, 200));
    EXPECT_FALSE(layer.isValid());
    QImage image(300, 200, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    layer.paint(&painter);
    painter.end();
    int painted = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            painted += image.pixelColor(x, y).alpha() > 0;
    EXPECT_EQ(painted, 0);
}

// --- Drawing each kind --------------------------------------------------------------------------

TEST(BarCircle, PlainKindsFadeFromWhiteIntoTheBarColour)
{
    const QColor barColour(0xFF, 0x75, 0x80);
    for (const QString &kind : {QStringLiteral("FlatBar"), QStringLiteral("RainBar"), QStringLiteral("ThereelineBar")}) {
        // Large enough for every end of the bars to be in view.
        QmlScene scene(QStringLiteral("BarCircle"), barProperties(kind), QSize(900, 800));
        ASSERT_TRUE(scene.item());
        scene.settle();
        const QImage image = rgb(scene.grab());
        const auto capsules = itemsNamed(scene.item(), QStringLiteral("barPiece"));
        ASSERT_EQ(capsules.size(), kind == "ThereelineBar" ? 3 : 2) << kind.toStdString();
        for (QQuickItem *piece : capsules) {
            // The capsule inside the piece carries the rotation.
            QQuickItem *capsule = piece->childItems().value(0);
            ASSERT_TRUE(capsule);
            const QPoint middle = capsule->mapToScene(QPointF(capsule->width() / 2, capsule->height() / 2)).toPoint();
            EXPECT_FALSE(isBackground(image.pixelColor(middle))) << kind.toStdString();
        }
        // The first bar's start is never covered, nor is the last bar's end.
        QQuickItem *first = capsules.first()->childItems().value(0);
        QQuickItem *last = capsules.last()->childItems().value(0);
        const QPoint start = first->mapToScene(QPointF(first->width() * 0.03, first->height() / 2)).toPoint();
        const QPoint end = last->mapToScene(QPointF(last->width() * 0.97, last->height() / 2)).toPoint();
        const QColor startColour = image.pixelColor(start);
        EXPECT_GT(startColour.red(), 240) << kind.toStdString();
        EXPECT_GT(startColour.green(), 235) << kind.toStdString();
        EXPECT_GT(startColour.blue(), 235) << kind.toStdString();
        EXPECT_TRUE(near(image.pixelColor(end), barColour, 8))
            << kind.toStdString() << " " << image.pixelColor(end).name().toStdString();
    }
}

TEST(BarCircle, GradientFollowsTheGivenUnitPoints)
{
    QVariantMap properties = barProperties(QStringLiteral("FlatBar"));
    properties.insert(QStringLiteral("startPoint"), QPointF(1, 0));
    properties.insert(QStringLiteral("endPoint"), QPointF(0, 0));
    QmlScene scene(QStringLiteral("BarCircle"), properties, kBarScene);
    ASSERT_TRUE(scene.item());
    scene.settle();
    const QImage image = rgb(scene.grab());
    QQuickItem *capsule = itemsNamed(scene.item(), QStringLiteral("barPiece")).first()->childItems().value(0);
    const QColor left = image.pixelColor(capsule->mapToScene(QPointF(capsule->width() * 0.1, capsule->height() / 2)).toPoint());
    const QColor right = image.pixelColor(capsule->mapToScene(QPointF(capsule->width() * 0.95, capsule->height() / 2)).toPoint());
    EXPECT_LT(left.green(), 150);
    EXPECT_GT(right.green(), 230);
}

TEST(BarCircle, EveryKindDrawsWhereItsShapesAre)
{
    for (const QString &kind : allKinds()) {
        QmlScene scene(QStringLiteral("BarCircle"), barProperties(kind), kBarScene);
        ASSERT_TRUE(scene.item());
        scene.settle();
        const QImage image = rgb(scene.grab(QStringLiteral("bars-scene-%1").arg(kind)));
        int drawn = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                drawn += !isBackground(image.pixelColor(x, y));
        EXPECT_GT(drawn, image.width() * image.height() / 25) << kind.toStdString();

        if (!BarKinds::isPicture(kind) || kind == "Love")
            continue;
        // A picture draws its whole drawing, every layer in place, and nothing else.
        QQuickItem *frame = itemNamed(scene.item(), QStringLiteral("picture"));
        ASSERT_TRUE(frame) << kind.toStdString();
        const QRect area = sceneRect(frame);
        EXPECT_TRUE(area.intersects(image.rect())) << kind.toStdString();
        QImage expected(image.size(), QImage::Format_RGB32);
        expected.fill(Qt::black);
        QPainter painter(&expected);
        QSvgRenderer(svgPath(kind)).render(&painter, frame->mapRectToScene(QRectF(0, 0, frame->width(), frame->height())));
        painter.end();
        EXPECT_LT(mismatchedShare(image, expected), 0.001) << kind.toStdString();
        EXPECT_LT(mismatchedShare(expected, image), 0.001) << kind.toStdString();
    }
}

TEST(BarCircle, AnUnknownKindIsDrawnExactlyLikeFlatBar)
{
    const QImage flat = barPicture(QStringLiteral("FlatBar"));
    EXPECT_EQ(barPicture(QStringLiteral("Sparkles")), flat);
    EXPECT_EQ(barPicture(QStringLiteral("flatbar")), flat);
    EXPECT_EQ(barPicture(QString()), flat);
    EXPECT_NE(barPicture(QStringLiteral("RainBar")), flat);
}

TEST(BarCircle, ChangingTheKindDrawsTheNewOne)
{
    LogCapture log;
    QmlScene scene(QStringLiteral("BarCircle"), barProperties(QStringLiteral("Home")), kBarScene);
    ASSERT_TRUE(scene.item());
    for (const QString &kind : {QStringLiteral("FlatBar"), QStringLiteral("Vacation"), QStringLiteral("Box"), QStringLiteral("Love")}) {
        scene.item()->setProperty("barShape", kind);
        scene.settle();
        EXPECT_LT(differingShare(rgb(scene.grab()), barPicture(kind)), 0.001) << kind.toStdString();
    }
    EXPECT_TRUE(log.lines().isEmpty()) << log.lines().join(QLatin1Char('\n')).toStdString();
}

TEST(BarCircle, OnlyLoveDrawsTheHearts)
{
    const QColor gold(0xFF, 0xDE, 0x74), cream(0xFF, 0xEC, 0xAF);
    for (const QString &kind : allKinds()) {
        QmlScene scene(QStringLiteral("BarCircle"), barProperties(kind, false, QStringLiteral("457B9D")), kBarScene);
        ASSERT_TRUE(scene.item());
        scene.settle();
        const QImage image = rgb(scene.grab());
        const auto hearts = itemsNamed(scene.item(), QStringLiteral("heartDecoration"));
        if (kind == "Love") {
            EXPECT_EQ(hearts.size(), 2);
            EXPECT_GT(pixelsOfColour(image, gold), 3000);
            EXPECT_GT(pixelsOfColour(image, cream), 3000);
            // The big heart up and to the right, the small one down and to the left.
            EXPECT_FALSE(isBackground(image.pixelColor(195 + 80, 150 - 80)));
            EXPECT_FALSE(isBackground(image.pixelColor(195 - 60, 150 + 50)));
        } else {
            EXPECT_TRUE(hearts.isEmpty()) << kind.toStdString();
            EXPECT_LT(pixelsOfColour(image, gold), 20) << kind.toStdString();
            EXPECT_LT(pixelsOfColour(image, cream), 20) << kind.toStdString();
        }
    }
}

TEST(BarCircle, LoveDrawsTheHeartViewItIsGiven)
{
    QmlScene scene(QStringLiteral("BarCircle"), barProperties(QStringLiteral("Love")), kBarScene);
    ASSERT_TRUE(scene.item());
    QQmlComponent square(&scene.engine());
    square.setData("import QtQuick\nRectangle { objectName: \"customHeart\"; width: 40; height: 40; color: \"#00ff00\" }\n", QUrl());
    ASSERT_TRUE(square.isReady()) << square.errorString().toStdString();
    scene.item()->setProperty("heardView", QVariant::fromValue(&square));
    scene.settle();
    EXPECT_EQ(itemsNamed(scene.item(), QStringLiteral("customHeart")).size(), 2);
    EXPECT_TRUE(itemsNamed(scene.item(), QStringLiteral("heartDecoration")).isEmpty());
    const QImage image = rgb(scene.grab());
    EXPECT_TRUE(near(image.pixelColor(195 + 80, 150 - 80), QColor(0, 255, 0)));
    EXPECT_TRUE(near(image.pixelColor(195 - 60, 150 + 50), QColor(0, 255, 0)));
}

// --- Entrance -----------------------------------------------------------------------------------

TEST(BarCircle, PiecesSlideInAndSettleWhereTheStillPictureHasThem)
{
    for (const QString &kind : {QStringLiteral("FlatBar"), QStringLiteral("ThereelineBar"), QStringLiteral("Love"),
                                QStringLiteral("Celebration"), QStringLiteral("Vacation")}) {
        const QImage still = barPicture(kind);
        QmlScene scene(QStringLiteral("BarCircle"), barProperties(kind, true), kBarScene);
        ASSERT_TRUE(scene.item());
        // Just after it appears, the pieces are still on their way in.
        const QImage early = rgb(scene.grab());
        EXPECT_GT(differingShare(early, still), 0.05) << kind.toStdString();
        scene.settle(2500);
        const QImage settled = rgb(scene.grab());
        EXPECT_LT(differingShare(settled, still, 8), 0.002) << kind.toStdString();
        for (const QPoint &p : {QPoint(100, 150), QPoint(195, 150), QPoint(250, 200), QPoint(300, 100)})
            EXPECT_TRUE(near(settled.pixelColor(p), still.pixelColor(p), 8)) << kind.toStdString();
    }
}

// --- Tile ---------------------------------------------------------------------------------------

TEST(CircleAnimation, BecomingCurrentMovesTheCircleRightAndTheBarLeft)
{
    for (bool animate : {false, true}) {
        QmlScene scene(QStringLiteral("CircleAnimation"), tileProperties(QStringLiteral("Home"), 2, 1, animate), QSize(390, 700));
        ASSERT_TRUE(scene.item());
        scene.settle(animate ? 1500 : 50);
        QQuickItem *circle = itemNamed(scene.item(), QStringLiteral("circle"));
        QQuickItem *bar = itemNamed(scene.item(), QStringLiteral("bar"));
        ASSERT_TRUE(circle && bar);
        const qreal circleBefore = circle->x(), barBefore = bar->x();
        // Not current: the circle's centre 50 right of the tile's, the bar 100 right.
        EXPECT_DOUBLE_EQ(circleBefore + 180, 195 + 50);
        EXPECT_DOUBLE_EQ(barBefore, 100);

        scene.item()->setProperty("currentPage", 2);
        scene.settle(animate ? 60 : 20);
        if (animate) {
            // On its way with the spring, not there yet.
            EXPECT_GT(circle->x(), circleBefore);
            EXPECT_LT(circle->x(), circleBefore + 39);
            EXPECT_LT(bar->x(), barBefore);
            EXPECT_GT(bar->x(), barBefore - 113);
            scene.settle(1500);
        }
        EXPECT_NEAR(circle->x() - circleBefore, 40, 1e-9) << animate;
        EXPECT_NEAR(bar->x() - barBefore, -115, 1e-9) << animate;
    }
}

TEST(CircleAnimation, DrawsTheCircleInItsColourBehindTheBar)
{
    QmlScene scene(QStringLiteral("CircleAnimation"), tileProperties(QStringLiteral("FlatBar"), 0, 0, false), QSize(390, 700));
    ASSERT_TRUE(scene.item());
    scene.settle();
    const QImage image = rgb(scene.grab());
    // Circle centre (195 + 90, 350), radius 180: its top part is clear of the bars.
    EXPECT_TRUE(near(image.pixelColor(285, 350 - 170), QColor(0xFF, 0xB4, 0xA2)));
    EXPECT_TRUE(isBackground(image.pixelColor(285, 350 - 190)));
    // The bar decoration is drawn over the circle.
    QQuickItem *bar = itemNamed(scene.item(), QStringLiteral("bar"));
    ASSERT_TRUE(bar);
    EXPECT_DOUBLE_EQ(bar->property("barWidth").toReal(), kTileWidth / 1.6);
    EXPECT_DOUBLE_EQ(bar->property("barHeight").toReal(), kTileWidth / 3.6);
    QQuickItem *piece = itemsNamed(bar, QStringLiteral("barPiece")).first();
    const QPoint end = piece->mapToScene(QPointF(piece->width() * 0.97, piece->height() / 2)).toPoint();
    EXPECT_TRUE(near(image.pixelColor(end), QColor(0xFF, 0x75, 0x80), 8));
}

// --- Pictures to look at ------------------------------------------------------------------------

TEST(BarCircle, PicturesOfEveryKindOnItsTheme)
{
    const QSize tileSize(390, 620);
    QList<QImage> tiles;
    for (const QString &kind : allKinds()) {
        ColorProvider theme = colorSets().first();
        for (const ColorProvider &candidate : colorSets()) {
            if (candidate.barType == kind) {
                theme = candidate;
                break;
            }
        }
        QVariantMap properties = tileProperties(kind, 0, 0, false);
        properties.insert(QStringLiteral("circleColor"), theme.circleColor);
        properties.insert(QStringLiteral("barColor"), theme.barColor);
        QmlScene scene(QStringLiteral("CircleAnimation"), properties, tileSize);
        ASSERT_TRUE(scene.item());
        scene.window().setColor(QColor(QLatin1Char('#') + theme.bgColor));
        scene.settle();
        const QImage image = scene.grab(QStringLiteral("bars-%1").arg(kind));
        EXPECT_FALSE(image.isNull());
        tiles << image;
    }
    // Contact sheet: four across, labelled.
    const QSize cell(tileSize / 2);
    QImage sheet(cell.width() * 4, (cell.height() + 20) * 3, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int i = 0; i < tiles.size(); ++i) {
        const QPoint at((i % 4) * cell.width(), (i / 4) * (cell.height() + 20));
        painter.drawImage(QRect(at + QPoint(0, 20), cell), tiles[i]);
        painter.setPen(Qt::black);
        painter.drawText(QRect(at, QSize(cell.width(), 20)), Qt::AlignCenter, allKinds()[i]);
    }
    painter.end();
    EXPECT_TRUE(sheet.save(QStringLiteral(TALLOWICK_TEST_ARTIFACTS "/bars-contact-sheet.png")));
}

TEST(BarCircle, EntranceFramesFillInOverTime)
{
    const QStringList kinds = {QStringLiteral("FlatBar"), QStringLiteral("Love"), QStringLiteral("Birthday"),
                               QStringLiteral("Celebration")};
    const int frameTimes[] = {0, 150, 300, 450, 700, 1500};
    const QSize cell(kBarScene / 2);
    QImage sheet(cell.width() * 6, cell.height() * kinds.size(), QImage::Format_RGB32);
    sheet.fill(Qt::black);
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int row = 0; row < kinds.size(); ++row) {
        QmlScene scene(QStringLiteral("BarCircle"), barProperties(kinds[row], true), kBarScene);
        ASSERT_TRUE(scene.item());
        QElapsedTimer clock;
        clock.start();
        QList<int> drawn;
        for (int column = 0; column < 6; ++column) {
            scene.settle(std::max<int>(1, frameTimes[column] - clock.elapsed()));
            const QImage frame = rgb(scene.grab());
            int count = 0;
            for (int y = 0; y < frame.height(); y += 2)
                for (int x = 0; x < frame.width(); x += 2)
                    count += !isBackground(frame.pixelColor(x, y));
            drawn << count;
            painter.drawImage(QRect(QPoint(column * cell.width(), row * cell.height()), cell), frame);
        }
        // Pieces keep arriving: the last frame shows much more than the first.
        EXPECT_LT(drawn.first() * 2, drawn.last()) << kinds[row].toStdString();
    }
    painter.end();
    EXPECT_TRUE(sheet.save(QStringLiteral(TALLOWICK_TEST_ARTIFACTS "/bars-entrance.png")));
}
