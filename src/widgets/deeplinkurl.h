#pragma once

#include <model/widgetcontent.h>

#include <QUrl>

// The link a tap on the widget opens: the app at the entry's page,
// "https://tallowick.page.link?pageNumber=7" (page 0 when the entry has none).
QUrl deepLinkURL(const WidgetContent &entry);
