#pragma once

#include <QDate>
#include <QWidget>

class QLabel;
class QStackedWidget;
class QTreeWidget;
class TDayHistory;

// The accepted day as it was played: a read-only list of the day's history file. When the file
// could not be loaded the list is hidden and a line says there is no play list for the day.
class TDayHistoryForm final : public QWidget {
    Q_OBJECT
public:
    explicit TDayHistoryForm(QWidget* parent = nullptr);

    // Shows the rows of the loaded history, or the "no play list" line for the day when it
    // could not be loaded.
    void ShowHistory(const TDayHistory& history, bool loaded, const QDate& day);
    void Clear();
    // Prints the rows as the list shows them.
    void Print();

    QTreeWidget* List() const { return FList; }
    // The line shown instead of the list; empty while the list is shown.
    QString MissingText() const;
    bool ListShown() const;

private:
    QStackedWidget* FPages;
    QTreeWidget* FList;
    QLabel* FMissing;
};
