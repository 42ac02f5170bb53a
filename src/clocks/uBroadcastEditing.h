#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class TBroadcast;
class TBroadcastList;
class TClock;

inline constexpr int MaxBroadcastNameLength = 200;

// The broadcast window ("Audycje") without its window: the lines it shows, the selection, and
// what "Nowa", "Edycja", "Usuń", "Kopiuj" and closing do to the broadcast list. The window opens
// the clock editor in broadcast mode on the editor this model hands out and calls back once the
// editor closed with OK.
class TBroadcastWindowModel {
public:
    // The first broadcast is selected on opening.
    explicit TBroadcastWindowModel(TBroadcastList& list);

    // The names of the broadcasts, in list order.
    QStringList Lines() const;
    // -1 with no selection.
    int Selected() const { return FSelected; }
    // Out of range clears the selection.
    void Select(int index);
    TBroadcast* SelectedBroadcast() const;
    // "Edycja", "Usuń" and "Kopiuj" need a selection.
    bool HasSelection() const { return SelectedBroadcast() != nullptr; }

    // "Nowa": an empty editor; after its OK, the broadcast built from its rows joins the list
    // (pinned when the editor's begin is set) and is selected.
    std::unique_ptr<TClock> NewEditor() const;
    TBroadcast* AddNew(const TClock& editor, const QString& name);

    // "Edycja": an editor showing the selected broadcast; after its OK the rows are written back
    // into it. nullptr without a selection.
    std::unique_ptr<TClock> EditEditor() const;
    void ApplyEdit(const TClock& editor, const QString& name);

    // "Usuń": deletes the selected broadcast after the user confirms.
    bool DeleteSelected();

    // "Kopiuj", after the "Kopia audycji" dialog: a copy of the selected broadcast under the name
    // (cut to 200 characters; names may repeat), selected.
    TBroadcast* CopySelected(const QString& name);

    // Closing the window saves the list when it was modified.
    bool Close();

private:
    void SelectBroadcast(const TBroadcast* broadcast);

    TBroadcastList& FList;
    int FSelected = -1;
};
