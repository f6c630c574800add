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
    };
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
