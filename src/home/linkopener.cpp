#include "linkopener.h"

#include "homelog.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace {

const QString kAppName = QStringLiteral("tallowick");

} // namespace

LinkOpener::LinkOpener(const QString &applicationDir)
{
    const QFileInfo beside(applicationDir + QLatin1Char('/') + kAppName);
    m_appProgram = beside.isFile() && beside.isExecutable() ? beside.absoluteFilePath()
                                                            : QStandardPaths::findExecutable(kAppName);
}

bool LinkOpener::open(const QUrl &link) const
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
        if (QProcess::startDetached(m_appProgram, {link.toString(QUrl::FullyEncoded)}))
            return true;
        qCWarning(lcHome).noquote() << "Can't start" << m_appProgram;
    }
    return QDesktopServices::openUrl(link);
}
