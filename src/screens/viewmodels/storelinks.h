#pragma once

#include <QObject>
#include <QString>
#include <QUrl>
#include <QtQml/qqml.h>
#include <functional>

// The addresses the app sends people to (its page in the desktop's software centre, the maker's
// other apps, the maker's profile) and the one way they are opened.
class StoreLinks : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(QString reviewLink READ reviewLink CONSTANT)
    Q_PROPERTY(QString studioLink READ studioLink CONSTANT)

public:
    using Opener = std::function<bool(const QUrl &)>;

    using QObject::QObject;

    // This app's page in the desktop's software centre, where it is rated and reviewed.
    static QString reviewLink();
    // The maker's profile page on a photo-sharing site.
    static QString studioLink();
    // The store page of one of the maker's apps by its name ("Mossling"); empty for a name
    // that is not one of them.
    static QString appLink(const QString &name);
    // The names of the maker's apps, in the table's order.
    static QStringList appNames();

    // Opens a web address in the browser, or the review link in the software centre. Any
    // other text opens nothing; false then, or when nothing could be started.
    static bool openLink(const QString &link);
    // Replaces the browser (tests); an empty opener restores it.
    static void setOpener(Opener opener);

    Q_INVOKABLE bool openReviewPage() { return openLink(reviewLink()); }
    Q_INVOKABLE bool openStudioPage() { return openLink(studioLink()); }
    Q_INVOKABLE bool openAppPage(const QString &name) { return openLink(appLink(name)); }
};
