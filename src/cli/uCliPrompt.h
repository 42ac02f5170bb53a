#pragma once

#include "foundation/uPrompt.h"

#include <QTextStream>

// The command line's prompt: every box goes to standard error; every question is
// answered with the fixed answer (No unless --yes was given) and the answer is echoed.
class TCliPrompt final : public IPrompt {
public:
    TCliPrompt(QTextStream& err, bool answerYes) : Err(err), AnswerYes(answerYes) {}

    void ShowMessage(TBoxKind kind, const QString& text) override;
    bool AskYesNo(TBoxKind kind, const QString& text) override;
    // "Tak" with --yes, else "Nie"; the check box is left unchecked. Neither answer refuses:
    // both let the work go on.
    TOptionAnswer AskOption(const QString& title, const QString& text, const QString& checkCaption,
                            bool& checked) override;
    void SetBusyCursor(bool) override {}
    void ProcessEvents() override {}

    // Whether any question was answered No: the command then ends with "refused".
    bool Refused = false;
    bool ErrorShown = false;

private:
    QTextStream& Err;
    bool AnswerYes;
};
