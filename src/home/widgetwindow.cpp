#include "widgetwindow.h"

#include "homescreen.h"
#include "widgetmenu.h"
#include "widgetplacement.h"
#include "x11window.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <cmath>

namespace {

// The screens' areas that windows may take, panels left out.
QList<QRect> availableAreas()
{
    QList<QRect> areas;
    for (const QScreen *screen : QGuiApplication::screens())
        areas.append(screen->availableGeometry());
    return areas;
}

} // namespace

WidgetWindow::WidgetWindow(HomeScreen &home, const QString &id)
    // A plain window, not a tool window: a window manager may hide the tool windows of an
    // application that is not active, and the home screen never is.
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint)
    , m_home(home)
    , m_id(id)
{
    // The rounded corners show the desktop behind them.
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    X11Window::markAsWidget(*this);
    refresh();
}

void WidgetWindow::showSurface()
{
    show();
}

void WidgetWindow::dispose()
{
    hide();
    deleteLater();
}

void WidgetWindow::refresh()
{
    const auto instance = m_home.instance(m_id);
    if (!instance)
        return;
    const QSizeF points = widgetFamilySize(instance->family);
    setFixedSize(int(std::lround(points.width())), int(std::lround(points.height())));
    // Wholly on its screen (the screens may have changed since it was placed); where it was
    // saved stays saved, for the day that screen comes back.
    if (!m_dragging)
        move(WidgetPlacement::clamped(QRect(instance->position, size()), availableAreas()));
    // Named after its event, for the window list and screen readers.
    const QString title = m_home.shownEntry(m_id).title;
    setWindowTitle(title.isEmpty() ? m_home.extension().displayName() : title);
    setAccessibleName(windowTitle());
    m_picture = QImage();
    update();
}

void WidgetWindow::paintEvent(QPaintEvent *)
{
    const qreal scale = devicePixelRatioF();
    // Drawn once per change (a minute, a timeline), not on every expose.
    if (m_picture.isNull() || m_picture.devicePixelRatio() != scale) {
        m_picture = m_home.render(m_id, scale);
        m_picture.setDevicePixelRatio(scale);
    }
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QPoint(0, 0), m_picture);
}

void WidgetWindow::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_pressed = true;
    m_dragging = false;
    m_pressGlobal = event->globalPosition().toPoint();
    m_pressWindow = pos();
}

void WidgetWindow::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_pressed)
        return;
    const QPoint moved = event->globalPosition().toPoint() - m_pressGlobal;
    if (!m_dragging && moved.manhattanLength() < QApplication::startDragDistance())
        return;
    m_dragging = true;
    move(m_pressWindow + moved);
}

void WidgetWindow::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_pressed)
        return;
    m_pressed = false;
    if (m_dragging) {
        m_dragging = false;
        m_home.move(m_id, pos());
    } else {
        m_home.tap(m_id);
    }
}

void WidgetWindow::contextMenuEvent(QContextMenuEvent *event)
{
    // Not modal: a nested event loop could delete this window (a reload, a removal) under
    // our feet. The menu acts on the instance by id, which outlives any window.
    WidgetMenu *menu = WidgetMenu::create(m_home, m_id);
    if (!menu)
        return;
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}
