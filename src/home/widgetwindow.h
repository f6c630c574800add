#pragma once

#include "widgetsurface.h"

#include <QImage>
#include <QPoint>
#include <QWidget>

class HomeScreen;

// One widget on the desktop as a window of Qt's (on X11, or where Wayland has no layer
// shell): a frameless window of its family's size showing the home screen's picture of it,
// titled after its event. Dragging moves it, a click taps it, a right click opens its menu.
// On X11 it stays below other windows, on every workspace, out of taskbars and pagers; it is
// kept wholly on its screen when the screens change.
class WidgetWindow : public QWidget, public WidgetSurface
{
    Q_OBJECT

public:
    WidgetWindow(HomeScreen &home, const QString &id);

    const QString &instanceId() const override { return m_id; }
    void refresh() override;
    void showSurface() override;
    void dispose() override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    HomeScreen &m_home;
    QString m_id;
    QImage m_picture;
    bool m_pressed = false;
    bool m_dragging = false;
    QPoint m_pressGlobal;
    QPoint m_pressWindow;
};
