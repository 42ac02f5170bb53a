#pragma once

#include "settings/uArDisabledLabels.h"
#include "ui/uDialogRunner.h"

#include <QDialog>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;
class TDBMainBase;

// "Blokady etykiet": the labels whose songs the draw never picks. Opening drops (and saves at
// once) the entries whose label the library no longer has; "Dodaj" picks a label from the
// label list, "Usuń" takes the selected one off, and "OK" stores the list.
class TLabelRestForm final : public QDialog {
    Q_OBJECT
public:
    // `store` is the library the labels are checked against and picked from; nullptr when no
    // library is open (the entries are then shown as they are and none can be added).
    TLabelRestForm(TArDisabledLabels& labels, TDBMainBase* store, QWidget* parent = nullptr);

    // Runs the label list and the dialogs it opens; replaceable so the window can be driven
    // without a user.
    TDialogRunner DialogRunner = RunModalDialog;

    // "Dodaj" and "Usuń", as their buttons run them.
    void AddLabel();
    void DeleteLabel();

    void accept() override;

private:
    void CreateLayout();
    // The entries of `labels` the library still has; when any is gone, the list is replaced
    // by them and saved.
    std::vector<TDisabledLabel> DropVanishedLabels();
    void AddLine(const TDisabledLabel& label);
    std::vector<TDisabledLabel> Listed() const;
    void UpdateButtons();

    TArDisabledLabels& FLabels;
    TDBMainBase* FStore;

    // Named after their members (objectName).
    QLabel* lblInfo = nullptr;
    QListWidget* listLabels = nullptr;
    QPushButton* btnAdd = nullptr;
    QPushButton* btnDelete = nullptr;
    QPushButton* btnOK = nullptr;
};

// "Blokady etykiet" on the process-wide label blockades, checked against `store`; true when it
// closed with "OK" (the file saved). `run` runs the window and the dialogs it opens (empty:
// modally).
bool EditLabelRestrictions(TDBMainBase* store, QWidget* parent, const TDialogRunner& run = {});
