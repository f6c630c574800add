#include "screenshot.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QQuickWindow>
#include <QTimer>

#include <cstdio>

namespace {

// Long enough for images to load and the first layout passes to finish; entrance
// animations are off in this mode, so nothing is still moving.
constexpr int kSettleMs = 400;

} // namespace

int saveFirstSettledFrame(QGuiApplication &app, QQuickWindow *window, const QString &path)
{
    if (!window)
        return 1;
    window->show();
    int result = 1;
    QTimer::singleShot(kSettleMs, &app, [&] {
        const QImage frame = window->grabWindow();
        if (!frame.isNull() && frame.save(path, "PNG")) {
            std::printf("Screenshot saved to %s\n", qPrintable(QFileInfo(path).absoluteFilePath()));
            result = 0;
        } else {
            std::fprintf(stderr, "tallowick: can't save the screenshot to %s\n", qPrintable(path));
        }
        app.quit();
    });
    app.exec();
    return result;
}
