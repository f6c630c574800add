#pragma once

#include <QString>

#include <future>
#include <memory>
#include <thread>

class DateContext;

// Start-up work of the first page that needs no window and is slow in a new process, on two
// threads of their own while the main thread opens the store and the engine compiles the
// screens: reading the font configuration and adding the app's faces (then working out the
// fallbacks of the faces the first page draws with), and making the date formats. Made once
// the application object exists.
class StartupWarmUp
{
public:
    StartupWarmUp();
    ~StartupWarmUp();
    StartupWarmUp(const StartupWarmUp &) = delete;
    StartupWarmUp &operator=(const StartupWarmUp &) = delete;

    // Called on the main thread before the first window exists: returns once the app's faces
    // are in the font database (faces added later make every window lay out all its text
    // again), with the default font naming the face it stands for, and the date formats made
    // on the other thread taken over.
    void prepareFirstWindow();

private:
    QString m_defaultFamily;
    std::promise<void> m_fontsAdded;
    std::promise<std::unique_ptr<DateContext>> m_datesMade;
    std::thread m_fonts;
    std::thread m_dates;
};
