#include "layerwidgetsurface.h"

#include "shmbuffer.h"
#include "waylandclient.h"
#include "waylandmenu.h"

#include <home/homescreen.h>
#include <home/widgetmenu.h>

#include "layershellprotocol.h"

#include <wayland-client.h>

#include <QGuiApplication>
#include <QMenu>
#include <QPainter>
#include <QStyleHints>
#include <QTimer>

#include <linux/input-event-codes.h>

#include <climits>
#include <cmath>

namespace {

// What compositors may tell the widgets' surfaces apart by in their rules.
constexpr const char *kNamespace = "tallowick-widget";

} // namespace

struct LayerWidgetSurfaceListeners
{
    static LayerWidgetSurface *surface(void *data) { return static_cast<LayerWidgetSurface *>(data); }

    static void configure(void *data, zwlr_layer_surface_v1 *layer, std::uint32_t serial, std::uint32_t,
                          std::uint32_t)
    {
        zwlr_layer_surface_v1_ack_configure(layer, serial);
        surface(data)->configured(serial);
    }
    static void closed(void *data, zwlr_layer_surface_v1 *) { surface(data)->closed(); }
    static void enter(void *data, wl_surface *, wl_output *output) { surface(data)->entered(output); }
    static void leave(void *, wl_surface *, wl_output *) { }

    static const zwlr_layer_surface_v1_listener layer;
    static const wl_surface_listener wlSurface;
};

const zwlr_layer_surface_v1_listener LayerWidgetSurfaceListeners::layer = {&configure, &closed};
const wl_surface_listener LayerWidgetSurfaceListeners::wlSurface = {&enter, &leave};

LayerWidgetSurface::LayerWidgetSurface(WaylandClient &client, HomeScreen &home, const QString &id)
    : m_client(client)
    , m_home(home)
    , m_id(id)
{
    connect(&client, &WaylandClient::outputsChanged, this, [this] {
        m_closedBy = nullptr;
        m_retried = false;
        if (!m_shownRequested)
            return;
        // Its output went away: the compositor closes it, and it comes back on another one.
        if (m_layer && m_output && !m_client.output(m_output))
            destroy();
        if (!m_layer)
            create();
        else
            commitState();
    });
}

LayerWidgetSurface::~LayerWidgetSurface()
{
    destroy();
}

void LayerWidgetSurface::showSurface()
{
    m_shownRequested = true;
    if (!m_layer)
        create();
}

void LayerWidgetSurface::dispose()
{
    m_shownRequested = false;
    destroy();
    deleteLater();
}

void LayerWidgetSurface::refresh()
{
    if (m_layer)
        commitState();
}

void LayerWidgetSurface::create()
{
    const auto instance = m_home.instance(m_id);
    if (!instance)
        return;
    // On the output that holds its place; with none yet, where the compositor likes.
    const WaylandClient::Output *output = m_client.outputAt(instance->position, m_closedBy);
    m_output = output ? output->output : nullptr;
    m_enteredOutput = nullptr;
    m_configured = false;
    m_sentSize = QSize();
    m_sentMargins = QPoint(INT_MIN, INT_MIN);

    m_surface = wl_compositor_create_surface(m_client.compositor());
    wl_surface_add_listener(m_surface, &LayerWidgetSurfaceListeners::wlSurface, this);
    m_client.addInputTarget(m_surface, this);
    m_layer = zwlr_layer_shell_v1_get_layer_surface(m_client.layerShell(), m_surface, m_output,
                                                    ZWLR_LAYER_SHELL_V1_LAYER_BACKGROUND, kNamespace);
    zwlr_layer_surface_v1_add_listener(m_layer, &LayerWidgetSurfaceListeners::layer, this);
    zwlr_layer_surface_v1_set_anchor(m_layer, ZWLR_LAYER_SURFACE_V1_ANCHOR_TOP | ZWLR_LAYER_SURFACE_V1_ANCHOR_LEFT);
    // Its margins count from the output's corner whatever panels reserve, as a window's
    // position on X11 does.
    zwlr_layer_surface_v1_set_exclusive_zone(m_layer, -1);
    // The first commit asks for a configure; the picture follows it.
    commitState();
}

