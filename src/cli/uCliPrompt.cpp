#include "cli/uCliPrompt.h"

void TCliPrompt::ShowMessage(TBoxKind kind, const QString& text) {
    if (kind == TBoxKind::bkError)
        ErrorShown = true;
    Err << text << Qt::endl;
}

bool TCliPrompt::AskYesNo(TBoxKind, const QString& text) {
    Err << text << (AnswerYes ? QStringLiteral(" [Tak]") : QStringLiteral(" [Nie]")) << Qt::endl;
    if (!AnswerYes)
        Refused = true;
    return AnswerYes;
}
