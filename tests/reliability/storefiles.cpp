#include "storefiles.h"

#include <platform/plistcodec.h>
#include <platform/settingsstore.h>
#include <support/testenvironment.h>

#include <QDirIterator>
#include <QUuid>
#include <gtest/gtest.h>

QList<EDate> eventsTitled(const QStringList &titles, const QString &date)
{
    QList<EDate> events;
    for (const QString &title : titles) {
        events.append(EDate{date, 1003, QStringLiteral("FFF4E0"), QStringLiteral("2B2D42"), QStringLiteral("FF7580"),
                            QStringLiteral("FFB4A2"), title, QStringLiteral("FlatBar"), QStringLiteral("FF7580"), false,
                            std::nullopt, true, QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper()});
    }
    return events;
}

void saveList(const QList<EDate> &events)
{
    ASSERT_TRUE(SettingsStore().setValue(QStringLiteral("magicDates"), encodeEventList(events)));
}

std::optional<QList<EDate>> savedListOnDisk()
{
    const auto root = PlistCodec::fromBinary(readFile(SettingsStore::defaultPath()));
    if (!root || root->typeId() != QMetaType::QVariantMap)
        return std::nullopt;
    const QVariant list = root->toMap().value(QStringLiteral("magicDates"));
    if (list.typeId() != QMetaType::QByteArray)
        return std::nullopt;
    return decodeEventList(list.toByteArray());
}

std::optional<QList<WidgetContent>> contentsOnDisk()
{
    return decodeWidgetContents(readFile(widgetContentsPath()));
}

QStringList filesNamedLike(const QString &root, const QString &part)
{
    QStringList found;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (it.fileName().contains(part))
            found.append(path);
    }
    return found;
}
