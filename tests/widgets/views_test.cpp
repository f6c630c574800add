#include "publishedcontents.h"
#include "widgetrendering.h"

#include <model/hexcolor.h>
#include <model/resources.h>
#include <platform/localization.h>
#include <platform/clock.h>
#include <support/testenvironment.h>
#include <widgets/entrytexts.h>
#include <widgets/provider.h>
#include <widgets/rurularge.h>
#include <widgets/rurumedium.h>
#include <widgets/rurunotavailable.h>
#include <widgets/rurusummary.h>

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QVector3D>
#include <QTranslator>
#include <gtest/gtest.h>

namespace {

class Views : public ::testing::Test
{
protected:
    ScopedTimeZone zone{"Asia/Seoul"};
    ScopedLocale locale{QStringLiteral("en_US")};
    FixedClock clock{localTime(2026, 12, 8, 9, 0)};

    // Counting down ten days, yellow on a blue circle.
    static WidgetContent trip(const QString &barType = QStringLiteral("RainBar"))
    {
        WidgetContent entry = publishedRecord(QStringLiteral("Trip to Jeju"), 3, QStringLiteral("2026-12-18"));
        entry.barType = barType;
        return entry;
    }
};

// Shows each text's key, to tell which key a view asks for.
class KeyTranslator : public QTranslator
{
public:
    QString translate(const char *, const char *sourceText, const char *, int) const override
    {
        return QLatin1Char('[') + QLatin1String(sourceText) + QLatin1Char(']');
    }
    bool isEmpty() const override { return false; }
};

// The view's texts stay inside the widget and clear of each other.
void expectTidy(const ViewLayout &layout, const QSizeF &widget, const char *what)
{
    const QRectF bounds(QPointF(0, 0), widget);
    QList<QRectF> rects{layout.title.textRect(), layout.count.textRect(), layout.label.textRect()};
    if (layout.date)
        rects.append(layout.date->textRect());
    for (qsizetype i = 0; i < rects.size(); ++i) {
        EXPECT_TRUE(bounds.contains(rects.at(i))) << what << " text " << i << " leaves the widget";
        for (qsizetype j = i + 1; j < rects.size(); ++j) {
            if (i == 1 && j == 2)
                continue; // the count and its label, below
            EXPECT_FALSE(rects.at(i).intersects(rects.at(j))) << what << " texts " << i << " and " << j << " overlap";
        }
    }
    // Nothing to be read reaches into a rounded corner: every text keeps 6 points from the outline.
    QPainterPath outline;
    outline.addRoundedRect(bounds.adjusted(6, 6, -6, -6), kWidgetCornerRadius - 6, kWidgetCornerRadius - 6);
    for (qsizetype i = 0; i < rects.size(); ++i)
        EXPECT_TRUE(outline.contains(rects.at(i))) << what << " text " << i << " reaches into a corner";
    if (layout.label.textRect().top() < layout.count.textRect().top()) {
        // A label over its count (the large size) keeps clear of it.
        EXPECT_FALSE(rects.at(1).intersects(rects.at(2))) << what << " label runs into the count";
        return;
    }
    // The label may tuck into the room under the count's baseline, never into its figures.
    const QFontMetricsF countMetrics(layout.count.block.font());
    const QFontMetricsF labelMetrics(layout.label.block.font());
    const qreal countBaseline = layout.count.textRect().top() + countMetrics.ascent();
    const qreal labelCapTop = layout.label.textRect().top() + labelMetrics.ascent() - labelMetrics.capHeight();
    EXPECT_GE(labelCapTop, countBaseline) << what;
}

} // namespace

