#include "waylandclient.h"

#include "inputtarget.h"

#include <home/homelog.h>

#include "layershellprotocol.h"
#include "relative-pointer-unstable-v1-client-protocol.h"
#include "xdg-output-unstable-v1-client-protocol.h"
#include "xdg-shell-client-protocol.h"

#include <wayland-client.h>
#include <wayland-cursor.h>

#include <QAbstractEventDispatcher>
#include <QSocketNotifier>

#include <linux/input-event-codes.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>

namespace {

// The versions whose events the listeners below handle, and no later ones.
constexpr std::uint32_t kCompositorVersion = 4; // damage_buffer
constexpr std::uint32_t kSeatVersion = 5;
constexpr std::uint32_t kOutputVersion = 2; // scale
constexpr std::uint32_t kLayerShellVersion = 4; // on-demand keyboard focus
constexpr std::uint32_t kWmBaseVersion = 3;
constexpr std::uint32_t kXdgOutputVersion = 3;

template<typename T>
T *bind(wl_registry *registry, std::uint32_t name, const wl_interface *interface, std::uint32_t offered,
        std::uint32_t wanted, std::uint32_t *bound = nullptr)
{
    const std::uint32_t version = std::min(offered, wanted);
    if (bound)
        *bound = version;
    return static_cast<T *>(wl_registry_bind(registry, name, interface, version));
}

} // namespace

QRect WaylandClient::Output::geometry() const
{
    if (hasLogical)
        return {logicalPosition, logicalSize};
    const QSize pixels = sideways ? modeSize.transposed() : modeSize;
    return {position, pixels / std::max(1, scale)};
}

// The protocol's callbacks, each handing its event to the client it was registered with.
struct WaylandClientListeners
{
    static WaylandClient *client(void *data) { return static_cast<WaylandClient *>(data); }

    // wl_output
    static void geometry(void *data, wl_output *output, std::int32_t x, std::int32_t y, std::int32_t, std::int32_t,
                         std::int32_t, const char *, const char *, std::int32_t transform)
    {
        if (auto *known = client(data)->findOutput(output)) {
            known->position = QPoint(x, y);
            known->sideways = transform == WL_OUTPUT_TRANSFORM_90 || transform == WL_OUTPUT_TRANSFORM_270
                || transform == WL_OUTPUT_TRANSFORM_FLIPPED_90 || transform == WL_OUTPUT_TRANSFORM_FLIPPED_270;
        }
    }
    static void mode(void *data, wl_output *output, std::uint32_t flags, std::int32_t width, std::int32_t height,
                     std::int32_t)
    {
        auto *known = client(data)->findOutput(output);
        if (known && (flags & WL_OUTPUT_MODE_CURRENT))
            known->modeSize = QSize(width, height);
    }
    static void outputDone(void *data, wl_output *) { Q_EMIT client(data)->outputsChanged(); }
    static void scale(void *data, wl_output *output, std::int32_t factor)
    {
        if (auto *known = client(data)->findOutput(output))
            known->scale = std::max(1, factor);
    }
    static void outputName(void *, wl_output *, const char *) { }
    static void outputDescription(void *, wl_output *, const char *) { }

    // zxdg_output_v1: the output's data pointer is its Output
    static void logicalPosition(void *data, zxdg_output_v1 *, std::int32_t x, std::int32_t y)
    {
        auto *output = static_cast<WaylandClient::Output *>(data);
        output->logicalPosition = QPoint(x, y);
        output->hasLogical = true;
    }
    static void logicalSize(void *data, zxdg_output_v1 *, std::int32_t width, std::int32_t height)
    {
        auto *output = static_cast<WaylandClient::Output *>(data);
        output->logicalSize = QSize(width, height);
        output->hasLogical = true;
    }
    static void xdgOutputDone(void *, zxdg_output_v1 *) { }
    static void xdgOutputName(void *, zxdg_output_v1 *, const char *) { }
    static void xdgOutputDescription(void *, zxdg_output_v1 *, const char *) { }

    // wl_seat
    static void capabilities(void *data, wl_seat *, std::uint32_t capabilities)
    {
        client(data)->seatCapabilities(capabilities);
    }
    static void seatName(void *, wl_seat *, const char *) { }

