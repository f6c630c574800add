#include "settingsstore.h"

#include "atomicfile.h"
#include "keepaside.h"
#include "platformlog.h"
#include "plistcodec.h"
#include "regularfile.h"
#include "userdirs.h"

#include <QFileInfo>

Q_LOGGING_CATEGORY(lcPlatform, "tallowick.platform", QtWarningMsg)

SettingsStore::SettingsStore(QString path)
    : m_path(std::move(path))
{
}

QString SettingsStore::defaultPath()
{
    return UserDirs::configHome() + QStringLiteral("/tallowick/settings.plist");
}

SettingsStore::Contents SettingsStore::read() const
{
    RegularFile::Result file = RegularFile::read(m_path);
    for (int attempt = 0;; ++attempt) {
        if (file.outcome == RegularFile::Outcome::Missing)
            return {};
        if (file.outcome == RegularFile::Outcome::Failed) {
            qCWarning(lcPlatform) << "Error: Can't read settings" << m_path << file.error;
            return {{}, false, true};
        }
        if (file.read()) {
            const auto decoded = PlistCodec::fromBinary(file.bytes);
            if (decoded && decoded->typeId() == QMetaType::QVariantMap)
                return {decoded->toMap(), false};
        }
        // Another process may have just replaced the file with a good one; read again
        // before concluding that what is there now is unreadable.
        RegularFile::Result again = RegularFile::read(m_path);
        if (attempt >= 2 || (again.outcome == file.outcome && again.bytes == file.bytes))
            break;
        file = std::move(again);
    }
    qCWarning(lcPlatform).noquote() << "Settings file" << m_path << "is"
                                    << (file.read() ? QStringLiteral("not a settings file") : RegularFile::describe(file));
    return {{}, true, false};
}

std::optional<QVariantMap> SettingsStore::load() const
{
    Contents contents = read();
    if (contents.inaccessible)
        return std::nullopt;
    // Keep what we could not read: a person's dates may still be recoverable from it. A link
    // is moved aside as it is, and what it points to is left alone.
    if (contents.unreadable)
        keepAside(m_path, QStringLiteral("Settings file"));
    return std::move(contents.values);
}

bool SettingsStore::save(const QVariantMap &values) const
{
    const QByteArray bytes = PlistCodec::toBinary(values);
    if (bytes.isEmpty()) {
        qCWarning(lcPlatform) << "Error: Can't encode settings";
        return false;
    }
    if (!UserDirs::ensurePrivateDir(QFileInfo(m_path).absolutePath()) || !AtomicFile::write(m_path, bytes)) {
        qCWarning(lcPlatform).noquote() << "Error: Can't write settings" << m_path;
        return false;
    }
    return true;
}

QVariant SettingsStore::value(const QString &key) const
{
    return read().values.value(key);
}

bool SettingsStore::boolValue(const QString &key) const
{
    const QVariant stored = value(key);
    return stored.typeId() == QMetaType::Bool && stored.toBool();
}

bool SettingsStore::update(const std::function<void(QVariantMap &)> &change) const
{
    const Lock held = lock();
    if (!held.held())
        return false;
    std::optional<QVariantMap> values = load();
    if (!values)
        return false;
    change(*values);
    return save(*values);
}

bool SettingsStore::setValue(const QString &key, const QVariant &value) const
{
    return update([&](QVariantMap &values) { values.insert(key, value); });
}

bool SettingsStore::remove(const QString &key) const
{
    return update([&](QVariantMap &values) { values.remove(key); });
}

SettingsStore::Lock SettingsStore::lock() const
{
    // The settings are refused in a folder that is not ours; so is the lock beside them, which
    // would otherwise create a file wherever that folder's owner points it.
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!UserDirs::ensurePrivateDir(folder))
        return Lock::refused(QStringLiteral("the settings lock is not taken in %1, which is not this user's own folder").arg(folder));
    return Lock(m_path + QStringLiteral(".lock"));
}
