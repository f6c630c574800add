#include "instancestore.h"

#include "homelog.h"

#include <platform/jsoninteger.h>
#include <platform/sharedstatefile.h>
#include <platform/userdirs.h>

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <limits>

// The file is one JSON object:
//
//   {
//     "nextId": 4,                        // the id the next instance gets; ids are never reused
//     "widgets": [                        // in the order added
//       {
//         "id": "3",
//         "kind": "RuruExtension",
//         "family": "medium",             // small, medium, large, extraLarge
//         "configuration": {"identifier": "1", "displayString": "Trip"},   // absent: none
//         "x": 40, "y": 40
//       }
//     ]
//   }
//
// Keys not listed are ignored. Anything else that differs makes the whole file unreadable: it
// is moved aside, never overwritten.

struct InstanceStore::State
{
    qint64 nextId = 1;
    QList<WidgetInstance> widgets;
};

namespace {

const QString kWhat = QStringLiteral("Widget file");

const QString kNextId = QStringLiteral("nextId");
const QString kWidgets = QStringLiteral("widgets");
const QString kId = QStringLiteral("id");
const QString kKind = QStringLiteral("kind");
const QString kFamily = QStringLiteral("family");
const QString kConfiguration = QStringLiteral("configuration");
const QString kIdentifier = QStringLiteral("identifier");
const QString kDisplayString = QStringLiteral("displayString");
const QString kX = QStringLiteral("x");
const QString kY = QStringLiteral("y");

QJsonObject toJson(const WidgetInstance &instance)
{
    QJsonObject object{{kId, instance.id},
                       {kKind, instance.kind},
                       {kFamily, widgetFamilyName(instance.family)},
                       {kX, instance.position.x()},
                       {kY, instance.position.y()}};
    if (instance.configuration) {
        object.insert(kConfiguration, QJsonObject{{kIdentifier, instance.configuration->identifier},
                                                  {kDisplayString, instance.configuration->displayString}});
    }
    return object;
}

std::optional<WidgetInstance> fromJson(const QJsonValue &value)
{
    if (!value.isObject())
        return std::nullopt;
    const QJsonObject object = value.toObject();
    const QJsonValue id = object.value(kId);
    const QJsonValue kind = object.value(kKind);
    const auto family = widgetFamilyFromName(object.value(kFamily).toString());
    constexpr qint64 coordinateLimit = std::numeric_limits<int>::max() / 2;
    const auto x = jsonIntegerIn<qint64>(object.value(kX), -coordinateLimit, coordinateLimit);
    const auto y = jsonIntegerIn<qint64>(object.value(kY), -coordinateLimit, coordinateLimit);
    if (!id.isString() || id.toString().isEmpty() || !kind.isString() || !family || !x || !y)
        return std::nullopt;

    WidgetInstance instance{id.toString(), kind.toString(), *family, std::nullopt, QPoint(int(*x), int(*y))};
    if (object.contains(kConfiguration)) {
        const QJsonObject configuration = object.value(kConfiguration).toObject();
        const QJsonValue identifier = configuration.value(kIdentifier);
        const QJsonValue displayString = configuration.value(kDisplayString);
        if (!identifier.isString() || !displayString.isString())
            return std::nullopt;
        instance.configuration = WidgetConfigurationOption{identifier.toString(), displayString.toString()};
    }
    return instance;
}

template<typename State>
std::optional<State> decode(const QByteArray &bytes)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject root = document.object();

    State state;
    const QJsonValue widgets = root.value(kWidgets);
    if (!widgets.isUndefined() && !widgets.isArray())
        return std::nullopt;
    QSet<QString> seen;
    qint64 highestNumber = 0;
    for (const QJsonValue &item : widgets.toArray()) {
        auto instance = fromJson(item);
        if (!instance || seen.contains(instance->id))
            return std::nullopt;
        seen.insert(instance->id);
        bool numeric = false;
        const qint64 number = instance->id.toLongLong(&numeric);
        if (numeric)
            highestNumber = std::max(highestNumber, number);
        state.widgets.append(std::move(*instance));
    }
    if (root.contains(kNextId)) {
        const auto nextId = jsonIntegerIn<qint64>(root.value(kNextId), 1, qint64(1) << 52);
        if (!nextId)
            return std::nullopt;
        state.nextId = *nextId;
    }
    // A hand-edited file may name ids past its counter; a new instance must not take one.
    state.nextId = std::max(state.nextId, highestNumber + 1);
    return state;
}

} // namespace

InstanceStore::InstanceStore(QString path)
    : m_path(std::move(path))
{
}

QString InstanceStore::defaultPath()
{
    return UserDirs::configHome() + QStringLiteral("/tallowick-home/widgets.json");
}

QPoint InstanceStore::cascadePosition(qsizetype existing)
{
    const int step = 32 * int(existing % 10);
    return QPoint(40 + step, 40 + step);
}

QList<WidgetInstance> InstanceStore::instances() const
{
    const auto state = SharedStateFile::read<State>(m_path, kWhat, decode<State>);
    return state ? state->widgets : QList<WidgetInstance>();
}

std::optional<WidgetInstance> InstanceStore::add(WidgetInstance instance)
{
    const bool written = modify([&](State &state) {
        instance.id = QString::number(state.nextId++);
        state.widgets.append(instance);
        return true;
    });
    return written ? std::optional(instance) : std::nullopt;
}

bool InstanceStore::update(const WidgetInstance &instance)
{
    return modify([&](State &state) {
        for (WidgetInstance &stored : state.widgets) {
            if (stored.id == instance.id) {
                stored = instance;
                return true;
            }
        }
        return false;
    });
}

bool InstanceStore::remove(const QString &id)
{
    return modify([&](State &state) {
        return state.widgets.removeIf([&](const WidgetInstance &stored) { return stored.id == id; }) > 0;
    });
}

QByteArray InstanceStore::encode(const State &state)
{
    QJsonArray widgets;
    for (const WidgetInstance &instance : state.widgets)
        widgets.append(toJson(instance));
    const QJsonObject root{{kNextId, state.nextId}, {kWidgets, widgets}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

// Runs `change` on the stored state under the lock and writes the result when it reports a
// change; true when it did and the write succeeded.
template<typename Change>
bool InstanceStore::modify(Change change)
{
    return SharedStateFile::modify<State>(m_path, kWhat, decode<State>, encode, change);
}
