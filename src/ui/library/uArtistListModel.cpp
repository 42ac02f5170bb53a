#include "ui/library/uArtistListModel.h"

#include "library/uDBSchema.h"
#include "library/uMainBaseQuery.h"

namespace {

// A null reference reads as none.
int IdOrNone(const TMainBaseQuery& query, const QString& field) {
    return query.IsNull(field) ? -1 : query.AsInteger(field);
}

} // namespace

TArtistListModel::TArtistListModel(TDBMainBase* store, QObject* parent)
    : TNamedRowsModel(QStringLiteral("Wykonawca"), parent), FStore(store) {}

bool TArtistListModel::Run(int excludedId) {
    return Reload([this, excludedId] {
        QList<TArtistListRow> rows;
        TMainBaseQuery query(FStore);
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
    });
}

void TArtistListModel::Preset(int artistId, const QString& name) {
    QList<TArtistListRow> rows;
    if (artistId != -1)
        rows.append({artistId, name});
    SetRows(std::move(rows));
}
