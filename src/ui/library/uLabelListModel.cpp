#include "ui/library/uLabelListModel.h"

#include "library/uDBSchema.h"
#include "library/uMainBaseQuery.h"
#include "library/uStoreErrors.h"

#include <exception>

namespace {

const TLabelListRow NoLabel;

QList<TLabelListRow> ReadLabels(TDBMainBase* store) {
    QList<TLabelListRow> rows;
    TMainBaseQuery query(store);
    query.SetSQL(sqlLabelList);
    const TQueryCloser closer(query);
    for (query.Open(); !query.Eof(); query.Next())
        rows.append({query.AsInteger(Col::Label_Id), query.AsString(Col::LValue)});
    return rows;
}

} // namespace

TLabelListModel::TLabelListModel(TDBMainBase* store, QObject* parent)
    : QAbstractTableModel(parent), FStore(store) {}

bool TLabelListModel::Run() {
    beginResetModel();
    bool read = true;
    try {
        FRows = ReadLabels(FStore);
    } catch (const std::exception& e) {
        FRows.clear();
        read = false;
        ShowStoreReadError(e);
    }
    endResetModel();
    return read;
}

const TLabelListRow& TLabelListModel::RowAt(int row) const {
    return row >= 0 && row < FRows.size() ? FRows[row] : NoLabel;
}

int TLabelListModel::RowOfLabel(int labelId) const {
    for (int row = 0; row < FRows.size(); ++row)
        if (FRows[row].Id == labelId)
            return row;
    return -1;
}

int TLabelListModel::RowOfValue(const QString& value) const {
    for (int row = 0; row < FRows.size(); ++row)
        if (FRows[row].Value.compare(value, Qt::CaseInsensitive) == 0)
            return row;
    return -1;
}

int TLabelListModel::RowStartingWith(const QString& text) const {
    if (text.isEmpty())
        return -1;
    // The values are in alphabetical order, letter case ignored, so the first match in the
    // list is the first by value too.
    for (int row = 0; row < FRows.size(); ++row)
        if (FRows[row].Value.startsWith(text, Qt::CaseInsensitive))
            return row;
    return -1;
}

int TLabelListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Count();
}

int TLabelListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 1;
}

QVariant TLabelListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.parent().isValid() || index.column() != 0 ||
        index.row() >= FRows.size())
        return {};
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return FRows[index.row()].Value;
    if (role == Qt::UserRole)
        return FRows[index.row()].Id;
    return {};
}

QVariant TLabelListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && section == 0 && role == Qt::DisplayRole)
        return QStringLiteral("Etykieta");
    return QAbstractTableModel::headerData(section, orientation, role);
}
