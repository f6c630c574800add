#include "languagescene.h"
#include "screenchecks.h"

#include <model/faces.h>
#include <model/hexcolor.h>
#include <model/widgetcontent.h>
#include <platform/clock.h>
#include <platform/localization.h>
#include <widgets/ruruextension.h>

#include <QFontInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QQuickItem>
#include <gtest/gtest.h>

namespace {

const QSize kWindow(390, 844);

QImage renderWidget(const EDate &event, WidgetFamily family)
{
    QImage image(widgetFamilySize(family).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    RuruExtension extension;
    extension.render(RuruExtension::entryFor(WidgetContent::fromEvent(event, Clock::now(), 0)), family, painter);
    return image;
}

// The layer on top: the open sheet's panel, else the whole root screen.
QQuickItem *topLayer(LanguageScene &scene)
{
    QQuickItem *panel = scene.find(QStringLiteral("sheetPanel"));
    return panel && panel->isVisible() && scene.find(QStringLiteral("eventSheet"))->isVisible()
        ? panel
        : scene.scene().item();
}

void expectTidy(LanguageScene &scene, const std::string &what)
{
    for (const QString &problem : screenProblems(topLayer(scene), kWindow))
        ADD_FAILURE() << what << ": " << problem.toStdString();
}

} // namespace

class Screenshots : public ::testing::Test
{
protected:
    FixedClock clock{localTime(2026, 12, 9, 10)};
};

// Every language on the real screens: the page, the add form, the reminder sheet and the sync
// sheet, and the widget in each size; then titles in every script. Each screen is checked for
// texts cut, outside their box or the window, over each other, or drawn as empty boxes; the
// emoji draws in colour. All of it goes on one contact sheet for a person to look at.
TEST_F(Screenshots, EveryLanguageAndScriptOnEveryScreen)
{
    ContactSheet sheet(0.5);
    const QList<WidgetFamily> families{WidgetFamily::SystemSmall, WidgetFamily::SystemMedium, WidgetFamily::SystemLarge};
    for (const QString &language : Localization::shippedLanguages()) {
        LanguageScene scene(language, kWindow);
        // The same faces as the app's plain texts take (see the app's start).
        Faces::addFallbacks(QFontInfo(QGuiApplication::font()).family());
        sheet.startRow(language);
        const std::string name = language.toStdString();
        sheet.add(scene.scene().grab());
        expectTidy(scene, name + " page");
        for (const char *mode : {"add", "noti"}) {
            scene.present(QLatin1String(mode));
            sheet.add(scene.scene().grab());
            expectTidy(scene, name + " " + mode);
            scene.dismiss();
        }
        // The sync sheet, from the list, with its set-up form.
        scene.present(QStringLiteral("overview"));
        QMetaObject::invokeMethod(scene.find(QStringLiteral("syncAction")), "activated");
        QQuickItem *sync = scene.find(QStringLiteral("syncSheet"));
        ASSERT_TRUE(sync);
        const auto panels = sync->childItems();
        const auto panel = std::find_if(panels.begin(), panels.end(),
                                        [](QQuickItem *item) { return item->objectName() == QLatin1String("sheetPanel"); });
        ASSERT_NE(panel, panels.end());
        waitUntil([&] {
            scene.scene().settle(10);
            return (*panel)->y() <= 44.5;
        }, 2000);
        scene.scene().settle(30);
        sheet.add(scene.scene().grab());
        for (const QString &problem : screenProblems(*panel, kWindow))
            ADD_FAILURE() << name << " sync: " << problem.toStdString();
        scene.dismiss();
        for (const WidgetFamily family : families)
            sheet.add(renderWidget(scene.store().magicDates().at(1), family));
    }

    // Titles in every script, and the longest title with the longest count.
    const QStringList titles{QStringLiteral("Party 🎉🎂"), QStringLiteral("夏休みの旅行"), QStringLiteral("여름 여행"),
                             QStringLiteral("暑假旅行"), QStringLiteral("Летняя поездка"), QStringLiteral("Καλοκαίρι"),
                             QStringLiteral("رحلة الصيف 2027"), QStringLiteral("חופשת קיץ"), QStringLiteral("गर्मी की छुट्टी"),
                             QStringLiteral("เที่ยวหน้าร้อน"), QStringLiteral("WWWWWWWWWWWWWWWWWWWW")};
    LanguageScene scene(QStringLiteral("en_US"), kWindow);
    for (const QString &title : titles)
        scene.store().addEvent(title == titles.constLast() ? localTime(1950, 1, 1) : localTime(2027, 7, 1), title, true, 1003);
    for (qsizetype i = 0; i < titles.size(); ++i) {
        int page = 0;
        while (scene.store().magicDates().at(page).dateTitle != titles.at(i))
            ++page;
        scene.store().setCurrentPage(page);
        scene.scene().settle(60);
        if (i % 4 == 0)
            sheet.startRow(i == 0 ? QStringLiteral("scripts") : QString());
        const QImage image = scene.scene().grab();
        sheet.add(image);
        expectTidy(scene, titles.at(i).toStdString());
        for (const WidgetFamily family : families)
            sheet.add(renderWidget(scene.store().magicDates().at(page), family));
        if (i == 0) {
            // The emoji draws in colour, not as a box or a glyph of the text's colour.
            const EDate &event = scene.store().magicDates().at(page);
            QQuickItem *title = nullptr;
            for (QQuickItem *item : scene.findAll(QStringLiteral("eventTitle")))
                title = item->isVisible() && item->property("text").toString() == titles.at(i) ? item : title;
            ASSERT_TRUE(title);
            const QRect box = paintedRect(title).toAlignedRect();
            EXPECT_GT(colouredPixels(image, box, hexColor(event.fontColor), hexColor(event.bgColor)), 200);
            // ... while a Latin title has none.
            scene.store().setCurrentPage(0);
            scene.scene().settle(120);
            EXPECT_LT(colouredPixels(scene.scene().grab(), box, hexColor(scene.store().magicDates().at(0).fontColor),
                                     hexColor(scene.store().magicDates().at(0).bgColor)),
                      5);
        }
    }
    sheet.save(QStringLiteral(TALLOWICK_CONTACT_SHEET));
}
