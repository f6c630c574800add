#include "edate.h"

#include <platform/plistcodec.h>

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>
#include <cmath>

namespace {

// Canonically equivalent texts compare equal, as the record's equality promises.
QString canonical(const QString &text)
{
    return text.normalized(QString::NormalizationForm_C);
}

bool sameText(const QString &a, const QString &b)
{
    return a == b || canonical(a) == canonical(b);
}

bool isNull(const QVariant &value)
{
    return !value.isValid() || value.typeId() == QMetaType::Nullptr;
}

std::optional<QString> requiredText(const QVariantMap &keyed, const char *key)
{
    const QVariant value = keyed.value(QLatin1String(key));
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    return value.toString();
}

// Integers arrive as qlonglong from property lists and from JSON integers; a JSON number with
// a fraction, or out of the 64-bit range, is the wrong type.
std::optional<qint64> asInteger(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Int:
        return value.toLongLong();
    case QMetaType::Double: {
        const double number = value.toDouble();
        if (std::isfinite(number) && number == std::trunc(number) && number >= -9.2233720368547758e18
            && number < 9.2233720368547758e18)
            return static_cast<qint64>(number);
        return std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

// An optional key decodes to: absent (missing or null), a value, or a type error.
template<typename T>
struct OptionalField
{
    bool ok = true;
    std::optional<T> value;
};

OptionalField<qint64> optionalInteger(const QVariantMap &keyed, const char *key)
{
    const QVariant value = keyed.value(QLatin1String(key));
    if (isNull(value))
        return {};
    const auto number = asInteger(value);
    return {number.has_value(), number};
}

OptionalField<QString> optionalText(const QVariantMap &keyed, const char *key)
{
    const QVariant value = keyed.value(QLatin1String(key));
    if (isNull(value))
        return {};
    if (value.typeId() != QMetaType::QString)
        return {false, std::nullopt};
    return {true, value.toString()};
}

OptionalField<bool> optionalFlag(const QVariantMap &keyed, const char *key)
{
    const QVariant value = keyed.value(QLatin1String(key));
    if (isNull(value))
        return {};
    if (value.typeId() != QMetaType::Bool)
        return {false, std::nullopt};
    return {true, value.toBool()};
}

} // namespace

bool EDate::repeatsYearly() const
{
    return countdown.value_or(true) && repeat == QLatin1String(kRepeatYearly);
}

bool operator==(const EDate &a, const EDate &b)
{
    return sameText(a.ddate, b.ddate) && a.colorIndex == b.colorIndex && sameText(a.bgColor, b.bgColor)
        && sameText(a.fontColor, b.fontColor) && sameText(a.lineColor, b.lineColor)
        && sameText(a.circleColor, b.circleColor) && sameText(a.dateTitle, b.dateTitle)
        && sameText(a.barType, b.barType) && sameText(a.barColor, b.barColor) && a.notification == b.notification
        && a.repeatNotification == b.repeatNotification && a.countdown == b.countdown && sameText(a.id, b.id)
        && a.repeat == b.repeat;
}

size_t qHash(const EDate &event, size_t seed) noexcept
{
    QtPrivate::QHashCombine combine;
    const auto text = [&](const QString &value) { seed = combine(seed, canonical(value)); };
    const auto optional = [&](const auto &value) {
        if (value) {
            seed = combine(seed, 1);
            seed = combine(seed, *value);
        } else {
            seed = combine(seed, 0);
        }
    };
    text(event.ddate);
    optional(event.colorIndex);
    text(event.bgColor);
    text(event.fontColor);
    text(event.lineColor);
    text(event.circleColor);
    text(event.dateTitle);
    text(event.barType);
    text(event.barColor);
    seed = combine(seed, event.notification);
    optional(event.repeatNotification);
    optional(event.countdown);
    text(event.id);
    // Only when present: an event that does not repeat hashes as it always did.
    if (event.repeat)
        text(*event.repeat);
    return seed;
}

QVariantMap EDate::toKeyed() const
{
    QVariantMap keyed{
        {QStringLiteral("ddate"), ddate},
        {QStringLiteral("bgColor"), bgColor},
        {QStringLiteral("fontColor"), fontColor},
        {QStringLiteral("lineColor"), lineColor},
        {QStringLiteral("circleColor"), circleColor},
        {QStringLiteral("dateTitle"), dateTitle},
        {QStringLiteral("barType"), barType},
        {QStringLiteral("barColor"), barColor},
        {QStringLiteral("notification"), notification},
        {QStringLiteral("id"), id},
    };
    if (colorIndex)
        keyed.insert(QStringLiteral("colorIndex"), QVariant::fromValue<qlonglong>(*colorIndex));
    if (repeatNotification)
        keyed.insert(QStringLiteral("repeatNotification"), QVariant::fromValue<qlonglong>(*repeatNotification));
    if (countdown)
        keyed.insert(QStringLiteral("countdown"), *countdown);
    if (repeat)
        keyed.insert(QStringLiteral("repeat"), *repeat);
    return keyed;
}

std::optional<EDate> EDate::fromKeyed(const QVariantMap &keyed)
{
    const auto ddate = requiredText(keyed, "ddate");
    const auto bgColor = requiredText(keyed, "bgColor");
    const auto fontColor = requiredText(keyed, "fontColor");
    const auto lineColor = requiredText(keyed, "lineColor");
    const auto circleColor = requiredText(keyed, "circleColor");
    const auto dateTitle = requiredText(keyed, "dateTitle");
    const auto barType = requiredText(keyed, "barType");
    const auto barColor = requiredText(keyed, "barColor");
    const auto id = requiredText(keyed, "id");
    const QVariant notification = keyed.value(QStringLiteral("notification"));
    const auto colorIndex = optionalInteger(keyed, "colorIndex");
    const auto repeatNotification = optionalInteger(keyed, "repeatNotification");
    const auto countdown = optionalFlag(keyed, "countdown");
    const auto repeat = optionalText(keyed, "repeat");

    if (!ddate || !bgColor || !fontColor || !lineColor || !circleColor || !dateTitle || !barType || !barColor
        || !id || notification.typeId() != QMetaType::Bool || !colorIndex.ok || !repeatNotification.ok
        || !countdown.ok || !repeat.ok)
        return std::nullopt;

    return EDate{*ddate,       colorIndex.value, *bgColor,    *fontColor,
                 *lineColor,   *circleColor,     *dateTitle,  *barType,
                 *barColor,    notification.toBool(), repeatNotification.value, countdown.value,
                 *id,          repeat.value};
}

QJsonObject EDate::toJson() const
{
    return QJsonObject::fromVariantMap(toKeyed());
}

std::optional<EDate> EDate::fromJson(const QJsonObject &object)
{
    return fromKeyed(object.toVariantMap());
}

QByteArray encodeEventList(const QList<EDate> &events)
{
    QVariantList list;
    list.reserve(events.size());
    for (const EDate &event : events)
        list.append(event.toKeyed());
    return PlistCodec::toBinary(list);
}

namespace {

std::optional<QList<EDate>> decodeKeyedList(const QVariant &root)
{
    if (root.typeId() != QMetaType::QVariantList)
        return std::nullopt;
    QList<EDate> events;
    const QVariantList list = root.toList();
    events.reserve(list.size());
    for (const QVariant &item : list) {
        if (item.typeId() != QMetaType::QVariantMap)
            return std::nullopt;
        auto event = EDate::fromKeyed(item.toMap());
        if (!event)
            return std::nullopt;
        events.append(std::move(*event));
    }
    return events;
}

} // namespace

std::optional<QList<EDate>> decodeEventList(const QByteArray &binaryPlist)
{
    const auto root = PlistCodec::fromBinary(binaryPlist);
    if (!root)
        return std::nullopt;
    return decodeKeyedList(*root);
}

std::optional<QList<EDate>> decodeEventListJson(const QByteArray &json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isArray())
        return std::nullopt;
    return decodeKeyedList(document.array().toVariantList());
}
