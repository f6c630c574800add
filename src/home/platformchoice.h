#pragma once

#include <QByteArray>

// Which of Qt's platforms the home screen runs on, and how its widgets reach the desktop.
// Widgets must sit below other windows at their saved place and stay out of the task
// switcher: Wayland gives a client that only through layer shell (wlroots desktops, KDE
// Plasma), which the home screen speaks itself; elsewhere (GNOME) it runs through XWayland,
// where X11's window hints do it.
struct PlatformChoice
{
    // What the desktop offers, read before Qt starts.
    struct Facts
    {
        QByteArray requested; // QT_QPA_PLATFORM as the person set it
        bool wayland = false; // WAYLAND_DISPLAY or WAYLAND_SOCKET is set
        bool x11 = false;     // DISPLAY is set
        bool layerShell = false; // the Wayland compositor offers zwlr_layer_shell_v1
    };

    // The environment's facts; layerShell is left for the caller to probe.
    static Facts fromEnvironment();
    // Whether the compositor is worth asking about layer shell: only when Qt would run on it.
    static bool asksAboutLayerShell(const Facts &facts, bool showsWindows);
    static PlatformChoice choose(const Facts &facts, bool showsWindows);

    // What QT_QPA_PLATFORM becomes; empty: left as it is.
    QByteArray platform;
    // Widgets as layer surfaces of the home screen's own Wayland client, not Qt windows.
    bool layerSurfaces = false;

    friend bool operator==(const PlatformChoice &, const PlatformChoice &) = default;
};
