#include "foundation/uPrompt.h"

namespace {

class TSilentPrompt final : public IPrompt {
public:
    void ShowMessage(TBoxKind, const QString&) override {}
    bool AskYesNo(TBoxKind, const QString&) override { return false; }
    void SetBusyCursor(bool) override {}
    void ProcessEvents() override {}
};

TSilentPrompt silentPrompt;
IPrompt* currentPrompt = &silentPrompt;

} // namespace

TOptionAnswer IPrompt::AskOption(const QString&, const QString&, const QString&, bool&) {
    return TOptionAnswer::oaNo;
}

IPrompt& Prompt() {
    return *currentPrompt;
}

void SetPrompt(IPrompt* prompt) {
    currentPrompt = prompt ? prompt : &silentPrompt;
}

void ShowError(const QString& text) {
    Prompt().ShowMessage(TBoxKind::bkError, text);
}
void ShowWarning(const QString& text) {
    Prompt().ShowMessage(TBoxKind::bkWarning, text);
}
void ShowInformation(const QString& text) {
    Prompt().ShowMessage(TBoxKind::bkInformation, text);
}
bool AskYesNo(const QString& text) {
    return Prompt().AskYesNo(TBoxKind::bkQuestion, text);
}
TOptionAnswer AskOption(const QString& title, const QString& text, const QString& checkCaption,
                        bool& checked) {
    return Prompt().AskOption(title, text, checkCaption, checked);
}
void ProcessPendingEvents() {
    Prompt().ProcessEvents();
}
