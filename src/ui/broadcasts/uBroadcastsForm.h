#pragma once

#include "clocks/uBroadcastEditing.h"

#include <QDialog>
#include <functional>

class QListView;
class QPushButton;
class TBaseClockObject;
class TBroadcastListModel;
class TTimerForm;

// "Audycje": the broadcasts of the station, made ("Nowa") and changed ("Edycja") in the clock
// editor in broadcast mode, copied under a new name ("Kopiuj") and deleted ("Usuń"). Closing
// the window writes the list when it changed.
class TBroadcastsForm final : public QDialog {
    Q_OBJECT
public:
    explicit TBroadcastsForm(TBroadcastList& list, QWidget* parent = nullptr);

    // The editor shown modal; true when it closed with OK. Replaceable so the window can be
    // driven without a user.
    std::function<bool(TTimerForm& editor)> EditorRunner;
    // The name for "Kopiuj", given the copied broadcast's; empty for a cancelled dialog.
    std::function<QString(const QString& name)> CopyNameAsker;
    // Handed to the editor for its "Edytuj" on the available objects.
    std::function<bool(TBaseClockObject& object)> ObjectEditor;

    void NewBroadcast();
    void EditBroadcast();
    void DeleteBroadcast();
    void CopyBroadcast();

    void done(int result) override;

private:
    // Runs the editor on the rows; after its OK they are kept (written into the list).
    void RunEditor(std::unique_ptr<TClock> rows,
                   const std::function<void(const TClock& rows)>& keep);
    void ShowList();
    void SelectionChanged();
    void UpdateButtons();

    TBroadcastWindowModel FWindow;
    TBroadcastListModel* FModel = nullptr;

    // Named after their members (objectName).
    QListView* lvBroadcasts = nullptr;
    QPushButton* btnNew = nullptr;
    QPushButton* btnEdit = nullptr;
    QPushButton* btnDelete = nullptr;
    QPushButton* btnCopy = nullptr;
    QPushButton* btnClose = nullptr;
};
