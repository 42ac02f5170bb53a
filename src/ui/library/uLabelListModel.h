#pragma once

#include "ui/library/uNamedRowsModel.h"

class TDBMainBase;

// One label as the label list reads it.
struct TLabelListRow {
    int Id = -1;
    QString Value;
};

// The labels of the library by value in Polish alphabetical order (letter case ignored), one
// column "Etykieta": the rows of the label-list query, read again on every Run.
class TLabelListModel final : public TNamedRowsModel<TLabelListRow, &TLabelListRow::Value> {
public:
    // Reads `store`, which must outlive the model; nullptr: the process-wide store. Empty until
    // the first Run.
    explicit TLabelListModel(TDBMainBase* store, QObject* parent = nullptr);

    bool Run();

    int RowOfLabel(int labelId) const { return RowOfId(labelId); }
    // The row of the value, letter case ignored, as the library tells labels apart; -1 when
    // none has it.
    int RowOfValue(const QString& value) const;

private:
    TDBMainBase* FStore;
};