TEST_F(Views, TheSmallSampleShowsTitleCountAndCircleInTheSampleColours)
{
    const WidgetContent sample = Provider::makeDefaultEntry(Clock::now());
    const RuruSummary view(sample);
    EXPECT_EQ(view.texts().title, QStringLiteral("Your Event Title"));
    EXPECT_EQ(view.texts().label, QStringLiteral("days left"));

    const QImage image = renderWidget(sample, WidgetFamily::SystemSmall);
    saveArtifact(renderWidget(sample, WidgetFamily::SystemSmall, 2), QStringLiteral("small-sample"));
    const QColor background = hexColor(QStringLiteral("FF7580"));
    const QColor circle = hexColor(QStringLiteral("FFECAF"));
    EXPECT_EQ(colorAt(image, 1, 1).rgb(), background.rgb());
    EXPECT_EQ(colorAt(image, 1, 168).rgb(), background.rgb());
    EXPECT_EQ(colorAt(image, 145, 10).rgb(), background.rgb());
    // Only the circle's left part shows, from x = 138 on.
    EXPECT_EQ(colorAt(image, 165, 85).rgb(), circle.rgb());
    EXPECT_EQ(colorAt(image, 145, 85).rgb(), circle.rgb());
    EXPECT_EQ(colorAt(image, 134, 85).rgb(), background.rgb());
    // Title, count and label in the text colour, each in its place.
    const QColor text = hexColor(QStringLiteral("F7EDCC"));
    const ViewLayout layout = view.layout();
    EXPECT_GT(pixelsNear(image, layout.title.textRect().toRect(), text, 8), 40);
    EXPECT_GT(pixelsNear(image, layout.count.textRect().toRect(), text, 8), 100);
    EXPECT_GT(pixelsNear(image, layout.label.textRect().toRect(), text, 8), 20);
    EXPECT_EQ(pixelsNear(image, QRect(0, 0, 28, 170), text, 8), 0);
}

TEST_F(Views, TheSmallLayoutKeepsToItsColumn)
{
    const ViewLayout layout = RuruSummary(trip()).layout();
    EXPECT_EQ(layout.title.frame, QRectF(30, 12, 110, 50));
    EXPECT_FALSE(layout.date.has_value());
    EXPECT_DOUBLE_EQ(layout.label.frame.bottom(), 152);  // 18 above the bottom edge
    EXPECT_DOUBLE_EQ(layout.count.frame.left(), 30);
    EXPECT_DOUBLE_EQ(layout.count.frame.width(), 110);
    expectTidy(layout, QSizeF(170, 170), "small");
}

TEST_F(Views, ALongTitleIsCutToItsFrame)
{
    WidgetContent entry = trip();
    entry.dateTitle = QStringLiteral("The annual family reunion at the lake house by the old mill on the hill");

    const ViewLayout small = RuruSummary(entry).layout();
    EXPECT_TRUE(small.title.block.isElided());
    EXPECT_LE(small.title.textRect().height(), 50);
    EXPECT_LE(small.title.textRect().width(), 110);
    expectTidy(small, QSizeF(170, 170), "small");

    const ViewLayout medium = RuruMedium(entry).layout();
    EXPECT_EQ(medium.title.block.lines().size(), 2);
    EXPECT_TRUE(medium.title.block.isElided());
    expectTidy(medium, QSizeF(364, 170), "medium");

    const ViewLayout large = RuruLarge(entry).layout();
    EXPECT_EQ(large.title.block.lines().size(), 2);
    EXPECT_TRUE(large.title.block.isElided());
    expectTidy(large, QSizeF(364, 382), "large");

    saveArtifact(renderWidget(entry, WidgetFamily::SystemSmall, 2), QStringLiteral("small-long-title"));
    saveArtifact(renderWidget(entry, WidgetFamily::SystemMedium, 2), QStringLiteral("medium-long-title"));
    saveArtifact(renderWidget(entry, WidgetFamily::SystemLarge, 2), QStringLiteral("large-long-title"));
}

TEST_F(Views, ALongCountFitsItsColumn)
{
    // Counting up from 1990: five digits.
    WidgetContent entry = trip();
    entry.ddate = QStringLiteral("1990-03-01");
    entry.countdown = false;
    const RuruSummary small(entry);
    ASSERT_EQ(small.texts().count.size(), 5);
    EXPECT_LE(small.layout().count.textRect().width(), 110);
    expectTidy(small.layout(), QSizeF(170, 170), "small");
    expectTidy(RuruMedium(entry).layout(), QSizeF(364, 170), "medium");
    expectTidy(RuruLarge(entry).layout(), QSizeF(364, 382), "large");
    saveArtifact(renderWidget(entry, WidgetFamily::SystemSmall, 2), QStringLiteral("small-count-up"));
}

