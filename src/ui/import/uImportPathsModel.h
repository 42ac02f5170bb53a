#pragma once

#include <QAbstractListModel>
#include <QList>
#include <QStringList>

// The directories searched for audio files, in search order, over the list being edited.
class TImportPathsModel final : public QAbstractListModel {
    Q_OBJECT
public:
    explicit TImportPathsModel(QStringList& paths, QObject* parent = nullptr);

    // Appends the directory; false, leaving the list as it was, when it is there already.
    bool Add(const QString& path);
    // The row of the directory, -1 when it is not in the list.
    int RowOf(const QString& path) const;
    // Removes the rows, in any order.
    void Remove(QList<int> rows);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    QStringList& FPaths;
};
