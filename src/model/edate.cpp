#include "edate.h"
#include "eventfields.h"

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

// Per type of field: how two values compare, hash, go into the keyed form and come out of it.
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

QVariant keyedValue(const QString &value)
{
    return value;
}

QVariant keyedValue(bool value)
{
    return value;
}

QVariant keyedValue(qint64 value)
{
    return QVariant::fromValue<qlonglong>(value);
}

bool decode(const QVariant &value, QString &out)
{
    if (value.typeId() != QMetaType::QString)
        return false;
    out = value.toString();
    return true;
}

bool decode(const QVariant &value, bool &out)
{
    if (value.typeId() != QMetaType::Bool)
        return false;
    out = value.toBool();
    return true;
}

bool decode(const QVariant &value, qint64 &out)
{
    const auto number = asInteger(value);
    if (number)
        out = *number;
    return number.has_value();
}

// An optional key decodes to absent when it is missing or null; otherwise as its type.
template<typename T>
bool decode(const QVariant &value, std::optional<T> &out)
{
    if (!value.isValid() || value.typeId() == QMetaType::Nullptr) {
        out.reset();
        return true;
    }
    T decoded{};
    if (!decode(value, decoded))
        return false;
    out = std::move(decoded);
    return true;
}

template<typename T>
constexpr bool kIsOptional = false;
template<typename T>
constexpr bool kIsOptional<std::optional<T>> = true;

} // namespace

bool EDate::repeatsYearly() const
{
    return countsDown() && repeat == QLatin1String(kRepeatYearly);
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
    QVariantMap keyed;
    EventFields::forEach([&](const char *key, auto member) {
        const auto &value = this->*member;
        if constexpr (kIsOptional<std::decay_t<decltype(value)>>) {
            if (value)
                keyed.insert(QLatin1String(key), keyedValue(*value));
        } else {
            keyed.insert(QLatin1String(key), keyedValue(value));
        }
    });
    return keyed;
}

std::optional<EDate> EDate::fromKeyed(const QVariantMap &keyed)
{
    EDate event;
    bool ok = true;
    EventFields::forEach([&](const char *key, auto member) {
        ok = ok && decode(keyed.value(QLatin1String(key)), event.*member);
    });
    if (!ok)
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