TEST_F(Views, TheLabelSaysDaysLeftOrDays)
{
    WidgetContent entry = trip();
    EXPECT_EQ(entryTexts(entry, WidgetFamily::SystemSmall).label, QStringLiteral("days left"));
    EXPECT_EQ(entryTexts(entry, WidgetFamily::SystemMedium).label, QStringLiteral("days left"));
    EXPECT_EQ(entryTexts(entry, WidgetFamily::SystemLarge).label, QStringLiteral("days left"));
    EXPECT_EQ(RuruSummary(entry).texts().count, QStringLiteral("10"));

    entry.countdown = false;
    EXPECT_EQ(RuruSummary(entry).texts().label, QStringLiteral("days"));
    EXPECT_EQ(RuruMedium(entry).texts().label, QStringLiteral("days"));
    EXPECT_EQ(RuruLarge(entry).texts().label, QStringLiteral("days"));
    EXPECT_EQ(RuruSummary(entry).texts().count, QStringLiteral("9"));
    saveArtifact(renderWidget(entry, WidgetFamily::SystemMedium, 2), QStringLiteral("medium-count-up"));
}

TEST_F(Views, AYearlyEventShowsItsNextOccurrenceAndWhichOneItIs)
{
    // As the contents file carries it: the day it counts to, and which occurrence that is.
    WidgetContent entry = publishedRecord(QStringLiteral("Mum's birthday"), 2, QStringLiteral("2027-05-01"));
    entry.repeat = QStringLiteral("yearly");
    entry.firstDate = QStringLiteral("2016-05-01");
    entry.occurrence = 11;
    const EntryTexts texts = entryTexts(entry, WidgetFamily::SystemSmall);
    EXPECT_EQ(texts.date, QString::fromUtf8("1.May.27 · 11th year"));
    EXPECT_EQ(texts.count, QStringLiteral("144"));
    expectTidy(RuruSummary(entry).layout(), QSizeF(170, 170), "small");
    expectTidy(RuruMedium(entry).layout(), QSizeF(364, 170), "medium");
    expectTidy(RuruLarge(entry).layout(), QSizeF(364, 382), "large");
    saveArtifact(renderWidget(entry, WidgetFamily::SystemSmall, 2), QStringLiteral("small-yearly"));
    // On its own first date it is no anniversary yet; a record of another event says nothing.
    entry.occurrence = 0;
    EXPECT_EQ(entryTexts(entry, WidgetFamily::SystemSmall).date, QStringLiteral("1.May.27"));
    entry.occurrence = 11;
    entry.repeat.reset();
    EXPECT_EQ(entryTexts(entry, WidgetFamily::SystemSmall).date, QStringLiteral("1.May.27"));
}

// In a larger unit the count is that unit's and the label names it; the rest follows where
// the view has room. On the day, or before a whole unit counts, the days stand as before.
TEST_F(Views, ACountInALargerUnitNamesItsUnitAndTheRest)
{
    const struct
    {
        const char *ddate;
        bool countdown;
        const char *unit;
        const char *count;
        const char *small;
        const char *large;
    } cases[] = {
        {"2027-01-20", true, "weeks", "6", "weeks left", "weeks left · 1 day"},
        {"2026-09-01", true, "months", "3", "months ago", "months ago · 7 days"},
        {"2024-02-14", false, "years", "2", "years", "years · 9 months, 24 days"},
        {"2027-12-08", true, "years", "1", "year left", "year left"},
        {"2026-12-08", true, "weeks", "YAY!", "today", "today"},
    };
    for (const auto &c : cases) {
        WidgetContent entry = trip();
        entry.ddate = QLatin1String(c.ddate);
        entry.countdown = c.countdown;
        entry.countUnit = QLatin1String(c.unit);
        EXPECT_EQ(entryTexts(entry, WidgetFamily::SystemSmall).count, QLatin1String(c.count)) << c.ddate;
        EXPECT_EQ(entryTexts(entry, WidgetFamily::SystemSmall).label, QLatin1String(c.small)) << c.ddate;
        EXPECT_EQ(entryTexts(entry, WidgetFamily::SystemMedium).label, QString::fromUtf8(c.large)) << c.ddate;
        EXPECT_EQ(entryTexts(entry, WidgetFamily::SystemLarge).label, QString::fromUtf8(c.large)) << c.ddate;
        expectTidy(RuruSummary(entry).layout(), QSizeF(170, 170), "small");
        expectTidy(RuruMedium(entry).layout(), QSizeF(364, 170), "medium");
        expectTidy(RuruLarge(entry).layout(), QSizeF(364, 382), "large");
        if (QLatin1String(c.unit) == QLatin1String("years") && !c.countdown)
            saveArtifact(renderWidget(entry, WidgetFamily::SystemMedium, 2), QStringLiteral("medium-in-years"));
    }
}

