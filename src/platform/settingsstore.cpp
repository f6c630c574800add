#include "settingsstore.h"

#include "atomicfile.h"
#include "clock.h"
#include "platformlog.h"
#include "plistcodec.h"
#include "userdirs.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

Q_LOGGING_CATEGORY(lcPlatform, "tallowick.platform")

SettingsStore::SettingsStore(QString path)
    : m_path(std::move(path))
{
}

QString SettingsStore::defaultPath()
{
    return UserDirs::configHome() + QStringLiteral("/tallowick/settings.plist");
}

QVariantMap SettingsStore::load() const
{
    QFile file(m_path);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(lcPlatform) << "Error: Can't read settings" << m_path << file.errorString();
        return {};
    }
    const QByteArray bytes = file.readAll();
    file.close();
    const auto decoded = PlistCodec::fromBinary(bytes);
    if (decoded && decoded->typeId() == QMetaType::QVariantMap)
        return decoded->toMap();

    // Keep what we could not read: a person's dates may still be recoverable from it.
    const QString stem = m_path + QStringLiteral(".unreadable-")
        + Clock::now().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    QString aside = stem;
    for (int n = 2; QFile::exists(aside); ++n)
        aside = stem + QLatin1Char('-') + QString::number(n);
    if (QFile::rename(m_path, aside))
        qCWarning(lcPlatform).noquote() << "Settings file is unreadable; kept it as" << aside;
    else
        qCWarning(lcPlatform).noquote() << "Settings file is unreadable and could not be moved aside:" << m_path;
    return {};
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
    return load().value(key);
}

bool SettingsStore::boolValue(const QString &key) const
{
    const QVariant stored = value(key);
    return stored.typeId() == QMetaType::Bool && stored.toBool();
}

bool SettingsStore::update(const std::function<void(QVariantMap &)> &change) const
{
    const Lock held = lock();
    QVariantMap values = load();
    change(values);
    return save(values);
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
    UserDirs::ensurePrivateDir(QFileInfo(m_path).absolutePath());
    return Lock(m_path + QStringLiteral(".lock"));
}

SettingsStore::Lock::Lock(const QString &lockPath)
{
    m_fd = ::open(QFile::encodeName(lockPath).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (m_fd < 0) {
        qCWarning(lcPlatform).noquote() << "Can't open the settings lock" << lockPath;
        return;
    }
    while (::flock(m_fd, LOCK_EX) != 0 && errno == EINTR) {
    }
}

SettingsStore::Lock::Lock(Lock &&other) noexcept
    : m_fd(other.m_fd)
{
    other.m_fd = -1;
}

SettingsStore::Lock::~Lock()
{
    if (m_fd >= 0)
        ::close(m_fd); // closing releases the flock
}
