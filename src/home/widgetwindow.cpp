#include "widgetwindow.h"

#include "homescreen.h"
#include "widgetmenu.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

WidgetWindow::WidgetWindow(HomeScreen &home, const QString &id)
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::Tool | Qt::WindowStaysOnBottomHint)
    , m_home(home)
    , m_id(id)
{
    // The rounded corners show the desktop behind them.
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowTitle(home.extension().displayName());
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
    if (!m_dragging)
        move(instance->position);
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
