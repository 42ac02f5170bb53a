#include "ui/library/uLabelListModel.h"

#include "library/uDBSchema.h"
#include "library/uMainBaseQuery.h"

TLabelListModel::TLabelListModel(TDBMainBase* store, QObject* parent)
    : TNamedRowsModel(QStringLiteral("Etykieta"), parent), FStore(store) {}

bool TLabelListModel::Run() {
    return Reload([this] {
        QList<TLabelListRow> rows;
        TMainBaseQuery query(FStore);
        query.SetSQL(sqlLabelList);
        const TQueryCloser closer(query);
        for (query.Open(); !query.Eof(); query.Next())
            rows.append({query.AsInteger(Col::Label_Id), query.AsString(Col::LValue)});
        return rows;
    });
}

int TLabelListModel::RowOfValue(const QString& value) const {
    for (int row = 0; row < Count(); ++row)
        if (Rows()[row].Value.compare(value, Qt::CaseInsensitive) == 0)
            return row;
    return -1;
}
