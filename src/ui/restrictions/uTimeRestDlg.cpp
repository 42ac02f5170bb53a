#include "ui/restrictions/uTimeRestDlg.h"

#include "foundation/uArUtils.h"
#include "foundation/uPrompt.h"
#include "settings/uArTimeRanges.h"
#include "settings/uCommonYear.h"
#include "ui/restrictions/uDateRangeForm.h"
#include "ui/restrictions/uHourRangeForm.h"
#include "ui/restrictions/uNamedListForm.h"
#include "ui/uDialogButtons.h"
#include "ui/uNamed.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kWeekdays = 7;

// Sunday first, as the blockade numbers its weekdays (1 = Sunday); the names count from Monday.
QString WeekdayName(int index) {
    return LongDayName(index == 0 ? kWeekdays : index);
}

void AddPairLine(QListWidget& list, const QString& text, int start, int stop) {
    auto* item = new QListWidgetItem(text, &list);
    item->setData(Qt::UserRole, PackWords(start, stop));
}

TWordPair PairOf(const QListWidgetItem& item) {
    return UnpackWords(item.data(Qt::UserRole).toInt());
}

// One part of the blockade: its box over its list, and below them its buttons, if any.
QVBoxLayout* NewPartColumn(QCheckBox* box, QListWidget* list, QPushButton* add = nullptr,
                           QPushButton* remove = nullptr) {
    auto* column = new QVBoxLayout;
    column->addWidget(box);
    column->addWidget(list, 1);
    if (add != nullptr) {
        auto* buttons = new QHBoxLayout;
        for (QPushButton* button : {add, remove}) {
            // Enter in a list must not run a button behind the user's back.
            button->setAutoDefault(false);
            buttons->addWidget(button);
        }
        column->addLayout(buttons);
    }
    return column;
}

void EnablePart(bool ticked, QListWidget* list, QPushButton* add = nullptr,
                QPushButton* remove = nullptr) {
    list->setEnabled(ticked);
    if (add == nullptr)
        return;
    add->setEnabled(ticked);
    remove->setEnabled(ticked && !list->selectedItems().isEmpty());
}

// Asked first, as every deletion in the settings windows is.
void DeleteCurrentLine(QListWidget* list) {
    if (list->currentItem() && AskYesNo(kDeleteEntryQuestion))
        delete list->currentItem();
}

} // namespace

TTimeRestDlg::TTimeRestDlg(const TArTimeRange& range, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TimeRestDlg"));
    setWindowTitle(QStringLiteral("Blokada czasowa"));
    setModal(true);
    CreateLayout();
    Fill(range);
    UpdateControls();
}

