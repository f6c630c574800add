// A bare Qt Quick window drawing one rectangle: the least any Qt Quick program of ours takes,
// to compare the home screen's memory and the app's start with. Runs until killed, or with
// --screenshot FILE saves its first frame (phone-sized, like the app's) and exits. With --text
// the window also shows four lines in the sizes of an event page's texts (system fonts): the
// least a program that shows text takes.

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
    const bool withText = arguments.contains(QStringLiteral("--text"));

    QQmlApplicationEngine engine;
    if (path.isEmpty()) {
        engine.loadData(R"(
            import QtQuick
            Window {
                width: 170; height: 170; visible: true
                Rectangle { anchors.fill: parent; color: "#3366cc"; radius: 22 }
            }
        )");
    } else {
        engine.loadData(withText ? R"(
            import QtQuick
            Window {
                width: 390; height: 844; visible: true
                Rectangle { anchors.fill: parent; color: "#3366cc" }
                Text { x: 35; y: 110; text: "Together"; font.pixelSize: 35; font.weight: Font.ExtraBold }
                Text { x: 35; y: 150; text: "14.Feb.24"; font.pixelSize: 17; font.bold: true }
                Text { x: 35; y: 590; text: "D-DAY"; font.pixelSize: 15; font.bold: true }
                Text { x: 35; y: 610; text: "1029"; font.pixelSize: 110; font.weight: Font.ExtraBold }
            }
        )"
                                   : R"(
            import QtQuick
            Window {
                width: 390; height: 844; visible: true
                Rectangle { anchors.fill: parent; color: "#3366cc" }
            }
        )");
    }
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
