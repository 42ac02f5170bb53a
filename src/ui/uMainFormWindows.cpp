#include "clocks/uBroadcastList.h"
#include "clocks/uClockObjList.h"
#include "library/uDBMainBase.h"
#include "ui/broadcasts/uBroadcastsForm.h"
#include "ui/categories/uCategoriesForm.h"
#include "ui/categories/uObjDialog.h"
#include "ui/clockeditor/uTimerForm.h"
#include "ui/library/uArtistsForm.h"
#include "ui/library/uLabelsForm.h"
#include "ui/library/uLibraryChoosers.h"
#include "ui/library/uSongsViewForm.h"
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
    editor->ObjectEditor = ObjectEditor();
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
    window.ObjectEditor = ObjectEditor();
    window.exec();
}

void TMainForm::OpenSongsWindow() {
    if (MainBase)
        BrowseSongs(*MainBase, this);
}

void TMainForm::OpenNewSongWindow() {
    int songId = -1;
    if (MainBase)
        NewSong(*MainBase, this, songId, LibraryChoosers(MainBase.get(), this));
}

void TMainForm::OpenArtistsWindow() {
    if (MainBase)
        BrowseArtists(MainBase.get(), this);
}

void TMainForm::OpenLabelsWindow() {
    if (MainBase)
        ManageLabels(MainBase.get(), this);
}

void TMainForm::OpenCategoriesWindow() {
    if (!CategoryList)
        return;
    TCategoriesForm window(*CategoryList, MainBase.get(), this);
    window.exec();
}

std::function<bool(TBaseClockObject&)> TMainForm::ObjectEditor() {
    return [this](TBaseClockObject& object) {
        return CategoryList && EditClockObject(*CategoryList, object, MainBase.get(), this, false);
    };
}
