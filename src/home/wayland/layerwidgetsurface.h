#pragma once

#include "inputtarget.h"
#include "shmbuffer.h"

#include <home/widgetsurface.h>

#include <QMenu>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QSize>
#include <memory>
#include <vector>

class HomeScreen;
class WaylandClient;
class WaylandMenu;
struct wl_output;
struct wl_surface;
struct zwlr_layer_surface_v1;

// One widget as a layer surface on the desktop's background: anchored to its output's top
// left corner with the saved position as its margins, so it sits there below every window,
// out of the task switcher, and never takes the keyboard (its menu has the keys while it is
// open, see WaylandMenu). It
// shows the home screen's picture of it at the output's scale; dragging moves it, a click
// taps it, a right click opens its menu (the same one the Qt window shows).
class LayerWidgetSurface : public QObject, public WidgetSurface, public InputTarget
{
    Q_OBJECT

public:
    LayerWidgetSurface(WaylandClient &client, HomeScreen &home, const QString &id);
    ~LayerWidgetSurface() override;

    const QString &instanceId() const override { return m_id; }
    void refresh() override;
    void showSurface() override;
    void dispose() override;

    // Where it is shown, in the desktop's logical coordinates.
    QPoint shownPosition() const { return m_shown; }

    void pointerEntered(std::uint32_t serial, QPointF position) override;
    void pointerMoved(QPointF position) override;
    void pointerMovedBy(QPointF delta) override;
    void pointerLeft() override;
    void buttonChanged(std::uint32_t serial, std::uint32_t button, bool pressed) override;
    void keyPressed(std::uint32_t serial, std::uint32_t key) override;

    // Layer surface events.
    void configured(std::uint32_t serial);
    void closed();
    void entered(wl_output *output);

private:
    void create();
    void destroy();
    // Sends the size, the margins and the picture in one commit.
    void commitState();
    void draw();
    void place(QPoint position);
    void openMenu(QPointF at, std::uint32_t serial);
    void closeMenu();
    int scale() const;

    WaylandClient &m_client;
    HomeScreen &m_home;
    QString m_id;

    wl_surface *m_surface = nullptr;
    zwlr_layer_surface_v1 *m_layer = nullptr;
    wl_output *m_output = nullptr;      // the output it was put on; null: the compositor's choice
    wl_output *m_enteredOutput = nullptr;
    wl_output *m_closedBy = nullptr;    // the output the compositor last closed it on
    bool m_retried = false;             // put on another output once since the outputs changed
    bool m_shownRequested = false;
    bool m_configured = false;
    QSize m_size;      // logical
    QPoint m_shown;    // logical, on the desktop
    QSize m_sentSize;  // what the compositor was last told
    QPoint m_sentMargins;
    ShmBufferPool m_buffers;

    QPointF m_pointer; // over the surface
    bool m_pressed = false;
    bool m_dragging = false;
    bool m_relative = false; // this drag has the pointer's relative motion
    QPointF m_pressPointer;
    QPoint m_pressShown;
    QPointF m_dragged;       // how far the pointer went since the press

    QPointer<QMenu> m_menuModel;
    std::unique_ptr<WaylandMenu> m_menu;
};
