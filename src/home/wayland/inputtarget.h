#pragma once

#include <QPointF>
#include <cstdint>

// A surface of the home screen's Wayland client that takes the pointer and, while it has the
// keyboard focus, keys. Positions are in the surface's logical coordinates; buttons and keys
// are Linux input event codes (BTN_LEFT, KEY_DOWN), whatever the keyboard's layout.
class InputTarget
{
public:
    virtual ~InputTarget() = default;

    virtual void pointerEntered(std::uint32_t serial, QPointF position) = 0;
    virtual void pointerMoved(QPointF position) = 0;
    // How far the pointer moved, whatever surface moved meanwhile (where the compositor says).
    virtual void pointerMovedBy(QPointF) { }
    virtual void pointerLeft() = 0;
    virtual void buttonChanged(std::uint32_t serial, std::uint32_t button, bool pressed) = 0;
    virtual void keyPressed(std::uint32_t serial, std::uint32_t key) = 0;
};
