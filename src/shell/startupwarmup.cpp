#include "startupwarmup.h"

#include <model/calendarhelper.h>
#include <screens/viewmodels/fonts.h>

#include <QFontInfo>
#include <QGuiApplication>

StartupWarmUp::StartupWarmUp()
    : m_fontsReady(m_fontsAdded.get_future())
{
    m_thread = std::thread([this] {
        Fonts::load();
        // The default font names a generic family ("Sans Serif"): every size of text in it
        // then takes two font engines, one for the name and one for the face it stands for.
        // The face is found once here.
        m_defaultFamily = QFontInfo(QGuiApplication::font()).family();
        m_fontsAdded.set_value();
        // ICU keeps the data it loads for every thread; the formatters made here go with
        // this thread.
        CalendarHelper::getRightDateFormat(QStringLiteral("2000-01-01"));
    });
}

StartupWarmUp::~StartupWarmUp()
{
    m_thread.join();
}

void StartupWarmUp::waitForFonts()
{
    if (!m_fontsReady.valid())
        return;
    m_fontsReady.get();
    if (!m_defaultFamily.isEmpty()) {
        QFont font = QGuiApplication::font();
        font.setFamilies({m_defaultFamily});
        QGuiApplication::setFont(font);
    }
}
