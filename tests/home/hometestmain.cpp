#include <platform/localization.h>

#include <support/testenvironment.h>

#include <QApplication>
#include <QFile>
#include <gtest/gtest.h>

// Runs the home screen's tests in a widgets application on the offscreen platform, with this
// process's XDG folders in a temporary folder of its own and no way to the person's session
// bus.
int main(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TemporaryHome home;
    qputenv("DBUS_SESSION_BUS_ADDRESS", QFile::encodeName(QStringLiteral("unix:path=%1/no-bus").arg(home.root())));
    QApplication app(argc, argv);
    Localization::installTranslations(app);
    return RUN_ALL_TESTS();
}
