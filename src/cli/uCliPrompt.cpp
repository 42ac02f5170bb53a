#include "cli/uCliPrompt.h"

void TCliPrompt::ShowMessage(TBoxKind kind, const QString& text) {
    if (kind == TBoxKind::bkError)
        ErrorShown = true;
    Err << text << Qt::endl;
}

namespace {

QString AnswerEcho(bool yes) {
    return yes ? QStringLiteral(" [Tak]") : QStringLiteral(" [Nie]");
}

} // namespace

bool TCliPrompt::AskYesNo(TBoxKind, const QString& text) {
    Err << text << AnswerEcho(AnswerYes) << Qt::endl;
    if (!AnswerYes)
        Refused = true;
    return AnswerYes;
}

TOptionAnswer TCliPrompt::AskOption(const QString&, const QString& text, const QString&,
                                    bool& checked) {
    Err << text << AnswerEcho(AnswerYes) << Qt::endl;
    checked = false;
    return AnswerYes ? TOptionAnswer::oaYes : TOptionAnswer::oaNo;
}