TEST_F(Views, TheMediumSizeHasLabelsOfItsOwn)
{
    KeyTranslator keys;
    QCoreApplication::installTranslator(&keys);
    WidgetContent entry = trip();
    EXPECT_EQ(RuruSummary(entry).texts().label, QStringLiteral("[days left]"));
    EXPECT_EQ(RuruMedium(entry).texts().label, QStringLiteral("[Event.daysLeft]"));
    EXPECT_EQ(RuruLarge(entry).texts().label, QStringLiteral("[days left]"));
    entry.countdown = false;
    EXPECT_EQ(RuruSummary(entry).texts().label, QStringLiteral("[days]"));
    EXPECT_EQ(RuruMedium(entry).texts().label, QStringLiteral("[Event.days]"));
    EXPECT_EQ(RuruLarge(entry).texts().label, QStringLiteral("[days]"));
    entry.countdown = true;
    entry.ddate = QStringLiteral("2026-12-01");
    EXPECT_EQ(RuruSummary(entry).texts().label, QStringLiteral("[days ago]"));
    EXPECT_EQ(RuruMedium(entry).texts().label, QStringLiteral("[Event.daysAgo]"));
    EXPECT_EQ(RuruNotAvailable().text(), QStringLiteral("[Sorry]"));
    // The title is the person's own text, never a key.
    EXPECT_EQ(RuruMedium(entry).texts().title, QStringLiteral("Trip to Jeju"));
    QCoreApplication::removeTranslator(&keys);
}

// The label takes the count's plural, and says what the count is: days left, days since a
// count-down's day went by, the day number of a count-up, or the day itself.
TEST_F(Views, TheLabelFitsTheCount)
{
    const auto labelOf = [](const char *ddate, bool countdown) {
        WidgetContent entry = trip();
        entry.ddate = QLatin1String(ddate);
        entry.countdown = countdown;
        const EntryTexts texts = entryTexts(entry, WidgetFamily::SystemSmall);
        EXPECT_EQ(texts.label, entryTexts(entry, WidgetFamily::SystemMedium).label) << ddate;
        return texts.count + QLatin1Char(' ') + texts.label;
    };
    EXPECT_EQ(labelOf("2026-12-18", true), QStringLiteral("10 days left"));
    EXPECT_EQ(labelOf("2026-12-09", true), QStringLiteral("1 day left"));
    EXPECT_EQ(labelOf("2026-12-08", true), QStringLiteral("YAY! today"));
    EXPECT_EQ(labelOf("2026-12-07", true), QStringLiteral("1 day ago"));
    EXPECT_EQ(labelOf("1950-05-01", true), QStringLiteral("27980 days ago"));
    EXPECT_EQ(labelOf("2026-12-08", false), QStringLiteral("1 day"));
    EXPECT_EQ(labelOf("2024-02-14", false), QStringLiteral("1029 days"));

    ScopedLocale russian{QStringLiteral("ru_RU")};
    EXPECT_EQ(labelOf("2026-12-09", true), QStringLiteral("1 день остался"));
    EXPECT_EQ(labelOf("2026-12-11", true), QStringLiteral("3 дня осталось"));
    EXPECT_EQ(labelOf("2026-12-18", true), QStringLiteral("10 дней осталось"));
    EXPECT_EQ(labelOf("2026-11-17", true), QStringLiteral("21 день назад"));
    EXPECT_EQ(labelOf("2026-12-08", true), QStringLiteral("YAY! сегодня"));
}

