#include "storefiles.h"

#include <platform/plistcodec.h>
#include <platform/settingsstore.h>
#include <support/testenvironment.h>
#include <support/testevents.h>

#include <QDirIterator>
#include <QUuid>
#include <gtest/gtest.h>

QList<EDate> eventsTitled(const QStringList &titles, const QString &date)
{
    QList<EDate> events;
    for (const QString &title : titles) {
        events.append(TestEvent::numbered(0).titled(title).on(date).theme(1003).withId(
            QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper()));
    }
    return events;
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
