#include "windowmemory.h"

#include "shelllog.h"

#include <platform/atomicfile.h>
#include <platform/regularfile.h>
#include <platform/userdirs.h>

#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

constexpr int kLargestSide = 100000;

} // namespace

QString WindowMemory::defaultPath()
{
    return UserDirs::dataHome() + QStringLiteral("/tallowick/window.json");
}

WindowMemory WindowMemory::read(const QString &path)
{
    const RegularFile::Result file = RegularFile::read(path);
    if (!file.read())
        return {};
    const QJsonObject saved = QJsonDocument::fromJson(file.bytes).object();
    WindowMemory memory;
    const int width = saved.value(QStringLiteral("width")).toInt();
    const int height = saved.value(QStringLiteral("height")).toInt();
    if (width > 0 && height > 0 && width <= kLargestSide && height <= kLargestSide)
        memory.size = QSize(width, height);
    memory.eventId = saved.value(QStringLiteral("event")).toString();
    return memory;
}

bool WindowMemory::write(const QString &path) const
{
    if (!UserDirs::ensurePrivateDir(QFileInfo(path).absolutePath()))
        return false;
    QJsonObject saved;
    if (size) {
        saved.insert(QStringLiteral("width"), size->width());
        saved.insert(QStringLiteral("height"), size->height());
    }
    if (!eventId.isEmpty())
        saved.insert(QStringLiteral("event"), eventId);
    if (AtomicFile::write(path, QJsonDocument(saved).toJson(QJsonDocument::Compact)))
        return true;
    qCWarning(lcShell).noquote() << "Can't save the window's size and event in" << path;
    return false;
}
