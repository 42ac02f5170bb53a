#pragma once

#include <QDialog>
#include <functional>

class QLineEdit;
class QPushButton;

// "Etykieta": the value of a new or renamed label, at most 30 characters and never a "*"
// (which the library's filters take for any text); OK while it is not empty.
class TLabelDialog final : public QDialog {
    Q_OBJECT
public:
    explicit TLabelDialog(const QString& value = {}, QWidget* parent = nullptr);

    QString Value() const;

    // Called by OK with the value; false keeps the dialog open, the refusal having been shown
    // (a value another label has).
    std::function<bool(const QString&)> Saving;

    void accept() override;

private:
    void UpdateButtons();

    // Named after their members (objectName).
    QLineEdit* edtValue = nullptr;
    QPushButton* btnOK = nullptr;
};
