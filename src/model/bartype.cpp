#include "bartype.h"

namespace {

constexpr std::array<const char *, 12> kNames = {
    "FlatBar", "RainBar", "ThereelineBar", "Birthday", "Home", "Love",
    "Vacation", "Celebration", "Smoking", "Bandage", "Exam", "Box",
};

} // namespace

QString barTypeName(BarType type)
{
    return QLatin1String(kNames[static_cast<size_t>(type)]);
}

std::optional<BarType> barTypeFromName(const QString &name)
{
    for (size_t i = 0; i < kNames.size(); ++i) {
        if (name == QLatin1String(kNames[i]))
            return kAllBarTypes[i];
    }
    return std::nullopt;
}
