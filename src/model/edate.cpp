#include "edate.h"
#include "eventfields.h"

#include <platform/plistcodec.h>

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>

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

// Per type of field: how two values compare and hash.
bool same(const QString &a, const QString &b)
{
    return sameText(a, b);
}

bool same(const std::optional<QString> &a, const std::optional<QString> &b)
{
    return a.has_value() == b.has_value() && (!a || sameText(*a, *b));
}

template<typename T>
bool same(const T &a, const T &b)
{
    return a == b;
}

void hashInto(size_t &seed, const QString &value)
{
    seed = QtPrivate::QHashCombine()(seed, canonical(value));
}

template<typename T>
void hashInto(size_t &seed, const T &value)
{
    seed = QtPrivate::QHashCombine()(seed, value);
}

template<typename T>
void hashInto(size_t &seed, const std::optional<T> &value)
{
    hashInto(seed, value.has_value());
    if (value)
        hashInto(seed, *value);
}

} // namespace

bool EDate::repeatsYearly() const
{
    return countsDown() && repeat == QLatin1String(kRepeatYearly);
}

CountUnit EDate::unit() const
{
    return CountUnits::fromStored(countUnit);
}

bool operator==(const EDate &a, const EDate &b)
{
    bool equal = true;
    EventFields::forEach([&](const char *, auto member) { equal = equal && same(a.*member, b.*member); });
    return equal;
}

size_t qHash(const EDate &event, size_t seed) noexcept
{
    EventFields::forEach([&](const char *, auto member) { hashInto(seed, event.*member); });
    return seed;
}

QVariantMap EDate::toKeyed() const
{
    return KeyedFields::toKeyed(*this, EventFields::kAll);
}

std::optional<EDate> EDate::fromKeyed(const QVariantMap &keyed)
{
    EDate event;
    if (!KeyedFields::fromKeyed(keyed, EventFields::kAll, event))
        return std::nullopt;
    return event;
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
