#pragma once

#include "clocks/uCategory.h"
#include "settings/uArSongCategories.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <memory>

class TClockObjList;

// The object dialog ("Nowa kategoria") without its window: the values of its controls, which of
// them are shown and editable, how choosing a kind resets them, the duplicate-name check of OK,
// and how its values become an object. The window binds its controls to this model.

// A ticked box of the characteristics frame with its text (value names joined by commas, or a
// label name). An unticked box sets no condition, whatever its text.
struct TFilterBox {
    bool Ticked = false;
    QString Text;
};

class TObjDialogModel {
public:
    // New mode: a basic category with the default play time.
    TObjDialogModel();
    // Edit mode on an object of kind 0, 2 or 3 (the object is not changed until ApplyTo).
    explicit TObjDialogModel(const TBaseClockObject& object);

    bool IsNew() const { return FObject == nullptr; }
    // Predefined objects keep their kind, name, song category and information text.
    bool IsPredefined() const { return FObject != nullptr && FObject->Pred; }

    // --- "Typ:" (a selector in new mode, a read-only text in edit mode)

    TObjKind Kind() const { return FKind; }
    // Resets the controls for the kind (see the .cpp). Ignored in edit mode and for a kind the
    // selector does not offer.
    void SelectKind(TObjKind kind);
    QString KindName() const { return ObjKindName(FKind); }
    QString KindDescription() const { return ObjKindDescription(FKind); }

    // --- Controls shown for the kind

    bool CharsFrameVisible() const { return FKind == otCategory; } // with "Test"
    bool SongListVisible() const { return FKind == otPlayList; }
    bool InfoVisible() const { return FKind == otBlank; }
    bool ExTimeVisible() const { return FKind == otCategory; }
    bool RestVisible() const { return FKind != otBlank; }
    bool SepEnbVisible() const { return FKind != otBlank; }
    // A list follows the separation schedule only when it is played in random order.
    bool SepEnbEnabled() const { return FKind != otPlayList || FRndList; }

    // --- "Nazwa:"

    const QString& Name() const { return FName; }
    bool CanEditName() const { return !IsPredefined(); }
    void SetName(const QString& name);
    // OK is enabled only with a name.
    bool CanAccept() const { return !FName.isEmpty(); }

    // --- "Kategoria nagrania:": the song categories attributed to the kind

    QList<TCategoryEntry> SongCategories() const;
    // -1 when none is chosen.
    int SCat() const { return FSCat; }
    bool CanEditSCat() const { return !IsPredefined(); }
    // Another category empties the song list.
    void SetSCat(int id);

    // --- Common settings

    bool Rest() const { return FRest; }
    // A click on "Nie uwzględniaj blokad"; remembered for the next choice of a kind unless the
    // kind is "Pusta".
    void ClickRest(bool value);
    bool HPrior() const { return FHPrior; }
    void ClickHPrior(bool value);
    quint8 SepEnb() const { return FSepEnb; }
    void SetSepEnb(quint8 value) { FSepEnb = value; }
    bool ExTime() const { return FExTime; }
    void SetExTime(bool value) { FExTime = value; }

    // "Czas:" in seconds, shown as HH:MM:SS.
    int PlayTime() const { return FPlayTime; }
    QString PlayTimeText() const;
    void SetPlayTimeText(const QString& text);

    // --- The characteristics frame (kind 0)

    // Per characteristic kind (TCharKind).
    const TFilterBox& CharBox(int kind) const { return FChars.at(kind); }
    void SetCharBox(int kind, const TFilterBox& box) { FChars.at(kind) = box; }
    // "Etykieta 1" (0) and "Etykieta 2" (1).
    const TFilterBox& LabelBox(int index) const { return FLabels.at(index); }
    void SetLabelBox(int index, const TFilterBox& box) { FLabels.at(index) = box; }
    // "Wszystkie warunki spełnione" (true) or "Dowolny z waruków spełniony".
    bool AllConditions() const { return FAll; }
    void SetAllConditions(bool value) { FAll = value; }
    // The frame as filter settings: each value name becomes its id (-1 when the characteristic
    // has no such value), an unticked box an empty array or label. Also what "Test" shows.
    TObjProperties FrameProperties() const;

    // --- "Utwory" (kind 2)

    const QList<int>& Songs() const { return FSongs; }
    void AddSong(int songId);
    // Indexes out of range are ignored.
    void RemoveSongs(const QList<int>& indexes);
    // "Przesuń w górę" / "Przesuń w dół"; false when the song cannot move.
    bool MoveSongUp(int index);
    bool MoveSongDown(int index);
    bool RepList() const { return FRepList; }
    void SetRepList(bool value) { FRepList = value; }
    bool RndList() const { return FRndList; }
    void SetRndList(bool value) { FRndList = value; }
    // The song browser's filter for "Dodaj utwór": songs of the chosen song category.
    QString SongBrowserFilter() const;

    // --- "Informacja:" (kind 3)

    const QStringList& InfoLines() const { return FInfoLines; }
    bool CanEditInfo() const { return !IsPredefined(); }
    void SetInfoLines(const QStringList& lines);

    // --- OK

    // The duplicate-name check: in new mode, or when the name was changed, a name another
    // object of the list has is refused with a warning and the dialog stays open.
    bool Accept(const TClockObjList& list) const;
    // New mode: the object of the chosen kind with the dialog's values.
    std::unique_ptr<TBaseClockObject> CreateObject() const;
    // Edit mode: writes the values into the object, each setter telling the list of a change.
    void ApplyTo(TBaseClockObject& object) const;

private:
    void SetUpKind(TObjKind kind);
    void FillFrom(const TBaseClockObject& object);
    void ApplyOwnFields(TBaseClockObject& object) const;

    const TBaseClockObject* FObject = nullptr;
    TObjKind FKind = otCategory;
    QString FName;
    int FSCat = -1;
    bool FRest = false;
    bool FHPrior = false;
    // The ticks "Nie uwzględniaj blokad" and "Wysoki priorytet" go back to when a kind is chosen.
    bool FRememberedRest = false;
    bool FRememberedHPrior = false;
    quint8 FSepEnb = smDefault;
    bool FExTime = false;
    int FPlayTime = 0;
    std::array<TFilterBox, 6> FChars;
    std::array<TFilterBox, 2> FLabels;
    bool FAll = true;
    QList<int> FSongs;
    bool FRepList = true;
    bool FRndList = false;
    QStringList FInfoLines;
};

// The lines of a text as one comma text: a line with a blank, a control character, a comma or a
// double quote is quoted (its quotes doubled); a single empty line is "\"\"".
QString CommaTextOf(const QStringList& lines);
// The lines of a comma text: items are separated by commas or blanks outside quotes.
QStringList LinesOfCommaText(const QString& text);
