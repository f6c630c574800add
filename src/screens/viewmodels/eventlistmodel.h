#pragma once

#include <store/userdata.h>

#include <QAbstractListModel>
#include <QPointer>
#include <QtQml/qqml.h>

// The store's events as a list for the screens, one row per event in display order. It
// follows every change of the store.
class EventListModel : public QAbstractListModel
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(UserData *store READ store WRITE setStore NOTIFY storeChanged)
    Q_PROPERTY(int count READ count NOTIFY countChanged)
    // Grows with every change of the list, for bindings that read rows through get().
    Q_PROPERTY(int revision READ revision NOTIFY revisionChanged)

public:
    enum Role {
        DdateRole = Qt::UserRole + 1,
        ColorIndexRole,
        BgColorRole,
        FontColorRole,
        LineColorRole,
        CircleColorRole,
        DateTitleRole,
        BarTypeRole,
        BarColorRole,
        NotificationRole,
        RepeatNotificationRole,
        CountdownRole,
        EventIdRole,
    };

    explicit EventListModel(QObject *parent = nullptr);

    UserData *store() const { return m_store; }
    void setStore(UserData *store);
    int count() const { return rowCount(); }
    int revision() const { return m_revision; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    // One event as a plain object with its stored keys (absent optional keys are undefined);
    // an empty object for an index outside the list.
    Q_INVOKABLE QVariantMap get(int index) const;

Q_SIGNALS:
    void storeChanged();
    void countChanged();
    void revisionChanged();

private:
    void reload();

    QPointer<UserData> m_store;
    QList<EDate> m_events;
    int m_revision = 0;
};
