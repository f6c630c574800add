#include "fonts.h"

#include <QFontDatabase>

namespace {

QString loadFamily(const QString &resource, const QString &fallback)
{
    const int id = QFontDatabase::addApplicationFont(resource);
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    return families.isEmpty() ? fallback : families.constFirst();
}

} // namespace

Fonts::Fonts(QObject *parent)
    : QObject(parent)
    , m_gilroy(loadFamily(QStringLiteral(":/tallowick/fonts/Gilroy-ExtraBold.otf"), QStringLiteral("sans-serif")))
    , m_avenir(loadFamily(QStringLiteral(":/tallowick/fonts/AvenirNext-Bold.ttf"), QStringLiteral("sans-serif")))
{
}
