#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QString>

class TDBMainBase;

// One label as the label list reads it.
struct TLabelListRow {
    int Id = -1;
    QString Value;
};

// The labels of the library by value in Polish alphabetical order (letter case ignored), one
// column "Etykieta": the rows of the label-list query, read again on every Run.
class TLabelListModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    // Reads `store`, which must outlive the model; nullptr: the process-wide store. Empty until
    // the first Run.
    explicit TLabelListModel(TDBMainBase* store, QObject* parent = nullptr);

    // Reads the list again; false, the list left empty, when the library cannot be read
    // ("Błąd bazy danych: "%s"." is shown).
    bool Run();

    int Count() const { return static_cast<int>(FRows.size()); }
    // An empty row (its id -1) out of range.
    const TLabelListRow& RowAt(int row) const;
    // -1 when the label is not listed.
    int RowOfLabel(int labelId) const;
    // The row of the value, letter case ignored, as the library tells labels apart; -1 when
    // none has it.
    int RowOfValue(const QString& value) const;
    // The first row whose value begins with the text, letter case ignored (Polish letters too);
    // -1 when there is none or the text is empty.
    int RowStartingWith(const QString& text) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    TDBMainBase* FStore;
    QList<TLabelListRow> FRows;
};
