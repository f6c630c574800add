#include "screenshot.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QQuickWindow>
#include <QTimer>

#include <cstdio>

namespace {

// A window that never draws (a broken scene) must not hang the caller.
constexpr int kGiveUpMs = 10000;

} // namespace

int saveFirstSettledFrame(QGuiApplication &app, QQuickWindow *window, const QString &path)
{
    if (!window)
        return 1;
    int result = 1;
    bool saved = false;
    const auto save = [&] {
        if (saved)
            return;
        saved = true;
        const QImage frame = window->grabWindow();
        if (!frame.isNull() && frame.save(path, "PNG")) {
            std::printf("Screenshot saved to %s\n", qPrintable(QFileInfo(path).absoluteFilePath()));
            // At once, also into a pipe: whoever waits for the picture may take it now.
            std::fflush(stdout);
            result = 0;
        } else {
            std::fprintf(stderr, "tallowick: can't save the screenshot to %s\n", qPrintable(path));
        }
        app.quit();
    };
    // Entrance animations are off in this mode and images load as the scene is built, so the
    // first frame drawn is the settled page; the grab runs once the loop is back from drawing it
    // (links given on the command line have been applied by then).
    QObject::connect(window, &QQuickWindow::frameSwapped, &app, [&] { QTimer::singleShot(0, &app, save); },
                     Qt::SingleShotConnection);
    QTimer::singleShot(kGiveUpMs, &app, save);
    window->show();
    app.exec();
    return result;
}
