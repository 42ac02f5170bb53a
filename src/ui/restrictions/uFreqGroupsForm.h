#pragma once

#include "settings/uArFreqGroups.h"
#include "ui/restrictions/uFreqEditForm.h"
#include "ui/restrictions/uIdListForm.h"

class QListWidget;

// "Blokady częstotliwości": the frequency groups by name, each made and edited in "Grupa
// częstotliwości"; a ReadOnly group is neither edited nor deleted. "Zamnknij" saves
// "grupy.xml"; "Anuluj" puts the groups back as they were (the four group ids of the
// settings are not this window's to change).
class TFreqGroupsForm final : public TIdListForm<TArFreqGroups, TFreqEditForm> {
    Q_OBJECT
public:
    explicit TFreqGroupsForm(TArFreqGroups& groups, QWidget* parent = nullptr);

protected:
    bool IsEditable(const TArFreqGroup& group) const override { return !group.ReadOnly; }

private:
    // Named after its member (objectName).
    QListWidget* listGroups = nullptr;
};

// "Blokady częstotliwości" on the process-wide frequency groups; true when it closed with
// "Zamnknij" (the file saved). `run` runs the window and the dialogs it opens (empty: modally).
bool EditFreqGroups(QWidget* parent, const TDialogRunner& run = {});
