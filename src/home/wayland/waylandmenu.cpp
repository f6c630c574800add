#include "waylandmenu.h"

#include "shmbuffer.h"
#include "waylandclient.h"

#include "layershellprotocol.h"
#include "xdg-shell-client-protocol.h"

#include <wayland-client.h>

#include <QMenu>
#include <QPainter>

#include <linux/input-event-codes.h>

namespace {

// How long the pointer rests on an item before its submenu opens; Qt's menus take as long.
constexpr int kSubmenuDelayMs = 225;
// How long the menu waits for its key surface before it shows without the keys.
constexpr int kKeySurfaceWaitMs = 300;

bool selectable(const QAction *action)
{
    return action && action->isVisible() && action->isEnabled() && !action->isSeparator();
}

} // namespace

struct WaylandMenuListeners
{
    static void surfaceConfigure(void *data, xdg_surface *surface, std::uint32_t serial)
    {
        xdg_surface_ack_configure(surface, serial);
        static_cast<WaylandMenu *>(data)->configured(serial);
    }
    static void popupConfigure(void *, xdg_popup *, std::int32_t, std::int32_t, std::int32_t, std::int32_t) { }
    static void popupDone(void *data, xdg_popup *) { static_cast<WaylandMenu *>(data)->done(); }
    static void repositioned(void *, xdg_popup *, std::uint32_t) { }
    static void keyLayerConfigure(void *data, zwlr_layer_surface_v1 *layer, std::uint32_t serial, std::uint32_t,
                                  std::uint32_t)
    {
        zwlr_layer_surface_v1_ack_configure(layer, serial);
        static_cast<WaylandMenu *>(data)->keySurfaceConfigured();
    }
    static void keyLayerClosed(void *, zwlr_layer_surface_v1 *) { }

    static const xdg_surface_listener surface;
    static const xdg_popup_listener popup;
    static const zwlr_layer_surface_v1_listener keyLayer;
};

const xdg_surface_listener WaylandMenuListeners::surface = {&surfaceConfigure};
const xdg_popup_listener WaylandMenuListeners::popup = {&popupConfigure, &popupDone, &repositioned};
const zwlr_layer_surface_v1_listener WaylandMenuListeners::keyLayer = {&keyLayerConfigure, &keyLayerClosed};

WaylandMenu::WaylandMenu(WaylandClient &client, QMenu &menu, zwlr_layer_surface_v1 *layer, QRect anchor,
                         std::uint32_t serial, int scale)
    : m_client(client)
    , m_menu(&menu)
    , m_scale(scale)
{
    // The popup's grab would keep the keyboard focus where it is: the key surface takes it
    // first, and the popup follows once that is shown (or after a moment without it).
    catchKeys();
    const auto showPopup = [this, layer, anchor, serial] {
        if (!m_popup)
            create(layer, nullptr, anchor, serial);
    };
    m_showPopup = showPopup;
    QTimer::singleShot(kKeySurfaceWaitMs, this, showPopup);
}

WaylandMenu::WaylandMenu(WaylandClient &client, QMenu &menu, WaylandMenu &parent, QRect anchor, std::uint32_t serial,
                         int scale)
    : m_client(client)
    , m_menu(&menu)
    , m_parent(&parent)
    , m_scale(scale)
{
    create(nullptr, parent.m_xdgSurface, anchor, serial);
}

WaylandMenu::~WaylandMenu()
{
    // A popup goes before the one it came from.
    m_submenu.reset();
    if (m_popup) {
        m_client.removeInputTarget(m_surface);
        xdg_popup_destroy(m_popup);
        xdg_surface_destroy(m_xdgSurface);
        wl_surface_destroy(m_surface);
    }
    if (m_keySurface) {
        m_client.removeInputTarget(m_keySurface);
        zwlr_layer_surface_v1_destroy(m_keyLayer);
        wl_surface_destroy(m_keySurface);
    }
    if (m_menu)
        m_menu->setActiveAction(nullptr);
}

