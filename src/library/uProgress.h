#pragma once

#include <QString>
#include <functional>
#include <memory>

// Long work (the statistics upgrade, generating a day) runs while a modal progress window is
// shown; the window starts the work itself once it is on screen. The core knows the window
// only through TProgressWindow: the desktop program implements it with a dialog, and without
// one (the command line, tests that do not care) the work simply runs.

// Base of an operation that reports its progress ("Prgress" as the program has always spelt
// it). The events are empty when the object is created.
class TProgressWindow;

class TBasePrgressObject {
public:
    TBasePrgressObject() = default;
    TBasePrgressObject(const TBasePrgressObject&) = delete;
    TBasePrgressObject& operator=(const TBasePrgressObject&) = delete;
    // Leaves the window it is attached to, so neither ever reaches the other once gone.
    virtual ~TBasePrgressObject();

    // A line of information.
    std::function<void(TBasePrgressObject* sender, const QString& text)> OnMessage;
    // One step done.
    std::function<void(TBasePrgressObject* sender)> OnStep;
    // The number of steps.
    std::function<void(TBasePrgressObject* sender, int count)> OnSetMax;

    // Asks the operation to stop; it decides when it does.
    virtual void Cancel() = 0;

    void ReportMessage(const QString& text);
    void StepProgress();
    void SetProgressMax(int count);

private:
    friend class TProgressWindow;
    TProgressWindow* Window = nullptr;
};

// What the core needs of a progress window.
class TProgressWindow {
public:
    virtual ~TProgressWindow();

    // The work: OnExecute when set, otherwise Procedure; then OnDone.
    std::function<void()> OnExecute;
    std::function<void()> Procedure;
    std::function<void()> OnDone;

    // The text of the operation ("?" until set).
    virtual void SetOperation(const QString& text) = 0;
    // The information line.
    virtual void SetInfo(const QString& text) = 0;
    // The bar's maximum (100 until set).
    virtual void SetMax(int count) = 0;
    // Advances the bar by `count`.
    virtual void Advance(int count) = 0;
    // Shows the window modally, runs the work once it is shown (RunWork) and closes;
    // returns when the window has closed.
    virtual void Execute() = 0;

    // Advances the bar by `count`, shows `text` as the information line and lets the user
    // interface process what is pending (the work runs on its thread).
    void Step(int count, const QString& text);

    // Remembers the operation and routes its events here: a message sets the information
    // line, a step advances the bar by one, a maximum sets the bar's. Attaching nothing only
    // forgets the operation.
    void Attach(TBasePrgressObject* operation);
    TBasePrgressObject* Attached() const { return Operation; }

protected:
    // The work as the window runs it once shown. An error escaping the work is shown as an
    // error box, so the window can close instead of waiting for "Przerwij".
    void RunWork();
    // "Przerwij": asks the attached operation, if any, to stop. The window then closes.
    void CancelAttached();

private:
    TBasePrgressObject* Operation = nullptr;
};

// A new progress window from the factory installed by the user interface; without one, a
// window that shows nothing and runs the work at once.
std::unique_ptr<TProgressWindow> NewProgressWindow();
using TProgressWindowFactory = std::function<std::unique_ptr<TProgressWindow>()>;
// Installs the factory; an empty one goes back to the window that shows nothing.
void SetProgressWindowFactory(TProgressWindowFactory factory);
