#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>

// What `tallowick` was started with:
//   tallowick [--now yyyy-MM-ddTHH:mm:ss] [URL]
//   tallowick --screenshot FILE.png [--now yyyy-MM-ddTHH:mm:ss] [URL]
struct AppOptions
{
    QString link;                     // the link to open, empty for none
    QString screenshotPath;           // set: draw once, save a PNG there and exit
    std::optional<QDateTime> now;     // a fixed clock
    QString error;                    // set when the command line cannot be read

    static AppOptions parse(const QStringList &arguments);
    bool screenshot() const { return !screenshotPath.isEmpty(); }
};