void LayerWidgetSurface::destroy()
{
    closeMenu();
    if (m_surface)
        m_client.removeInputTarget(m_surface);
    if (m_layer)
        zwlr_layer_surface_v1_destroy(m_layer);
    if (m_surface)
        wl_surface_destroy(m_surface);
    m_layer = nullptr;
    m_surface = nullptr;
    m_configured = false;
    m_pressed = false;
    m_dragging = false;
    m_buffers.clear();
}

void LayerWidgetSurface::configured(std::uint32_t)
{
    // Its size is its own, so a configure only matters the first time, to show it. (A
    // compositor may send one for every change on the output: answering each with a commit
    // would keep them coming.)
    if (m_configured)
        return;
    m_configured = true;
    commitState();
}

void LayerWidgetSurface::closed()
{
    // Its output went away or the compositor will not show it there: once on another output
    // at once, and otherwise when the outputs change.
    m_closedBy = m_output;
    destroy();
    if (m_retried)
        return;
    m_retried = true;
    QTimer::singleShot(0, this, [this] {
        if (!m_layer && m_shownRequested)
            create();
    });
}

void LayerWidgetSurface::entered(wl_output *output)
{
    const int before = scale();
    m_enteredOutput = output;
    if (scale() != before)
        commitState();
}

int LayerWidgetSurface::scale() const
{
    const WaylandClient::Output *output = m_client.output(m_output ? m_output : m_enteredOutput);
    return output ? output->scale : 1;
}

void LayerWidgetSurface::commitState()
{
    const auto instance = m_home.instance(m_id);
    if (!m_layer || !instance)
        return;
    const QSizeF points = widgetFamilySize(instance->family);
    m_size = QSize(int(std::lround(points.width())), int(std::lround(points.height())));
    if (m_size != m_sentSize) {
        zwlr_layer_surface_v1_set_size(m_layer, std::uint32_t(m_size.width()), std::uint32_t(m_size.height()));
        m_sentSize = m_size;
    }
    place(m_dragging ? m_shown : instance->position);
    if (m_configured)
        draw();
    wl_surface_commit(m_surface);
}

void LayerWidgetSurface::place(QPoint position)
{
    // Kept whole on its output: screens change, and a widget out of reach cannot be moved
    // back. The saved place stays as it is until the person moves it.
    const WaylandClient::Output *output = m_client.output(m_output);
    QPoint origin;
    if (output) {
        const QRect area = output->geometry();
        origin = area.topLeft();
        if (!area.isEmpty()) {
            position.setX(std::max(area.left(), std::min(position.x(), area.right() + 1 - m_size.width())));
            position.setY(std::max(area.top(), std::min(position.y(), area.bottom() + 1 - m_size.height())));
        }
    }
    m_shown = position;
    const QPoint margins = position - origin;
    if (margins != m_sentMargins) {
        zwlr_layer_surface_v1_set_margin(m_layer, margins.y(), 0, 0, margins.x());
        m_sentMargins = margins;
    }
}

void LayerWidgetSurface::draw()
{
    const int factor = scale();
    const QImage picture = m_home.render(m_id, factor);
    if (picture.isNull())
        return;
    const QSize pixels = picture.size();
    ShmBuffer *target = m_buffers.freeBuffer(m_client.shm(), pixels);
    if (!target)
        return;
    {
        QPainter painter(&target->image());
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(QPoint(0, 0), picture);
    }
    wl_surface_set_buffer_scale(m_surface, factor);
    wl_surface_attach(m_surface, target->buffer(), 0, 0);
    if (m_client.compositorVersion() >= WL_SURFACE_DAMAGE_BUFFER_SINCE_VERSION)
        wl_surface_damage_buffer(m_surface, 0, 0, pixels.width(), pixels.height());
    else
        wl_surface_damage(m_surface, 0, 0, m_size.width(), m_size.height());
    target->setBusy();
}

