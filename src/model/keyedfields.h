#pragma once

#include <QString>
#include <QVariant>
#include <QVariantMap>

#include <array>
#include <cmath>
#include <optional>
#include <variant>

// A record's fields named once: each key of its keyed form (property lists and JSON) beside
// the member that holds it. The member's type says the rest: a text, a flag or a number must
// be there; an optional one may be absent (or null), and is then left out of the keyed form.
// The keyed form of a record, and reading it back with every type checked, are made from its
// table, so a record's new field is one line in that table.
namespace KeyedFields {

template<typename Record>
using Member = std::variant<QString Record::*, bool Record::*, std::optional<qint64> Record::*,
                            std::optional<bool> Record::*, std::optional<QString> Record::*>;

template<typename Record>
struct Field
{
    const char *key;
    Member<Record> member;
};

template<typename Record, std::size_t N>
using Table = std::array<Field<Record>, N>;

// Calls `visit(key, member)` for each field, with the member as its own pointer type.
template<typename Record, std::size_t N, typename Visit>
void forEach(const Table<Record, N> &fields, Visit &&visit)
{
    for (const Field<Record> &field : fields)
        std::visit([&](auto member) { visit(field.key, member); }, field.member);
}

namespace detail {

template<typename T>
constexpr bool kIsOptional = false;
template<typename T>
constexpr bool kIsOptional<std::optional<T>> = true;

inline QVariant keyedValue(const QString &value) { return value; }
inline QVariant keyedValue(bool value) { return value; }
inline QVariant keyedValue(qint64 value) { return QVariant::fromValue<qlonglong>(value); }

// Integers arrive as qlonglong from property lists and from JSON integers; a JSON number with
// a fraction, or out of the 64-bit range, is the wrong type.
inline std::optional<qint64> asInteger(const QVariant &value)
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

inline bool decode(const QVariant &value, QString &out)
{
    if (value.typeId() != QMetaType::QString)
        return false;
    out = value.toString();
    return true;
}

inline bool decode(const QVariant &value, bool &out)
{
    if (value.typeId() != QMetaType::Bool)
        return false;
    out = value.toBool();
    return true;
}

inline bool decode(const QVariant &value, qint64 &out)
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

} // namespace detail

// The record's keyed form: every field under its key, absent optional fields left out.
template<typename Record, std::size_t N>
QVariantMap toKeyed(const Record &record, const Table<Record, N> &fields)
{
    QVariantMap keyed;
    forEach(fields, [&](const char *key, auto member) {
        const auto &value = record.*member;
        if constexpr (detail::kIsOptional<std::decay_t<decltype(value)>>) {
            if (value)
                keyed.insert(QLatin1String(key), detail::keyedValue(*value));
        } else {
            keyed.insert(QLatin1String(key), detail::keyedValue(value));
        }
    });
    return keyed;
}

// Reads the table's fields of `keyed` into `record`. False when a required key is missing or
// any key has the wrong type; keys the table does not name are ignored.
template<typename Record, std::size_t N>
bool fromKeyed(const QVariantMap &keyed, const Table<Record, N> &fields, Record &record)
{
    bool ok = true;
    forEach(fields, [&](const char *key, auto member) {
        ok = ok && detail::decode(keyed.value(QLatin1String(key)), record.*member);
    });
    return ok;
}

} // namespace KeyedFields
