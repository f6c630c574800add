#include "startupwarmup.h"
#include "systemface.h"

#include <model/calendarhelper.h>
#include <model/datecontext.h>
#include <model/faces.h>
#include <platform/clock.h>
#include <screens/viewmodels/fonts.h>

#include <QGuiApplication>

StartupWarmUp::StartupWarmUp()
{
    m_thread = std::thread([this] {
        Fonts::load();
        // The default font names a generic family ("Sans Serif"): every size of text in it
        // then takes two font engines, one for the name and one for the face it stands for.
        // The face is found once here, from the font configuration (a font engine for it
        // would cost five times as much, its fallbacks worked out included).
        m_defaultFamily = SystemFace::familyOf(QGuiApplication::font());
        m_fontsAdded.set_value();

        // What the first page asks of the dates, made here for the main thread to take over.
        const QString today = CalendarHelper::formatStoredDate(Clock::now());
        CalendarHelper::getRightDateFormat(today);
        CalendarHelper::getDayCount(today, std::nullopt);
        m_datesMade.set_value(DateContext::releaseCurrent());
    });
}

StartupWarmUp::~StartupWarmUp()
{
    m_thread.join();
}

void StartupWarmUp::prepareFirstWindow()
{
    m_fontsAdded.get_future().get();
    if (!m_defaultFamily.isEmpty()) {
        QFont font = QGuiApplication::font();
        font.setFamilies({m_defaultFamily});
        QGuiApplication::setFont(font);
        Faces::addFallbacks(m_defaultFamily);
    }
    // Moments away if not made yet: they follow the faces.
    DateContext::adoptAsCurrent(m_datesMade.get_future().get());
}
