#pragma once

#include "foundation/uDateTime.h"
#include "library/uSongData.h"
#include "library/uSongStore.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <bitset>
#include <functional>
#include <memory>
#include <optional>

class TDBMainBase;

// The song window ("Właściwości utworu") without its window: what each field holds, which
// section of the stored song a change of it belongs to, which pages and controls the window
// shows, and what OK writes. The window binds its controls to this model.
//
// The model reads the song's rows from the store it is given and writes through the store's
// song operations, which work on the process-wide store: the two must be the same.

// The parts of a stored song OK writes separately, each only when one of its fields changed.
enum TSongSection : int {
    ssMain,         // BaseSongs: performer, title, album, description, category, labels, year, time
    ssChars,        // the characteristics row of the song
    ssTimes,        // DatSongs: the cue points
    ssFile,         // DataSongs: the audio file
    ssRights,       // ZSongs: authorship
    ssRestrictions, // BaseSongs: time blockades and frequency group
};
inline constexpr int SongSectionCount = 6;

// The pages of the window, in the order they are shown.
enum TSongPage : int { spInfo, spChars, spTimes, spFile, spRights, spRestrictions };
inline constexpr int SongPageCount = 6;

// The captions of the pages, in page order.
QString SongPageCaption(TSongPage page);

enum TSongField : int {
    // "Info"
    sfArtist,
    sfTitle,
    sfAlbum,
    sfInfo,
    sfCategory,
    // "Charakterystyka"
    sfLabel1,
    sfLabel2,
    sfType,
    sfTempo,
    sfTempoIn,
    sfTempoOut,
    sfVocal,
    sfAtmosphere,
    sfLanguage,
    sfYear,
    // "Czasy"
    sfSongTime,
    sfIntro,
    sfOutro,
    sfFadeIn,
    sfFadeOut,
    sfMix,
    sfNStart,
    sfNEnd,
    // "Nagranie"
    sfCompress,
    sfFrequ,
    sfMode,
    sfQuality,
    sfFile,
    sfCode,
    sfCreateDate,
    // "ZAIKS"
    sfComposer,
    sfTextAuthor,
    sfProducer,
    sfPublisher,
    sfYear2,
    // "Parametry losowania"
    sfTimeRest1,
    sfTimeRest2,
    sfTimeRest3,
    sfFreqRest,
};
inline constexpr int SongFieldCount = sfFreqRest + 1;

TSongSection SectionOfField(TSongField field);
TSongPage PageOfField(TSongField field);
// Whether multi-edit offers a toggle before the field (the field is written only when it is
// down).
bool HasToggle(TSongField field);
// The characteristic kind (TCharKind) whose values the field's list offers; -1 for a field
// that is not a characteristic. The three tempos share the tempo values.
int CharKindOfField(TSongField field);
inline bool IsCharField(TSongField field) {
    return CharKindOfField(field) >= 0;
}
// The cue points of "Czasy" (not the song's time), each with its box.
inline bool IsCueField(TSongField field) {
    return field >= sfIntro && field <= sfNEnd;
}
inline bool IsRestrictionField(TSongField field) {
    return field >= sfTimeRest1 && field <= sfFreqRest;
}

// The value of a characteristic shown as "Dowolny" (any), first in every characteristic list.
inline constexpr int kAnyCharValue = -2;
inline const QString kAnyCharCaption = QStringLiteral("Dowolny");

// The entries of "Tryb:": a song's Mode is the position in this list + 1 (0: not set). They are
// the channel modes of an MPEG audio frame, in the order the playout system numbers them.
const QStringList& SongModeNames();
// The entries offered by "Jakość:", which also takes any text of up to 20 characters.
const QStringList& SongQualityNames();
// The sampling frequencies "Częstotliwość:" offers; any number can be typed.
const QStringList& SongFrequencyNames();

// "Rok wydania:" takes four digits or none; anything between is refused with kYear2Invalid.
bool YearTextValid(const QString& digits);
// The year of the digits typed, -1 when they are not a year.
int YearOfText(const QString& digits);
// The text a year is shown with: empty for -1.
QString YearText(int year);

// The store operations OK runs, in the order it runs them. Replaceable, so the order and the
// arguments of the writes can be watched; each defaults to the store's own operation.
struct TSongWrites {
    std::function<bool(int, const TBaseSong&)> File = UpdateSongFile;
    std::function<bool(int, const TBaseSong&)> Times = UpdateSongTimes;
    // The characteristics row of the song's values, made when there is none; -1 on a failure.
    std::function<int(const TBaseSong&)> Chars = CharsRowOf;
    std::function<bool(int, const TBaseSong&, bool, std::optional<int>)> Main = UpdateSongMain;
    std::function<bool(int, const TBaseSong&)> Restrictions = UpdateSongRestrictions;
    std::function<bool(int, const TBaseSong&)> Rights = UpdateSongRights;
    // Multi-edit: the same fields to each of the songs.
    std::function<bool(const QList<int>&, const TFieldValues&, const TFieldValues&)> Fields =
        UpdateSongsFields;

    static int CharsRowOf(const TBaseSong& song);
};

enum TSongWindowMode {
    swNew,      // a new song, added on OK
    swEdit,     // one stored song, its changed sections written on OK
    swMulti,    // several stored songs, the toggled fields written to each on OK
    swImported, // a song of an import list, only its "Info" page, written back into the record
};

