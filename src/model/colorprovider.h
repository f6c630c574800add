#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>
#include <optional>

// One colour theme: the colours and the bar kind copied onto an event when it is applied.
struct ColorProvider
{
    QString bgColor;
    QString fontColor;
    QString lineColor;
    QString circleColor;
    QString barColor;
    qint64 id = 0;
    QString barType;

    friend bool operator==(const ColorProvider &, const ColorProvider &) = default;

    QJsonObject toJson() const;
    // All seven keys are required: "id" an integer, the others strings.
    static std::optional<ColorProvider> fromJson(const QJsonObject &object);
};

size_t qHash(const ColorProvider &theme, size_t seed = 0) noexcept;

// A JSON array of themes; fails as a whole when one fails.
std::optional<QList<ColorProvider>> decodeThemeList(const QByteArray &json);
