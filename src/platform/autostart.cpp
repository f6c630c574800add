#include "autostart.h"

#include <platform/appinfo.h>
#include "atomicfile.h"
#include "platformlog.h"
#include "userdirs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace Autostart {

namespace {

QString offeredPath()
{
    return UserDirs::dataHome() + QStringLiteral("/tallowick/autostart-offered");
}

// Remembers that the entry is the person's now; a failure only means it may be offered again.
void recordOffered()
{
    const QString path = offeredPath();
    if (QFileInfo::exists(path))
        return;
    if (!UserDirs::ensurePrivateDir(QFileInfo(path).absolutePath())
        || !AtomicFile::write(path, QByteArrayLiteral("The autostart entry of tallowick-home was set up once; "
                                                      "from now on it is kept or removed only when you say so.\n")))
        qCWarning(lcPlatform).noquote() << "Can't write" << path;
}

} // namespace

QString entryPath()
{
    return UserDirs::configHome() + QStringLiteral("/autostart/tallowick-home.desktop");
}

QString execValue(const QString &program)
{
    // The desktop entry rules: an argument with a reserved character goes in double quotes,
    // inside which " ` $ \ take a backslash; a % is doubled to stay clear of field codes; then
    // the whole value escapes its backslashes once more, as every string value does.
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    QString argument = program;
    argument.replace(QLatin1Char('%'), QStringLiteral("%%"));
    const bool quote = std::any_of(argument.cbegin(), argument.cend(), [](QChar c) { return reserved.contains(c); });
    if (quote) {
        QString quoted;
        for (QChar c : std::as_const(argument)) {
            if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
                quoted += QLatin1Char('\\');
            quoted += c;
        }
        argument = QLatin1Char('"') + quoted + QLatin1Char('"');
    }
    QString value;
    for (QChar c : std::as_const(argument)) {
        if (c == QLatin1Char('\\'))
            value += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\n'))
            value += QStringLiteral("\\n");
        else if (c == QLatin1Char('\t'))
            value += QStringLiteral("\\t");
        else if (c == QLatin1Char('\r'))
            value += QStringLiteral("\\r");
        else
            value += c;
    }
    return value;
}

QByteArray entry(const QString &program)
{
    //% "Tallowick"
    const QString name = qtTrId("Tallowick");
    //% "Keep track of your upcoming events."
    const QString comment = qtTrId("Keep track of your upcoming events.");
    const QString text = QStringLiteral("[Desktop Entry]\n"
                                        "Type=Application\n"
                                        "Name=%1\n"
                                        "Comment=%2\n"
                                        "Exec=%3 --background\n"
                                        "Icon=%4\n"
                                        "Terminal=false\n"
                                        "X-GNOME-Autostart-enabled=true\n")
                             .arg(name, comment, execValue(program), QLatin1String(AppInfo::kAppId));
    return text.toUtf8();
}

bool isInstalled()
{
    return QFileInfo(entryPath()).isFile();
}

bool install(const QString &program)
{
    // A session starts programs from anywhere: only a full path says which one.
    if (!QFileInfo(program).isAbsolute())
        return false;
    const QString path = entryPath();
    const QString folder = QFileInfo(path).absolutePath();
    // A folder the session already has is shared with other programs' entries: left as it is.
    if (!QFileInfo(folder).isDir() && !UserDirs::ensurePrivateDir(folder))
        return false;
    if (!AtomicFile::write(path, entry(program)))
        return false;
    recordOffered();
    return true;
}

Removal remove()
{
    const QString path = entryPath();
    const QFileInfo info(path);
    // A link named like the entry goes (never what it points to); a folder is none of ours.
    if (!info.exists() && !info.isSymLink()) {
        // Said all the same: the person wants none, and none is to be offered later.
        recordOffered();
        return Removal::NotThere;
    }
    if (info.isDir() && !info.isSymLink())
        return Removal::Failed;
    if (!QFile::remove(path))
        return Removal::Failed;
    recordOffered();
    return Removal::Removed;
}

bool offer(const QString &program)
{
    if (wasOffered())
        return isInstalled();
    // One set up by hand before (tallowick-home --install-autostart) is kept as it is.
    if (isInstalled()) {
        recordOffered();
        return true;
    }
    return install(program);
}

bool wasOffered()
{
    return QFileInfo::exists(offeredPath());
}

} // namespace Autostart
