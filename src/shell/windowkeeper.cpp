#include "windowkeeper.h"

#include "windowfit.h"

#include <store/userdata.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QQuickWindow>
#include <QScreen>

WindowKeeper::WindowKeeper(QQuickWindow *window, UserData &store, WindowMemory remembered, bool keepSize, bool fitToScreen,
                           QString path)
    : m_window(window)
    , m_store(store)
    , m_saved(std::move(remembered))
    , m_size(m_saved.size)
    , m_keepSize(keepSize)
    , m_path(std::move(path))
{
    m_delay.setSingleShot(true);
    m_delay.setInterval(kSaveDelayMs);
    connect(&m_delay, &QTimer::timeout, this, &WindowKeeper::save);
    const auto changed = [this] { m_delay.start(); };
    connect(&m_store, &UserData::currentPageChanged, this, changed);
    connect(&m_store, &UserData::magicDatesChanged, this, changed);
    connect(qApp, &QCoreApplication::aboutToQuit, this, &WindowKeeper::save);
    if (!m_window)
        return;
    const auto resized = [this] {
        // A maximised or full-screen window's size is the screen's, not one the person chose.
        // Nor is the size this keeper made it to fit a smaller screen: on a larger one the
        // window comes back at the size the person left it at.
        const bool fitted = m_fitted && m_window->size() == *m_fitted;
        // Nor is the size a desktop gives the window as it first shows it (a tiling one fills
        // the screen): only what comes after the first frame.
        if (m_keepSize && m_shown && m_window->windowStates() == Qt::WindowNoState && !fitted) {
            m_size = m_window->size();
            m_delay.start();
        }
    };
    connect(m_window, &QWindow::widthChanged, this, resized);
    connect(m_window, &QWindow::heightChanged, this, resized);
    connect(m_window, &QQuickWindow::frameSwapped, this, [this, fitToScreen] {
        m_shown = true;
        if (fitToScreen)
            fitOnScreen();
    }, Qt::SingleShotConnection);
}

WindowKeeper::~WindowKeeper()
{
    save();
}

WindowMemory WindowKeeper::current() const
{
    WindowMemory now = m_saved;
    if (m_keepSize)
        now.size = m_size;
    const QString shown = m_store.currentEventId();
    if (!shown.isEmpty())
        now.eventId = shown;
    return now;
}

void WindowKeeper::save()
{
    m_delay.stop();
    const WindowMemory now = current();
    if (now == m_saved)
        return;
    if (now.write(m_path))
        m_saved = now;
}

void WindowKeeper::fitOnScreen()
{
    if (!m_window || !m_window->screen() || m_window->windowStates() != Qt::WindowNoState)
        return;
    // Now the frame is known: the window was sized before it had one.
    const QRect available = m_window->screen()->availableGeometry();
    const QRect frame = m_window->frameGeometry();
    if (available.contains(frame))
        return;
    const QSize room = WindowFit::roomWithFrame(available, m_window->frameMargins());
    const QSize smallest = WindowFit::smallestFor(room, m_window->minimumSize());
    if (smallest != m_window->minimumSize())
        m_window->setMinimumSize(smallest);
    const QSize fitted = WindowFit::fit(m_window->size(), room, smallest);
    if (fitted != m_window->size()) {
        m_fitted = fitted;
        m_window->resize(fitted);
    }
    // Where the desktop lets a window place itself (not on Wayland), it moves into the free area.
    if (QGuiApplication::platformName() != QLatin1String("wayland")) {
        const QMargins margins = m_window->frameMargins();
        const QRect fittedFrame(frame.topLeft(), fitted.grownBy(margins));
        m_window->setFramePosition(WindowFit::keepWithin(fittedFrame, available));
    }
}
