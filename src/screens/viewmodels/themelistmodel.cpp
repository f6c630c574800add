#include "themelistmodel.h"

#include <model/bartype.h>
#include <model/resources.h>

ThemeListModel::ThemeListModel(QObject *parent)
    : QAbstractListModel(parent)
    , m_themes(colorSets())
{
}

int ThemeListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_themes.size());
}

bool ThemeListModel::isPicture(const QString &barType)
{
    const std::optional<BarType> kind = barTypeFromName(barType);
    return kind && !isPlainBar(*kind);
}

QString ThemeListModel::imageName(const QString &barType)
{
    return isPicture(barType) ? barType + QStringLiteral("_thumb") : QString();
}

QVariant ThemeListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_themes.size())
        return {};
    const ColorProvider &theme = m_themes.at(index.row());
    switch (role) {
    case ThemeIdRole:
        return theme.id;
    case BgColorRole:
        return theme.bgColor;
    case FontColorRole:
        return theme.fontColor;
    case LineColorRole:
        return theme.lineColor;
    case CircleColorRole:
        return theme.circleColor;
    case BarColorRole:
        return theme.barColor;
    case BarTypeRole:
        return theme.barType;
    case IsPictureRole:
        return isPicture(theme.barType);
    case ImageNameRole:
        return imageName(theme.barType);
    case NameRole:
        return themeName(theme.id);
    default:
        return {};
    }
}

QHash<int, QByteArray> ThemeListModel::roleNames() const
{
    return {
        {ThemeIdRole, "themeId"},
        {BgColorRole, "bgColor"},
        {FontColorRole, "fontColor"},
        {LineColorRole, "lineColor"},
        {CircleColorRole, "circleColor"},
        {BarColorRole, "barColor"},
        {BarTypeRole, "barType"},
        {IsPictureRole, "isPicture"},
        {ImageNameRole, "imageName"},
        {NameRole, "name"},
    };
}

QString ThemeListModel::themeName(qint64 themeId)
{
    // By what each looks like: its colours, or the picture on its bar.
    switch (themeId) {
    case 1:
        //% "Peach"
        return qtTrId("theme.1");
    case 2:
        //% "Sky"
        return qtTrId("theme.2");
    case 3:
        //% "Night"
        return qtTrId("theme.3");
    case 4:
        //% "Mint"
        return qtTrId("theme.4");
    case 5:
        //% "Lavender"
        return qtTrId("theme.5");
    case 1001:
        //% "Birthday"
        return qtTrId("theme.1001");
    case 1002:
        //% "Home"
        return qtTrId("theme.1002");
    case 1003:
        //% "Love"
        return qtTrId("theme.1003");
    case 1004:
        //% "Vacation"
        return qtTrId("theme.1004");
    case 1005:
        //% "Celebration"
        return qtTrId("theme.1005");
    case 1006:
        //% "Quitting smoking"
        return qtTrId("theme.1006");
    case 1007:
        //% "Get well"
        return qtTrId("theme.1007");
    case 1008:
        //% "Exam"
        return qtTrId("theme.1008");
    case 1009:
        //% "Moving house"
        return qtTrId("theme.1009");
    default:
        //% "Theme %1"
        return qtTrId("theme.other").arg(themeId);
    }
}

int ThemeListModel::indexOf(qint64 themeId) const
{
    for (int row = 0; row < m_themes.size(); ++row) {
        if (m_themes.at(row).id == themeId)
            return row;
    }
    return -1;
}

QVariantMap ThemeListModel::get(qint64 themeId) const
{
    const int row = indexOf(themeId);
    if (row < 0)
        return {};
    QVariantMap map;
    const QHash<int, QByteArray> roles = roleNames();
    for (auto it = roles.cbegin(); it != roles.cend(); ++it)
        map.insert(QString::fromLatin1(it.value()), data(index(row), it.key()));
    return map;
}
