#pragma once

#include <QString>
#include <array>
#include <optional>

// The twelve bar decorations, in display order. Each codes as its name.
enum class BarType {
    FlatBar,
    RainBar,
    ThereelineBar,
    Birthday,
    Home,
    Love,
    Vacation,
    Celebration,
    Smoking,
    Bandage,
    Exam,
    Box,
};

inline constexpr std::array<BarType, 12> kAllBarTypes = {
    BarType::FlatBar, BarType::RainBar, BarType::ThereelineBar, BarType::Birthday,
    BarType::Home,    BarType::Love,    BarType::Vacation,      BarType::Celebration,
    BarType::Smoking, BarType::Bandage, BarType::Exam,          BarType::Box,
};

QString barTypeName(BarType type);

// Exact, case-sensitive match of the name; nothing for any other text.
std::optional<BarType> barTypeFromName(const QString &name);

// The kind to draw for a stored name: unknown names draw as FlatBar.
inline BarType barTypeForDrawing(const QString &name)
{
    return barTypeFromName(name).value_or(BarType::FlatBar);
}

// The three plain kinds are drawn from the bar colour; the others are pictures.
inline bool isPlainBar(BarType type)
{
    return type == BarType::FlatBar || type == BarType::RainBar || type == BarType::ThereelineBar;
}
