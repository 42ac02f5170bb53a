#pragma once

#include "library/uProgress.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;
class TBusyAnimation;

// "Postęp": the modal window long work runs in. The work starts once the window is on screen,
// so the user sees the window before anything happens; "Przerwij" asks the attached operation
// to stop.
class TProgressForm final : public QDialog, public TProgressWindow {
    Q_OBJECT
public:
    explicit TProgressForm(QWidget* parent = nullptr);
    ~TProgressForm() override;

    void SetOperation(const QString& text) override;
    void SetInfo(const QString& text) override;
    void SetMax(int count) override;
    void Advance(int count) override;
    void Execute() override;

    // The factory the core asks for a window; parents the window to the active one.
    static TProgressWindowFactory Factory();

    // Escape and the window's close button are "Przerwij" too.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Named after their members (objectName).
    QLabel* lblOperation = nullptr;
    QLabel* lblInfo = nullptr;
    QProgressBar* pgrProgress = nullptr;
    TBusyAnimation* Animate = nullptr;
    QPushButton* btnCancel = nullptr;

    void StartWork();

    bool FWorkStarted = false;
};
