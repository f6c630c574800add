#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <memory>

class InputTarget;
class QSocketNotifier;
struct wl_compositor;
struct wl_cursor_theme;
struct wl_display;
struct wl_keyboard;
struct wl_output;
struct wl_pointer;
struct wl_registry;
struct wl_seat;
struct wl_shm;
struct wl_surface;
struct xdg_wm_base;
struct zwlr_layer_shell_v1;
struct zwp_relative_pointer_manager_v1;
struct zwp_relative_pointer_v1;
struct zxdg_output_manager_v1;
struct zxdg_output_v1;

// The home screen's own connection to the Wayland compositor, beside Qt's: the globals its
// widget surfaces are made of, the outputs and where they lie in the desktop's logical
// coordinates, and the seat's pointer and keyboard, handed to the surface they are over.
// Its events are read in Qt's event loop.
class WaylandClient : public QObject
{
    Q_OBJECT

public:
    struct Output
    {
        std::uint32_t name = 0; // the registry's
        wl_output *output = nullptr;
        zxdg_output_v1 *xdgOutput = nullptr;
        int scale = 1;
        // wl_output's own, used when the compositor has no xdg-output
        QPoint position;
        QSize modeSize;
        bool sideways = false;
        // xdg-output's: the output in the desktop's logical coordinates
        QPoint logicalPosition;
        QSize logicalSize;
        bool hasLogical = false;

        QRect geometry() const;
    };

    // Connects to the compositor named by the environment and keeps the connection when it
    // offers layer shell (and what a surface needs beside it); nothing otherwise. Needs no Qt
    // application, so it can decide Qt's platform.
    static std::unique_ptr<WaylandClient> connectWithLayerShell();
    ~WaylandClient() override;

    // Reads the compositor's events in Qt's event loop from now on (an application exists).
    void attachToEventLoop();

    wl_display *display() const { return m_display; }
    wl_compositor *compositor() const { return m_compositor; }
    std::uint32_t compositorVersion() const { return m_compositorVersion; }
    wl_shm *shm() const { return m_shm; }
    wl_seat *seat() const { return m_seat; }
    zwlr_layer_shell_v1 *layerShell() const { return m_layerShell; }
    std::uint32_t layerShellVersion() const { return m_layerShellVersion; }
    xdg_wm_base *wmBase() const { return m_wmBase; }

    // The output that holds `point` (of the desktop's logical coordinates), or else the
    // nearest, leaving out `except` while there is another; null before any output is known.
    const Output *outputAt(QPoint point, const wl_output *except = nullptr) const;
    const Output *output(const wl_output *output) const;
    // The serial of the latest press, key or pointer entry: what a popup's grab is asked with.
    std::uint32_t lastInputSerial() const { return m_lastInputSerial; }

    // Pointer and keys over `surface` go to `target` until it is removed.
    void addInputTarget(wl_surface *surface, InputTarget *target);
    void removeInputTarget(wl_surface *surface);

    // Sends what is waiting to the compositor.
    void flush();

Q_SIGNALS:
    // Outputs came, went or changed their size or scale.
    void outputsChanged();
    // The compositor closed the connection (it ended, or took a request for an error).
    void connectionLost();

private:
    WaylandClient() = default;
    void readEvents();
    void lose();
    void setCursor(std::uint32_t serial);
    InputTarget *pointerTarget() const;
    Output *findOutput(const wl_output *output);

    // Listeners: C callbacks with this client as their data.
    static void registryGlobal(void *data, wl_registry *registry, std::uint32_t name, const char *interface,
                               std::uint32_t version);
    static void registryGlobalRemove(void *data, wl_registry *registry, std::uint32_t name);
    void addOutput(std::uint32_t name, std::uint32_t version);
    void watchXdgOutput(Output &output);
    void seatCapabilities(std::uint32_t capabilities);

    wl_display *m_display = nullptr;
    wl_registry *m_registry = nullptr;
    wl_compositor *m_compositor = nullptr;
    std::uint32_t m_compositorVersion = 0;
    wl_shm *m_shm = nullptr;
    wl_seat *m_seat = nullptr;
    std::uint32_t m_seatVersion = 0;
    wl_pointer *m_pointer = nullptr;
    wl_keyboard *m_keyboard = nullptr;
    zwp_relative_pointer_manager_v1 *m_relativePointers = nullptr;
    zwp_relative_pointer_v1 *m_relativePointer = nullptr;
    zwlr_layer_shell_v1 *m_layerShell = nullptr;
    std::uint32_t m_layerShellVersion = 0;
    xdg_wm_base *m_wmBase = nullptr;
    zxdg_output_manager_v1 *m_xdgOutputManager = nullptr;
    QList<Output *> m_outputs;

    QHash<wl_surface *, InputTarget *> m_targets;
    wl_surface *m_pointerFocus = nullptr;
    wl_surface *m_keyboardFocus = nullptr;
    std::uint32_t m_lastInputSerial = 0;

    wl_cursor_theme *m_cursorTheme = nullptr;
    int m_cursorScale = 0;
    wl_surface *m_cursorSurface = nullptr;

    QSocketNotifier *m_notifier = nullptr;
    bool m_lost = false;

    friend struct WaylandClientListeners;
};
