#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
struct TArFreqGroup;

// "Grupa częstotliwości": the name of a frequency group, its minimum distance between two
// plays ("Nie częściej niż co" so many hours or days) and its count limit ("Maksymalnie" so
// many times a day, week or month), each used only while its box is ticked. Clicking a
// limit's caption toggles its box.
class TFreqEditForm final : public QDialog {
    Q_OBJECT
public:
    TFreqEditForm(const TArFreqGroup& group, QWidget* parent = nullptr);

    // Writes the name and the limits into the group; its id and ReadOnly stay.
    void StoreInto(TArFreqGroup& group) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateLayout();
    void Fill(const TArFreqGroup& group);
    void UpdateControls();

    // Named after their members (objectName).
    QLineEdit* edtName = nullptr;
    QCheckBox* chbFreq = nullptr;
    QLabel* lblFreq = nullptr;
    QSpinBox* edtFreq = nullptr;
    QComboBox* cmbPeriod = nullptr;
    QCheckBox* chbMax = nullptr;
    QLabel* lblMax = nullptr;
    QSpinBox* edtMax = nullptr;
    QLabel* lblTimesPer = nullptr;
    QComboBox* cmbPeriodInMax = nullptr;
    QPushButton* btnOK = nullptr;
};