    // wl_pointer
    static void pointerEnter(void *data, wl_pointer *, std::uint32_t serial, wl_surface *surface, wl_fixed_t x,
                             wl_fixed_t y)
    {
        WaylandClient *self = client(data);
        self->m_pointerFocus = surface;
        self->m_lastInputSerial = serial;
        self->setCursor(serial);
        if (InputTarget *target = self->pointerTarget())
            target->pointerEntered(serial, QPointF(wl_fixed_to_double(x), wl_fixed_to_double(y)));
    }
    static void pointerLeave(void *data, wl_pointer *, std::uint32_t, wl_surface *)
    {
        WaylandClient *self = client(data);
        InputTarget *target = self->pointerTarget();
        self->m_pointerFocus = nullptr;
        if (target)
            target->pointerLeft();
    }
    static void motion(void *data, wl_pointer *, std::uint32_t, wl_fixed_t x, wl_fixed_t y)
    {
        if (InputTarget *target = client(data)->pointerTarget())
            target->pointerMoved(QPointF(wl_fixed_to_double(x), wl_fixed_to_double(y)));
    }
    static void button(void *data, wl_pointer *, std::uint32_t serial, std::uint32_t, std::uint32_t button,
                       std::uint32_t state)
    {
        WaylandClient *self = client(data);
        const bool pressed = state == WL_POINTER_BUTTON_STATE_PRESSED;
        if (pressed)
            self->m_lastInputSerial = serial;
        if (InputTarget *target = self->pointerTarget())
            target->buttonChanged(serial, button, pressed);
    }
    static void axis(void *, wl_pointer *, std::uint32_t, std::uint32_t, wl_fixed_t) { }
    static void frame(void *, wl_pointer *) { }
    static void axisSource(void *, wl_pointer *, std::uint32_t) { }
    static void axisStop(void *, wl_pointer *, std::uint32_t, std::uint32_t) { }
    static void axisDiscrete(void *, wl_pointer *, std::uint32_t, std::int32_t) { }

    // zwp_relative_pointer_v1
    static void relativeMotion(void *data, zwp_relative_pointer_v1 *, std::uint32_t, std::uint32_t, wl_fixed_t dx,
                               wl_fixed_t dy, wl_fixed_t, wl_fixed_t)
    {
        if (InputTarget *target = client(data)->pointerTarget())
            target->pointerMovedBy(QPointF(wl_fixed_to_double(dx), wl_fixed_to_double(dy)));
    }

    // wl_keyboard
    static void keymap(void *, wl_keyboard *, std::uint32_t, std::int32_t fd, std::uint32_t)
    {
        // Keys are taken by their codes, which mean the same key in every layout.
        close(fd);
    }
    static void keyboardEnter(void *data, wl_keyboard *, std::uint32_t serial, wl_surface *surface, wl_array *)
    {
        client(data)->m_keyboardFocus = surface;
        client(data)->m_lastInputSerial = serial;
    }
    static void keyboardLeave(void *data, wl_keyboard *, std::uint32_t, wl_surface *surface)
    {
        if (client(data)->m_keyboardFocus == surface)
            client(data)->m_keyboardFocus = nullptr;
    }
    static void key(void *data, wl_keyboard *, std::uint32_t serial, std::uint32_t, std::uint32_t key,
                    std::uint32_t state)
    {
        WaylandClient *self = client(data);
        if (state != WL_KEYBOARD_KEY_STATE_PRESSED)
            return;
        self->m_lastInputSerial = serial;
        if (InputTarget *target = self->m_targets.value(self->m_keyboardFocus))
            target->keyPressed(serial, key);
    }
    static void modifiers(void *, wl_keyboard *, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t,
                          std::uint32_t) { }
    static void repeatInfo(void *, wl_keyboard *, std::int32_t, std::int32_t) { }

    // xdg_wm_base
    static void ping(void *, xdg_wm_base *base, std::uint32_t serial) { xdg_wm_base_pong(base, serial); }

    static const wl_registry_listener registry;
    static const wl_output_listener output;
    static const zxdg_output_v1_listener xdgOutput;
    static const wl_seat_listener seat;
    static const wl_pointer_listener pointer;
    static const zwp_relative_pointer_v1_listener relativePointer;
    static const wl_keyboard_listener keyboard;
    static const xdg_wm_base_listener wmBase;
};

const wl_registry_listener WaylandClientListeners::registry = {&WaylandClient::registryGlobal,
                                                               &WaylandClient::registryGlobalRemove};
const wl_output_listener WaylandClientListeners::output = {&geometry, &mode, &outputDone, &scale, &outputName,
                                                           &outputDescription};
const zxdg_output_v1_listener WaylandClientListeners::xdgOutput = {&logicalPosition, &logicalSize, &xdgOutputDone,
                                                                   &xdgOutputName, &xdgOutputDescription};
const wl_seat_listener WaylandClientListeners::seat = {&capabilities, &seatName};
const wl_pointer_listener WaylandClientListeners::pointer = {&pointerEnter, &pointerLeave, &motion, &button, &axis,
                                                             &frame, &axisSource, &axisStop, &axisDiscrete, nullptr};
