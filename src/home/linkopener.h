#pragma once

#include <QString>
#include <QUrl>

// Opens a widget's tap link in the app: runs `tallowick <link>` detached (the running app
// takes the link over), the program found beside this one or else on PATH. Without the app,
// the desktop opens the link (a web page).
class LinkOpener
{
public:
    // Looks for the app beside the program in `applicationDir`, then on PATH.
    explicit LinkOpener(const QString &applicationDir);
    // The app's program it found; empty when there is none.
    const QString &appProgram() const { return m_appProgram; }

    // Opens `link`; an empty or relative link does nothing. False when nothing was started.
    // `activationToken` (from the notification service, say) lets the app's window come
    // forward: it is handed over as XDG_ACTIVATION_TOKEN, and on X11 as DESKTOP_STARTUP_ID.
    bool open(const QUrl &link, const QString &activationToken = QString()) const;

private:
    QString m_appProgram;
};
