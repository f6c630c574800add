// A bare Qt Quick window drawing one rectangle: the least any Qt Quick program of ours takes,
// to compare the home screen's memory and the app's start with. Runs until killed, or with
// --screenshot FILE saves its first frame (phone-sized, like the app's) and exits.

#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    // Offscreen there is no OpenGL; the software renderer draws the same scene.
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    QGuiApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const qsizetype shot = arguments.indexOf(QStringLiteral("--screenshot"));
    const QString path = shot >= 0 && shot + 1 < arguments.size() ? arguments.at(shot + 1) : QString();

    QQmlApplicationEngine engine;
    engine.loadData(path.isEmpty() ? R"(
        import QtQuick
        Window {
            width: 170; height: 170; visible: true
            Rectangle { anchors.fill: parent; color: "#3366cc"; radius: 22 }
        }
    )"
                                   : R"(
        import QtQuick
        Window {
            width: 390; height: 844; visible: true
            Rectangle { anchors.fill: parent; color: "#3366cc" }
        }
    )");
    if (engine.rootObjects().isEmpty())
        return 1;
    if (!path.isEmpty()) {
        auto *window = qobject_cast<QQuickWindow *>(engine.rootObjects().constFirst());
        QObject::connect(
            window, &QQuickWindow::frameSwapped, &app,
            [&] {
                QTimer::singleShot(0, &app, [&] {
                    // Says so once saved, as the app does: the start benchmark stops its clock there.
                    if (window->grabWindow().save(path, "PNG"))
                        std::printf("Screenshot saved to %s\n", qPrintable(path));
                    std::fflush(stdout);
                    app.quit();
                });
            },
            Qt::SingleShotConnection);
    }
    return app.exec();
}
