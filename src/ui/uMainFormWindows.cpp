#include "clocks/uBroadcastList.h"
#include "ui/broadcasts/uBroadcastsForm.h"
#include "ui/clockeditor/uTimerForm.h"
#include "ui/uMainForm.h"

// The windows reached from the main menu.

TTimerForm* TMainForm::OpenClockEditor(TClockEditorUse use) {
    QString path;
    if (use != TClockEditorUse::New) {
        path = ChooseClockFile();
        if (path.isEmpty())
            return nullptr;
    }
    auto* editor = new TTimerForm(this);
    editor->OpenFileChooser = ClockFileChooser;
    if (!path.isEmpty() && !editor->OpenFile(path)) {
        delete editor;
        return nullptr;
    }
    editor->SetReadOnly(use == TClockEditorUse::View);
    editor->show();
    return editor;
}

void TMainForm::OpenBroadcastsWindow() {
    if (!BroadcastList)
        return;
    TBroadcastsForm window(*BroadcastList, this);
    window.exec();
}

void TMainForm::OpenCategoriesWindow() {}
