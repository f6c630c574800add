#pragma once

#include <QDateTime>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

// What `tallowick` was started with:
//   tallowick [--now yyyy-MM-ddTHH:mm:ss] [--verbose] [LINK]
//   tallowick --screenshot FILE.png [--size WxH] [--now yyyy-MM-ddTHH:mm:ss] [LINK]
//   tallowick --help | -h | --version
// Options take the form --name VALUE or --name=VALUE. A word that starts with "-" is always an
// option, never a link.
struct AppOptions
{
    // The smallest window the screens are laid out for.
    static constexpr int kMinimumWidth = 320;
    static constexpr int kMinimumHeight = 560;

    QString link;                     // the link to open, empty for none
    QString screenshotPath;           // set: draw once, save a PNG there and exit
    std::optional<QDateTime> now;     // a fixed clock
    std::optional<QSize> size;        // the window's size
    bool help = false;                // print the help page and exit
    bool version = false;             // print the version and exit
    bool verbose = false;             // diagnostics on standard error
    QString error;                    // set when the command line cannot be read

    // Reads the arguments after the program's name. --help and --version end the reading:
    // what follows them is not looked at.
    static AppOptions parse(const QStringList &arguments);
    // The page --help prints.
    static QString helpText();

    bool screenshot() const { return !screenshotPath.isEmpty(); }
};
