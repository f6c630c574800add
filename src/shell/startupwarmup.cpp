#include "startupwarmup.h"
#include "systemface.h"

#include <model/calendarhelper.h>
#include <model/datecontext.h>
#include <model/faces.h>
#include <platform/clock.h>
#include <screens/viewmodels/fonts.h>

#include <QFontMetricsF>
#include <QGuiApplication>

namespace {

// A font engine for text in one of `family`'s faces works out, once per face and script, the
// fallback faces the font configuration offers for it: the slowest step of a text's first
// drawing. The list is kept for every thread, so working it out here for the faces of the
// first page's texts (Latin letters and digits) spares the main thread while it makes the
// scene. (The engines made here stay with this thread.)
void workOutFallbacks(const QString &family)
{
    QFontMetricsF(QFont(family)).horizontalAdvance(QStringLiteral("a"));
}

} // namespace

StartupWarmUp::StartupWarmUp()
{
    m_fonts = std::thread([this] {
        Fonts::load();
        // The default font names a generic family ("Sans Serif"): every size of text in it
        // then takes two font engines, one for the name and one for the face it stands for.
        // The face is found once here, from the font configuration (a font engine for it
        // would cost five times as much, its fallbacks worked out included).
        m_defaultFamily = SystemFace::familyOf(QGuiApplication::font());
        // Qt does not guard the table of substitutes against other threads: every entry is
        // written before the main thread draws text while this thread works out the fallbacks
        // below. The names of titles whose kana or hangul call for other Han forms than the
        // language's (the screens name only the display face so) are made now too, rather
        // than by the first such title.
        if (!m_defaultFamily.isEmpty())
            Faces::addFallbacks(m_defaultFamily);
        for (const QString &kanaOrHangul : {QStringLiteral("\u3042"), QStringLiteral("\uAC00")})
            Faces::familyFor(Faces::Role::Display, kanaOrHangul);
        m_fontsAdded.set_value();

        workOutFallbacks(Faces::family(Faces::Role::Display));
        workOutFallbacks(Faces::family(Faces::Role::Label));
        if (!m_defaultFamily.isEmpty())
            workOutFallbacks(m_defaultFamily);
    });
    // What the first page asks of the dates, made for the main thread to take over.
    m_dates = std::thread([this] {
        const QString today = CalendarHelper::formatStoredDate(Clock::now());
        CalendarHelper::getRightDateFormat(today);
        CalendarHelper::getDayCount(today, std::nullopt);
        m_datesMade.set_value(DateContext::releaseCurrent());
    });
}

StartupWarmUp::~StartupWarmUp()
{
    m_fonts.join();
    m_dates.join();
}

void StartupWarmUp::prepareFirstWindow()
{
    m_fontsAdded.get_future().get();
    if (!m_defaultFamily.isEmpty()) {
        QFont font = QGuiApplication::font();
        font.setFamilies({m_defaultFamily});
        QGuiApplication::setFont(font);
    }
    // Moments away if not made yet: they began with the faces.
    DateContext::adoptAsCurrent(m_datesMade.get_future().get());
}
