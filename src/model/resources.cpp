#include "resources.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <iterator>

namespace {

const QString kResourceRoot = QStringLiteral(":/tallowick/");

[[noreturn]] void stop(const QString &message)
{
    // The resources are part of the build; without them nothing can be shown.
    qFatal("Tallowick/Data: %s", qPrintable(message));
}

template<typename T, typename Decoder>
T loadResource(const QString &name, const char *typeName, Decoder decode)
{
    const QByteArray bytes = loadResourceBytes(name);
    auto decoded = decode(bytes);
    if (!decoded)
        stop(QStringLiteral("Couldn't parse %1 as %2:\n%3")
                 .arg(name, QLatin1String(typeName), QStringLiteral("the data is not a valid list of that type")));
    return *decoded;
}

} // namespace

QByteArray loadResourceBytes(const QString &name)
{
    QFile file(kResourceRoot + name);
    if (!file.exists())
        stop(QStringLiteral("Couldn't find %1 in main bundle.").arg(name));
    if (!file.open(QIODevice::ReadOnly))
        stop(QStringLiteral("Couldn't load %1 from main bundle:\n%2").arg(name, file.errorString()));
    return file.readAll();
}

const QList<ColorProvider> &colorSets()
{
    static const QList<ColorProvider> themes = [] {
        auto list = loadResource<QList<ColorProvider>>(QStringLiteral("ColorSets.json"), "Array<ColorProvider>",
                                                        decodeThemeList);
        if (list.isEmpty())
            stop(QStringLiteral("Couldn't parse ColorSets.json as Array<ColorProvider>:\nthe list is empty"));
        return list;
    }();
    return themes;
}

namespace {

struct PackagedEvents
{
    QList<EDate> events;
    QHash<QString, QByteArray> titleKeys; // by event id
};

const PackagedEvents &packagedEvents()
{
    static const PackagedEvents packaged = [] {
        const QString name = QStringLiteral("DateData.json");
        PackagedEvents loaded{loadResource<QList<EDate>>(name, "Array<EDate>", decodeEventListJson), {}};
        const QJsonArray records = QJsonDocument::fromJson(loadResourceBytes(name)).array();
        for (const QJsonValue &record : records) {
            const QString key = record[QLatin1String("titleKey")].toString();
            if (!key.isEmpty())
                loaded.titleKeys.insert(record[QLatin1String("id")].toString(), key.toUtf8());
        }
        return loaded;
    }();
    return packaged;
}

// The keys the packaged events may name, written out where the translation tools see them.
const char *const kTitleKeys[] = {
    //% "New Year"
    QT_TRID_NOOP("DateData.newYear"),
    //% "Summer trip"
    QT_TRID_NOOP("DateData.summerTrip"),
    //% "Together"
    QT_TRID_NOOP("DateData.together"),
};

} // namespace

QList<EDate> defaultEvents()
{
    // Each packaged event names the key of its title's translation (the English title is its
    // default); the list is made in the language of the moment, as the first start saves it.
    const PackagedEvents &packaged = packagedEvents();
    QList<EDate> events = packaged.events;
    for (EDate &event : events) {
        const QByteArray key = packaged.titleKeys.value(event.id);
        const auto known = std::find_if(std::begin(kTitleKeys), std::end(kTitleKeys),
                                        [&](const char *titleKey) { return key == titleKey; });
        if (known == std::end(kTitleKeys))
            continue;
        const QString translated = qtTrId(*known);
        if (!translated.isEmpty() && translated != QLatin1String(key))
            event.dateTitle = translated;
    }
    return events;
}
