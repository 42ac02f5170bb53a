#pragma once

#include <QDialog>
#include <functional>

class QCheckBox;
class QFormLayout;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QWidget;

// "Nowa opcja" / "Edycja opcji": the text of one characteristic value. For "Lata" the value is
// a year, or with "Zakres" a first and a last year, picked from 1900..2100; for the other kinds
// it is typed, and OK waits for a text.
class TNewCharPropForm final : public QDialog {
    Q_OBJECT
public:
    // Empty `value`: a new value ("Nowa opcja"); otherwise the value edited ("Edycja opcji").
    explicit TNewCharPropForm(int kind, const QString& value = {}, QWidget* parent = nullptr);

    // The text the dialog gives: the year or "first - last", or the typed text trimmed.
    QString Value() const;

    // Called by OK with the value; false keeps the dialog open, the refusal having been shown.
    std::function<bool(const QString&)> Accepting;

    void accept() override;

private:
    void CreateYearPanel(const QString& value);
    void CreateTextEdit(const QString& value);
    void ShowYearRows();
    void UpdateButtons();

    bool FYears;

    // Named after their members (objectName).
    QWidget* pnlYear = nullptr;
    QFormLayout* FYearRows = nullptr;
    QCheckBox* chbRange = nullptr;
    QSpinBox* edtYear = nullptr;
    QSpinBox* edtFrom = nullptr;
    QSpinBox* edtTo = nullptr;
    QLineEdit* edtValue = nullptr;
    QPushButton* btnOK = nullptr;
};
