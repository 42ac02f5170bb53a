#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

// "Czas": a start hour ("Godzina", the box fixes the hour) or a play time ("Czas", the box makes
// it exact) of a clock row, typed as hours, minutes and seconds.
class TClockTimeDialog final : public QDialog {
    Q_OBJECT
public:
    enum class TUse { Hour, PlayTime };

    // `wideHours`: a clock's hours may pass 99 (three digits); a broadcast's may not.
    TClockTimeDialog(TUse use, int seconds, bool ticked, bool wideHours, QWidget* parent = nullptr);

    int Seconds() const;
    bool Ticked() const;
    // The time or the box differs from what the dialog showed.
    bool Changed() const;

private:
    void UpdateControls();

    TUse FUse;
    int FStartSeconds;
    bool FStartTicked;

    // Named after their members (objectName).
    QLineEdit* edtTime = nullptr;
    QCheckBox* chbExact = nullptr;
    QPushButton* btnOK = nullptr;
};
