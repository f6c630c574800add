#pragma once

#include <model/colorprovider.h>

#include <QAbstractListModel>
#include <QList>
#include <QtQml/qqml.h>

// The colour themes an event can take, in the order the theme picker shows them, each with
// the thumbnail that stands for it: a picture for the themes whose bar is a picture, the
// theme's colours otherwise.
class ThemeListModel : public QAbstractListModel
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(int count READ count CONSTANT)

public:
    enum Role {
        ThemeIdRole = Qt::UserRole + 1,
        BgColorRole,
        FontColorRole,
        LineColorRole,
        CircleColorRole,
        BarColorRole,
        BarTypeRole,
        IsPictureRole,
        ImageNameRole,
        NameRole,
    };

    explicit ThemeListModel(QObject *parent = nullptr);

    int count() const { return int(m_themes.size()); }
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    // Whether a theme's bar kind is one drawn as a picture (and so has a picture thumbnail).
    static bool isPicture(const QString &barType);
    // The thumbnail image of a picture kind ("Love" → "Love_thumb"); empty for other kinds.
    static QString imageName(const QString &barType);

    // What a person calls the theme ("Birthday", "Mint"), in their language.
    static QString themeName(qint64 themeId);

    // The row of the theme with this id; -1 when no theme has it.
    Q_INVOKABLE int indexOf(qint64 themeId) const;
    // One theme as a plain object with the role names as keys; empty for an unknown id.
    Q_INVOKABLE QVariantMap get(qint64 themeId) const;

private:
    QList<ColorProvider> m_themes;
};
