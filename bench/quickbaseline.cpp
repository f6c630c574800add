// A bare Qt Quick window (one rectangle) to compare the home screen's memory with: the least
// any Qt Quick program of ours would take. Runs until killed.

#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickWindow>

int main(int argc, char *argv[])
{
    // Offscreen there is no OpenGL; the software renderer draws the same scene.
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    QGuiApplication app(argc, argv);
    QQmlApplicationEngine engine;
    engine.loadData(R"(
        import QtQuick
        Window {
            width: 170; height: 170; visible: true
            Rectangle { anchors.fill: parent; color: "#3366cc"; radius: 22 }
        }
    )");
    if (engine.rootObjects().isEmpty())
        return 1;
    return app.exec();
}
