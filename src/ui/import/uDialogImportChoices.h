#pragma once

#include "import/uImportChoices.h"
#include "ui/uDialogRunner.h"

class QWidget;
class TArOptions;

// The import's questions answered by the user in "Zbyt długi tekst" and "Nieznana opcja",
// opened over the import window. Neither dialog can be cancelled, so every question gets an
// answer whatever the runner reports.
class TDialogImportChoices final : public IImportChoices {
public:
    // `options`: where the values offered for an unknown word come from, read at each question
    // (words added earlier in the run are offered too).
    TDialogImportChoices(const TArOptions& options, QWidget* parent);

    QString ChooseLongText(const TLongTextQuestion& question) override;
    TUnknownValueAnswer ChooseUnknownValue(int kind, const QString& text,
                                           const QString& question) override;

    // How the dialogs are run; tests answer them without a user.
    TDialogRunner DialogRunner = RunModalDialog;

private:
    QWidget* Parent() const;

    const TArOptions& FOptions;
    QWidget* FParent;
};