TEST_F(Views, TheDateIsTheAppsDisplayDate)
{
    EXPECT_EQ(RuruMedium(trip()).texts().date, QStringLiteral("18.Dec.26"));
    ScopedLocale korean{QStringLiteral("ko_KR")};
    EXPECT_EQ(RuruLarge(trip()).texts().date, QStringLiteral("2026년 12월 18일"));
    saveArtifact(renderWidget(trip(), WidgetFamily::SystemLarge, 2), QStringLiteral("large-korean"));
}

TEST_F(Views, MediumPlainBarsDrawTheCircleAndTheWhiteBar)
{
    const QImage image = renderWidget(trip(QStringLiteral("RainBar")), WidgetFamily::SystemMedium);
    saveArtifact(renderWidget(trip(QStringLiteral("RainBar")), WidgetFamily::SystemMedium, 2),
                 QStringLiteral("medium-rainbar"));
    const QColor background = hexColor(QStringLiteral("FFF480"));
    const QColor circle = hexColor(QStringLiteral("2E86DE"));
    EXPECT_EQ(colorAt(image, 5, 165).rgb(), background.rgb());
    // The circle (146 wide, centred at 157, 175) shows its top above the bottom edge.
    EXPECT_EQ(colorAt(image, 110, 150).rgb(), circle.rgb());
    EXPECT_EQ(colorAt(image, 157, 110).rgb(), circle.rgb());
    EXPECT_EQ(colorAt(image, 157, 98).rgb(), background.rgb());
    // The bar (162 × 72, centred at 207, 175) rises to the upper right.
    EXPECT_EQ(colorAt(image, 207, 168).rgb(), QColor(Qt::white).rgb());
    EXPECT_EQ(colorAt(image, 249, 133).rgb(), QColor(Qt::white).rgb());
    EXPECT_EQ(colorAt(image, 160, 133).rgb(), circle.rgb());
    EXPECT_EQ(colorAt(image, 300, 160).rgb(), background.rgb());

    const QImage flat = renderWidget(trip(QStringLiteral("FlatBar")), WidgetFamily::SystemMedium);
    EXPECT_EQ(flat, image) << "the three plain kinds look alike in a widget";
}

TEST_F(Views, MediumPicturesReplaceTheCircle)
{
    const QImage image = renderWidget(trip(QStringLiteral("Birthday")), WidgetFamily::SystemMedium);
    saveArtifact(renderWidget(trip(QStringLiteral("Birthday")), WidgetFamily::SystemMedium, 2),
                 QStringLiteral("medium-birthday"));
    const QColor background = hexColor(QStringLiteral("FFF480"));
    // The picture, 300 × 200 shrunk to 180 × 120 about (182, 135).
    EXPECT_GT(pixelsOtherThan(image, QRect(92, 76, 180, 94), background), 2000);
    EXPECT_EQ(pixelsOtherThan(image, QRect(0, 76, 90, 94), background), 0);
    EXPECT_EQ(pixelsOtherThan(image, QRect(275, 76, 89, 94), background), 0);
    EXPECT_NE(renderWidget(trip(QStringLiteral("Home")), WidgetFamily::SystemMedium), image);
}

TEST_F(Views, AKindWithoutAPictureDrawsNoDecoration)
{
    const QColor background = hexColor(QStringLiteral("FFF480"));
    for (const char *kind : {"flatbar", "Sparkles", "../images/Birthday", ""}) {
        const QImage image = renderWidget(trip(QLatin1String(kind)), WidgetFamily::SystemMedium);
        EXPECT_EQ(pixelsOtherThan(image, QRect(0, 90, 364, 80), background), 0) << kind;
    }
}

