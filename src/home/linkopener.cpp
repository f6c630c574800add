#include "linkopener.h"

#include "homelog.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace {

const QString kAppName = QStringLiteral("tallowick");
const QString kTokenVariable = QStringLiteral("XDG_ACTIVATION_TOKEN");
const QString kStartupIdVariable = QStringLiteral("DESKTOP_STARTUP_ID");

// This program's environment, with only `token` (none of what this program was started with:
// a token is good for one window once).
QProcessEnvironment environmentFor(const QString &token)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(kTokenVariable);
    environment.remove(kStartupIdVariable);
    if (token.isEmpty())
        return environment;
    environment.insert(kTokenVariable, token);
    // In an X11 session the service's token is a startup id (its specification allows either).
    if (environment.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty() && !environment.value(QStringLiteral("DISPLAY")).isEmpty())
        environment.insert(kStartupIdVariable, token);
    return environment;
}

} // namespace

LinkOpener::LinkOpener(const QString &applicationDir)
{
    const QFileInfo beside(applicationDir + QLatin1Char('/') + kAppName);
    m_appProgram = beside.isFile() && beside.isExecutable() ? beside.absoluteFilePath()
                                                            : QStandardPaths::findExecutable(kAppName);
}

bool LinkOpener::open(const QUrl &link, const QString &activationToken) const
{
    if (link.isEmpty())
        return false;
    // Only a full link means something outside this widget; it also never starts with a
    // dash, so the app cannot take it for an option.
    if (!link.isValid() || link.isRelative()) {
        qCWarning(lcHome).noquote() << "Not a link to open:" << link.toString();
        return false;
    }
    if (!m_appProgram.isEmpty()) {
        QProcess app;
        app.setProgram(m_appProgram);
        app.setArguments({link.toString(QUrl::FullyEncoded)});
        app.setProcessEnvironment(environmentFor(activationToken));
        if (app.startDetached())
            return true;
        qCWarning(lcHome).noquote() << "Can't start" << m_appProgram;
    }
    return QDesktopServices::openUrl(link);
}
