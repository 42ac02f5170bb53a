#pragma once

#include "library/uStoreErrors.h"

#include <QAbstractTableModel>
#include <QList>
#include <QString>
#include <exception>

// A list of the library's named rows (artists, labels) in the order the library query gives
// them, one column of their texts: the rows are read again whole on every run, as the lists
// are short beside the songs. `TRow` has an int `Id`; `Text` names its shown text.
template <class TRow, QString TRow::*Text> class TNamedRowsModel : public QAbstractTableModel {
public:
    TNamedRowsModel(QString title, QObject* parent)
        : QAbstractTableModel(parent), FTitle(std::move(title)) {}

    int Count() const { return static_cast<int>(FRows.size()); }
    // An empty row (its id -1) out of range.
    const TRow& RowAt(int row) const {
        static const TRow none;
        return row >= 0 && row < FRows.size() ? FRows[row] : none;
    }
    // -1 when the id is not listed.
    int RowOfId(int id) const {
        for (int row = 0; row < FRows.size(); ++row)
            if (FRows[row].Id == id)
                return row;
        return -1;
    }
    // The first row whose text begins with the text, letter case ignored (Polish letters too);
    // -1 when there is none or the text is empty. The rows are in alphabetical order, so the
    // first match in the list is the first by text too.
    int RowStartingWith(const QString& text) const {
        if (text.isEmpty())
            return -1;
        for (int row = 0; row < FRows.size(); ++row)
            if ((FRows[row].*Text).startsWith(text, Qt::CaseInsensitive))
                return row;
        return -1;
    }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override {
        return parent.isValid() ? 0 : Count();
    }
    int columnCount(const QModelIndex& parent = QModelIndex()) const override {
        return parent.isValid() ? 0 : 1;
    }
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override {
        if (!index.isValid() || index.parent().isValid() || index.column() != 0 ||
            index.row() >= FRows.size())
            return {};
        if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
            return FRows[index.row()].*Text;
        if (role == Qt::UserRole)
            return FRows[index.row()].Id;
        return {};
    }
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override {
        if (orientation == Qt::Horizontal && section == 0 && role == Qt::DisplayRole)
            return FTitle;
        return QAbstractTableModel::headerData(section, orientation, role);
    }

protected:
    // The rows `read` returns; false, the list left empty, when the library cannot be read
    // ("Błąd bazy danych: "%s"." is shown).
    template <class TRead> bool Reload(TRead read) {
        beginResetModel();
        bool whole = true;
        try {
            FRows = read();
        } catch (const std::exception& e) {
            FRows.clear();
            whole = false;
            ShowStoreReadError(e);
        }
        endResetModel();
        return whole;
    }
    void SetRows(QList<TRow> rows) {
        beginResetModel();
        FRows = std::move(rows);
        endResetModel();
    }
    const QList<TRow>& Rows() const { return FRows; }

private:
    QString FTitle;
    QList<TRow> FRows;
};
