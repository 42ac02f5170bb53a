#pragma once

#include <QDialog>
#include <QString>

class QPushButton;
class QSpinBox;

// "Zakres godzin": the whole hours "Od:" and "Do:" (0..24) of a part of a time blockade. OK
// closes only when the start is before the end.
class THourRangeForm final : public QDialog {
    Q_OBJECT
public:
    explicit THourRangeForm(QWidget* parent = nullptr);

    int From() const;
    int To() const;

    void accept() override;

private:
    // Named after their members (objectName).
    QSpinBox* edtFrom = nullptr;
    QSpinBox* edtTo = nullptr;
    QPushButton* btnOK = nullptr;
};

// Texts of the hour range dialog.
inline const QString kHourRangeOrder =
    QStringLiteral("Godzina początkowa musi być mniejsza niż godzina końcowa.");
