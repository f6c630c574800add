#include "aboutapps.h"

#include "storelinks.h"

#include <QRandomGenerator>
#include <algorithm>

AboutApps::AboutApps(QObject *parent)
    : QObject(parent)
    , m_apps(StoreLinks::appNames())
{
}

void AboutApps::shuffle()
{
    // Fisher-Yates over the system's random source: every order equally likely.
    std::shuffle(m_apps.begin(), m_apps.end(), *QRandomGenerator::global());
    Q_EMIT appsChanged();
}

bool AboutApps::open(const QString &name) const
{
    return StoreLinks::openLink(StoreLinks::appLink(name));
}
