#include "widgetreload.h"

namespace WidgetReload {

void reloadAllTimelines()
{
    // The home screen that listens for this request does not exist yet; once it does, the
    // message to it is sent from here.
}

} // namespace WidgetReload
