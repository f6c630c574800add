#pragma once

#include <QJsonValue>

#include <cmath>
#include <optional>

// JSON numbers are doubles; only whole numbers inside [low, high] count as our integers.
template <typename Integer>
std::optional<Integer> jsonIntegerIn(const QJsonValue &value, Integer low, Integer high)
{
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (std::floor(number) != number || number < double(low) || number > double(high))
        return std::nullopt;
    return static_cast<Integer>(number);
}
