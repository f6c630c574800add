#include "ruruextensionentryview.h"

#include "deeplinkurl.h"
#include "rurularge.h"
#include "rurumedium.h"
#include "rurunotavailable.h"
#include "rurusummary.h"

RuruExtensionEntryView::RuruExtensionEntryView(WidgetFamily family, const WidgetContent &entry)
    : m_family(family)
    , m_entry(entry)
{
}

void RuruExtensionEntryView::paint(QPainter &painter) const
{
    switch (m_family) {
    case WidgetFamily::SystemSmall:
        RuruSummary(m_entry).paint(painter);
        return;
    case WidgetFamily::SystemMedium:
        RuruMedium(m_entry).paint(painter);
        return;
    case WidgetFamily::SystemLarge:
        RuruLarge(m_entry).paint(painter);
        return;
    case WidgetFamily::SystemExtraLarge:
        break;
    }
    RuruNotAvailable().paint(painter, widgetFamilySize(m_family));
}

QUrl RuruExtensionEntryView::tapLink() const
{
    switch (m_family) {
    case WidgetFamily::SystemSmall:
    case WidgetFamily::SystemMedium:
    case WidgetFamily::SystemLarge:
        return deepLinkURL(m_entry);
    case WidgetFamily::SystemExtraLarge:
        break;
    }
    return {};
}
