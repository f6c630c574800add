#include <model/bartype.h>
#include <model/hexcolor.h>

#include <gtest/gtest.h>

namespace {

struct Rgba
{
    int r, g, b, a;
    friend bool operator==(const Rgba &, const Rgba &) = default;
    friend std::ostream &operator<<(std::ostream &os, const Rgba &c)
    {
        return os << "rgba(" << c.r << ", " << c.g << ", " << c.b << ", " << c.a << ")";
    }
};

Rgba rgba(const char *text)
{
    const QColor color = hexColor(QString::fromUtf8(text));
    return {color.red(), color.green(), color.blue(), color.alpha()};
}

const Rgba kFallback{1, 1, 0, 1};

} // namespace

TEST(HexColor, ReadsShortLongAndAlphaForms)
{
    EXPECT_EQ(rgba("FFF480"), (Rgba{255, 244, 128, 255}));
    EXPECT_EQ(rgba("#FFF480"), (Rgba{255, 244, 128, 255}));
    EXPECT_EQ(rgba("  #fff480;"), (Rgba{255, 244, 128, 255}));
    EXPECT_EQ(rgba("F48"), (Rgba{255, 68, 136, 255}));
    EXPECT_EQ(rgba("80FFF480"), (Rgba{255, 244, 128, 128}));
}

TEST(HexColor, OtherLengthsGiveTheNearlyTransparentFallback)
{
    EXPECT_EQ(rgba("12345"), kFallback);
    EXPECT_EQ(rgba(""), kFallback);
    EXPECT_EQ(rgba("#"), kFallback);
    EXPECT_EQ(rgba("FFF 480"), kFallback); // inner characters stay and count
    EXPECT_EQ(rgba("FFFFFFFFF"), kFallback);
}

TEST(HexColor, ScanningStopsAtTheFirstNonHexCharacter)
{
    EXPECT_EQ(rgba("GG0000"), (Rgba{0, 0, 0, 255}));
    EXPECT_EQ(rgba("FFGG00"), (Rgba{0, 0, 255, 255}));  // reads 0xFF as the whole number
    EXPECT_EQ(rgba("한국어"), (Rgba{0, 0, 0, 255}));      // three letters of another script
}

TEST(BarTypeNames, MatchExactlyAndFallBackToFlatBarForDrawing)
{
    ASSERT_EQ(kAllBarTypes.size(), 12u);
    for (BarType type : kAllBarTypes)
        EXPECT_EQ(barTypeFromName(barTypeName(type)), type);
    EXPECT_EQ(barTypeName(BarType::ThereelineBar), QLatin1String("ThereelineBar"));
    EXPECT_FALSE(barTypeFromName(QStringLiteral("flatbar")));
    EXPECT_FALSE(barTypeFromName(QString()));
    EXPECT_EQ(barTypeForDrawing(QStringLiteral("flatbar")), BarType::FlatBar);
    EXPECT_EQ(barTypeForDrawing(QStringLiteral("Box")), BarType::Box);
}
