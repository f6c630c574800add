#include "extensionloader.h"

#include <platform/appinfo.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonObject>
#include <QLibrary>
#include <QPluginLoader>

QStringList ExtensionLoader::searchPaths(const QString &applicationDir)
{
    QStringList paths;
    const QString fromEnvironment = qEnvironmentVariable("TALLOWICK_WIDGETS_PATH");
    if (!fromEnvironment.isEmpty())
        paths.append(fromEnvironment);
    paths.append(QDir::cleanPath(applicationDir + QLatin1Char('/') + QLatin1String(AppInfo::kWidgetsFromPrograms)));
    return paths;
}

WidgetExtension *ExtensionLoader::load()
{
    return load(searchPaths(QCoreApplication::applicationDirPath()));
}

WidgetExtension *ExtensionLoader::load(const QStringList &paths)
{
    QStringList problems;
    for (const QString &path : paths) {
        const QFileInfo info(path);
        QStringList files;
        if (info.isDir()) {
            const QFileInfoList entries = QDir(path).entryInfoList(QDir::Files, QDir::Name);
            for (const QFileInfo &entry : entries) {
                if (QLibrary::isLibrary(entry.fileName()))
                    files.append(entry.absoluteFilePath());
            }
            if (files.isEmpty())
                problems.append(QStringLiteral("%1: no plug-in here").arg(path));
        } else if (info.exists()) {
            files.append(info.absoluteFilePath());
        } else {
            problems.append(QStringLiteral("%1: no such file or folder").arg(path));
        }
        for (const QString &file : std::as_const(files)) {
            if (WidgetExtension *extension = loadFile(file, problems)) {
                m_fileName = file;
                m_error.clear();
                return extension;
            }
        }
    }
    m_error = QStringLiteral("no widget plug-in found (%1)").arg(problems.join(QStringLiteral("; ")));
    return nullptr;
}

WidgetExtension *ExtensionLoader::loadFile(const QString &file, QStringList &problems)
{
    // Never deleted: unloading a plug-in whose objects may still be referenced is never safe,
    // and the extension lives as long as the process anyway. Held in a list that is never
    // destroyed either, so the loader stays reachable to the end (and leak checkers agree).
    static auto *const loaded = new QList<QPluginLoader *>;
    auto *loader = new QPluginLoader(file);
    // The metadata is read without loading the library: a foreign plug-in never runs code here.
    if (loader->metaData().value(QStringLiteral("IID")).toString() != QLatin1String(TallowickWidgetExtension_iid)) {
        problems.append(QStringLiteral("%1: not a Tallowick widget plug-in").arg(file));
        delete loader;
        return nullptr;
    }
    QObject *instance = loader->instance();
    auto *extension = qobject_cast<WidgetExtension *>(instance);
    if (!extension) {
        problems.append(QStringLiteral("%1: %2").arg(file, instance ? QStringLiteral("wrong interface") : loader->errorString()));
        delete loader;
        return nullptr;
    }
    loaded->append(loader);
    return extension;
}
