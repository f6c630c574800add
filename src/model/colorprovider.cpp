#include "colorprovider.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <cmath>

QJsonObject ColorProvider::toJson() const
{
    return QJsonObject{
        {QStringLiteral("bgColor"), bgColor},         {QStringLiteral("fontColor"), fontColor},
        {QStringLiteral("lineColor"), lineColor},     {QStringLiteral("circleColor"), circleColor},
        {QStringLiteral("barColor"), barColor},       {QStringLiteral("id"), id},
        {QStringLiteral("barType"), barType},
    };
}

std::optional<ColorProvider> ColorProvider::fromJson(const QJsonObject &object)
{
    static const char *const textKeys[] = {"bgColor", "fontColor", "lineColor", "circleColor", "barColor", "barType"};
    for (const char *key : textKeys) {
        if (!object.value(QLatin1String(key)).isString())
            return std::nullopt;
    }
    const QJsonValue id = object.value(QStringLiteral("id"));
    const double number = id.toDouble();
    if (!id.isDouble() || number != std::trunc(number))
        return std::nullopt;
    const auto text = [&](const char *key) { return object.value(QLatin1String(key)).toString(); };
    return ColorProvider{text("bgColor"), text("fontColor"), text("lineColor"), text("circleColor"),
                         text("barColor"), id.toInteger(), text("barType")};
}

size_t qHash(const ColorProvider &theme, size_t seed) noexcept
{
    return qHashMulti(seed, theme.bgColor, theme.fontColor, theme.lineColor, theme.circleColor, theme.barColor,
                      theme.id, theme.barType);
}

std::optional<QList<ColorProvider>> decodeThemeList(const QByteArray &json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isArray())
        return std::nullopt;
    QList<ColorProvider> themes;
    for (const QJsonValue &item : document.array()) {
        auto theme = ColorProvider::fromJson(item.toObject());
        if (!item.isObject() || !theme)
            return std::nullopt;
        themes.append(*theme);
    }
    return themes;
}