const zwp_relative_pointer_v1_listener WaylandClientListeners::relativePointer = {&relativeMotion};
const wl_keyboard_listener WaylandClientListeners::keyboard = {&keymap, &keyboardEnter, &keyboardLeave, &key,
                                                               &modifiers, &repeatInfo};
const xdg_wm_base_listener WaylandClientListeners::wmBase = {&ping};

std::unique_ptr<WaylandClient> WaylandClient::connectWithLayerShell()
{
    // A socket handed over by the compositor can be used once: it is Qt's.
    if (!qEnvironmentVariableIsEmpty("WAYLAND_SOCKET"))
        return nullptr;
    wl_display *display = wl_display_connect(nullptr);
    if (!display)
        return nullptr;
    std::unique_ptr<WaylandClient> client(new WaylandClient);
    client->m_display = display;
    client->m_registry = wl_display_get_registry(display);
    wl_registry_add_listener(client->m_registry, &WaylandClientListeners::registry, client.get());
    // The globals, then what the outputs and the seat say of themselves.
    if (wl_display_roundtrip(display) < 0 || wl_display_roundtrip(display) < 0)
        return nullptr;
    if (!client->m_layerShell || !client->m_compositor || !client->m_shm || !client->m_wmBase) {
        qCInfo(lcHome) << "The Wayland compositor offers no layer shell";
        return nullptr;
    }
    qCInfo(lcHome) << "Widgets as layer surfaces: layer shell version" << client->m_layerShellVersion << ","
                   << client->m_outputs.size() << "outputs";
    return client;
}

WaylandClient::~WaylandClient()
{
    delete m_notifier;
    if (m_cursorSurface)
        wl_surface_destroy(m_cursorSurface);
    if (m_cursorTheme)
        wl_cursor_theme_destroy(m_cursorTheme);
    for (Output *output : std::as_const(m_outputs)) {
        if (output->xdgOutput)
            zxdg_output_v1_destroy(output->xdgOutput);
        wl_output_destroy(output->output);
        delete output;
    }
    if (m_relativePointer)
        zwp_relative_pointer_v1_destroy(m_relativePointer);
    if (m_relativePointers)
        zwp_relative_pointer_manager_v1_destroy(m_relativePointers);
    if (m_pointer)
        wl_pointer_destroy(m_pointer);
    if (m_keyboard)
        wl_keyboard_destroy(m_keyboard);
    if (m_seat)
        wl_seat_destroy(m_seat);
    if (m_xdgOutputManager)
        zxdg_output_manager_v1_destroy(m_xdgOutputManager);
    if (m_wmBase)
        xdg_wm_base_destroy(m_wmBase);
    if (m_layerShell)
        zwlr_layer_shell_v1_destroy(m_layerShell);
    if (m_shm)
        wl_shm_destroy(m_shm);
    if (m_compositor)
        wl_compositor_destroy(m_compositor);
    if (m_registry)
        wl_registry_destroy(m_registry);
    if (m_display) {
        wl_display_flush(m_display);
        wl_display_disconnect(m_display);
    }
}

void WaylandClient::attachToEventLoop()
{
    if (m_notifier)
        return;
    m_notifier = new QSocketNotifier(wl_display_get_fd(m_display), QSocketNotifier::Read);
    connect(m_notifier, &QSocketNotifier::activated, this, &WaylandClient::readEvents);
    // Requests go out before the loop sleeps, however many were made while it was awake.
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
            &WaylandClient::flush);
    // Events read while connecting wait in the queue.
    if (wl_display_dispatch_pending(m_display) < 0)
        lose();
    flush();
}

void WaylandClient::readEvents()
{
    if (m_lost)
        return;
    while (wl_display_prepare_read(m_display) != 0) {
        if (wl_display_dispatch_pending(m_display) < 0)
            return lose();
    }
    if (wl_display_read_events(m_display) < 0 || wl_display_dispatch_pending(m_display) < 0)
        return lose();
    flush();
}

void WaylandClient::flush()
{
    if (m_lost)
        return;
    if (wl_display_flush(m_display) < 0 && errno != EAGAIN)
        lose();
}

void WaylandClient::lose()
{
    if (m_lost)
        return;
    m_lost = true;
    if (m_notifier)
        m_notifier->setEnabled(false);
    const int error = wl_display_get_error(m_display);
    qCWarning(lcHome).noquote() << "Lost the connection to the Wayland compositor:" << strerror(error ? error : EPIPE);
    Q_EMIT connectionLost();
}

