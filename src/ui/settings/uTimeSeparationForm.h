#pragma once

#include "ui/uDialogRunner.h"

#include <QDialog>

class QCheckBox;
class QPushButton;
class QSpinBox;
class TArSeparations;

// "Rozkład czasowy": whether the separation check applies to slots that leave it to the
// default, how many days back it looks and how wide a part of the day it examines. OK writes
// the values into the schedule and saves "rozklad.xml" when one of them differs.
class TTimeSeparationForm final : public QDialog {
    Q_OBJECT
public:
    explicit TTimeSeparationForm(TArSeparations& separations, QWidget* parent = nullptr);

    // Runs nothing but the window itself; kept alike with the other settings windows.
    TDialogRunner DialogRunner = RunModalDialog;

    void accept() override;

private:
    TArSeparations& FSeparations;

    // Named after their members (objectName).
    QCheckBox* chbDefaultActive = nullptr;
    QSpinBox* edtCheckDays = nullptr;
    QSpinBox* edtHours = nullptr;
    QPushButton* btnOK = nullptr;
};

// "Blo&kady" → "&Rozkład czasowy" on the process-wide schedule. True on OK. `run` runs the
// window (empty: modally).
bool EditSeparations(QWidget* parent, const TDialogRunner& run = {});
