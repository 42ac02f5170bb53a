#pragma once

#include <QAbstractListModel>

class TBroadcast;
class TBroadcastList;

// The broadcasts' names in the order of the broadcast list.
class TBroadcastListModel final : public QAbstractListModel {
    Q_OBJECT
public:
    explicit TBroadcastListModel(TBroadcastList& list, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // The list gained, lost or renamed broadcasts.
    void Reload();

private:
    TBroadcastList& FList;
};
