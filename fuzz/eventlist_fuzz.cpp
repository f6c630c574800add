// The saved event list: the binary property list stored under "magicDates" in the settings
// file (and the same records as JSON, the form of the packaged default events). A list that
// decodes must encode, and read back as the same list in the same bytes.
#include "fuzzsupport.h"

#include <model/edate.h>

#include <algorithm>

namespace {

void checkRoundTrip(const QList<EDate> &decoded, const char *source)
{
    const QByteArray encoded = encodeEventList(decoded);
    FUZZ_REQUIRE(!encoded.isEmpty(), QStringLiteral("a decoded %1 list of %2 events does not encode").arg(source).arg(decoded.size()));
    const auto again = decodeEventList(encoded);
    FUZZ_REQUIRE(again.has_value(), QStringLiteral("the re-encoded %1 list does not decode").arg(source));
    FUZZ_REQUIRE(*again == decoded, QStringLiteral("the re-encoded %1 list reads back different").arg(source));
    FUZZ_REQUIRE(encodeEventList(*again) == encoded, QStringLiteral("the %1 list's encoding is not stable").arg(source));
    for (qsizetype i = 0; i < decoded.size(); ++i) {
        const auto fromJson = EDate::fromJson(decoded.at(i).toJson());
        FUZZ_REQUIRE(fromJson && *fromJson == decoded.at(i),
                     QStringLiteral("event %1 of a %2 list does not survive its JSON form").arg(i).arg(source));
    }
}

// The settings file keeps texts as C strings: a text read from it never holds U+0000, and one
// that does (only JSON can carry it) cannot be stored whole. The store replaces U+0000 in the
// titles it is given; the packaged JSON list holds none.
bool holdsNul(const QList<EDate> &events)
{
    const QChar nul(u'\0');
    return std::any_of(events.cbegin(), events.cend(), [&](const EDate &e) {
        for (const QString *text : {&e.ddate, &e.bgColor, &e.fontColor, &e.lineColor, &e.circleColor, &e.dateTitle,
                                    &e.barType, &e.barColor, &e.id}) {
            if (text->contains(nul))
                return true;
        }
        return false;
    });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = fuzz::bytes(data, size);
    if (const auto decoded = decodeEventList(input)) {
        FUZZ_REQUIRE(!holdsNul(*decoded), QStringLiteral("a text read from a property list holds U+0000"));
        checkRoundTrip(*decoded, "property-list");
    }
    if (const auto decoded = decodeEventListJson(input); decoded && !holdsNul(*decoded))
        checkRoundTrip(*decoded, "JSON");
    return 0;
}
