#pragma once

#include <QDBusConnection>
#include <QDBusVariant>
#include <QHash>
#include <QObject>
#include <QProcess>
#include <QTemporaryDir>

class QDBusMessage;

// A session bus of the test's own (a dbus-daemon with nothing to activate) with a stand-in
// for the desktop portal's Settings on it: the test says what the desktop prefers, and
// changes it while the code under test listens on clientBus().
class FakePortal : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")

public:
    // `serve`: false leaves the bus without a portal.
    explicit FakePortal(bool serve = true);
    ~FakePortal() override;

    // Why there is no bus (no dbus-daemon here, say); empty when there is one.
    QString failure() const { return m_failure; }
    QDBusConnection clientBus() const;

    // A preference the desktop has from now on, announced to whoever listens.
    void set(const QString &group, const QString &key, const QVariant &value);

public Q_SLOTS:
    // As the portal answers: the value wrapped in a second variant, or an error for a key the
    // desktop does not have.
    QDBusVariant Read(const QString &group, const QString &key, const QDBusMessage &message);

private:
    QTemporaryDir m_dir;
    QProcess m_daemon;
    QString m_address;
    QString m_failure;
    QHash<QString, QVariant> m_values;
};
