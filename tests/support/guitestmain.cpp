#include "testenvironment.h"

#include <platform/localization.h>

#include <QFile>
#include <QGuiApplication>
#include <QQuickWindow>
#include <QtQml/qqmlextensionplugin.h>
#include <gtest/gtest.h>

Q_IMPORT_QML_PLUGIN(TallowickPlugin)

// Runs screen tests in a Qt GUI application drawing with the software renderer (no GPU,
// no display), with this process's XDG folders in a temporary folder of its own and no way to
// the person's session bus (whose desktop might prefer dark screens, or less motion).
int main(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    TemporaryHome home;
    qputenv("DBUS_SESSION_BUS_ADDRESS", QFile::encodeName(QStringLiteral("unix:path=%1/no-bus").arg(home.root())));
    QGuiApplication app(argc, argv);
    Localization::installTranslations(app);
    return RUN_ALL_TESTS();
}
