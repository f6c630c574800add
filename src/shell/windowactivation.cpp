#include "windowactivation.h"

#include "shelllog.h"

#include <QGuiApplication>
#include <QQuickWindow>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstring>

namespace {

const QString kWayland = QStringLiteral("wayland");
const QString kX11 = QStringLiteral("xcb");

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    const xcb_intern_atom_cookie_t cookie = xcb_intern_atom(connection, false, uint16_t(std::strlen(name)), name);
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t found = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return found;
}

xcb_window_t rootOf(xcb_connection_t *connection)
{
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    return screen ? screen->root : xcb_window_t(XCB_WINDOW_NONE);
}

// The startup-notification message that ends a launch: the launcher stops showing that the
// app is starting. A value with a space, quote or backslash is quoted.
QByteArray removeMessage(const QString &startupId)
{
    QByteArray id = startupId.toUtf8();
    if (id.contains(' ') || id.contains('"') || id.contains('\\'))
        id = '"' + id.replace('\\', "\\\\").replace('"', "\\\"") + '"';
    return "remove: ID=" + id;
}

// Sent to the root window in pieces of 20 bytes, its closing NUL included: the first piece
// as _NET_STARTUP_INFO_BEGIN, the others as _NET_STARTUP_INFO.
void sendStartupMessage(xcb_connection_t *connection, const QByteArray &message)
{
    const xcb_window_t root = rootOf(connection);
    const xcb_atom_t begin = atom(connection, "_NET_STARTUP_INFO_BEGIN");
    const xcb_atom_t more = atom(connection, "_NET_STARTUP_INFO");
    if (root == XCB_WINDOW_NONE || begin == XCB_ATOM_NONE || more == XCB_ATOM_NONE)
        return;
    const qsizetype length = message.size() + 1;
    for (qsizetype sent = 0; sent < length; sent += 20) {
        xcb_client_message_event_t event {};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 8;
        event.window = root;
        event.type = sent == 0 ? begin : more;
        std::memcpy(event.data.data8, message.constData() + sent, size_t(std::min<qsizetype>(20, length - sent)));
        xcb_send_event(connection, false, root, XCB_EVENT_MASK_PROPERTY_CHANGE, reinterpret_cast<const char *>(&event));
    }
}

// Asks the window manager to activate `window` for a click at `time`, as an application.
void requestActiveWindow(xcb_connection_t *connection, xcb_window_t window, quint32 time)
{
    const xcb_window_t root = rootOf(connection);
    const xcb_atom_t active = atom(connection, "_NET_ACTIVE_WINDOW");
    if (root == XCB_WINDOW_NONE || active == XCB_ATOM_NONE)
        return;
    xcb_client_message_event_t event {};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = active;
    event.data.data32[0] = 1; // from an application
    event.data.data32[1] = time;
    event.data.data32[2] = XCB_WINDOW_NONE;
    xcb_send_event(connection, false, root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char *>(&event));
}

void showUnminimized(QWindow *window)
{
    if (window->windowStates() & Qt::WindowMinimized)
        window->setWindowStates(window->windowStates() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
}

} // namespace

namespace WindowActivation {

quint32 startupTime(const QString &startupId)
{
    const qsizetype at = startupId.lastIndexOf(QLatin1String("_TIME"));
    if (at < 0)
        return 0;
    bool ok = false;
    const quint32 time = startupId.mid(at + 5).toUInt(&ok);
    return ok ? time : 0;
}

void activate(QWindow *window, const Activation &activation, const QString &platform)
{
    if (!window)
        return;
    qCInfo(lcShell).noquote() << "activating for" << (activation.link.isEmpty() ? QStringLiteral("a start") : activation.link)
                              << "token" << !activation.activationToken.isEmpty() << "startup id" << activation.startupId;
    showUnminimized(window);
    if (platform == kWayland) {
        // Qt's Wayland plug-in activates with the token it finds here, and takes it out.
        if (!activation.activationToken.isEmpty())
            qputenv("XDG_ACTIVATION_TOKEN", activation.activationToken.toUtf8());
        window->requestActivate();
        if (activation.activationToken.isEmpty())
            window->alert(0);
        return;
    }
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = platform == kX11 && x11 ? x11->connection() : nullptr;
    const quint32 time = startupTime(activation.startupId);
    if (connection && time != 0) {
        // Qt would send the time of the last event it saw, which a window manager that
        // guards the focus takes for older than what the person did since.
        requestActiveWindow(connection, xcb_window_t(window->winId()), time);
    } else {
        window->requestActivate();
    }
    // The launcher waits for a window of this start: the running app's is it.
    if (connection && !activation.startupId.isEmpty())
        sendStartupMessage(connection, removeMessage(activation.startupId));
    if (connection)
        xcb_flush(connection);
}

void activateFirstWindow(QQuickWindow *window, const QString &platform)
{
    // Qt's Wayland plug-in shows a new window without it; it would stay behind on a desktop
    // that guards the focus (and go to every program the app starts).
    if (window && platform == kWayland && qEnvironmentVariableIsSet("XDG_ACTIVATION_TOKEN"))
        QObject::connect(window, &QQuickWindow::frameSwapped, window, [window] { window->requestActivate(); },
                         Qt::SingleShotConnection);
}

} // namespace WindowActivation
