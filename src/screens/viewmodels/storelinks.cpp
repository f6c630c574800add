#include "storelinks.h"

#include <platform/appinfo.h>

#include <QDesktopServices>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcStoreLinks, "tallowick.links", QtWarningMsg)

namespace {

const QString kStorePrefix = QStringLiteral("https://apps.ostrastudio.example/app/");
// The desktop's software centre (GNOME Software, Discover) shows an app's page, with its
// reviews, for a link of this scheme with the app's id: "appstream:ID", which both read like
// "appstream://ID". Written as a path the id keeps its capitals, which a link's host loses
// (QUrl lowers it, as host names are case-blind; app ids are not).
const QString kSoftwareCentreScheme = QStringLiteral("appstream");

struct AppEntry
{
    const char *name;
    const char *storeId;
};

// The maker's other apps and their store pages (their two lines of text are in
// IntroduceOstraView.qml, one entry for each name here).
constexpr AppEntry kApps[] = {
    {"Mossling", "id6447201511"}, {"Tidewell", "id6447201522"}, {"Quillo", "id6447201533"},
    {"Fernlet", "id6447201544"},  {"Hushpot", "id6447201555"},  {"Cobblyn", "id6447201566"},
    {"Wrennie", "id6447201577"},  {"Glimmo", "id6447201588"},   {"Plumtide", "id6447201599"},
};

StoreLinks::Opener &opener()
{
    static StoreLinks::Opener instance;
    return instance;
}

} // namespace

QString StoreLinks::reviewLink()
{
    return kSoftwareCentreScheme + QLatin1Char(':') + QLatin1String(AppInfo::kAppId);
}

QString StoreLinks::studioLink()
{
    return QStringLiteral("https://photos.social.example/ostra.studio");
}

QString StoreLinks::appLink(const QString &name)
{
    for (const AppEntry &app : kApps) {
        if (name == QLatin1String(app.name))
            return kStorePrefix + QLatin1String(app.storeId);
    }
    return {};
}

QStringList StoreLinks::appNames()
{
    QStringList names;
    for (const AppEntry &app : kApps)
        names.append(QLatin1String(app.name));
    return names;
}

bool StoreLinks::openLink(const QString &link)
{
    const QUrl url(link, QUrl::StrictMode);
    const bool web = url.scheme() == QLatin1String("https") || url.scheme() == QLatin1String("http");
    // The software centre's page of this app, and nothing else of that scheme.
    const bool ownPage = link == reviewLink();
    if (link.isEmpty() || !url.isValid() || !(ownPage || (web && !url.host().isEmpty())))
        return false;
    qCInfo(lcStoreLinks).noquote() << "open" << url.toString();
    if (opener())
        return opener()(url);
    return QDesktopServices::openUrl(url);
}

void StoreLinks::setOpener(Opener opener)
{
    ::opener() = std::move(opener);
}
