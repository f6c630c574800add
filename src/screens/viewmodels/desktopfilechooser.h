#pragma once

#include <QObject>
#include <QtQml/qqml.h>

// Which file dialog the calendar and backup actions open: the desktop's own file chooser
// through the XDG desktop portal (Qt's platform theme for it, chosen at the start), or the
// desktop's own dialog of another platform theme the person set; Qt's own dialog only where
// neither can open.
class DesktopFileChooser : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    using QObject::QObject;

    // Before the application object is made: Qt opens file dialogs through the portal unless
    // the person chose a platform theme (QT_QPA_PLATFORMTHEME). The choice is not handed on to
    // the programs the app starts.
    static void choosePortalTheme();
    static void forgetThemeChoice();

    // Whether a dialog of the desktop can open now; false when the portal theme is in use but
    // no portal answers on the session bus (a desktop without one, no session bus at all).
    Q_INVOKABLE bool available() const;
};
