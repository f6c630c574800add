#include "fieldmerge.h"

#include <model/eventfields.h>

namespace {

// Texts compare as the record does: canonically equivalent Unicode is the same title.
bool same(const QString &a, const QString &b)
{
    return a == b || a.normalized(QString::NormalizationForm_C) == b.normalized(QString::NormalizationForm_C);
}

bool same(const std::optional<QString> &a, const std::optional<QString> &b)
{
    return a.has_value() == b.has_value() && (!a || same(*a, *b));
}

template<typename T>
bool same(const T &a, const T &b)
{
    return a == b;
}

template<typename T>
void mergeField(const char *key, const T &base, const T &local, const T &server, T &merged, QStringList &conflicts)
{
    if (same(local, server) || same(local, base)) {
        merged = server;
    } else if (same(server, base)) {
        merged = local;
    } else {
        merged = server;
        conflicts.append(QLatin1String(key));
    }
}

} // namespace

namespace FieldMerge {

Result merge(const SyncedEvent &base, const SyncedEvent &local, const SyncedEvent &server)
{
    Result result{server, {}};
    EventFields::forEach([&](const char *key, auto member) {
        mergeField(key, base.event.*member, local.event.*member, server.event.*member, result.merged.event.*member,
                   result.conflicts);
    });
    mergeField("sortKey", base.sortKey, local.sortKey, server.sortKey, result.merged.sortKey, result.conflicts);
    return result;
}

bool editedSince(const SyncedEvent &base, const SyncedEvent &kept)
{
    return base != kept;
}

} // namespace FieldMerge
