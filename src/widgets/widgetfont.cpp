#include "widgetfont.h"

QFont widgetFont(Faces::Role role, int size, const QString &text)
{
    // The plug-in carries the faces itself: the host is no app and loads none.
    Faces::load();
    return Faces::font(role, size, text);
}
