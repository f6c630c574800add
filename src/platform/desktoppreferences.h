#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <functional>
#include <optional>


// How the desktop would like apps to look and move: a dark or a light colour scheme, and
// reduced motion. Read from the XDG desktop portal's Settings on a session bus and followed
// while the person changes them; without a portal the answer is light, with motion.
//
// Reduced motion is the portal's own "reduced-motion" where the desktop has it, or else the
// desktop's animation switch as its portal passes it on (GNOME's "enable-animations").
class DesktopPreferences : public QObject
{
    Q_OBJECT

public:
    explicit DesktopPreferences(QObject *parent = nullptr);

    // The preferences of this process's session bus, made on first use. A program with
    // screens asks for them early: the answers come in while it builds its first window.
    static DesktopPreferences &session();

    // Reads the preferences through the portal on `bus` and follows their changes there, in
    // place of any bus followed before (whose answers no longer count). The answers come
    // later, each announced by changed(); a bus that is not connected has no preferences.
    void watch(const QDBusConnection &bus);

    bool dark() const { return m_colorScheme == kPreferDark; }
    bool reducedMotion() const;

Q_SIGNALS:
    void changed();

private Q_SLOTS:
    void settingChanged(const QDBusMessage &change);

private:
    // The portal's "color-scheme": no preference, prefer dark, prefer light.
    static constexpr uint kPreferDark = 1;

    void read(const QString &group, const QString &key);
    void apply(const QString &group, const QString &key, const QVariant &value);
    // Makes `change`, and says so when it changes an answer.
    void update(const std::function<void()> &change);

    QDBusConnection m_bus;
    uint m_colorScheme = 0;
    std::optional<bool> m_reducedMotion;
    std::optional<bool> m_animationsOff;
};
