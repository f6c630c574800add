#pragma once

#include <QByteArray>
#include <QVariant>
#include <optional>

// Binary property lists as Qt values, through libplist.
//
// Mapping: dictionary <-> QVariantMap, array <-> QVariantList, string <-> QString,
// boolean <-> bool, integer <-> qlonglong (64-bit signed), real <-> double,
// data <-> QByteArray, date <-> QDateTime (UTC).
namespace PlistCodec {

// Returns an empty array when the value holds a type that has no property-list form.
QByteArray toBinary(const QVariant &value);

// Reads a binary (or XML) property list. Returns nothing when the bytes are not one.
std::optional<QVariant> fromBinary(const QByteArray &bytes);

} // namespace PlistCodec
