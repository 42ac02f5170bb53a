#pragma once

#include <QDialog>
#include <QString>

class QComboBox;
class QPushButton;
class QSpinBox;

// "Zakres dni": the first and the last day of a part of a time blockade, each a day and a
// month. A month offers only its own days, February 28 of them: a blockade counts days of a
// common year, where 29 February has no number. OK closes only when the start is before the end.
class TDateRangeForm final : public QDialog {
    Q_OBJECT
public:
    explicit TDateRangeForm(QWidget* parent = nullptr);

    // Days of a common year (1..365).
    int StartDay() const;
    int StopDay() const;

    void accept() override;

private:
    // Named after their members (objectName).
    QSpinBox* edtDayFrom = nullptr;
    QSpinBox* edtDayTo = nullptr;
    QComboBox* cmbMonthFrom = nullptr;
    QComboBox* cmbMonthto = nullptr;
    QPushButton* btnOK = nullptr;
};

// Texts of the day range dialog.
inline const QString kDateRangeOrder =
    QStringLiteral("Data początkowa musi być wcześniejsza niż data końcowa.");
