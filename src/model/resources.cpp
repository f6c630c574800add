#include "resources.h"

#include <QFile>

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

const QList<EDate> &defaultEvents()
{
    static const QList<EDate> events
        = loadResource<QList<EDate>>(QStringLiteral("DateData.json"), "Array<EDate>", decodeEventListJson);
    return events;
}
