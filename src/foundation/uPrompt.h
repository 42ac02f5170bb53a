#pragma once

#include <QString>

// Everything the core must show to or ask of the user goes through one prompt.
// The desktop program answers with dialogs, the command line with standard error
// and fixed answers, and tests with a recording fake that checks the exact texts.

enum class TBoxKind { bkError, bkWarning, bkInformation, bkQuestion };

// The answer of an option question: "Tak", "Nie" or "Przerwij".
enum class TOptionAnswer { oaYes, oaNo, oaAbort };

class IPrompt {
public:
    virtual ~IPrompt() = default;

    // A modal box with a single OK button.
    virtual void ShowMessage(TBoxKind kind, const QString& text) = 0;
    // A modal Yes/No box; true means Yes.
    virtual bool AskYesNo(TBoxKind kind, const QString& text) = 0;
    // A modal question titled `title` with "Tak", "Nie" and "Przerwij" and a check box
    // captioned `checkCaption`. `checked` gives the box's initial state and receives its state
    // when the question is closed. Answers No, leaving the box as it was, unless overridden:
    // prompts that never meet the question need not know it.
    virtual TOptionAnswer AskOption(const QString& title, const QString& text,
                                    const QString& checkCaption, bool& checked);
    // The hourglass cursor on or off (the nesting is counted by BeginBusy/EndBusy).
    virtual void SetBusyCursor(bool busy) = 0;
    // Lets the user interface handle what is pending (repaints, a cancel button).
    virtual void ProcessEvents() = 0;
};

// The prompt in force. Until one is installed, a silent prompt answers No to every question.
IPrompt& Prompt();
// Installs a prompt (not owned); nullptr goes back to the silent one.
void SetPrompt(IPrompt* prompt);

// Shorthands for the common boxes.
void ShowError(const QString& text);
void ShowWarning(const QString& text);
void ShowInformation(const QString& text);
bool AskYesNo(const QString& text);
TOptionAnswer AskOption(const QString& title, const QString& text, const QString& checkCaption,
                        bool& checked);
void ProcessPendingEvents();
