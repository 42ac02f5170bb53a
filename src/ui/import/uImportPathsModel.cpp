#include "ui/import/uImportPathsModel.h"

#include <QDir>
#include <algorithm>

namespace {

// One directory may be written "/a/b", "/a/b/" or "/a/./b"; searching it twice finds nothing
// new and only slows every import down.
bool SameDirectory(const QString& one, const QString& other) {
    return QDir::cleanPath(QDir::fromNativeSeparators(one)) ==
           QDir::cleanPath(QDir::fromNativeSeparators(other));
}

} // namespace

TImportPathsModel::TImportPathsModel(QStringList& paths, QObject* parent)
    : QAbstractListModel(parent), FPaths(paths) {}

bool TImportPathsModel::Add(const QString& path) {
    if (RowOf(path) >= 0)
        return false;
    const int row = static_cast<int>(FPaths.size());
    beginInsertRows(QModelIndex(), row, row);
    FPaths.append(path);
    endInsertRows();
    return true;
}

int TImportPathsModel::RowOf(const QString& path) const {
    const auto found = std::find_if(FPaths.cbegin(), FPaths.cend(), [&path](const QString& known) {
        return SameDirectory(known, path);
    });
    return found == FPaths.cend() ? -1 : static_cast<int>(found - FPaths.cbegin());
}

void TImportPathsModel::Remove(QList<int> rows) {
    // From the bottom up, so the rows still to go keep their numbers.
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (const int row : rows) {
        if (row < 0 || row >= FPaths.size())
            continue;
        beginRemoveRows(QModelIndex(), row, row);
        FPaths.removeAt(row);
        endRemoveRows();
    }
}

int TImportPathsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(FPaths.size());
}

QVariant TImportPathsModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    // The whole path on hover too, for a directory deeper than the list is wide.
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return FPaths.at(index.row());
    return {};
}
