// The whole settings file, as the store meets it at start: whatever the bytes, nothing is
// lost. A file that is not a dictionary is kept aside byte for byte; an event list that does
// not decode is kept aside and the defaults are shown; every other key survives the save; and
// afterwards the file, the store and the contents file agree.
#include "fuzzsupport.h"

#include <model/resources.h>
#include <model/widgetcontent.h>
#include <platform/plistcodec.h>
#include <platform/settingsstore.h>
#include <store/userdata.h>

#include <QDir>
#include <QFileInfo>

namespace {

// The files beside the settings file whose names are its own followed by `suffix`.
QStringList filesBeside(const QString &path, const QString &suffix)
{
    const QFileInfo info(path);
    return QDir(info.absolutePath()).entryList({info.fileName() + suffix + QLatin1Char('*')}, QDir::Files);
}

// libplist 2.2 reads dates only to whole seconds within about 68 years of 2001 (and those
// before 2001 with a fraction a second off). Tallowick keeps no dates in its settings, so a
// date is compared only as being a date.
QVariant withoutDates(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::QDateTime:
        return QStringLiteral("(a date)");
    case QMetaType::QVariantMap: {
        QVariantMap map = value.toMap();
        for (auto it = map.begin(); it != map.end(); ++it)
            it.value() = withoutDates(it.value());
        return map;
    }
    case QMetaType::QVariantList: {
        QVariantList list = value.toList();
        for (QVariant &item : list)
            item = withoutDates(item);
        return list;
    }
    default:
        return value;
    }
}

// Values compared by their property-list form: the codec's own equality, NaN included.
bool sameValues(const QVariantMap &a, const QVariantMap &b)
{
    return PlistCodec::toBinary(withoutDates(a)) == PlistCodec::toBinary(withoutDates(b));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = fuzz::bytes(data, size);
    fuzz::clearHome();
    const SettingsStore settings;
    fuzz::writeFile(settings.path(), input);

    const auto root = PlistCodec::fromBinary(input);
    const bool isDictionary = root && root->typeId() == QMetaType::QVariantMap;
    // Readers leave the file as it is, whatever it holds.
    const SettingsStore::Contents seen = settings.read();
    FUZZ_REQUIRE(fuzz::readFile(settings.path()) == input, QStringLiteral("reading changed the file"));
    FUZZ_REQUIRE(seen.unreadable == !isDictionary, QStringLiteral("read() misjudged the file"));
    const QVariantMap values = settings.load().value_or(QVariantMap());
    if (isDictionary) {
        FUZZ_REQUIRE(sameValues(values, root->toMap()), QStringLiteral("the store read other values than the file holds"));
        // Whatever a file held, a save writes it back so that it reads the same.
        if (!values.isEmpty()) {
            const SettingsStore copy(settings.path() + QStringLiteral(".copy"));
            FUZZ_REQUIRE(copy.save(values), QStringLiteral("values read from a file cannot be saved"));
            FUZZ_REQUIRE(sameValues(copy.load().value_or(QVariantMap()), values), QStringLiteral("saved values read back different"));
        }
    } else {
        FUZZ_REQUIRE(values.isEmpty(), QStringLiteral("an unreadable file gave values"));
        const QStringList kept = filesBeside(settings.path(), QStringLiteral(".unreadable-"));
        FUZZ_REQUIRE(kept.size() == 1, QStringLiteral("an unreadable file was not kept aside (%1 kept)").arg(kept.size()));
        FUZZ_REQUIRE(fuzz::readFile(QFileInfo(settings.path()).absolutePath() + QLatin1Char('/') + kept.first()) == input,
                     QStringLiteral("the kept file differs from what was there"));
        // Written back so the store below starts from this file as it was.
        fuzz::writeFile(settings.path(), input);
    }

    UserData store(EventRepository(settings, NotificationCenter()));

    const QVariant stored = values.value(UserData::kEventsKey);
    const auto decoded = stored.typeId() == QMetaType::QByteArray ? decodeEventList(stored.toByteArray())
                                                                  : std::nullopt;
    if (decoded) {
        FUZZ_REQUIRE(store.magicDates() == *decoded, QStringLiteral("the store shows another list than the file holds"));
    } else {
        FUZZ_REQUIRE(store.magicDates() == defaultEvents(), QStringLiteral("an unreadable list did not give the defaults"));
        if (stored.isValid()) {
            const QStringList kept = filesBeside(settings.path(), QStringLiteral(".magicDates-unreadable-"));
            FUZZ_REQUIRE(!kept.isEmpty(), QStringLiteral("an unreadable event list was not kept aside"));
        }
    }

    // The file now holds the list the store shows, beside every other value it held.
    const QVariantMap after = settings.load().value_or(QVariantMap());
    const auto saved = decodeEventList(after.value(UserData::kEventsKey).toByteArray());
    FUZZ_REQUIRE(saved && *saved == store.magicDates(), QStringLiteral("the saved list differs from the store's"));
    QVariantMap othersBefore = values;
    othersBefore.remove(UserData::kEventsKey);
    QVariantMap othersAfter = after;
    othersAfter.remove(UserData::kEventsKey);
    FUZZ_REQUIRE(sameValues(othersBefore, othersAfter), QStringLiteral("other settings were lost or changed"));

    // A second store on the same file (the next start) sees the same list.
    UserData next(EventRepository(settings, NotificationCenter()));
    FUZZ_REQUIRE(next.magicDates() == store.magicDates(), QStringLiteral("the next start shows another list"));

    const auto published = decodeWidgetContents(fuzz::readFile(widgetContentsPath()));
    FUZZ_REQUIRE(published && published->size() == store.count(), QStringLiteral("the contents file does not match"));
    return 0;
}
