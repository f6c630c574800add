#include "testenvironment.h"

#include <platform/localization.h>

#include <QGuiApplication>
#include <QQuickWindow>
#include <QtQml/qqmlextensionplugin.h>
#include <gtest/gtest.h>

Q_IMPORT_QML_PLUGIN(TallowickPlugin)

// Runs screen tests in a Qt GUI application drawing with the software renderer (no GPU,
// no display), with this process's XDG folders in a temporary folder of its own.
int main(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    QGuiApplication app(argc, argv);
    Localization::installTranslations(app);
    TemporaryHome home;
    return RUN_ALL_TESTS();
}
