#include "languagescene.h"

#include <model/hexcolor.h>

#include <QQuickItem>
#include <QTest>
#include <QGlyphRun>
#include <QTextLayout>
#include <gtest/gtest.h>

namespace {

QRectF sceneRect(QQuickItem *item)
{
    return item ? item->mapRectToScene(QRectF(0, 0, item->width(), item->height())) : QRectF();
}

// The same item's box in `mirrored`, seen in a mirror: its left edge where the original's
// right one was.
void expectMirrored(const QRectF &original, const QRectF &mirrored, qreal width, const char *what)
{
    ASSERT_FALSE(original.isEmpty()) << what;
    EXPECT_NEAR(mirrored.left(), width - original.right(), 1.0) << what;
    EXPECT_NEAR(mirrored.top(), original.top(), 1.0) << what;
    EXPECT_NEAR(mirrored.width(), original.width(), 1.0) << what;
}

void drag(QmlScene &scene, QPoint from, QPoint to)
{
    QTest::mousePress(&scene.window(), Qt::LeftButton, {}, from);
    for (int step = 1; step <= 10; ++step) {
        QTest::mouseMove(&scene.window(), from + (to - from) * step / 10, 16);
    }
    QTest::mouseRelease(&scene.window(), Qt::LeftButton, {}, to, 16);
    scene.settle(600);
}

} // namespace

class Mirroring : public ::testing::Test
{
protected:
    FixedClock clock{localTime(2026, 12, 9, 10)};
};

// Arabic mirrors the page: the add button, the summary button, the page indicator and the
// texts' column stand where English has them, seen in a mirror; the menu's other buttons
// keep their order from the add button.
TEST_F(Mirroring, ArabicPutsThePagesControlsOnTheMirroredSides)
{
    const QStringList parts{QStringLiteral("addButton"), QStringLiteral("overviewButton"), QStringLiteral("editButton"),
                            QStringLiteral("deleteButton"), QStringLiteral("indicatorDots"), QStringLiteral("pageText")};
    QList<QRectF> english;
    {
        LanguageScene scene(QStringLiteral("en_US"));
        for (const QString &part : parts)
            english.append(sceneRect(scene.find(part)));
        scene.scene().grab(QStringLiteral("mirroring-en"));
    }
    LanguageScene arabic(QStringLiteral("ar_EG"));
    arabic.scene().grab(QStringLiteral("mirroring-ar"));
    for (qsizetype i = 0; i < parts.size(); ++i)
        expectMirrored(english.at(i), sceneRect(arabic.find(parts.at(i))), 390, parts.at(i).toUtf8().constData());
    // The add button at the right edge, the indicator at the left.
    EXPECT_GT(sceneRect(arabic.find(QStringLiteral("addButton"))).left(), 390 / 2);
    EXPECT_LT(sceneRect(arabic.find(QStringLiteral("indicatorDots"))).right(), 390 / 2);
    // The current page's dot is the first from the right.
    QQuickItem *dots = arabic.find(QStringLiteral("indicatorDots"));
    ASSERT_TRUE(dots);
    QQuickItem *rightmost = nullptr;
    for (QQuickItem *dot : dots->childItems()) {
        if (dot->width() == 7 && (!rightmost || dot->x() > rightmost->x()))
            rightmost = dot;
    }
    ASSERT_TRUE(rightmost);
    EXPECT_DOUBLE_EQ(rightmost->opacity(), 1.0);
    // The title and the count are aligned to the column's right edge, whatever their script.
    for (const char *name : {"eventTitle", "dayCount"}) {
        QQuickItem *text = arabic.find(QLatin1String(name));
        ASSERT_TRUE(text) << name;
        EXPECT_EQ(text->property("effectiveHorizontalAlignment").toInt(), int(Qt::AlignRight)) << name;
    }
}

// The next event comes in from the left in Arabic: a drag to the right moves on, a drag to
// the left comes back; in English the other way round. The arrow keys follow the pages.
TEST_F(Mirroring, ThePagerMovesTheNaturalWayOfTheLanguage)
{
    for (const char *locale : {"en_US", "ar_EG"}) {
        LanguageScene scene{QLatin1String(locale)};
        const bool rtl = QLatin1String(locale) == QLatin1String("ar_EG");
        const QPoint left(80, 400), right(310, 400);
        drag(scene.scene(), rtl ? left : right, rtl ? right : left);
        EXPECT_EQ(scene.store().currentPage(), 1) << locale;
        // The page that came in fills the window: its summary button is at its place.
        const QImage image = scene.scene().grab(QStringLiteral("mirroring-%1-page1").arg(QLatin1String(locale)));
        QQuickItem *pages = scene.find(QStringLiteral("pages"));
        ASSERT_TRUE(pages);
        EXPECT_TRUE(near(pixel(image, 195, 20), hexColor(scene.store().magicDates().at(1).bgColor))) << locale;
        drag(scene.scene(), rtl ? right : left, rtl ? left : right);
        EXPECT_EQ(scene.store().currentPage(), 0) << locale;

        QTest::keyClick(&scene.scene().window(), rtl ? Qt::Key_Left : Qt::Key_Right);
        scene.scene().settle(450);
        EXPECT_EQ(scene.store().currentPage(), 1) << locale;
        const QImage keyed = scene.scene().grab();
        EXPECT_TRUE(near(pixel(keyed, 195, 20), hexColor(scene.store().magicDates().at(1).bgColor))) << locale;
        QTest::keyClick(&scene.scene().window(), rtl ? Qt::Key_Right : Qt::Key_Left);
        scene.scene().settle(450);
        EXPECT_EQ(scene.store().currentPage(), 0) << locale;

        // A window made narrower still shows the whole page, edge to edge.
        for (const int page : {1, 0}) {
            scene.store().setCurrentPage(page);
            scene.scene().settle(450);
            scene.scene().item()->setWidth(320);
            scene.scene().settle(100);
            const QImage narrow = scene.scene().grab();
            const QColor background = hexColor(scene.store().magicDates().at(page).bgColor);
            EXPECT_TRUE(near(pixel(narrow, 3, 20), background)) << locale << " page " << page;
            EXPECT_TRUE(near(pixel(narrow, 317, 20), background)) << locale << " page " << page;
            scene.scene().item()->setWidth(390);
            scene.scene().settle(100);
        }
    }
}

