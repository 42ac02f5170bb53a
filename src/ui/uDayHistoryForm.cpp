#include "ui/uDayHistoryForm.h"

#include "dayplan/uDayHistory.h"
#include "dayplan/uDayMessages.h"
#include "foundation/uDateTime.h"
#include "foundation/uFormat.h"
#include "ui/uResultPrint.h"

#include <QHeaderView>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

struct THistoryColumn {
    const char16_t* Caption;
    int Width;
};

constexpr THistoryColumn HistoryColumns[] = {
    {u"Godzina", 90}, {u"Wykonawca", 200}, {u"Tytuł", 250}, {u"Czas", 70}};

} // namespace

TDayHistoryForm::TDayHistoryForm(QWidget* parent) : QWidget(parent) {
    FList = new QTreeWidget(this);
    FList->setRootIsDecorated(false);
    FList->setSelectionBehavior(QAbstractItemView::SelectRows);
    FList->setSelectionMode(QAbstractItemView::SingleSelection);
    FList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FList->setUniformRowHeights(true);
    FList->setAlternatingRowColors(true);
    QStringList captions;
    for (const THistoryColumn& column : HistoryColumns)
        captions.append(QString::fromUtf16(column.Caption));
    FList->setHeaderLabels(captions);
    for (int i = 0; i < int(std::size(HistoryColumns)); ++i)
        FList->setColumnWidth(i, HistoryColumns[i].Width);

    FMissing = new QLabel(this);
    FMissing->setAlignment(Qt::AlignCenter);

    FPages = new QStackedWidget(this);
    FPages->addWidget(FList);
    FPages->addWidget(FMissing);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(FPages);
}

void TDayHistoryForm::Clear() {
    FList->clear();
    FMissing->clear();
    FPages->setCurrentWidget(FList);
}

void TDayHistoryForm::ShowHistory(const TDayHistory& history, bool loaded, const QDate& day) {
    Clear();
    if (!loaded) {
        FMissing->setText(Format(DayText::NoPlayList, {FormatShortDate(day)}));
        FPages->setCurrentWidget(FMissing);
        return;
    }
    QList<QTreeWidgetItem*> items;
    items.reserve(int(history.Rows().size()));
    for (const TDayHistoryRow& row : history.Rows())
        items.append(new QTreeWidgetItem(QStringList{row.Hour, row.Artist, row.Title, row.Time}));
    FList->addTopLevelItems(items);
}

QString TDayHistoryForm::MissingText() const {
    return ListShown() ? QString() : FMissing->text();
}

bool TDayHistoryForm::ListShown() const {
    return FPages->currentWidget() == FList;
}

void TDayHistoryForm::Print() {
    // The history is printed like the play list it was accepted from.
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        PrintResultRows(*FList, printer);
}
