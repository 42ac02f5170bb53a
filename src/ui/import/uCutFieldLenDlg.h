#pragma once

#include "import/uImportChoices.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// "Zbyt długi tekst": what to keep of a text longer than its field takes, the automatic cut
// (preselected) or the user's own text. It has no cancel: the import needs an answer, so the
// dialog stays open while the edited text is unusable, and closing it otherwise is taken as OK.
class TCutFieldLenDlg final : public QDialog {
    Q_OBJECT
public:
    explicit TCutFieldLenDlg(const TLongTextQuestion& question, QWidget* parent = nullptr);

    // The automatic cut, or the edited text, cut to the maximum while it is longer.
    QString ResultText() const;

    void accept() override;
    // Escape and the window's close button: the same as OK while OK may be pressed, nothing
    // otherwise.
    void reject() override;

private:
    bool CanAccept() const;
    void ShowState();

    TLongTextQuestion FQuestion;

    // Named after their members (objectName).
    QLabel* lblMessage = nullptr;
    QLabel* lblResult = nullptr;
    QRadioButton* rdbAuto = nullptr;
    QRadioButton* rdbAdjust = nullptr;
    QLineEdit* edtText = nullptr;
    QLabel* lblLength = nullptr;
    QPushButton* btnOK = nullptr;
};
