#include "plistcodec.h"

#include <QDateTime>
#include <QTimeZone>

#include <plist/plist.h>

#include <cstdlib>
#include <limits>
#include <memory>
#include <vector>

namespace {

struct PlistDeleter {
    void operator()(plist_t node) const { plist_free(node); }
};
using PlistPtr = std::unique_ptr<void, PlistDeleter>;

// Property-list dates count seconds from 2001-01-01 00:00:00 UTC.
const qint64 kReferenceEpochMs = QDateTime(QDate(2001, 1, 1), QTime(0, 0), QTimeZone::utc()).toMSecsSinceEpoch();

plist_t toNode(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::QVariantMap: {
        plist_t dict = plist_new_dict();
        const QVariantMap map = value.toMap();
        for (auto it = map.cbegin(); it != map.cend(); ++it) {
            plist_t child = toNode(it.value());
            if (!child) {
                plist_free(dict);
                return nullptr;
            }
            plist_dict_set_item(dict, it.key().toUtf8().constData(), child);
        }
        return dict;
    }
    case QMetaType::QVariantList:
    case QMetaType::QStringList: {
        plist_t array = plist_new_array();
        for (const QVariant &item : value.toList()) {
            plist_t child = toNode(item);
            if (!child) {
                plist_free(array);
                return nullptr;
            }
            plist_array_append_item(array, child);
        }
        return array;
    }
    case QMetaType::QString:
        return plist_new_string(value.toString().toUtf8().constData());
    case QMetaType::Bool:
        return plist_new_bool(value.toBool() ? 1 : 0);
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
        // libplist 2.2 keeps integers unsigned; the bit pattern of a signed value survives a
        // round trip through it unchanged.
        return plist_new_uint(static_cast<uint64_t>(value.toLongLong()));
    case QMetaType::Double:
        return plist_new_real(value.toDouble());
    case QMetaType::QByteArray: {
        const QByteArray bytes = value.toByteArray();
        return plist_new_data(bytes.constData(), static_cast<uint64_t>(bytes.size()));
    }
    case QMetaType::QDateTime: {
        const qint64 ms = value.toDateTime().toMSecsSinceEpoch() - kReferenceEpochMs;
        const qint64 sec = ms >= 0 ? ms / 1000 : -((-ms + 999) / 1000);
        return plist_new_date(static_cast<int32_t>(sec), static_cast<int32_t>((ms - sec * 1000) * 1000));
    }
    default:
        return nullptr;
    }
}

std::optional<QVariant> fromNode(plist_t node, int depth)
{
    // Deeply nested input is not a settings file of ours; refuse it rather than recurse on.
    if (!node || depth > 64)
        return std::nullopt;
    switch (plist_get_node_type(node)) {
    case PLIST_DICT: {
        QVariantMap map;
        plist_dict_iter iter = nullptr;
        plist_dict_new_iter(node, &iter);
        for (;;) {
            char *key = nullptr;
            plist_t child = nullptr;
            plist_dict_next_item(node, iter, &key, &child);
            if (!key)
                break;
            const QString name = QString::fromUtf8(key);
            std::free(key);
            auto converted = fromNode(child, depth + 1);
            if (!converted) {
                std::free(iter);
                return std::nullopt;
            }
            map.insert(name, *converted);
        }
        std::free(iter);
        return QVariant(map);
    }
    case PLIST_ARRAY: {
        QVariantList list;
        const uint32_t count = plist_array_get_size(node);
        list.reserve(static_cast<qsizetype>(count));
        for (uint32_t i = 0; i < count; ++i) {
            auto converted = fromNode(plist_array_get_item(node, i), depth + 1);
            if (!converted)
                return std::nullopt;
            list.append(*converted);
        }
        return QVariant(list);
    }
    case PLIST_STRING: {
        char *text = nullptr;
        plist_get_string_val(node, &text);
        QVariant result(QString::fromUtf8(text ? text : ""));
        std::free(text);
        return result;
    }
    case PLIST_BOOLEAN: {
        uint8_t flag = 0;
        plist_get_bool_val(node, &flag);
        return QVariant(flag != 0);
    }
    case PLIST_UINT: {
        uint64_t number = 0;
        plist_get_uint_val(node, &number);
        return QVariant(static_cast<qlonglong>(number));
    }
    case PLIST_REAL: {
        double number = 0;
        plist_get_real_val(node, &number);
        return QVariant(number);
    }
    case PLIST_DATA: {
        char *bytes = nullptr;
        uint64_t length = 0;
        plist_get_data_val(node, &bytes, &length);
        QVariant result(QByteArray(bytes, static_cast<qsizetype>(length)));
        std::free(bytes);
        return result;
    }
    case PLIST_DATE: {
        int32_t sec = 0;
        int32_t usec = 0;
        plist_get_date_val(node, &sec, &usec);
        const qint64 ms = kReferenceEpochMs + qint64(sec) * 1000 + usec / 1000;
        return QVariant(QDateTime::fromMSecsSinceEpoch(ms, QTimeZone::utc()));
    }
    default:
        return std::nullopt;
    }
}

