#include "widgetextension.h"

namespace {

struct FamilyInfo
{
    WidgetFamily family;
    const char *name;
    QSizeF size;
};

const FamilyInfo kFamilies[] = {
    {WidgetFamily::SystemSmall, "small", QSizeF(170, 170)},
    {WidgetFamily::SystemMedium, "medium", QSizeF(364, 170)},
    {WidgetFamily::SystemLarge, "large", QSizeF(364, 382)},
    {WidgetFamily::SystemExtraLarge, "extraLarge", QSizeF(715, 382)},
};

} // namespace

QString widgetFamilyName(WidgetFamily family)
{
    for (const FamilyInfo &info : kFamilies) {
        if (info.family == family)
            return QLatin1String(info.name);
    }
    return {};
}

std::optional<WidgetFamily> widgetFamilyFromName(const QString &name)
{
    for (const FamilyInfo &info : kFamilies) {
        if (name == QLatin1String(info.name))
            return info.family;
    }
    return std::nullopt;
}

QSizeF widgetFamilySize(WidgetFamily family)
{
    for (const FamilyInfo &info : kFamilies) {
        if (info.family == family)
            return info.size;
    }
    return {};
}
