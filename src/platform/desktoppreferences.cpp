#include "desktoppreferences.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QFileInfo>

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kInterface = QStringLiteral("org.freedesktop.portal.Settings");
const QString kAppearance = QStringLiteral("org.freedesktop.appearance");
const QString kColorScheme = QStringLiteral("color-scheme");
const QString kReducedMotion = QStringLiteral("reduced-motion");
const QString kGnomeInterface = QStringLiteral("org.gnome.desktop.interface");
const QString kEnableAnimations = QStringLiteral("enable-animations");

// A session bus to ask: the one the session names, or the user's own (systemd's). Without one the
// app asks nobody (D-Bus would otherwise try to start a bus of its own, for nothing).
bool sessionBusExists()
{
    if (qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS"))
        return true;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/bus"));
}

// The portal's Read wraps the value in a second variant; a newer portal or another
// implementation may not.
QVariant unwrapped(QVariant value)
{
    while (value.metaType() == QMetaType::fromType<QDBusVariant>())
        value = value.value<QDBusVariant>().variant();
    return value;
}

} // namespace

DesktopPreferences::DesktopPreferences(QObject *parent)
    : QObject(parent)
    , m_bus(QStringLiteral("tallowick-no-bus"))
{
}

DesktopPreferences &DesktopPreferences::session()
{
    static DesktopPreferences *preferences = [] {
        auto *made = new DesktopPreferences(QCoreApplication::instance());
        if (sessionBusExists())
            made->watch(QDBusConnection::sessionBus());
        return made;
    }();
    return *preferences;
}

void DesktopPreferences::watch(const QDBusConnection &bus)
{
    if (m_bus.isConnected())
        m_bus.disconnect(kService, kPath, kInterface, QStringLiteral("SettingChanged"), this,
                         SLOT(settingChanged(QDBusMessage)));
    m_bus = bus;
    // Until this bus's portal answers (and without one), what a desktop without preferences has.
    update([this] {
        m_colorScheme = 0;
        m_reducedMotion.reset();
        m_animationsOff.reset();
    });
    if (!m_bus.isConnected())
        return;
    m_bus.connect(kService, kPath, kInterface, QStringLiteral("SettingChanged"), this,
                  SLOT(settingChanged(QDBusMessage)));
    read(kAppearance, kColorScheme);
    read(kAppearance, kReducedMotion);
    read(kGnomeInterface, kEnableAnimations);
}

bool DesktopPreferences::reducedMotion() const
{
    return m_reducedMotion.value_or(m_animationsOff.value_or(false));
}

void DesktopPreferences::read(const QString &group, const QString &key)
{
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Read"));
    call << group << key;
    auto *answer = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(answer, &QDBusPendingCallWatcher::finished, this,
            [this, group, key, bus = m_bus.name()](QDBusPendingCallWatcher *finished) {
                finished->deleteLater();
                const QDBusPendingReply<QDBusVariant> reply = *finished;
                // No portal, or a key this desktop does not have: the default stands.
                if (reply.isError() || bus != m_bus.name())
                    return;
                apply(group, key, reply.value().variant());
            });
}

void DesktopPreferences::settingChanged(const QDBusMessage &change)
{
    // The namespace, the key and the value.
    const QVariantList arguments = change.arguments();
    if (arguments.size() == 3)
        apply(arguments.at(0).toString(), arguments.at(1).toString(), arguments.at(2));
}

void DesktopPreferences::apply(const QString &group, const QString &key, const QVariant &value)
{
    const QVariant plain = unwrapped(value);
    if (group == kAppearance && key == kColorScheme)
        update([&] { m_colorScheme = plain.toUInt(); });
    else if (group == kAppearance && key == kReducedMotion)
        update([&] { m_reducedMotion = plain.toUInt() == 1; });
    else if (group == kGnomeInterface && key == kEnableAnimations)
        update([&] { m_animationsOff = !plain.toBool(); });
}

void DesktopPreferences::update(const std::function<void()> &change)
{
    const bool wasDark = dark();
    const bool wasReduced = reducedMotion();
    change();
    if (dark() != wasDark || reducedMotion() != wasReduced)
        Q_EMIT changed();
}
