#include <model/faces.h>
#include <support/testenvironment.h>

#include <QFontInfo>
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

// Han characters take the forms of the language the title is in: drawn in the CJK face of
// its kana or hangul, else in that of the language texts are shown in. Each text is drawn,
// as the font engine shares fallbacks between fonts that begin with the same face.
TEST(Faces, HanFollowsTheTitlesOwnLanguage)
{
    const auto hanFace = [](const QString &title, int size) {
        const QList<GlyphRunFace> runs = runsOf(title, Faces::font(Faces::Role::Display, size, title));
        return runs.isEmpty() ? QString() : runs.constFirst().family.toLower();
    };
    {
        ScopedLocale english{QStringLiteral("en_US")};
        EXPECT_EQ(hanFace(QStringLiteral("東京へ行く"), 27), QStringLiteral("noto sans cjk jp"));
        EXPECT_EQ(hanFace(QStringLiteral("東京 여행"), 27), QStringLiteral("noto sans cjk kr"));
        EXPECT_EQ(hanFace(QStringLiteral("東京"), 27), QStringLiteral("noto sans cjk sc"));
        // Latin letters beside the Han of the language's forms keep the app's face.
        EXPECT_EQ(runsOf(QStringLiteral("Tokyo 東京"), Faces::font(Faces::Role::Display, 27, QStringLiteral("Tokyo 東京")))
                      .constFirst()
                      .family,
                  Faces::family(Faces::Role::Display));
    }
    // (Another size: the engine keeps the fallbacks it made for a face and size.)
    ScopedLocale japanese{QStringLiteral("ja_JP")};
    EXPECT_EQ(hanFace(QStringLiteral("東京"), 29), QStringLiteral("noto sans cjk jp"));
    EXPECT_EQ(hanFace(QStringLiteral("東京 여행"), 29), QStringLiteral("noto sans cjk kr"));
}

// A screen's text names one family (a QML text's font.family): the face's own name, or the
// name familyFor gives a person's title. Either draws every script as the widgets do, and a
// title's Han characters in the forms of its own kana or hangul.
TEST(Faces, OneFamilyNameDrawsLikeTheWholeList)
{
    ScopedLocale english{QStringLiteral("en_US")};
    Faces::load();
    const QStringList titles{QStringLiteral("Summer trip"), QStringLiteral("رحلة الصيف"), QStringLiteral("חופשת קיץ"),
                             QStringLiteral("गर्मी की छुट्टी"), QStringLiteral("เที่ยวหน้าร้อน"),
                             QStringLiteral("夏休みの旅行"), QStringLiteral("여름 여행"), QStringLiteral("Party 🎉")};
    const auto familiesOf = [](const QList<GlyphRunFace> &runs) {
        QStringList families;
        for (const GlyphRunFace &run : runs) {
            EXPECT_FALSE(run.missingGlyph) << run.family.toStdString();
            // Faces found through a substitute are named in lower case.
            families.append(run.family.toLower());
        }
        return families;
    };
    for (const QString &title : titles) {
        const QStringList expected = familiesOf(runsOf(title, Faces::font(Faces::Role::Display, 26, title)));
        QFont named(Faces::familyFor(Faces::Role::Display, title));
        named.setPixelSize(26);
        named.setWeight(QFont::ExtraBold);
        EXPECT_EQ(familiesOf(runsOf(title, named)), expected) << title.toStdString();
        // The face's own name, as the screens' labels and counts name it.
        QFont face(Faces::family(Faces::Role::Display));
        face.setPixelSize(26);
        face.setWeight(QFont::ExtraBold);
        // (Han characters there take the forms of the language texts are shown in.)
        const QChar::Script script = title.at(0).script();
        if (script != QChar::Script_Han && script != QChar::Script_Hangul) {
            EXPECT_EQ(familiesOf(runsOf(title, face)), expected) << title.toStdString();
        }
    }
    // Han beside kana in the Japanese forms, beside hangul in the Korean ones.
    const QString tokyo = QStringLiteral("東京へ"), seoul = QStringLiteral("東京 여행");
    EXPECT_NE(Faces::familyFor(Faces::Role::Display, tokyo), Faces::familyFor(Faces::Role::Display, seoul));
    QFont japanese(Faces::familyFor(Faces::Role::Display, tokyo));
    QFont korean(Faces::familyFor(Faces::Role::Display, seoul));
    EXPECT_EQ(runsOf(QStringLiteral("東京"), japanese).constFirst().family.toLower(), QStringLiteral("noto sans cjk jp"));
    EXPECT_EQ(runsOf(QStringLiteral("東京"), korean).constFirst().family.toLower(), QStringLiteral("noto sans cjk kr"));

    // The plain texts' face takes the same fallbacks: Arabic in Noto's Arabic face, not in the
    // Arabic letters of a Latin face.
    const QString plain = QFontInfo(QFont()).family();
    Faces::addFallbacks(plain);
    QFont system(plain);
    EXPECT_EQ(runsOf(QStringLiteral("رحلة"), system).constFirst().family.toLower(), QStringLiteral("noto sans arabic"));
}
