#include <model/faces.h>
#include <support/testenvironment.h>

#include <QRawFont>
#include <QTextLayout>
#include <gtest/gtest.h>

namespace {

struct GlyphRunFace
{
    QString family;
    bool missingGlyph = false;
};

// The faces `text` is drawn with in `font`, run by run, and whether any glyph is missing
// (drawn as the empty box).
QList<GlyphRunFace> runsOf(const QString &text, const QFont &font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    // Character by character, in the text's order (whole runs come in no set order).
    QList<GlyphRunFace> runs;
    for (int i = 0; i < text.size(); ++i) {
        for (const QGlyphRun &glyphs : layout.glyphRuns(i, 1)) {
            GlyphRunFace run{glyphs.rawFont().familyName()};
            for (quint32 index : glyphs.glyphIndexes())
                run.missingGlyph = run.missingGlyph || index == 0;
            runs.append(run);
        }
    }
    return runs;
}

} // namespace

// Titles in every script draw as glyphs, each script in a face that has it.
TEST(Faces, EveryScriptDrawsInAFaceOfItsOwn)
{
    ScopedLocale english{QStringLiteral("en_US")};
    const std::pair<const char *, const char *> titles[] = {
        {"Summer trip", "Inter Display"},
        {"Летняя поездка", "Inter Display"},
        {"Καλοκαίρι", "Inter Display"},
        {"رحلة الصيف", "Noto Sans Arabic"},
        {"חופשת קיץ", "Noto Sans Hebrew"},
        {"गर्मी की छुट्टी", "Noto Sans Devanagari"},
        {"เที่ยวหน้าร้อน", "Noto Sans Thai"},
        // Which CJK face of the three also depends on the weights each is installed in.
        {"夏休みの旅行", "Noto Sans CJK"},
        {"여름 여행", "Noto Sans CJK"},
        {"暑假旅行", "Noto Sans CJK"},
        {"🎉", "Noto Color Emoji"},
    };
    for (const auto &[title, family] : titles) {
        const QString text = QString::fromUtf8(title);
        for (const Faces::Role role : {Faces::Role::Display, Faces::Role::Label}) {
            const QList<GlyphRunFace> runs = runsOf(text, Faces::font(role, 26, text));
            ASSERT_FALSE(runs.isEmpty()) << title;
            for (const GlyphRunFace &run : runs)
                EXPECT_FALSE(run.missingGlyph) << title << " has a missing glyph in " << run.family.toStdString();
            if (role == Faces::Role::Display) {
                EXPECT_TRUE(runs.constFirst().family.startsWith(QLatin1String(family)))
                    << title << " is drawn in " << runs.constFirst().family.toStdString();
            }
        }
    }
    // Digits beside an emoji stay in the title's face, not the emoji face's keycap digits.
    const QString party = QStringLiteral("Party 2027 🎉");
    const QList<GlyphRunFace> runs = runsOf(party, Faces::font(Faces::Role::Display, 26, party));
    ASSERT_GE(runs.size(), 2);
    EXPECT_TRUE(runs.constFirst().family.startsWith(QLatin1String("Inter Display"))) << runs.constFirst().family.toStdString();
    EXPECT_EQ(runs.constLast().family, QStringLiteral("Noto Color Emoji"));
}

// Han characters take the forms of the language the title is in.
TEST(Faces, HanFollowsTheTitlesOwnLanguage)
{
    ScopedLocale english{QStringLiteral("en_US")};
    EXPECT_EQ(Faces::familiesFor(Faces::Role::Display, QStringLiteral("東京へ行く")).indexOf(QStringLiteral("Noto Sans CJK JP")),
              Faces::familiesFor(Faces::Role::Display, QStringLiteral("東京へ行く")).indexOf(QStringLiteral("Noto Sans CJK SC")) - 1);
    const auto firstCjk = [](const QString &text) {
        for (const QString &family : Faces::familiesFor(Faces::Role::Display, text)) {
            if (family.startsWith(QLatin1String("Noto Sans CJK")))
                return family;
        }
        return QString();
    };
    EXPECT_EQ(firstCjk(QStringLiteral("東京へ行く")), QStringLiteral("Noto Sans CJK JP"));
    EXPECT_EQ(firstCjk(QStringLiteral("韓國 여행")), QStringLiteral("Noto Sans CJK KR"));
    EXPECT_EQ(firstCjk(QStringLiteral("東京")), QStringLiteral("Noto Sans CJK SC"));
    ScopedLocale japanese{QStringLiteral("ja_JP")};
    EXPECT_EQ(firstCjk(QStringLiteral("東京")), QStringLiteral("Noto Sans CJK JP"));
}
