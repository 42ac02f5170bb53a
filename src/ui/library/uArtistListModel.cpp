#include "ui/library/uArtistListModel.h"

#include "library/uDBSchema.h"
#include "library/uMainBaseQuery.h"
#include "library/uStoreErrors.h"

#include <exception>

namespace {

const TArtistListRow NoArtist;

// A null reference reads as none.
int IdOrNone(const TMainBaseQuery& query, const QString& field) {
    return query.IsNull(field) ? -1 : query.AsInteger(field);
}

QList<TArtistListRow> ReadArtists(TDBMainBase* store, int excludedId) {
    QList<TArtistListRow> rows;
    TMainBaseQuery query(store);
    query.SetSQL(sqlArtistList);
    const TQueryCloser closer(query);
    for (query.Open(); !query.Eof(); query.Next()) {
        const int id = query.AsInteger(Col::Art_Id);
        if (id == excludedId)
            continue;
        rows.append({id, query.AsString(Col::Art_Name), IdOrNone(query, Col::Alias1),
                     IdOrNone(query, Col::Alias2), IdOrNone(query, Col::Art_FreqGroup)});
    }
    return rows;
}

} // namespace

TArtistListModel::TArtistListModel(TDBMainBase* store, QObject* parent)
    : QAbstractTableModel(parent), FStore(store) {}

bool TArtistListModel::Run(int excludedId) {
    beginResetModel();
    bool read = true;
    try {
        FRows = ReadArtists(FStore, excludedId);
    } catch (const std::exception& e) {
        FRows.clear();
        read = false;
        ShowStoreReadError(e);
    }
    endResetModel();
    return read;
}

void TArtistListModel::Preset(int artistId, const QString& name) {
    beginResetModel();
    FRows.clear();
    if (artistId != -1)
        FRows.append({artistId, name});
    endResetModel();
}

const TArtistListRow& TArtistListModel::RowAt(int row) const {
    return row >= 0 && row < FRows.size() ? FRows[row] : NoArtist;
}

int TArtistListModel::RowOfArtist(int artistId) const {
    for (int row = 0; row < FRows.size(); ++row)
        if (FRows[row].Id == artistId)
            return row;
    return -1;
}

int TArtistListModel::RowStartingWith(const QString& text) const {
    if (text.isEmpty())
        return -1;
    // The names are in alphabetical order, letter case ignored, so the first match in the
    // list is the first by name too.
    for (int row = 0; row < FRows.size(); ++row)
        if (FRows[row].Name.startsWith(text, Qt::CaseInsensitive))
            return row;
    return -1;
}

int TArtistListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Count();
}

int TArtistListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 1;
}

QVariant TArtistListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.parent().isValid() || index.column() != 0 ||
        index.row() >= FRows.size())
        return {};
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return FRows[index.row()].Name;
    if (role == Qt::UserRole)
        return FRows[index.row()].Id;
    return {};
}

QVariant TArtistListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && section == 0 && role == Qt::DisplayRole)
        return QStringLiteral("Wykonawca");
    return QAbstractTableModel::headerData(section, orientation, role);
}
