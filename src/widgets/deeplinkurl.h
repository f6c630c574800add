#pragma once

#include <model/widgetcontent.h>

#include <QUrl>

// The link a tap on the widget opens: the app at the entry's event,
// "https://tallowick.page.link?pageNumber=7&eventId=6F1C…" (page 0 when the entry has none;
// no id for entries published before events had ids).
QUrl deepLinkURL(const WidgetContent &entry);
