#include <platform/localization.h>
#include <support/testenvironment.h>

#include <QGuiApplication>
#include <gtest/gtest.h>

// Runs the widget tests in a Qt GUI application without a display, with the translations
// the home screen would install and this process's XDG folders in a temporary folder.
int main(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    Localization::installTranslations(app);
    TemporaryHome home;
    return RUN_ALL_TESTS();
}
