// Answers of a CalDAV server, which may be any server the person names: its multistatus
// (listings, change lists, bodies) and error bodies, and the calendar objects a multistatus
// carries. Checked: an answer refused as unreadable gives nothing to act on; every member
// read has an href and a status that is one; an error names its href only with a condition;
// each object read gives an event exactly when it is not refused.
#include "fuzzsupport.h"

#include <sync/calendarobject.h>
#include <sync/davxml.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray body = fuzz::bytes(data, size);
    const QString context = QStringLiteral("an answer of %1 bytes").arg(body.size());

    const DavXml::Multistatus answer = DavXml::parseMultistatus(body);
    if (!answer.error.isEmpty())
        FUZZ_REQUIRE(answer.members.isEmpty() && answer.syncToken.isEmpty(), context + QStringLiteral(": refused, yet read"));
    for (const DavXml::Member &member : answer.members) {
        FUZZ_REQUIRE(!member.href.isEmpty(), context + QStringLiteral(": a member without an href"));
        FUZZ_REQUIRE(member.status == 0 || (member.status >= 100 && member.status <= 999),
                     context + QStringLiteral(": status %1").arg(member.status));
        if (member.calendarData.isEmpty())
            continue;
        const CalendarObject::Reading reading = CalendarObject::read(member.calendarData);
        FUZZ_REQUIRE(reading.synced.has_value() == (reading.refusal == CalendarObject::Refusal::None),
                     context + QStringLiteral(": an object both read and refused, or neither"));
    }

    const DavXml::Error error = DavXml::parseError(body);
    FUZZ_REQUIRE(error.href.isEmpty() || !error.conditions.isEmpty(), context + QStringLiteral(": an href without a condition"));
    return 0;
}