void LayerWidgetSurface::pointerEntered(std::uint32_t, QPointF position)
{
    pointerMoved(position);
}

void LayerWidgetSurface::pointerMoved(QPointF position)
{
    m_pointer = position;
    if (!m_pressed || m_relative)
        return;
    // Without relative motion the event's position is all there is, and it means the same in
    // every compositor only while the surface stays where it was pressed (sway counts from
    // where it was then, others from where it is): the widget follows on release.
    m_dragged = position - m_pressPointer;
    if (!m_dragging && m_dragged.toPoint().manhattanLength() >= QGuiApplication::styleHints()->startDragDistance())
        m_dragging = true;
}

void LayerWidgetSurface::pointerMovedBy(QPointF delta)
{
    if (!m_pressed || !m_layer)
        return;
    // The pointer's own motion, whatever the surface does meanwhile: the widget follows it.
    m_relative = true;
    m_dragged += delta;
    if (!m_dragging && m_dragged.toPoint().manhattanLength() < QGuiApplication::styleHints()->startDragDistance())
        return;
    m_dragging = true;
    const QPoint before = m_shown;
    place(m_pressShown + m_dragged.toPoint());
    if (m_shown != before)
        wl_surface_commit(m_surface);
}

void LayerWidgetSurface::pointerLeft()
{
}

void LayerWidgetSurface::buttonChanged(std::uint32_t serial, std::uint32_t button, bool pressed)
{
    if (button == BTN_RIGHT) {
        if (pressed && !m_pressed)
            openMenu(m_pointer, serial);
        return;
    }
    if (button != BTN_LEFT)
        return;
    if (pressed) {
        m_pressed = true;
        m_dragging = false;
        m_relative = false;
        m_pressShown = m_shown;
        m_pressPointer = m_pointer;
        m_dragged = QPointF();
        return;
    }
    if (!m_pressed)
        return;
    m_pressed = false;
    if (m_dragging) {
        m_dragging = false;
        if (!m_relative && m_layer) {
            place(m_pressShown + m_dragged.toPoint());
            wl_surface_commit(m_surface);
        }
        m_home.move(m_id, m_shown);
    } else {
        m_home.tap(m_id);
    }
}

void LayerWidgetSurface::keyPressed(std::uint32_t serial, std::uint32_t key)
{
    // Its keyboard interactivity is none: only a compositor that ignores that sends keys.
    if (m_menu)
        m_menu->keyPressed(serial, key);
}

void LayerWidgetSurface::openMenu(QPointF at, std::uint32_t serial)
{
    closeMenu();
    m_menuModel = WidgetMenu::create(m_home, m_id);
    if (!m_menuModel)
        return;
    m_menu = std::make_unique<WaylandMenu>(m_client, *m_menuModel, m_layer, QRect(at.toPoint(), QSize(1, 1)), serial,
                                           scale());
    // Queued: the menu that says so is deleted first, and the action then runs with nothing
    // of the menu on the stack (a Remove deletes this surface, later).
    connect(m_menu.get(), &WaylandMenu::triggered, this, [this](QAction *action) {
        const QPointer<QAction> chosen(action);
        closeMenu();
        if (chosen)
            chosen->trigger();
    }, Qt::QueuedConnection);
    connect(m_menu.get(), &WaylandMenu::dismissed, this, &LayerWidgetSurface::closeMenu, Qt::QueuedConnection);
}

void LayerWidgetSurface::closeMenu()
{
    if (!m_menu && !m_menuModel)
        return;
    m_menu.reset();
    if (m_menuModel)
        m_menuModel->deleteLater();
    m_menuModel = nullptr;
}
