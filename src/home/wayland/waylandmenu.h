#pragma once

#include "inputtarget.h"
#include "shmbuffer.h"

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

class QAction;
class QMenu;
class WaylandClient;
struct wl_surface;
struct xdg_popup;
struct xdg_surface;
struct zwlr_layer_surface_v1;

// A QMenu shown as an xdg_popup of the home screen's own Wayland client, so that a layer
// surface (which Qt knows nothing of) can have the menu Qt's window has: the QMenu, never
// shown itself, keeps the actions, lays them out and paints them (the desktop's style, its
// highlight, its check marks); this popup shows that picture, hands it the pointer and the
// keys, and opens a submenu as a popup of its own. The compositor places it beside the
// anchor (flipped or slid to stay on screen) and closes it on a click elsewhere.
//
// The keys: a layer surface on the background cannot be given the keyboard for a while and
// reliably give it back (sway 1.7 keeps the focus on one that had it until the person clicks
// a window), and popups take keys only through their parent. So while the menu is open an
// invisible surface of one pixel on the overlay layer, which takes no pointer, asks for the
// keyboard exclusively; once it goes, the compositor gives the keys back to the window that
// had them.
class WaylandMenu : public QObject, public InputTarget
{
    Q_OBJECT

public:
    // A menu of `layer`, at `anchor` of it (logical coordinates), grabbing the pointer and
    // keys with the serial of the press that asked for it.
    WaylandMenu(WaylandClient &client, QMenu &menu, zwlr_layer_surface_v1 *layer, QRect anchor,
                std::uint32_t serial, int scale);
    ~WaylandMenu() override;

    QMenu &menu() const { return *m_menu; }
    // The submenu open from this one, if any.
    WaylandMenu *submenu() const { return m_submenu.get(); }

    void pointerEntered(std::uint32_t serial, QPointF position) override;
    void pointerMoved(QPointF position) override;
    void pointerLeft() override;
    void buttonChanged(std::uint32_t serial, std::uint32_t button, bool pressed) override;
    void keyPressed(std::uint32_t serial, std::uint32_t key) override;

    // Popup events.
    void configured(std::uint32_t serial);
    void done();
    // The key surface's configure.
    void keySurfaceConfigured();

Q_SIGNALS:
    // An action without a submenu was chosen, here or in a submenu: the whole menu is over.
    void triggered(QAction *action);
    // The menu closed without a choice (Escape, a click elsewhere).
    void dismissed();

private:
    // A submenu of `parent`, beside the item at `anchor` of it.
    WaylandMenu(WaylandClient &client, QMenu &menu, WaylandMenu &parent, QRect anchor, std::uint32_t serial,
                int scale);
    void create(zwlr_layer_surface_v1 *layer, xdg_surface *parent, QRect anchor, std::uint32_t serial);
    void catchKeys();
    void draw();
    void setActive(QAction *action);
    void moveActive(int step);
    void openSubmenu(QAction *action, std::uint32_t serial, bool selectFirst);
    void closeSubmenu();
    void choose(QAction *action, std::uint32_t serial);
    bool rightToLeft() const;

    WaylandClient &m_client;
    QPointer<QMenu> m_menu;
    WaylandMenu *m_parent = nullptr;
    int m_scale = 1;
    QSize m_size;

    wl_surface *m_surface = nullptr;
    xdg_surface *m_xdgSurface = nullptr;
    xdg_popup *m_popup = nullptr;
    bool m_configured = false;
    ShmBufferPool m_buffers;

    // The top menu's: what has the keys while it is open.
    wl_surface *m_keySurface = nullptr;
    zwlr_layer_surface_v1 *m_keyLayer = nullptr;
    std::unique_ptr<ShmBuffer> m_keyBuffer;
    std::function<void()> m_showPopup;

    std::unique_ptr<WaylandMenu> m_submenu;
    QPointer<QAction> m_submenuAction;
    // A submenu opens once the pointer has rested on its item a moment, as Qt's menus do.
    QTimer m_hoverOpen;
};