void WaylandMenu::create(zwlr_layer_surface_v1 *layer, xdg_surface *parent, QRect anchor, std::uint32_t serial)
{
    m_hoverOpen.setSingleShot(true);
    m_hoverOpen.setInterval(kSubmenuDelayMs);
    connect(&m_hoverOpen, &QTimer::timeout, this, [this] {
        QAction *active = m_menu ? m_menu->activeAction() : nullptr;
        if (active && active->menu())
            openSubmenu(active, m_client.lastInputSerial(), false);
    });

    m_menu->ensurePolished();
    m_size = m_menu->sizeHint();
    m_menu->resize(m_size);

    m_surface = wl_compositor_create_surface(m_client.compositor());
    m_client.addInputTarget(m_surface, this);
    m_xdgSurface = xdg_wm_base_get_xdg_surface(m_client.wmBase(), m_surface);
    xdg_surface_add_listener(m_xdgSurface, &WaylandMenuListeners::surface, this);

    xdg_positioner *positioner = xdg_wm_base_create_positioner(m_client.wmBase());
    xdg_positioner_set_size(positioner, m_size.width(), m_size.height());
    xdg_positioner_set_anchor_rect(positioner, anchor.x(), anchor.y(), std::max(1, anchor.width()),
                                   std::max(1, anchor.height()));
    const bool rtl = rightToLeft();
    const auto gravity = rtl ? XDG_POSITIONER_GRAVITY_BOTTOM_LEFT : XDG_POSITIONER_GRAVITY_BOTTOM_RIGHT;
    if (!parent) {
        // Below and after the pointer, as Qt puts a context menu.
        xdg_positioner_set_anchor(positioner, rtl ? XDG_POSITIONER_ANCHOR_BOTTOM_LEFT : XDG_POSITIONER_ANCHOR_BOTTOM_RIGHT);
        xdg_positioner_set_constraint_adjustment(
            positioner, XDG_POSITIONER_CONSTRAINT_ADJUSTMENT_FLIP_X | XDG_POSITIONER_CONSTRAINT_ADJUSTMENT_FLIP_Y
                            | XDG_POSITIONER_CONSTRAINT_ADJUSTMENT_SLIDE_X | XDG_POSITIONER_CONSTRAINT_ADJUSTMENT_SLIDE_Y);
    } else {
        // Beside its item, its first item level with it.
        xdg_positioner_set_anchor(positioner, rtl ? XDG_POSITIONER_ANCHOR_TOP_LEFT : XDG_POSITIONER_ANCHOR_TOP_RIGHT);
        int firstTop = 0;
        for (QAction *action : m_menu->actions()) {
            if (action->isVisible()) {
                firstTop = m_menu->actionGeometry(action).top();
                break;
            }
        }
        xdg_positioner_set_offset(positioner, 0, -firstTop);
        xdg_positioner_set_constraint_adjustment(
            positioner, XDG_POSITIONER_CONSTRAINT_ADJUSTMENT_FLIP_X | XDG_POSITIONER_CONSTRAINT_ADJUSTMENT_SLIDE_X
                            | XDG_POSITIONER_CONSTRAINT_ADJUSTMENT_SLIDE_Y);
    }
    xdg_positioner_set_gravity(positioner, gravity);
    m_popup = xdg_surface_get_popup(m_xdgSurface, parent, positioner);
    xdg_positioner_destroy(positioner);
    if (layer)
        zwlr_layer_surface_v1_get_popup(layer, m_popup);
    xdg_popup_add_listener(m_popup, &WaylandMenuListeners::popup, this);
    // The grab closes the menu on a click anywhere else and gives it the keys.
    if (m_client.seat())
        xdg_popup_grab(m_popup, m_client.seat(), serial);
    wl_surface_commit(m_surface);
}

void WaylandMenu::catchKeys()
{
    m_keySurface = wl_compositor_create_surface(m_client.compositor());
    wl_region *nothing = wl_compositor_create_region(m_client.compositor());
    wl_surface_set_input_region(m_keySurface, nothing);
    wl_region_destroy(nothing);
    m_client.addInputTarget(m_keySurface, this);
    m_keyLayer = zwlr_layer_shell_v1_get_layer_surface(m_client.layerShell(), m_keySurface, nullptr,
                                                       ZWLR_LAYER_SHELL_V1_LAYER_OVERLAY, "tallowick-widget-menu");
    zwlr_layer_surface_v1_add_listener(m_keyLayer, &WaylandMenuListeners::keyLayer, this);
    zwlr_layer_surface_v1_set_size(m_keyLayer, 1, 1);
    zwlr_layer_surface_v1_set_anchor(m_keyLayer, ZWLR_LAYER_SURFACE_V1_ANCHOR_TOP | ZWLR_LAYER_SURFACE_V1_ANCHOR_LEFT);
    zwlr_layer_surface_v1_set_exclusive_zone(m_keyLayer, -1);
    zwlr_layer_surface_v1_set_keyboard_interactivity(m_keyLayer, ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_EXCLUSIVE);
    wl_surface_commit(m_keySurface);
}

void WaylandMenu::keySurfaceConfigured()
{
    // Mapped with a transparent pixel: a layer surface without a buffer has no focus.
    if (!m_keyBuffer) {
        m_keyBuffer = ShmBuffer::create(m_client.shm(), QSize(1, 1));
        if (!m_keyBuffer)
            return;
        m_keyBuffer->image().fill(Qt::transparent);
    }
    wl_surface_attach(m_keySurface, m_keyBuffer->buffer(), 0, 0);
    wl_surface_damage(m_keySurface, 0, 0, 1, 1);
    wl_surface_commit(m_keySurface);
    if (m_showPopup)
        std::exchange(m_showPopup, nullptr)();
}

void WaylandMenu::configured(std::uint32_t)
{
    m_configured = true;
    draw();
}

void WaylandMenu::done()
{
    m_hoverOpen.stop();
    // The owner deletes this popup, after this event.
    if (m_parent) {
        WaylandMenu *parent = m_parent;
        QMetaObject::invokeMethod(parent, [parent] { parent->closeSubmenu(); }, Qt::QueuedConnection);
    } else {
        Q_EMIT dismissed();
    }
}