void TTimeRestDlg::CreateLayout() {
    edtRestName = Named(new QLineEdit(this), "edtRestName");

    chbDateEnabled = Named(new QCheckBox(QStringLiteral("Blokady dat"), this), "chbDateEnabled");
    listDates = Named(new QListWidget(this), "listDates");
    btnAddDate = Named(new QPushButton(QStringLiteral("Dodaj"), this), "btnAddDate");
    btnDeleteDate = Named(new QPushButton(QStringLiteral("Usuń"), this), "btnDeleteDate");

    chbHourEnabled = Named(new QCheckBox(QStringLiteral("Blokady godzin"), this), "chbHourEnabled");
    listHours = Named(new QListWidget(this), "listHours");
    btnAddHour = Named(new QPushButton(QStringLiteral("Dodaj"), this), "btnAddHour");
    btnDeleteHour = Named(new QPushButton(QStringLiteral("Usuń"), this), "btnDeleteHour");

    chbDaysEnabled =
        Named(new QCheckBox(QStringLiteral("Zakazane dni w tygodniu"), this), "chbDaysEnabled");
    listDays = Named(new QListWidget(this), "listDays");
    for (int index = 0; index < kWeekdays; ++index) {
        auto* item = new QListWidgetItem(WeekdayName(index), listDays);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }

    // Wide enough for the longest day range without a scroll bar.
    const int october28 = CommonDayOfYear(10, 28);
    listDates->setMinimumWidth(
        fontMetrics().horizontalAdvance(FormatDayRange(october28, october28)) + 40);
    listHours->setMinimumWidth(fontMetrics().horizontalAdvance(FormatHourRange(20, 24)) + 40);
    // The days' column is as wide as its box's caption.
    listDays->setMinimumWidth(chbDaysEnabled->sizeHint().width());
    auto* name = new QFormLayout;
    name->addRow(QStringLiteral("Nazwa:"), edtRestName);
    auto* parts = new QHBoxLayout;
    parts->addLayout(NewPartColumn(chbDateEnabled, listDates, btnAddDate, btnDeleteDate), 3);
    parts->addLayout(NewPartColumn(chbHourEnabled, listHours, btnAddHour, btnDeleteHour), 2);
    parts->addLayout(NewPartColumn(chbDaysEnabled, listDays), 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(name);
    layout->addLayout(parts, 1);
    btnOK = AddOkCancelButtons(*this, *layout);

    connect(edtRestName, &QLineEdit::textChanged, this, &TTimeRestDlg::UpdateControls);
    for (QCheckBox* box : {chbDateEnabled, chbHourEnabled, chbDaysEnabled})
        connect(box, &QCheckBox::toggled, this, &TTimeRestDlg::UpdateControls);
    for (QListWidget* list : {listDates, listHours})
        connect(list, &QListWidget::itemSelectionChanged, this, &TTimeRestDlg::UpdateControls);
    connect(btnAddDate, &QPushButton::clicked, this, &TTimeRestDlg::AddDates);
    connect(btnAddHour, &QPushButton::clicked, this, &TTimeRestDlg::AddHours);
    connect(btnDeleteDate, &QPushButton::clicked, this, [this] { DeleteCurrentLine(listDates); });
    connect(btnDeleteHour, &QPushButton::clicked, this, [this] { DeleteCurrentLine(listHours); });
}

void TTimeRestDlg::Fill(const TArTimeRange& range) {
    edtRestName->setText(range.Name);
    for (int i = 0; i < range.DateCount(); ++i) {
        const TArRangePair pair = range.DateRange(i);
        AddPairLine(*listDates, FormatDayRange(pair.Start, pair.Stop), pair.Start, pair.Stop);
    }
    for (int i = 0; i < range.HourCount(); ++i) {
        const TArRangePair pair = range.HourRange(i);
        AddPairLine(*listHours, FormatHourRange(pair.Start, pair.Stop), pair.Start, pair.Stop);
    }
    for (int index = 0; index < kWeekdays; ++index)
        listDays->item(index)->setCheckState(range.HasDay(index + 1) ? Qt::Checked : Qt::Unchecked);
    chbDateEnabled->setChecked(range.DateCount() > 0);
    chbHourEnabled->setChecked(range.HourCount() > 0);
    chbDaysEnabled->setChecked(range.HasDays());
}

void TTimeRestDlg::StoreInto(TArTimeRange& range) const {
    range.Clear();
    if (chbDateEnabled->isChecked())
        for (int row = 0; row < listDates->count(); ++row) {
            const TWordPair pair = PairOf(*listDates->item(row));
            range.AddDates(pair.High, pair.Low);
        }
    if (chbHourEnabled->isChecked())
        for (int row = 0; row < listHours->count(); ++row) {
            const TWordPair pair = PairOf(*listHours->item(row));
            range.AddHours(pair.High, pair.Low);
        }
    if (chbDaysEnabled->isChecked())
        for (int index = 0; index < kWeekdays; ++index)
            range.SetDay(index + 1, listDays->item(index)->checkState() == Qt::Checked);
    range.Name = edtRestName->text();
}

void TTimeRestDlg::AddDates() {
    TDateRangeForm dialog(this);
    if (!DialogRunner(dialog))
        return;
    AddPairLine(*listDates, FormatDayRange(dialog.StartDay(), dialog.StopDay()), dialog.StartDay(),
                dialog.StopDay());
}

void TTimeRestDlg::AddHours() {
    THourRangeForm dialog(this);
    if (!DialogRunner(dialog))
        return;
    AddPairLine(*listHours, FormatHourRange(dialog.From(), dialog.To()), dialog.From(),
                dialog.To());
}

void TTimeRestDlg::UpdateControls() {
    btnOK->setEnabled(!edtRestName->text().isEmpty());
    EnablePart(chbDateEnabled->isChecked(), listDates, btnAddDate, btnDeleteDate);
    EnablePart(chbHourEnabled->isChecked(), listHours, btnAddHour, btnDeleteHour);
    EnablePart(chbDaysEnabled->isChecked(), listDays);
}