const WaylandClient::Output *WaylandClient::outputAt(QPoint point, const wl_output *except) const
{
    const Output *nearest = nullptr;
    qint64 nearestDistance = LLONG_MAX;
    for (const Output *output : m_outputs) {
        const QRect area = output->geometry();
        if (area.isEmpty() || (output->output == except && m_outputs.size() > 1))
            continue;
        if (area.contains(point))
            return output;
        const qint64 dx = point.x() < area.left() ? area.left() - point.x() : std::max(0, point.x() - area.right());
        const qint64 dy = point.y() < area.top() ? area.top() - point.y() : std::max(0, point.y() - area.bottom());
        if (dx * dx + dy * dy < nearestDistance) {
            nearestDistance = dx * dx + dy * dy;
            nearest = output;
        }
    }
    return nearest;
}

const WaylandClient::Output *WaylandClient::output(const wl_output *output) const
{
    return const_cast<WaylandClient *>(this)->findOutput(output);
}

WaylandClient::Output *WaylandClient::findOutput(const wl_output *output)
{
    for (Output *known : std::as_const(m_outputs)) {
        if (known->output == output)
            return known;
    }
    return nullptr;
}

void WaylandClient::addInputTarget(wl_surface *surface, InputTarget *target)
{
    m_targets.insert(surface, target);
}

void WaylandClient::removeInputTarget(wl_surface *surface)
{
    m_targets.remove(surface);
    if (m_pointerFocus == surface)
        m_pointerFocus = nullptr;
    if (m_keyboardFocus == surface)
        m_keyboardFocus = nullptr;
}

InputTarget *WaylandClient::pointerTarget() const
{
    return m_targets.value(m_pointerFocus);
}

void WaylandClient::setCursor(std::uint32_t serial)
{
    if (!m_pointer || !m_targets.contains(m_pointerFocus))
        return;
    int scale = 1;
    for (const Output *output : std::as_const(m_outputs))
        scale = std::max(scale, output->scale);
    if (!m_cursorTheme || m_cursorScale != scale) {
        if (m_cursorTheme)
            wl_cursor_theme_destroy(m_cursorTheme);
        bool sized = false;
        const int size = qEnvironmentVariableIntValue("XCURSOR_SIZE", &sized);
        const QByteArray theme = qgetenv("XCURSOR_THEME");
        // Without a theme installed, libwayland-cursor's own arrow.
        m_cursorTheme = wl_cursor_theme_load(theme.isEmpty() ? nullptr : theme.constData(),
                                             (sized && size > 0 ? size : 24) * scale, m_shm);
        m_cursorScale = scale;
    }
    wl_cursor *cursor = m_cursorTheme ? wl_cursor_theme_get_cursor(m_cursorTheme, "left_ptr") : nullptr;
    if (!cursor && m_cursorTheme)
        cursor = wl_cursor_theme_get_cursor(m_cursorTheme, "default");
    if (!cursor || cursor->image_count == 0)
        return;
    wl_cursor_image *image = cursor->images[0];
    if (!m_cursorSurface)
        m_cursorSurface = wl_compositor_create_surface(m_compositor);
    wl_surface_set_buffer_scale(m_cursorSurface, m_cursorScale);
    wl_surface_attach(m_cursorSurface, wl_cursor_image_get_buffer(image), 0, 0);
    wl_surface_damage(m_cursorSurface, 0, 0, INT32_MAX, INT32_MAX);
    wl_surface_commit(m_cursorSurface);
    wl_pointer_set_cursor(m_pointer, serial, m_cursorSurface, int(image->hotspot_x) / m_cursorScale,
                          int(image->hotspot_y) / m_cursorScale);
}

