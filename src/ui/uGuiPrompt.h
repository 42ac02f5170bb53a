#pragma once

#include "foundation/uPrompt.h"

class QWidget;

// The desktop program's prompt: Qt message boxes over the active window.
class TGuiPrompt final : public IPrompt {
public:
    void ShowMessage(TBoxKind kind, const QString& text) override;
    bool AskYesNo(TBoxKind kind, const QString& text) override;
    TOptionAnswer AskOption(const QString& title, const QString& text, const QString& checkCaption,
                            bool& checked) override;
    void SetBusyCursor(bool busy) override;
    void ProcessEvents() override;
};
