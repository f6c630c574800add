#include <support/testenvironment.h>
#include <widgets/textblock.h>
#include <widgets/widgetfont.h>

#include <QFontMetricsF>
#include <gtest/gtest.h>

TEST(TextBlock, WrapsToTheWidthAndCutsTheLastAllowedLine)
{
    const QFont font = widgetFont(Faces::Role::Display, 20, QString());
    const QString title = QStringLiteral("A very long title for an event that goes on and on and on");

    const TextBlock free(title, font, 150);
    EXPECT_GT(free.lines().size(), 2);
    EXPECT_FALSE(free.isElided());
    EXPECT_EQ(free.lines().join(QLatin1Char(' ')), title);

    const TextBlock cut(title, font, 150, 2);
    ASSERT_EQ(cut.lines().size(), 2);
    EXPECT_TRUE(cut.isElided());
    EXPECT_EQ(cut.lines().at(0), free.lines().at(0));
    EXPECT_TRUE(cut.lines().at(1).endsWith(QChar(0x2026)));
    const QFontMetricsF metrics(font);
    for (const QString &line : cut.lines())
        EXPECT_LE(metrics.horizontalAdvance(line), 150) << line.toStdString();
    EXPECT_LE(cut.size().width(), 150);
    EXPECT_DOUBLE_EQ(cut.size().height(), metrics.lineSpacing() + metrics.height());
}

TEST(TextBlock, ShortTextsStayWhole)
{
    const TextBlock block(QStringLiteral("Trip"), widgetFont(Faces::Role::Display, 18, QString()), 110, 2);
    EXPECT_EQ(block.lines(), QStringList{"Trip"});
    EXPECT_FALSE(block.isElided());

    const TextBlock empty(QString(), widgetFont(Faces::Role::Display, 18, QString()), 110, 2);
    EXPECT_EQ(empty.lines().size(), 1);
}

TEST(TextBlock, AWordWiderThanTheLineIsBrokenInside)
{
    const TextBlock block(QStringLiteral("Supercalifragilisticexpialidocious"), widgetFont(Faces::Role::Display, 18, QString()), 110);
    EXPECT_GT(block.lines().size(), 1);
    EXPECT_LE(block.size().width(), 110);
}

TEST(TextBlock, TextIsShownAsTyped)
{
    // Titles are people's words, never markup.
    const QString typed = QStringLiteral("<b>Party</b> &amp; cake");
    const TextBlock block(typed, widgetFont(Faces::Role::Label, 13, QString()), 1000);
    EXPECT_EQ(block.lines(), QStringList{typed});

    const TextBlock broken(QStringLiteral("Line one\nLine two"), widgetFont(Faces::Role::Label, 13, QString()), 1000);
    EXPECT_EQ(broken.lines(), (QStringList{"Line one", "Line two"}));
}

TEST(TextBlock, CountsTheLinesThatFitAHeight)
{
    const QFont font = widgetFont(Faces::Role::Display, 18, QString());
    const QFontMetricsF metrics(font);
    EXPECT_EQ(TextBlock::linesFitting(font, metrics.height()), 1);
    EXPECT_EQ(TextBlock::linesFitting(font, metrics.height() + metrics.lineSpacing()), 2);
    EXPECT_EQ(TextBlock::linesFitting(font, 1), 1);
}
