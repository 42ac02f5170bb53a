#include "library/uProgress.h"

#include "foundation/uPrompt.h"

#include <exception>

// --- TBasePrgressObject

TBasePrgressObject::~TBasePrgressObject() {
    if (Window)
        Window->Attach(nullptr);
}

void TBasePrgressObject::ReportMessage(const QString& text) {
    if (OnMessage)
        OnMessage(this, text);
}

void TBasePrgressObject::StepProgress() {
    if (OnStep)
        OnStep(this);
}

void TBasePrgressObject::SetProgressMax(int count) {
    if (OnSetMax)
        OnSetMax(this, count);
}

// --- TProgressWindow

TProgressWindow::~TProgressWindow() {
    // The operation may outlive the window; it must not call into a window that is gone.
    Attach(nullptr);
}

void TProgressWindow::Step(int count, const QString& text) {
    Advance(count);
    SetInfo(text);
    ProcessPendingEvents();
}

void TProgressWindow::Attach(TBasePrgressObject* operation) {
    if (Operation && Operation != operation) {
        Operation->OnMessage = nullptr;
        Operation->OnStep = nullptr;
        Operation->OnSetMax = nullptr;
        Operation->Window = nullptr;
    }
    Operation = operation;
    if (!operation)
        return;
    operation->Window = this;
    operation->OnMessage = [this](TBasePrgressObject*, const QString& text) { SetInfo(text); };
    operation->OnStep = [this](TBasePrgressObject*) { Advance(1); };
    operation->OnSetMax = [this](TBasePrgressObject*, int count) { SetMax(count); };
}

void TProgressWindow::RunWork() {
    try {
        if (OnExecute)
            OnExecute();
        else if (Procedure)
            Procedure();
        if (OnDone)
            OnDone();
    } catch (const std::exception& e) {
        ShowError(QString::fromUtf8(e.what()));
    }
}

void TProgressWindow::CancelAttached() {
    if (Operation)
        Operation->Cancel();
}

namespace {

// The window of the command line and of tests that do not watch: the work runs at once.
class TSilentProgressWindow final : public TProgressWindow {
public:
    void SetOperation(const QString&) override {}
    void SetInfo(const QString&) override {}
    void SetMax(int) override {}
    void Advance(int) override {}
    void Execute() override { RunWork(); }
};

TProgressWindowFactory& Factory() {
    static TProgressWindowFactory factory;
    return factory;
}

} // namespace

std::unique_ptr<TProgressWindow> NewProgressWindow() {
    if (Factory())
        if (std::unique_ptr<TProgressWindow> window = Factory()())
            return window;
    return std::make_unique<TSilentProgressWindow>();
}

void SetProgressWindowFactory(TProgressWindowFactory factory) {
    Factory() = std::move(factory);
}
