#pragma once

#include <platform/widgetextension.h>

#include <QString>
#include <QStringList>

class QPluginLoader;

// Finds and loads the widget extension plug-in: from $TALLOWICK_WIDGETS_PATH (a plug-in file
// or a folder of them) if set, then from ../LIBDIR/tallowick/widgets/ beside the program
// (AppInfo::kWidgetsFromPrograms), which is where both the build tree and an installation put it. The plug-in stays loaded for the
// life of the process.
class ExtensionLoader
{
public:
    // The places to look, in order, for a program in `applicationDir`.
    static QStringList searchPaths(const QString &applicationDir);

    // Loads the first plug-in in `paths` that implements WidgetExtension; nothing (and an
    // explanation in errorString()) when there is none.
    WidgetExtension *load(const QStringList &paths);
    // The same, from the searchPaths() of this program.
    WidgetExtension *load();

    // The plug-in file loaded, or the reason nothing was.
    const QString &fileName() const { return m_fileName; }
    const QString &errorString() const { return m_error; }

private:
    WidgetExtension *loadFile(const QString &file, QStringList &problems);

    QString m_fileName;
    QString m_error;
};