class TSongWindowModel {
public:
    // A new song: "Dowolny" for every characteristic, created `now`, in the default song
    // frequency group.
    static std::unique_ptr<TSongWindowModel> ForNewSong(TDBMainBase& store, TDateTime now = Now());
    // A stored song: its main data, authorship and restrictions are read now, the other pages
    // when first shown (LoadPage). Nothing when the song cannot be read (the user has been
    // told).
    static std::unique_ptr<TSongWindowModel> ForSong(TDBMainBase& store, int songId);
    // Several stored songs. The fields start as for a new song; nothing is written but the
    // toggled fields.
    static std::unique_ptr<TSongWindowModel> ForSongs(TDBMainBase& store,
                                                      const QList<int>& songIds);
    // A song of an import list: performer, title, album, description and category; OK writes
    // them back into the record, which must outlive the model.
    static std::unique_ptr<TSongWindowModel> ForImportedSong(TSongData& song);

    TSongWindowMode Mode() const { return FMode; }
    int SongId() const { return FSong.SongId; }
    const QList<int>& SongIds() const { return FSongIds; }

    // --- What the window shows

    bool PageShown(TSongPage page) const;
    // The performer, title and album; not in multi-edit.
    bool MainPanelShown() const { return FMode != swMulti; }
    bool TogglesShown() const { return FMode == swMulti; }
    // A field of a shown page without a toggle (the file's date and hour) is left out of
    // multi-edit, which could not write it.
    bool FieldShown(TSongField field) const;
    // Title, album and description are edited only while a performer is shown.
    bool ArtistShown() const { return !FArtistName.isEmpty(); }
    // The album is chosen among the albums of a chosen artist.
    bool CanChooseAlbum() const { return FSong.ArtistId != -1; }
    // "Przeglądaj" beside the path chooses a directory in multi-edit, an audio file otherwise.
    bool ChoosesDirectory() const { return FMode == swMulti; }

    // --- Pages read when first shown

    bool PageLoaded(TSongPage page) const { return FLoaded[page]; }
    // Reads what the page shows, once: the characteristics row, the cue points or the audio
    // file of a stored song. A failure has been shown; the page then shows what it had.
    void LoadPage(TSongPage page);

    // --- Values

    // The number a field holds: an id (-1 none; kAnyCharValue for "Dowolny"), a time in ms
    // (-1 a cue point not set), a year (-1 none), the mode (0 not set) or the frequency (-1
    // unknown). -1 for a text field.
    int Number(TSongField field) const;
    // The text a field holds (performer's name, album's title, label's value, the path and
    // file of the audio file, or in multi-edit its directory); empty for a number field.
    QString Text(TSongField field) const;
    TDateTime CreateDate() const { return FSong.CreateDate; }

    // Each changes the field and marks it and its section changed when the value differs; in
    // multi-edit the field's toggle goes down with it. A field of a page not read yet is read
    // first.
    void SetNumber(TSongField field, int value);
    void SetText(TSongField field, const QString& text);
    void SetCreateDate(TDateTime value);
    // Another performer clears the album.
    void SetArtist(int artistId, const QString& name);
    void SetAlbum(int albumId, const QString& title);
    // sfLabel1 or sfLabel2; -1 and empty for no label.
    void SetLabel(TSongField field, int labelId, const QString& value);

    bool FieldChanged(TSongField field) const { return FFieldChanged[field]; }
    bool SectionChanged(TSongSection section) const { return FSectionChanged[section]; }

    // --- Multi-edit

    bool Toggled(TSongField field) const { return FToggled[field]; }
    // Ignored for a field without a toggle.
    void SetToggled(TSongField field, bool down);

    // --- OK

    // Saves what the mode saves; true when the window may close. A failure has been told, and
    // the window stays open. A new song refused for an empty field may ask for "Czasy"
    // (TurnToTimes).
    bool Accept();
    bool TurnToTimes() const { return FTurnToTimes; }
    // The added song's id after a new song's Accept; -1 before.
    int NewSongId() const { return FMode == swNew ? FSong.SongId : -1; }
    // Whether Accept wrote anything (multi-edit writes nothing without a toggle down).
    bool Written() const { return FWritten; }

    // The song as OK stores it.
    const TBaseSong& Song() const { return FSong; }

    TSongWrites Writes;

private:
    TSongWindowModel(TSongWindowMode mode, TDBMainBase* store);

    bool ReadStoredSong();
    void ReadChars();
    void ReadTimes();
    void ReadFile();
    void EnsureLoaded(TSongField field);
    void MarkChanged(TSongField field);
    int* NumberOf(TSongField field);
    QString* TextOf(TSongField field);

    bool AcceptNewSong();
    bool AcceptSongEdit();
    bool AcceptSongsEdit();
    bool AcceptImportedSong();
    TFieldValues MultiBaseFields() const;
    TFieldValues MultiDataFields() const;
    bool AnyCharToggled() const;

    TSongWindowMode FMode;
    TDBMainBase* FStore;
    TSongData* FImported = nullptr;
    TBaseSong FSong;
    int FCharacterId = -1;
    QString FArtistName;
    QString FAlbumTitle;
    std::array<QString, 2> FLabelValues;
    QList<int> FSongIds;
    std::array<bool, SongPageCount> FLoaded{};
    std::bitset<SongFieldCount> FFieldChanged;
    std::bitset<SongSectionCount> FSectionChanged;
    std::bitset<SongFieldCount> FToggled;
    bool FTurnToTimes = false;
    bool FWritten = false;
};

// Texts of the song window.
inline const QString kSongWindowCaption = QStringLiteral("Właściwości utworu");
inline const QString kYear2Invalid =
    QStringLiteral("Pole \"Rok wydania\" jest wypełnione nie właściwie.\r\nNaciśnij Esc by "
                   "anulować zmiany.");
inline const QString kCharsNotSaved = QStringLiteral("Nie można zapisać charakterystyki utworu.");
