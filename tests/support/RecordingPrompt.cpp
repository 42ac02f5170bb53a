#include "support/RecordingPrompt.h"

TRecordingPrompt::TRecordingPrompt() {
    SetPrompt(this);
}

TRecordingPrompt::~TRecordingPrompt() {
    SetPrompt(nullptr);
}

void TRecordingPrompt::ShowMessage(TBoxKind kind, const QString& text) {
    Boxes.append({kind, text, false});
}

bool TRecordingPrompt::AskYesNo(TBoxKind kind, const QString& text) {
    Boxes.append({kind, text, true});
    return Answers.isEmpty() ? DefaultAnswer : Answers.takeFirst();
}

TOptionAnswer TRecordingPrompt::AskOption(const QString& title, const QString& text,
                                          const QString& checkCaption, bool& checked) {
    Boxes.append({TBoxKind::bkQuestion, text, true});
    OptionQuestions.append({title, text, checkCaption, checked});
    const TOptionReply reply =
        OptionReplies.isEmpty() ? DefaultOptionReply : OptionReplies.takeFirst();
    checked = reply.Checked;
    return reply.Answer;
}

void TRecordingPrompt::SetBusyCursor(bool busy) {
    BusyCursor = busy;
    ++BusyChanges;
}

void TRecordingPrompt::QueueAnswers(std::initializer_list<bool> answers) {
    for (bool a : answers)
        Answers.append(a);
}

void TRecordingPrompt::QueueOptionReplies(std::initializer_list<TOptionReply> replies) {
    for (const TOptionReply& reply : replies)
        OptionReplies.append(reply);
}

QStringList TRecordingPrompt::Texts(TBoxKind kind) const {
    QStringList result;
    for (const TBox& box : Boxes)
        if (box.Kind == kind)
            result.append(box.Text);
    return result;
}

void TRecordingPrompt::Clear() {
    Boxes.clear();
    Answers.clear();
    OptionQuestions.clear();
    OptionReplies.clear();
}