TEST_F(Views, TheLargeSizeIsASmallPage)
{
    const QImage image = renderWidget(trip(QStringLiteral("ThereelineBar")), WidgetFamily::SystemLarge);
    saveArtifact(renderWidget(trip(QStringLiteral("ThereelineBar")), WidgetFamily::SystemLarge, 2),
                 QStringLiteral("large-thereelinebar"));
    const QColor circle = hexColor(QStringLiteral("2E86DE"));
    // In the middle: the circle, 168 wide about (180, 200), and the bar, 189 × 84 about (228, 200).
    EXPECT_EQ(colorAt(image, 100, 200).rgb(), circle.rgb());
    EXPECT_EQ(colorAt(image, 180, 125).rgb(), circle.rgb());
    EXPECT_EQ(colorAt(image, 290, 140).rgb(), QColor(Qt::white).rgb());
    EXPECT_EQ(colorAt(image, 300, 130).rgb(), hexColor(QStringLiteral("FFF480")).rgb());
    // Title and date at the top, label and count at the bottom, clear of the decoration's middle.
    const ViewLayout layout = RuruLarge(trip()).layout();
    EXPECT_LT(layout.date->textRect().bottom(), 110);
    EXPECT_GT(layout.label.textRect().top(), 270);
    EXPECT_LT(layout.label.textRect().bottom(), layout.count.textRect().top() + 1);
    expectTidy(layout, QSizeF(364, 382), "large");

    const QImage picture = renderWidget(trip(QStringLiteral("Vacation")), WidgetFamily::SystemLarge);
    saveArtifact(renderWidget(trip(QStringLiteral("Vacation")), WidgetFamily::SystemLarge, 2),
                 QStringLiteral("large-vacation"));
    // At 0.85 of its own size, 255 × 170 about (182, 200).
    EXPECT_GT(pixelsOtherThan(picture, QRect(56, 116, 252, 168), hexColor(QStringLiteral("FFF480"))), 5000);
    EXPECT_EQ(pixelsOtherThan(picture, QRect(0, 116, 50, 150), hexColor(QStringLiteral("FFF480"))), 0);
}

TEST_F(Views, ColoursFollowTheEntry)
{
    WidgetContent entry = trip();
    entry.bgColor = QStringLiteral("#102030");
    entry.circleColor = QStringLiteral("FA0");
    const QImage image = renderWidget(entry, WidgetFamily::SystemSmall);
    EXPECT_EQ(colorAt(image, 1, 1).rgb(), QColor(0x10, 0x20, 0x30).rgb());
    EXPECT_EQ(colorAt(image, 165, 85).rgb(), QColor(0xFF, 0xAA, 0x00).rgb());
}

TEST_F(Views, OtherSizesApologise)
{
    EXPECT_EQ(RuruNotAvailable().text(), QStringLiteral("Sorry, this size isn't available"));
    const QImage image = renderWidget(trip(), WidgetFamily::SystemExtraLarge);
    saveArtifact(renderWidget(trip(), WidgetFamily::SystemExtraLarge, 2), QStringLiteral("extralarge-sorry"));
    EXPECT_EQ(image.size(), QSize(715, 382));
    EXPECT_GT(pixelsNear(image, QRect(250, 170, 215, 40), Qt::black, 60), 50);
    // Nothing of the event: no colours of its own.
    EXPECT_EQ(pixelsNear(image, image.rect(), hexColor(QStringLiteral("FFF480")), 4), 0);
    EXPECT_EQ(pixelsNear(image, image.rect(), hexColor(QStringLiteral("2E86DE")), 4), 0);
}

TEST_F(Views, DrawingScalesWithThePainter)
{
    const QImage one = renderWidget(trip(), WidgetFamily::SystemMedium, 1);
    const QImage two = renderWidget(trip(), WidgetFamily::SystemMedium, 2);
    ASSERT_EQ(two.size(), QSize(728, 340));
    for (const QPoint &p : {QPoint(5, 165), QPoint(110, 150), QPoint(249, 133)})
        EXPECT_EQ(colorAt(two, p.x(), p.y(), 2).rgb(), one.pixelColor(p).rgb()) << p.x() << "," << p.y();
}

