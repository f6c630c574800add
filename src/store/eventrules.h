#pragma once

#include <model/colorprovider.h>
#include <model/edate.h>

#include <QDate>
#include <QString>
#include <QtGlobal>

// The rules every way into the event list applies (the forms, the command line, links and the
// home screen), written once here and applied by EventRepository.
namespace EventRules {

// The list holds at most this many events, and never fewer than one once it has any.
inline constexpr int kMaxEvents = 30;
// A title has at most this many user-perceived characters.
inline constexpr int kMaxTitleLength = 20;
// The theme a new event starts with in the forms and on the command line.
inline constexpr qint64 kDefaultThemeId = 1003;
// The theme of a shared event whose link names none, or none that exists.
inline constexpr qint64 kSharedEventThemeId = 1;

// The number of user-perceived characters (grapheme clusters): an emoji, a Korean syllable or
// a letter with its accents is one.
int titleLength(const QString &text);
// The first `limit` characters of `text`.
QString clampTitle(const QString &text, int limit = kMaxTitleLength);

// A text cut back to a limit, and where the cursor goes afterwards.
struct FittedTitle
{
    QString text;
    int cursor = 0;
};
// Cuts `text` back to `limit` characters by removing those just before `cursor`, where the
// last typing or paste put them; what is still too long then loses its end.
FittedTitle fitTitle(const QString &text, int cursor, int limit = kMaxTitleLength);

// The title as it is stored: white space trimmed at both ends, line breaks and tabs (which a
// one-line title cannot show) as spaces, and NUL, which the settings file cannot keep, as
// U+FFFD.
QString storableTitle(const QString &title);
// A title that comes from outside (a link, another calendar) as it is kept: stored, cut to
// the longest a title may be, and trimmed again should the cut end in a space.
QString fittedTitle(const QString &title);

enum class TitleCheck { Fine, Empty, TooLong };
// Whether a title as stored (storableTitle) may be saved.
TitleCheck checkTitle(const QString &storedTitle);

// Whether a theme with this id exists.
bool isKnownTheme(qint64 themeId);
// The theme with this id (the last one when ids repeat); nullptr when there is none.
const ColorProvider *themeWithId(qint64 themeId);
// Gives the event the theme's colours and bar, and its id as the event's theme.
void applyTheme(EDate &event, const ColorProvider &theme);

// The id of a new event: a fresh random UUID, upper-case and hyphenated.
QString newEventId();
// The event id a text names when it is a UUID (in any case, with or without braces), as
// events carry it; empty for any other text.
QString eventIdFrom(const QString &text);
// The years an event's day may have, whichever way it comes in (the forms, the command line,
// links, calendars, backups): four digits, so that it is stored as "yyyy-MM-dd" and read back
// the same; days of the proleptic Gregorian calendar, as ISO 8601 and RFC 5545 count them.
inline constexpr int kFirstYear = 1;
inline constexpr int kLastYear = 9999;
// Whether an event may carry this day: a real date within those years.
bool isStorableDay(const QDate &day);
// The text an event stores for a day: "yyyy-MM-dd".
QString storedDay(const QDate &day);

} // namespace EventRules
