#pragma once

#include "ui/uDialogRunner.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// "Znajdź": the beginning of a name to look for in a list, under a caption naming what is
// looked for ("Wykonawca:", "Etykieta:"). "Szukaj" closes it with the text, enabled while
// there is one.
class TFindDialog final : public QDialog {
    Q_OBJECT
public:
    explicit TFindDialog(const QString& caption, const QString& text = {},
                         QWidget* parent = nullptr);

    QString Text() const;

private:
    void UpdateButtons();

    // Named after their members (objectName).
    QLabel* lblCaption = nullptr;
    QLineEdit* edtFind = nullptr;
    QPushButton* btnFind = nullptr;
    QPushButton* btnCancel = nullptr;
};

// Asks for the text to look for, starting with `text` (the last one looked for); false on
// "Anuluj". `run` runs the dialog (empty: modally).
bool AskFindText(const QString& caption, QString& text, QWidget* parent,
                 const TDialogRunner& run = {});

// Captions of the lists that look for names.
inline const QString kFindArtistCaption = QStringLiteral("Wykonawca:");
inline const QString kFindLabelCaption = QStringLiteral("Etykieta:");
