#include "objectsplice.h"


#include <calendar/libicalsupport.h>
#include <calendar/ownalarms.h>

namespace {

// One content line: its bytes as written (folded, with its line ends) and unfolded.
struct ContentLine
{
    QByteArray raw;
    QByteArray unfolded;
};

QList<ContentLine> contentLines(const QByteArray &text)
{
    QList<ContentLine> lines;
    qsizetype at = 0;
    while (at < text.size()) {
        qsizetype end = text.indexOf('\n', at);
        end = end < 0 ? text.size() : end + 1;
        const QByteArray physical = text.mid(at, end - at);
        at = end;
        QByteArray content = physical;
        while (content.endsWith('\n') || content.endsWith('\r'))
            content.chop(1);
        const bool continuation = !lines.isEmpty() && (physical.startsWith(' ') || physical.startsWith('\t'));
        if (continuation) {
            lines.last().raw += physical;
            lines.last().unfolded += content.mid(1);
        } else {
            lines.append({physical, content});
        }
    }
    return lines;
}

QByteArray nameOf(const QByteArray &line)
{
    qsizetype end = 0;
    while (end < line.size() && line[end] != ';' && line[end] != ':')
        ++end;
    return line.left(end).trimmed().toUpper();
}

QByteArray valueOf(const QByteArray &line)
{
    const qsizetype colon = line.indexOf(':');
    return colon < 0 ? QByteArray() : line.mid(colon + 1).trimmed().toUpper();
}

bool isOwnAlarm(const QByteArray &unfoldedBlock, QTime time)
{
    LibIcal::prepare();
    const LibIcal::Component alarm(icalparser_parse_string(unfoldedBlock.constData()));
    return alarm && icalcomponent_isa(alarm.get()) == ICAL_VALARM_COMPONENT && OwnAlarms::daysBefore(alarm.get(), time);
}

} // namespace

namespace ObjectSplice {

QByteArray apply(const QByteArray &text, const Edit &edit)
{
    QByteArray out;
    out.reserve(text.size() + edit.addedLines.size());
    QList<QByteArray> open; // the components the current line is in
    qsizetype events = 0;
    bool inEvent = false;   // within the edited VEVENT
    QByteArray alarmRaw;    // a VALARM of the edited event, held until its END says whose it is
    QByteArray alarmText;
    for (const ContentLine &line : contentLines(text)) {
        const QByteArray name = nameOf(line.unfolded);
        const bool begins = name == "BEGIN";
        const bool ends = name == "END";
        if (begins)
            open.append(valueOf(line.unfolded));
        const qsizetype depth = open.size();
        if (begins && depth == 2 && open.last() == "VEVENT")
            inEvent = events++ == edit.eventIndex;

        if (inEvent && depth >= 3 && open.at(2) == "VALARM" && edit.removeOwnAlarms) {
            alarmRaw += line.raw;
            alarmText += line.unfolded + "\r\n";
            if (ends && depth == 3) {
                if (!isOwnAlarm(alarmText, edit.ownAlarmTime))
                    out += alarmRaw;
                alarmRaw.clear();
                alarmText.clear();
            }
        } else if (inEvent && depth == 2 && ends) {
            // Added in the server's line ends.
            QByteArray added = edit.addedLines;
            if (!line.raw.endsWith("\r\n"))
                added.replace("\r\n", "\n");
            out += added;
            out += line.raw;
            inEvent = false;
        } else if (!(inEvent && depth == 2 && !begins && edit.removedNames.contains(name))) {
            out += line.raw;
        }
        if (ends && !open.isEmpty())
            open.removeLast();
    }
    return out;
}

} // namespace ObjectSplice
