// Colour texts come from the settings file, the contents file and shared links: hexColor must
// turn any text into a valid colour, and read well-formed hex texts exactly.
#include "fuzzsupport.h"

#include <model/datecontext.h>
#include <model/hexcolor.h>

#include <QColor>

namespace {

bool isHexDigit(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('a') && c <= QLatin1Char('f'))
        || (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
}

bool isAllHex(QStringView text)
{
    for (QChar c : text) {
        if (!isHexDigit(c))
            return false;
    }
    return true;
}

QString describe(const QString &input, const QColor &colour)
{
    return QStringLiteral("input \"%1\" gave rgba(%2, %3, %4, %5) valid=%6")
        .arg(input)
        .arg(colour.red())
        .arg(colour.green())
        .arg(colour.blue())
        .arg(colour.alpha())
        .arg(colour.isValid());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString input = fuzz::text(data, size);
    const QColor colour = hexColor(input);
    FUZZ_REQUIRE(colour.isValid(), describe(input, colour));
    FUZZ_REQUIRE(colour.spec() == QColor::Rgb, describe(input, colour));

    // The same colour whatever surrounds it that is neither letter nor digit.
    FUZZ_REQUIRE(hexColor(QStringLiteral("#") + input + QStringLiteral(" \n")) == colour, describe(input, colour));

    qsizetype begin = 0;
    qsizetype end = input.size();
    while (begin < end && !input.at(begin).isLetterOrNumber() && !input.at(begin).isMark())
        ++begin;
    while (end > begin && !input.at(end - 1).isLetterOrNumber() && !input.at(end - 1).isMark())
        --end;
    const QString trimmed = input.mid(begin, end - begin);
    const qsizetype length = characterCount(trimmed);

    if (length != 3 && length != 6 && length != 8) {
        FUZZ_REQUIRE(colour == QColor(1, 1, 0, 1), describe(input, colour));
    } else if (isAllHex(trimmed)) {
        // Well-formed texts read as Qt reads "#RGB", "#RRGGBB" and "#AARRGGBB".
        const QColor expected = QColor::fromString(QStringLiteral("#") + trimmed);
        FUZZ_REQUIRE(expected.isValid() && colour == expected,
                     describe(input, colour) + QStringLiteral(", Qt reads ") + expected.name(QColor::HexArgb));
    } else if (length != 8) {
        FUZZ_REQUIRE(colour.alpha() == 255, describe(input, colour));
    }
    return 0;
}