namespace {

// How many pixels of `area` lie away from every blend of `ink` and `paper`: a glyph of one
// colour gives none, a colour emoji many.
int colouredPixels(const QImage &image, const QRect &area, const QColor &ink, const QColor &paper)
{
    int count = 0;
    const QVector3D a(ink.red(), ink.green(), ink.blue());
    const QVector3D b(paper.red(), paper.green(), paper.blue());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const QVector3D p(c.red(), c.green(), c.blue());
            if (p.distanceToLine(b, (a - b).normalized()) > 60)
                ++count;
        }
    }
    return count;
}

} // namespace

// Every size in every language, and titles in every script, long titles and long counts:
// the texts stay in their boxes and clear of each other and of the corners. All of it on one
// contact sheet in test-artifacts for a person to look at.
TEST_F(Views, EveryLanguageAndScriptStaysInItsBoxes)
{
    const QStringList titles{QStringLiteral("WWWWWWWWWWWWWWWWWWWW"), QStringLiteral("Party 🎉🎂"),
                             QStringLiteral("夏休みの旅行"), QStringLiteral("여름 여행"), QStringLiteral("暑假旅行"),
                             QStringLiteral("Летняя поездка"), QStringLiteral("Καλοκαίρι"), QStringLiteral("رحلة الصيف"),
                             QStringLiteral("חופשת קיץ"), QStringLiteral("गर्मी की छुट्टी"), QStringLiteral("เที่ยวหน้าร้อน")};
    const QStringList dates{QStringLiteral("2026-12-18"), QStringLiteral("1950-01-01"), QStringLiteral("9999-12-31")};
    QList<QImage> sheet;
    const auto check = [&](const WidgetContent &entry, const std::string &what) {
        for (const WidgetFamily family : {WidgetFamily::SystemSmall, WidgetFamily::SystemMedium, WidgetFamily::SystemLarge}) {
            const QSizeF size = widgetFamilySize(family);
            const ViewLayout layout = family == WidgetFamily::SystemSmall    ? RuruSummary(entry).layout()
                                    : family == WidgetFamily::SystemMedium ? RuruMedium(entry).layout()
                                                                           : RuruLarge(entry).layout();
            expectTidy(layout, size, (what + " " + widgetFamilyName(family).toStdString()).c_str());
            sheet.append(renderWidget(entry, family));
        }
    };
    for (const QString &language : Localization::shippedLanguages()) {
        ScopedLocale scoped{language};
        for (const QString &date : dates) {
            WidgetContent entry = trip();
            entry.dateTitle = defaultEvents().at(1).dateTitle;
            entry.ddate = date;
            check(entry, language.toStdString() + " " + date.toStdString());
        }
    }
    for (const QString &title : titles) {
        WidgetContent entry = trip();
        entry.dateTitle = title;
        check(entry, title.toStdString());
    }
    // The emoji draws in colour, not as a box or a glyph of the text's colour.
    WidgetContent party = trip();
    party.dateTitle = QStringLiteral("🎉🎂");
    const QImage image = renderWidget(party, WidgetFamily::SystemLarge);
    const QRect titleBox = RuruLarge(party).layout().title.textRect().toAlignedRect();
    EXPECT_GT(colouredPixels(image, titleBox, hexColor(party.fontColor), hexColor(party.bgColor)), 200);
    WidgetContent plain = trip();
    plain.dateTitle = QStringLiteral("Trip");
    EXPECT_LT(colouredPixels(renderWidget(plain, WidgetFamily::SystemLarge), RuruLarge(plain).layout().title.textRect().toAlignedRect(),
                             hexColor(plain.fontColor), hexColor(plain.bgColor)),
              5);

    // One sheet: rows of small, medium and large.
    const int columns = 9;
    const QSize cell(364 + 8, 382 + 8);
    const int rows = int((sheet.size() + columns - 1) / columns);
    QImage contact(cell.width() * columns, cell.height() * rows, QImage::Format_ARGB32_Premultiplied);
    contact.fill(Qt::white);
    QPainter painter(&contact);
    for (qsizetype i = 0; i < sheet.size(); ++i)
        painter.drawImage(QPoint(int(i % columns) * cell.width() + 4, int(i / columns) * cell.height() + 4), sheet.at(i));
    painter.end();
    saveArtifact(contact, QStringLiteral("contact-sheet"));
}
