#pragma once

#include <QString>

#include <future>
#include <thread>

// Start-up work of the first page that needs no window and is slow in a new process: reading
// the font configuration and adding the app's faces, then loading the zone, calendar and
// date-format data. It runs on a thread of its own while the main thread opens the store and
// the engine compiles the screens. Made once the application object exists.
class StartupWarmUp
{
public:
    StartupWarmUp();
    ~StartupWarmUp();
    StartupWarmUp(const StartupWarmUp &) = delete;
    StartupWarmUp &operator=(const StartupWarmUp &) = delete;

    // Returns once the app's faces are in the font database, with the application's default
    // font naming the face it stands for. Called on the main thread before the first window
    // exists: faces added later make every window lay out all its text again.
    void waitForFonts();

private:
    QString m_defaultFamily;
    std::promise<void> m_fontsAdded;
    std::future<void> m_fontsReady;
    std::thread m_thread;
};
