#pragma once

#include <QObject>
#include <QStringList>
#include <QtQml/qqml.h>

// The maker's other apps as the about block lists them: the names in an order that is drawn
// anew (every order equally likely) each time the block is shown.
class AboutApps : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QStringList apps READ apps NOTIFY appsChanged)

public:
    explicit AboutApps(QObject *parent = nullptr);

    QStringList apps() const { return m_apps; }

    // A new random order of the same names.
    Q_INVOKABLE void shuffle();
    // The file name of an app's icon: its name in lower case ("mossling").
    Q_INVOKABLE QString iconName(const QString &name) const { return name.toLower(); }
    // Opens the app's store page; nothing for a name that is not one of the maker's apps.
    Q_INVOKABLE bool open(const QString &name) const;

Q_SIGNALS:
    void appsChanged();

private:
    QStringList m_apps;
};