void WaylandMenu::draw()
{
    if (!m_configured || !m_menu)
        return;
    const QSize pixels = m_size * m_scale;
    ShmBuffer *target = m_buffers.freeBuffer(m_client.shm(), pixels);
    if (!target)
        return;
    QImage &image = target->image();
    image.setDevicePixelRatio(m_scale);
    image.fill(Qt::transparent);
    m_menu->render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);

    wl_surface_set_buffer_scale(m_surface, m_scale);
    wl_surface_attach(m_surface, target->buffer(), 0, 0);
    wl_surface_damage(m_surface, 0, 0, m_size.width(), m_size.height());
    target->setBusy();
    wl_surface_commit(m_surface);
}

void WaylandMenu::setActive(QAction *action)
{
    if (!m_menu || m_menu->activeAction() == action)
        return;
    m_menu->setActiveAction(action);
    draw();
}

void WaylandMenu::moveActive(int step)
{
    if (!m_menu)
        return;
    QList<QAction *> actions;
    for (QAction *action : m_menu->actions()) {
        if (selectable(action))
            actions.append(action);
    }
    if (actions.isEmpty())
        return;
    const qsizetype at = actions.indexOf(m_menu->activeAction());
    const qsizetype count = actions.size();
    const qsizetype next = at < 0 ? (step > 0 ? 0 : count - 1) : ((at + step) % count + count) % count;
    setActive(actions.at(next));
}

void WaylandMenu::openSubmenu(QAction *action, std::uint32_t serial, bool selectFirst)
{
    m_hoverOpen.stop();
    if (!action || !action->menu() || (m_submenu && m_submenuAction == action))
        return;
    closeSubmenu();
    setActive(action);
    m_submenuAction = action;
    m_submenu.reset(new WaylandMenu(m_client, *action->menu(), *this, m_menu->actionGeometry(action), serial, m_scale));
    connect(m_submenu.get(), &WaylandMenu::triggered, this, &WaylandMenu::triggered);
    if (selectFirst)
        m_submenu->moveActive(1);
}

void WaylandMenu::closeSubmenu()
{
    m_submenu.reset();
    m_submenuAction = nullptr;
}

void WaylandMenu::choose(QAction *action, std::uint32_t serial)
{
    if (!selectable(action))
        return;
    if (action->menu())
        openSubmenu(action, serial, false);
    else
        Q_EMIT triggered(action);
}

bool WaylandMenu::rightToLeft() const
{
    return m_menu && m_menu->layoutDirection() == Qt::RightToLeft;
}

void WaylandMenu::pointerEntered(std::uint32_t, QPointF position)
{
    pointerMoved(position);
}

void WaylandMenu::pointerMoved(QPointF position)
{
    if (!m_menu)
        return;
    QAction *hovered = m_menu->actionAt(position.toPoint());
    if (!selectable(hovered))
        hovered = nullptr;
    if (hovered == m_menu->activeAction())
        return;
    // Back from a submenu to another item of this one.
    if (m_submenu && hovered && hovered != m_submenuAction)
        closeSubmenu();
    setActive(hovered);
    if (hovered && hovered->menu() && hovered != m_submenuAction)
        m_hoverOpen.start();
    else
        m_hoverOpen.stop();
}

void WaylandMenu::pointerLeft()
{
    m_hoverOpen.stop();
    // The item whose submenu is open stays lit while the pointer is in it.
    if (!m_submenu)
        setActive(nullptr);
}

void WaylandMenu::buttonChanged(std::uint32_t serial, std::uint32_t button, bool pressed)
{
    // As in Qt's menus, the release chooses, with either button.
    if (pressed || !m_menu || (button != BTN_LEFT && button != BTN_RIGHT))
        return;
    choose(m_menu->activeAction(), serial);
}

void WaylandMenu::keyPressed(std::uint32_t serial, std::uint32_t key)
{
    // The innermost open menu takes the keys, whichever surface the compositor sent them to.
    if (m_submenu)
        return m_submenu->keyPressed(serial, key);
    if (!m_menu)
        return;
    const std::uint32_t forward = rightToLeft() ? KEY_LEFT : KEY_RIGHT;
    const std::uint32_t back = rightToLeft() ? KEY_RIGHT : KEY_LEFT;
    QAction *active = m_menu->activeAction();
    if (key == KEY_DOWN) {
        moveActive(1);
    } else if (key == KEY_UP) {
        moveActive(-1);
    } else if (key == KEY_HOME || key == KEY_END) {
        setActive(nullptr);
        moveActive(key == KEY_HOME ? 1 : -1);
    } else if (key == forward) {
        if (active && active->menu())
            openSubmenu(active, serial, true);
    } else if (key == KEY_ENTER || key == KEY_KPENTER || key == KEY_SPACE) {
        if (selectable(active) && active->menu())
            openSubmenu(active, serial, true);
        else
            choose(active, serial);
    } else if (key == back || key == KEY_ESC) {
        if (m_parent) {
            WaylandMenu *parent = m_parent;
            QMetaObject::invokeMethod(parent, [parent] { parent->closeSubmenu(); }, Qt::QueuedConnection);
        } else if (key == KEY_ESC) {
            Q_EMIT dismissed();
        }
    }
}
