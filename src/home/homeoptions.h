#pragma once

#include <platform/widgetextension.h>

#include <QDateTime>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <optional>

// The command line of tallowick-home. Without a command option it runs the home screen.
struct HomeOptions
{
    enum class Mode { Run, Add, List, Remove, Render, InstallAutostart, RemoveAutostart, Help, Version };

    Mode mode = Mode::Run;
    WidgetFamily family = WidgetFamily::SystemSmall; // --add, --render
    std::optional<QString> event;                    // --event TITLE
    std::optional<QPoint> at;                        // --at X,Y
    QString id;                                      // --remove ID
    QString out;                                     // --out FILE
    qreal scale = 2;                                 // --scale N
    bool placeholder = false;                        // --placeholder
    bool background = false;                         // --background
    std::optional<QDateTime> now;                    // --now yyyy-MM-ddTHH:mm:ss (the home screen's
                                                     // clock runs on from it)
    bool verbose = false;                            // --verbose
    QString error;                                   // set when the line cannot be read

    // Reads the arguments after the program's name. Options take the form --name VALUE or
    // --name=VALUE. --help (-h) and --version end the reading: what follows is not looked at.
    static HomeOptions parse(const QStringList &arguments);
    // The page --help prints.
    static QString helpText();

    // Whether this mode puts windows on a screen.
    bool showsWindows() const { return mode == Mode::Run; }
    // Whether this mode needs no application object at all.
    bool onlyPrints() const { return mode == Mode::Help || mode == Mode::Version; }
};
