#pragma once

#include "eventrow.h"

#include <store/userdata.h>

#include <QAbstractListModel>
#include <QPointer>
#include <QtQml/qqml.h>

// The store's events for the screens, one EventRow per event in display order, under the one
// role "event". It follows every change of the store, whoever made it: rows of events that
// stay keep their delegates, moved events move their rows, new and deleted ones are inserted
// and removed. The pager and the summary list share one.
class EventListModel : public QAbstractListModel
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(UserData *store READ store WRITE setStore NOTIFY storeChanged)
    Q_PROPERTY(int count READ count NOTIFY countChanged)
    // Grows whenever rows come, go or move, for bindings that look rows up with at().
    Q_PROPERTY(int revision READ revision NOTIFY revisionChanged)

public:
    enum Role { EventRole = Qt::UserRole + 1 };

    explicit EventListModel(QObject *parent = nullptr);
    ~EventListModel() override;

    UserData *store() const { return m_store; }
    void setStore(UserData *store);
    int count() const { return int(m_rows.size()); }
    int revision() const { return m_revision; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    // The row at `index`; null outside the list.
    Q_INVOKABLE EventRow *at(int index) const;
    // The row of the event with this id; null when there is none.
    Q_INVOKABLE EventRow *find(const QString &eventId) const;
    // Moves a row ahead of the store, as a list being reordered by hand shows it; the store's
    // next change (the reorder itself, saved) brings the rows and the store together again.
    Q_INVOKABLE void moveRow(int from, int to);

Q_SIGNALS:
    void storeChanged();
    void countChanged();
    void revisionChanged();

private:
    void sync();
    // Gives every row its place; whether any place changed.
    bool renumber();
    void bumpRevision();

    QPointer<UserData> m_store;
    QList<EventRow *> m_rows;
    // Rows whose events left the list; a sheet may still be closing over one.
    QList<EventRow *> m_gone;
    int m_revision = 0;
};
