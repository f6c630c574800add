#pragma once

#include "windowmemory.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

class QQuickWindow;
class UserData;

// Remembers the app's window while it runs: the size the person gives it (in its normal state,
// not maximised or full screen) and the event it shows, saved a moment after they change and
// when the app quits. Once the window is on screen and its frame is known, a window that does
// not fit its screen's free area is made to fit.
class WindowKeeper : public QObject
{
    Q_OBJECT

public:
    // `remembered` is what was read at the start; `keepSize` false leaves its size as it was
    // (a size given on the command line is for that run only), as `fitToScreen` false leaves
    // the window as large as it was asked to be.
    WindowKeeper(QQuickWindow *window, UserData &store, WindowMemory remembered, bool keepSize, bool fitToScreen,
                 QString path = WindowMemory::defaultPath());
    ~WindowKeeper() override;

    // Saves what is to remember now, if it changed.
    void save();
    // What would be saved now.
    WindowMemory current() const;

    // How long after a change the app saves it.
    static constexpr int kSaveDelayMs = 1000;

private:
    void fitOnScreen();

    QPointer<QQuickWindow> m_window;
    UserData &m_store;
    WindowMemory m_saved;
    std::optional<QSize> m_size;
    std::optional<QSize> m_fitted;
    bool m_shown = false;
    bool m_keepSize;
    QString m_path;
    QTimer m_delay;
};