// A Latin title with digits and a stop keeps its own order inside the Arabic notice: the
// stop stays after its digits rather than moving to the far side of the title.
TEST_F(Mirroring, ALatinTitleKeepsItsOrderInsideAnArabicSentence)
{
    LanguageScene arabic(QStringLiteral("ar_EG"));
    const QString title = QStringLiteral("Trip 2027!");
    arabic.store().addEvent(localTime(2027, 7, 1), title, true, 1003);
    arabic.scene().settle(60);
    arabic.store().deleteEvent(arabic.store().indexOfEvent(arabic.store().magicDates().at(0).id));
    arabic.scene().settle(100);
    QQuickItem *notice = arabic.find(QStringLiteral("noticeText"));
    ASSERT_TRUE(notice);
    const QString shown = notice->property("text").toString();
    arabic.scene().grab(QStringLiteral("mirroring-ar-notice"));

    QTextLayout layout(shown, notice->property("font").value<QFont>());
    layout.beginLayout();
    layout.createLine().setLineWidth(1000);
    layout.endLayout();
    const qsizetype start = shown.indexOf(title);
    ASSERT_GE(start, 0) << shown.toStdString();
    // Where a character of the title is drawn.
    const auto xOf = [&](QChar c) {
        const QList<QGlyphRun> runs = layout.glyphRuns(int(start + title.indexOf(c)), 1);
        return runs.isEmpty() ? -1.0 : runs.constFirst().boundingRect().center().x();
    };
    // Left to right inside the title: "T" before "2027", the stop right after the "7".
    const qreal t = xOf(QLatin1Char('T'));
    const qreal seven = xOf(QLatin1Char('7'));
    const qreal stop = xOf(QLatin1Char('!'));
    EXPECT_LT(t, seven);
    EXPECT_GT(stop, seven);
    EXPECT_LT(stop - seven, 30);
}

// In Arabic the add form's direction switch shows its knob under the half that is chosen (the
// right one for counting down), and the arrows choose the half they point at; the summary's
// rows read from the right, the reorder handle alone at the left edge.
TEST_F(Mirroring, ArabicChoicesAndRowsStandOnTheirMirroredSides)
{
    LanguageScene arabic(QStringLiteral("ar_EG"));
    arabic.present(QStringLiteral("add"));
    QQuickItem *toggle = arabic.find(QStringLiteral("countDownToggle"));
    ASSERT_TRUE(toggle);
    const auto knobCentre = [&] {
        arabic.scene().settle(500);
        return sceneRect(arabic.find(QStringLiteral("countDownKnob"))).center().x();
    };
    for (const bool countDown : {true, false}) {
        toggle->setProperty("countDown", countDown);
        const QRectF chosen = sceneRect(arabic.find(countDown ? QStringLiteral("countDownChoice") : QStringLiteral("countUpChoice")));
        EXPECT_TRUE(chosen.contains(QPointF(knobCentre(), chosen.center().y()))) << "count down " << countDown;
    }
    toggle->forceActiveFocus();
    QTest::keyClick(&arabic.scene().window(), Qt::Key_Right);
    EXPECT_TRUE(toggle->property("countDown").toBool());
    QTest::keyClick(&arabic.scene().window(), Qt::Key_Left);
    EXPECT_FALSE(toggle->property("countDown").toBool());
    arabic.dismiss();

    arabic.present(QStringLiteral("overview"));
    const QRectF handle = sceneRect(arabic.findAll(QStringLiteral("reorderHandle0")).value(0));
    ASSERT_FALSE(handle.isEmpty());
    EXPECT_LT(handle.right(), 390 / 4);
    qreal readingEdge = -1;
    for (const char *part : {"cellTitle", "cellDate", "cellCount"}) {
        QQuickItem *text = arabic.findAll(QLatin1String(part)).value(0);
        ASSERT_TRUE(text) << part;
        const QRectF box = sceneRect(text);
        // Drawn from the right edge of the cell, clear of the handle.
        EXPECT_EQ(text->property("effectiveHorizontalAlignment").toInt(), int(Qt::AlignRight)) << part;
        EXPECT_GT(box.left(), handle.right()) << part;
        if (readingEdge < 0)
            readingEdge = box.right();
        EXPECT_NEAR(box.right(), readingEdge, 0.5) << part;
    }
    EXPECT_GT(readingEdge, 390 - 40);
    arabic.scene().grab(QStringLiteral("mirroring-ar-summary"));
}
