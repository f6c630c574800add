#include "languagescene.h"

#include <platform/localization.h>
#include <screens/viewmodels/linebreaks.h>

#include <QQuickItem>
#include <QTextLayout>
#include <gtest/gtest.h>

namespace {

// The natural widths of the lines `text` breaks into at `width`, as a QML text wraps it.
QList<qreal> lineWidths(const QString &text, const QFont &font, qreal width)
{
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    QList<qreal> widths;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        widths.append(line.naturalTextWidth());
    }
    layout.endLayout();
    return widths;
}

QFont alertTitleFont()
{
    QFont font;
    font.setPixelSize(17);
    font.setBold(true);
    return font;
}

// The widest of `widths` against the last: lines of even length keep the last one at least
// half as wide as the widest.
void expectEvenLines(const QList<qreal> &widths, const std::string &what)
{
    ASSERT_FALSE(widths.isEmpty()) << what;
    if (widths.size() < 2)
        return;
    const qreal widest = *std::max_element(widths.cbegin(), widths.cend());
    EXPECT_GE(widths.constLast(), widest / 2) << what << ": the last of " << widths.size() << " lines is "
                                             << widths.constLast() << " wide, the widest " << widest;
}

} // namespace

// The two reported cases: "ん" alone under the Japanese alert's title, "one" under the English.
// At the width found, the lines come out even and there are no more of them.
TEST(LineBreaks, NoWordOrCharacterIsLeftAloneOnTheLastLine)
{
    const QFont font = alertTitleFont();
    for (const QString &text : {QStringLiteral("最後のイベントは削除できません"), QStringLiteral("You can't delete the last one")}) {
        // A width at which the text leaves its last word or character alone.
        qreal width = 400;
        while (width > 20 && lineWidths(text, font, width).size() < 2)
            --width;
        const QList<qreal> alone = lineWidths(text, font, width);
        ASSERT_EQ(alone.size(), 2) << text.toStdString();
        ASSERT_LT(alone.constLast(), alone.constFirst() / 3) << text.toStdString();

        const qreal balanced = LineBreaks::balancedWidth(text, font, width);
        EXPECT_LT(balanced, width) << text.toStdString();
        const QList<qreal> even = lineWidths(text, font, balanced);
        EXPECT_EQ(even.size(), 2) << text.toStdString();
        expectEvenLines(even, text.toStdString());
        // Nothing narrower keeps two lines.
        EXPECT_GT(LineBreaks::lineCount(text, font, balanced - 2), 2) << text.toStdString();
    }
    // A text of one line keeps the whole width; so does an empty one.
    EXPECT_EQ(LineBreaks::balancedWidth(QStringLiteral("OK"), font, 238), 238);
    EXPECT_EQ(LineBreaks::balancedWidth(QString(), font, 238), 238);
}

// In every language, the alerts' titles and messages on the screen break into even lines.
TEST(LineBreaks, TheAlertsOfEveryLanguageHaveEvenLines)
{
    FixedClock clock{localTime(2026, 12, 9, 10)};
    for (const QString &language : Localization::shippedLanguages()) {
        LanguageScene scene(language);
        for (const char *alertName : {"deleteAlert", "reviewAlert"}) {
            QQuickItem *alert = scene.find(QLatin1String(alertName));
            ASSERT_TRUE(alert) << alertName;
            alert->setProperty("open", true);
            scene.scene().settle(60);
            for (const char *part : {"alertTitle", "alertMessage"}) {
                QQuickItem *text = nullptr;
                for (QQuickItem *item : alert->findChildren<QQuickItem *>(QLatin1String(part)))
                    text = item->isVisible() ? item : text;
                ASSERT_TRUE(text) << alertName << " " << part;
                const qreal available = text->width() - text->property("leftPadding").toReal()
                    - text->property("rightPadding").toReal();
                const QList<qreal> widths = lineWidths(text->property("text").toString(),
                                                       text->property("font").value<QFont>(), available);
                // What the screen shows is what was measured.
                EXPECT_EQ(widths.size(), text->property("lineCount").toInt()) << language.toStdString() << " " << part;
                expectEvenLines(widths, language.toStdString() + " " + alertName + " " + part);
            }
            alert->setProperty("open", false);
        }
    }
}