void WaylandClient::registryGlobal(void *data, wl_registry *registry, std::uint32_t name, const char *interface,
                                   std::uint32_t version)
{
    auto *self = static_cast<WaylandClient *>(data);
    if (std::strcmp(interface, wl_compositor_interface.name) == 0) {
        self->m_compositor = bind<wl_compositor>(registry, name, &wl_compositor_interface, version, kCompositorVersion,
                                                 &self->m_compositorVersion);
    } else if (std::strcmp(interface, wl_shm_interface.name) == 0) {
        self->m_shm = bind<wl_shm>(registry, name, &wl_shm_interface, version, 1);
    } else if (std::strcmp(interface, wl_seat_interface.name) == 0 && !self->m_seat) {
        // The first seat: a desktop person's pointer and keyboard.
        self->m_seat = bind<wl_seat>(registry, name, &wl_seat_interface, version, kSeatVersion, &self->m_seatVersion);
        wl_seat_add_listener(self->m_seat, &WaylandClientListeners::seat, self);
    } else if (std::strcmp(interface, wl_output_interface.name) == 0) {
        self->addOutput(name, version);
    } else if (std::strcmp(interface, zwlr_layer_shell_v1_interface.name) == 0) {
        self->m_layerShell = bind<zwlr_layer_shell_v1>(registry, name, &zwlr_layer_shell_v1_interface, version,
                                                       kLayerShellVersion, &self->m_layerShellVersion);
    } else if (std::strcmp(interface, xdg_wm_base_interface.name) == 0) {
        self->m_wmBase = bind<xdg_wm_base>(registry, name, &xdg_wm_base_interface, version, kWmBaseVersion);
        xdg_wm_base_add_listener(self->m_wmBase, &WaylandClientListeners::wmBase, self);
    } else if (std::strcmp(interface, zwp_relative_pointer_manager_v1_interface.name) == 0) {
        self->m_relativePointers = bind<zwp_relative_pointer_manager_v1>(
            registry, name, &zwp_relative_pointer_manager_v1_interface, version, 1);
    } else if (std::strcmp(interface, zxdg_output_manager_v1_interface.name) == 0) {
        self->m_xdgOutputManager = bind<zxdg_output_manager_v1>(registry, name, &zxdg_output_manager_v1_interface,
                                                                version, kXdgOutputVersion);
        for (Output *output : std::as_const(self->m_outputs))
            self->watchXdgOutput(*output);
    }
}

void WaylandClient::registryGlobalRemove(void *data, wl_registry *, std::uint32_t name)
{
    auto *self = static_cast<WaylandClient *>(data);
    for (qsizetype i = 0; i < self->m_outputs.size(); ++i) {
        Output *output = self->m_outputs.at(i);
        if (output->name != name)
            continue;
        self->m_outputs.removeAt(i);
        if (output->xdgOutput)
            zxdg_output_v1_destroy(output->xdgOutput);
        wl_output_destroy(output->output);
        delete output;
        Q_EMIT self->outputsChanged();
        return;
    }
}

void WaylandClient::addOutput(std::uint32_t name, std::uint32_t version)
{
    auto *output = new Output;
    output->name = name;
    output->output = bind<wl_output>(m_registry, name, &wl_output_interface, version, kOutputVersion);
    wl_output_add_listener(output->output, &WaylandClientListeners::output, this);
    m_outputs.append(output);
    watchXdgOutput(*output);
}

void WaylandClient::watchXdgOutput(Output &output)
{
    if (!m_xdgOutputManager || output.xdgOutput)
        return;
    output.xdgOutput = zxdg_output_manager_v1_get_xdg_output(m_xdgOutputManager, output.output);
    zxdg_output_v1_add_listener(output.xdgOutput, &WaylandClientListeners::xdgOutput, &output);
}

void WaylandClient::seatCapabilities(std::uint32_t capabilities)
{
    const bool pointer = capabilities & WL_SEAT_CAPABILITY_POINTER;
    const bool keyboard = capabilities & WL_SEAT_CAPABILITY_KEYBOARD;
    if (pointer && !m_pointer) {
        m_pointer = wl_seat_get_pointer(m_seat);
        wl_pointer_add_listener(m_pointer, &WaylandClientListeners::pointer, this);
        if (m_relativePointers) {
            m_relativePointer = zwp_relative_pointer_manager_v1_get_relative_pointer(m_relativePointers, m_pointer);
            zwp_relative_pointer_v1_add_listener(m_relativePointer, &WaylandClientListeners::relativePointer, this);
        }
    } else if (!pointer && m_pointer) {
        if (m_relativePointer)
            zwp_relative_pointer_v1_destroy(m_relativePointer);
        m_relativePointer = nullptr;
        if (m_seatVersion >= WL_POINTER_RELEASE_SINCE_VERSION)
            wl_pointer_release(m_pointer);
        else
            wl_pointer_destroy(m_pointer);
        m_pointer = nullptr;
        m_pointerFocus = nullptr;
    }
    if (keyboard && !m_keyboard) {
        m_keyboard = wl_seat_get_keyboard(m_seat);
        wl_keyboard_add_listener(m_keyboard, &WaylandClientListeners::keyboard, this);
    } else if (!keyboard && m_keyboard) {
        if (m_seatVersion >= WL_KEYBOARD_RELEASE_SINCE_VERSION)
            wl_keyboard_release(m_keyboard);
        else
            wl_keyboard_destroy(m_keyboard);
        m_keyboard = nullptr;
        m_keyboardFocus = nullptr;
    }
}