// Big-endian unsigned integer of `width` bytes at `at`; nothing when it does not fit in `bytes`.
std::optional<quint64> readBigEndian(const QByteArray &bytes, quint64 at, quint64 width)
{
    if (width == 0 || width > 8 || at > quint64(bytes.size()) || width > quint64(bytes.size()) - at)
        return std::nullopt;
    quint64 value = 0;
    for (quint64 i = 0; i < width; ++i)
        value = (value << 8) | static_cast<uchar>(bytes.at(qsizetype(at + i)));
    return value;
}

// libplist 2.2 aborts the process (a failed assertion) when it is asked for a text that holds
// U+0000: one read from a UTF-16 string of a binary list, as a value or as a dictionary key,
// or one with a NUL byte written into XML. Neither is a file we wrote (our texts never hold
// U+0000, and XML cannot), so such input is refused as unreadable before libplist sees it.
// In binary lists only what can be located is checked; anything malformed is left to libplist
// to refuse.
bool holdsTextLibplistCannotRead(const QByteArray &bytes)
{
    // The test libplist itself uses to tell binary from XML.
    if (!bytes.startsWith("bplist00"))
        return bytes.contains('\0');
    constexpr quint64 kTrailer = 32;
    const quint64 size = quint64(bytes.size());
    if (size < 8 + kTrailer)
        return false;
    const quint64 trailer = size - kTrailer;
    const auto offsetSize = readBigEndian(bytes, trailer + 6, 1);
    const auto objectCount = readBigEndian(bytes, trailer + 8, 8);
    const auto tableStart = readBigEndian(bytes, trailer + 24, 8);
    if (!offsetSize || !objectCount || !tableStart || *offsetSize == 0 || *offsetSize > 8 || *tableStart >= size)
        return false;

    // Where the next U+0000 unit starts, from each byte on, stepping in whole units: one pass,
    // so that strings that overlap (as a crafted file's may) cost nothing more to check.
    std::vector<quint64> nextNul;
    const auto nulWithin = [&](quint64 start, quint64 units) {
        if (nextNul.empty()) {
            nextNul.assign(size + 2, size);
            for (quint64 at = size - 1; at-- > 0;)
                nextNul[at] = bytes.at(qsizetype(at)) == 0 && bytes.at(qsizetype(at + 1)) == 0 ? at : nextNul[at + 2];
        }
        return start < size && nextNul[start] < size && (nextNul[start] - start) / 2 < units;
    };

    const quint64 tableEntries = (size - *tableStart) / *offsetSize;
    for (quint64 i = 0; i < *objectCount && i < tableEntries; ++i) {
        const auto offset = readBigEndian(bytes, *tableStart + i * *offsetSize, *offsetSize);
        const auto marker = offset ? readBigEndian(bytes, *offset, 1) : std::nullopt;
        if (!marker || (*marker & 0xF0) != 0x60)
            continue;
        quint64 units = *marker & 0x0F;
        quint64 start = *offset + 1;
        if (units == 0x0F) {
            // The length follows as an integer object: 0x1N, then 2^N bytes.
            const auto lengthMarker = readBigEndian(bytes, start, 1);
            if (!lengthMarker || (*lengthMarker & 0xF0) != 0x10 || (*lengthMarker & 0x0F) > 3)
                continue;
            const quint64 width = quint64(1) << (*lengthMarker & 0x0F);
            const auto length = readBigEndian(bytes, start + 1, width);
            if (!length)
                continue;
            units = *length;
            start += 1 + width;
        }
        if (nulWithin(start, units))
            return true;
    }
    return false;
}

} // namespace

namespace PlistCodec {

QByteArray toBinary(const QVariant &value)
{
    PlistPtr root(toNode(value));
    if (!root)
        return {};
    char *bytes = nullptr;
    uint32_t length = 0;
    plist_to_bin(root.get(), &bytes, &length);
    QByteArray result(bytes, static_cast<qsizetype>(length));
    plist_to_bin_free(bytes);
    return result;
}

std::optional<QVariant> fromBinary(const QByteArray &bytes)
{
    if (bytes.isEmpty() || bytes.size() > std::numeric_limits<uint32_t>::max() || holdsTextLibplistCannotRead(bytes))
        return std::nullopt;
    plist_t raw = nullptr;
    plist_from_memory(bytes.constData(), static_cast<uint32_t>(bytes.size()), &raw);
    PlistPtr root(raw);
    if (!root)
        return std::nullopt;
    return fromNode(root.get(), 0);
}

} // namespace PlistCodec
