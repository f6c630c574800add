#include "x11window.h"

#include <QGuiApplication>
#include <QRegularExpression>
#include <QWidget>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

xcb_connection_t *connection()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t *x, const char *name)
{
    xcb_intern_atom_reply_t *reply =
        xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t found = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return found;
}

xcb_window_t rootOf(xcb_connection_t *x, xcb_window_t window)
{
    xcb_query_tree_reply_t *reply = xcb_query_tree_reply(x, xcb_query_tree(x, window), nullptr);
    const xcb_window_t root = reply ? reply->root : xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    std::free(reply);
    return root;
}

// The time of the user's action that a startup id carries ("..._TIME<n>"); 0 when none.
uint32_t launchTime(const QByteArray &startupId)
{
    static const QRegularExpression time(QStringLiteral("_TIME(\\d+)$"));
    const auto match = time.match(QString::fromLatin1(startupId));
    return match.hasMatch() ? match.captured(1).toUInt() : 0;
}

// A startup-notification message to the root window, 20 bytes per X event (the
// freedesktop.org startup notification protocol).
void sendStartupMessage(xcb_connection_t *x, xcb_window_t root, xcb_window_t from, const QByteArray &message)
{
    const xcb_atom_t begin = atom(x, "_NET_STARTUP_INFO_BEGIN");
    const xcb_atom_t more = atom(x, "_NET_STARTUP_INFO");
    const QByteArray bytes = message + '\0';
    for (qsizetype at = 0; at < bytes.size(); at += 20) {
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 8;
        event.window = from;
        event.type = at == 0 ? begin : more;
        std::memcpy(event.data.data8, bytes.constData() + at, size_t(std::min<qsizetype>(20, bytes.size() - at)));
        xcb_send_event(x, 0, root, XCB_EVENT_MASK_PROPERTY_CHANGE, reinterpret_cast<const char *>(&event));
    }
}

// A value of a startup message: quoted, with its quotes and backslashes escaped.
QByteArray quoted(const QByteArray &value)
{
    QByteArray result = "\"";
    for (char c : value) {
        if (c == '"' || c == '\\')
            result += '\\';
        result += c;
    }
    return result + '"';
}

} // namespace

namespace X11Window {

void markAsWidget(QWidget &window)
{
    xcb_connection_t *x = connection();
    if (!x)
        return;
    const auto id = xcb_window_t(window.winId());
    // Qt adds its own states to these when it maps the window, keeping ours.
    const xcb_atom_t states[] = {atom(x, "_NET_WM_STATE_SKIP_TASKBAR"), atom(x, "_NET_WM_STATE_SKIP_PAGER"),
                                 atom(x, "_NET_WM_STATE_BELOW"), atom(x, "_NET_WM_STATE_STICKY")};
    xcb_change_property(x, XCB_PROP_MODE_REPLACE, id, atom(x, "_NET_WM_STATE"), XCB_ATOM_ATOM, 32, 4, states);
    // Every workspace.
    const uint32_t allDesktops = 0xFFFFFFFF;
    xcb_change_property(x, XCB_PROP_MODE_REPLACE, id, atom(x, "_NET_WM_DESKTOP"), XCB_ATOM_CARDINAL, 32, 1, &allDesktops);
    xcb_flush(x);
}

void activate(QWidget &window, const QByteArray &startupId)
{
    xcb_connection_t *x = connection();
    if (!x || startupId.isEmpty()) {
        window.activateWindow();
        return;
    }
    const auto id = xcb_window_t(window.winId());
    const xcb_window_t root = rootOf(x, id);
    xcb_change_property(x, XCB_PROP_MODE_REPLACE, id, atom(x, "_NET_STARTUP_ID"), atom(x, "UTF8_STRING"), 8,
                        uint32_t(startupId.size()), startupId.constData());
    const uint32_t time = launchTime(startupId);
    if (time != 0) {
        xcb_change_property(x, XCB_PROP_MODE_REPLACE, id, atom(x, "_NET_WM_USER_TIME"), XCB_ATOM_CARDINAL, 32, 1, &time);
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = id;
        event.type = atom(x, "_NET_ACTIVE_WINDOW");
        event.data.data32[0] = 1; // asked for by an application
        event.data.data32[1] = time;
        xcb_send_event(x, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char *>(&event));
    } else {
        window.activateWindow();
    }
    sendStartupMessage(x, root, id, "remove: ID=" + quoted(startupId));
    xcb_flush(x);
}

} // namespace X11Window
