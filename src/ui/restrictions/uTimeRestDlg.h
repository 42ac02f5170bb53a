#pragma once

#include "ui/uDialogRunner.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class TArTimeRange;

// "Blokada czasowa": the name of a time blockade and its three parts, each used only while its
// box is ticked: "Blokady dat" (day ranges), "Blokady godzin" (hour ranges) and "Zakazane dni
// w tygodniu" (weekdays from Sunday). The range lines carry their pair packed in one number.
class TTimeRestDlg final : public QDialog {
    Q_OBJECT
public:
    TTimeRestDlg(const TArTimeRange& range, QWidget* parent = nullptr);

    // Runs the range dialogs; replaceable so the dialog can be driven without a user.
    TDialogRunner DialogRunner = RunModalDialog;

    // Writes the name and the parts into the blockade (its id stays); a part whose box is not
    // ticked is left empty.
    void StoreInto(TArTimeRange& range) const;

    // "Dodaj" of the dates and of the hours, as their buttons run them.
    void AddDates();
    void AddHours();

private:
    void CreateLayout();
    void Fill(const TArTimeRange& range);
    void UpdateControls();

    // Named after their members (objectName).
    QLineEdit* edtRestName = nullptr;
    QCheckBox* chbDateEnabled = nullptr;
    QListWidget* listDates = nullptr;
    QPushButton* btnAddDate = nullptr;
    QPushButton* btnDeleteDate = nullptr;
    QCheckBox* chbHourEnabled = nullptr;
    QListWidget* listHours = nullptr;
    QPushButton* btnAddHour = nullptr;
    QPushButton* btnDeleteHour = nullptr;
    QCheckBox* chbDaysEnabled = nullptr;
    QListWidget* listDays = nullptr;
    QPushButton* btnOK = nullptr;
};
