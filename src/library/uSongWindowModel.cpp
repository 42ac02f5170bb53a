#include "library/uSongWindowModel.h"

#include "foundation/uFormat.h"
#include "foundation/uPrompt.h"
#include "library/uDBMainBase.h"
#include "library/uDBSchema.h"
#include "library/uLibraryEntities.h"
#include "library/uStoreErrors.h"
#include "settings/uCharacteristics.h"
#include "settings/uSettings.h"

#include <QMap>

namespace {

// The characteristic fields with the Chars column and the song member that hold them.
struct TCharField {
    TSongField Field;
    const QString& Column;
    int TBaseSong::*Member;
};
const TCharField CharFields[] = {
    {sfType, Col::Type, &TBaseSong::CharType},
    {sfTempo, Col::Tempo, &TBaseSong::Tempo},
    {sfTempoIn, Col::TempoIn, &TBaseSong::TempoIn},
    {sfTempoOut, Col::TempoOut, &TBaseSong::TempoOut},
    {sfVocal, Col::Vocal, &TBaseSong::Vocal},
    {sfAtmosphere, Col::Atmosphere, &TBaseSong::Atmosphere},
    {sfLanguage, Col::Language, &TBaseSong::Language},
};

// The multi-edit fields with the column each is written to.
struct TToggledColumn {
    TSongField Field;
    const QString& Column;
};
const TToggledColumn BaseColumns[] = {
    {sfInfo, Col::Song_Info},       {sfCategory, Col::Category},    {sfLabel1, Col::Label1_Id},
    {sfLabel2, Col::Label2_Id},     {sfYear, Col::SYear},           {sfTimeRest1, Col::Time_Rest},
    {sfTimeRest2, Col::Time_Rest2}, {sfTimeRest3, Col::Time_Rest3}, {sfFreqRest, Col::Freq_Rest},
};
const TToggledColumn DataColumns[] = {
    {sfQuality, Col::Quality}, {sfCompress, Col::Compress}, {sfMode, Col::Mode},
    {sfFile, Col::Path},       {sfFrequ, Col::Frequ},       {sfCode, Col::Code},
};

// A song's category is its number in decimal; anything else counts as the music category.
int CategoryNumber(const QString& text) {
    bool ok = false;
    const int number = text.toInt(&ok);
    return ok ? number : 1;
}

bool IsPathDelimiter(QChar c) {
    return c == QLatin1Char('/') || c == QLatin1Char('\\');
}

// A directory as the store keeps it: with a delimiter at its end, in the style it is written.
QString DirectoryWithDelimiter(const QString& directory) {
    if (directory.isEmpty() || IsPathDelimiter(directory.back()))
        return directory;
    const bool windowsStyle =
        directory.contains(QLatin1Char('\\')) && !directory.contains(QLatin1Char('/'));
    return directory + (windowsStyle ? QLatin1Char('\\') : QLatin1Char('/'));
}

int DefaultSongGroup() {
    return FreqGroups ? FreqGroups->DefSongGr() : -1;
}

} // namespace

// --- Fields

QString SongPageCaption(TSongPage page) {
    switch (page) {
    case spInfo:
        return QStringLiteral("Info");
    case spChars:
        return QStringLiteral("Charakterystyka");
    case spTimes:
        return QStringLiteral("Czasy");
    case spFile:
        return QStringLiteral("Nagranie");
    case spRights:
        return QStringLiteral("ZAIKS");
    case spRestrictions:
        return QStringLiteral("Parametry losowania");
    }
    return {};
}

TSongPage PageOfField(TSongField field) {
    if (field <= sfCategory)
        return spInfo;
    if (field <= sfYear)
        return spChars;
    if (field <= sfNEnd)
        return spTimes;
    if (field <= sfCreateDate)
        return spFile;
    if (field <= sfYear2)
        return spRights;
    return spRestrictions;
}

TSongSection SectionOfField(TSongField field) {
    // The labels, the year and the song's time are shown beside the characteristics and the cue
    // points, but they are stored in the song's main row.
    if (field == sfLabel1 || field == sfLabel2 || field == sfYear || field == sfSongTime)
        return ssMain;
    switch (PageOfField(field)) {
    case spInfo:
        return ssMain;
    case spChars:
        return ssChars;
    case spTimes:
        return ssTimes;
    case spFile:
        return ssFile;
    case spRights:
        return ssRights;
    case spRestrictions:
        return ssRestrictions;
    }
    return ssMain;
}

bool HasToggle(TSongField field) {
    switch (field) {
    case sfCategory:
    case sfInfo:
    case sfYear:
    case sfLanguage:
    case sfAtmosphere:
    case sfVocal:
    case sfTempoOut:
    case sfTempoIn:
    case sfTempo:
    case sfType:
    case sfLabel2:
    case sfLabel1:
    case sfCode:
    case sfFile:
    case sfMode:
    case sfQuality:
    case sfCompress:
    case sfFrequ:
    case sfFreqRest:
    case sfTimeRest1:
    case sfTimeRest2:
    case sfTimeRest3:
        return true;
    default:
        return false;
    }
}

int CharKindOfField(TSongField field) {
    switch (field) {
    case sfType:
        return ckType;
    case sfTempo:
    case sfTempoIn:
    case sfTempoOut:
        return ckTempo;
    case sfVocal:
        return ckVocal;
    case sfAtmosphere:
        return ckAtmosphere;
    case sfLanguage:
        return ckLanguage;
    default:
        return -1;
    }
}

const QStringList& SongModeNames() {
    static const QStringList names{QStringLiteral("Mono"), QStringLiteral("Stereo"),
                                   QStringLiteral("Joint stereo"), QStringLiteral("Dual channel")};
    return names;
}

const QStringList& SongQualityNames() {
    static const QStringList names{QStringLiteral("CD"), QStringLiteral("Wysoka"),
                                   QStringLiteral("Średnia"), QStringLiteral("Niska")};
    return names;
}

const QStringList& SongFrequencyNames() {
    static const QStringList names{QStringLiteral("22050"), QStringLiteral("32000"),
                                   QStringLiteral("44100"), QStringLiteral("48000")};
    return names;
}

bool YearTextValid(const QString& digits) {
    return digits.isEmpty() || YearOfText(digits) != -1;
}

int YearOfText(const QString& digits) {
    if (digits.size() != 4)
        return -1;
    for (QChar c : digits)
        if (!c.isDigit())
            return -1;
    return digits.toInt();
}

QString YearText(int year) {
    return year < 0 ? QString() : QString::number(year).rightJustified(4, QLatin1Char('0'));
}

int TSongWrites::CharsRowOf(const TBaseSong& song) {
    return FindChars(song.CharType, song.Tempo, song.TempoIn, true, song.Atmosphere, song.Vocal,
                     song.Language, song.TempoOut);
}

// --- Opening

TSongWindowModel::TSongWindowModel(TSongWindowMode mode, TDBMainBase* store)
    : FMode(mode), FStore(store) {}

std::unique_ptr<TSongWindowModel> TSongWindowModel::ForNewSong(TDBMainBase& store, TDateTime now) {
    std::unique_ptr<TSongWindowModel> model(new TSongWindowModel(swNew, &store));
    for (const TCharField& c : CharFields)
        model->FSong.*c.Member = kAnyCharValue;
    model->FSong.CreateDate = now;
    model->FSong.FreqRest = DefaultSongGroup();
    model->FLoaded.fill(true);
    return model;
}

std::unique_ptr<TSongWindowModel> TSongWindowModel::ForSong(TDBMainBase& store, int songId) {
    std::unique_ptr<TSongWindowModel> model(new TSongWindowModel(swEdit, &store));
    model->FSong.SongId = songId;
    model->FSongIds = {songId};
    if (!model->ReadStoredSong())
        return nullptr;
    // What the song list's row holds is read; the rest waits for its page.
    model->FLoaded[spInfo] = model->FLoaded[spRights] = model->FLoaded[spRestrictions] = true;
    return model;
}

std::unique_ptr<TSongWindowModel> TSongWindowModel::ForSongs(TDBMainBase& store,
                                                             const QList<int>& songIds) {
    std::unique_ptr<TSongWindowModel> model(new TSongWindowModel(swMulti, &store));
    for (const TCharField& c : CharFields)
        model->FSong.*c.Member = kAnyCharValue;
    model->FSong.FreqRest = DefaultSongGroup();
    model->FSongIds = songIds;
    model->FLoaded.fill(true);
    return model;
}

std::unique_ptr<TSongWindowModel> TSongWindowModel::ForImportedSong(TSongData& song) {
    std::unique_ptr<TSongWindowModel> model(new TSongWindowModel(swImported, nullptr));
    model->FImported = &song;
    model->FSong = song; // the record's own fields; the words of the file stay in it
    model->FArtistName = song.ArtistName;
    model->FAlbumTitle = song.AlbumTitle;
    model->FLoaded.fill(true);
    return model;
}

bool TSongWindowModel::ReadStoredSong() {
    try {
        const std::optional<TDBRecord> row = FStore->LocateSong(FSong.SongId);
        if (!row) {
            ShowError(Format(kDatabaseError, {kUnknownSongId}));
            return false;
        }
        FSong.Title = row->AsString(Col::Title);
        FSong.ArtistId = row->AsInteger(Col::Art_Id);
        FSong.AlbumId = row->AsInteger(Col::Album_Id);
        FSong.Info = row->AsString(Col::Song_Info);
        FSong.Category = row->AsString(Col::Category);
        FSong.Label1Id = row->AsInteger(Col::Label1_Id);
        FSong.Label2Id = row->AsInteger(Col::Label2_Id);
        FSong.Year = row->AsInteger(Col::SYear);
        FSong.SongTime = row->AsInteger(Col::Song_Time);
        FSong.TimeRest = row->AsInteger(Col::Time_Rest);
        FSong.TimeRest2 = row->AsInteger(Col::Time_Rest2);
        FSong.TimeRest3 = row->AsInteger(Col::Time_Rest3);
        FSong.FreqRest = row->AsInteger(Col::Freq_Rest);
        FCharacterId = row->AsInteger(Col::Character_Id);
        FArtistName = GetArtistName(FSong.ArtistId);
        FAlbumTitle = GetAlbumTitle(FSong.AlbumId);
        FLabelValues[0] = FSong.Label1Id == -1 ? QString() : GetLabelValue(FSong.Label1Id);
        FLabelValues[1] = FSong.Label2Id == -1 ? QString() : GetLabelValue(FSong.Label2Id);
        if (const std::optional<TDBRecord> rights = FStore->LocateZSong(FSong.SongId)) {
            FSong.Composer = rights->AsString(Col::Composer);
            FSong.TextAuthor = rights->AsString(Col::TextAuthor);
            FSong.Producer = rights->AsString(Col::Producer);
            FSong.Publisher = rights->AsString(Col::Publisher);
            FSong.Year2 = rights->AsInteger(Col::Year2);
        }
        return true;
    } catch (const std::exception& e) {
        ShowStoreReadError(e);
        return false;
    }
}

// --- Pages read when first shown

void TSongWindowModel::LoadPage(TSongPage page) {
    if (FLoaded[page])
        return;
    // Marked first: a page that could not be read is not asked for again with every look.
    FLoaded[page] = true;
    switch (page) {
    case spChars:
        ReadChars();
        break;
    case spTimes:
        ReadTimes();
        break;
    case spFile:
        ReadFile();
        break;
    default:
        break;
    }
}

void TSongWindowModel::ReadChars() {
    try {
        // A song without a characteristics row shows "Dowolny" everywhere but keeps its -1s
        // until they are changed.
        if (const std::optional<TDBRecord> row = FStore->LocateChars(FCharacterId))
            for (const TCharField& c : CharFields)
                FSong.*c.Member = row->AsInteger(c.Column);
    } catch (const std::exception& e) {
        ShowStoreReadError(e);
    }
}

void TSongWindowModel::ReadTimes() {
    try {
        if (const std::optional<TDBRecord> row = FStore->LocateDatSong(FSong.SongId)) {
            FSong.Intro = row->AsInteger(Col::Intro);
            FSong.Outro = row->AsInteger(Col::Outro);
            FSong.FadeIn = row->AsInteger(Col::FadeIn);
            FSong.FadeOut = row->AsInteger(Col::FadeOut);
            FSong.Mix = row->AsInteger(Col::Mix);
            FSong.NStart = row->AsInteger(Col::NStart);
            FSong.NEnd = row->AsInteger(Col::NEnd);
        }
    } catch (const std::exception& e) {
        ShowStoreReadError(e);
    }
}

void TSongWindowModel::ReadFile() {
    try {
        if (const std::optional<TDBRecord> row = FStore->LocateDataSong(FSong.SongId)) {
            FSong.Compress = row->AsString(Col::Compress);
            FSong.Frequ = row->AsInteger(Col::Frequ);
            FSong.Mode = static_cast<quint8>(row->AsInteger(Col::Mode));
            FSong.Quality = row->AsString(Col::Quality);
            FSong.Path = row->AsString(Col::Path);
            FSong.SetFileName(row->AsString(Col::FileName));
            FSong.Code = row->AsString(Col::Code);
            FSong.OwnerId = row->AsInteger(Col::OwnerId);
            FSong.CreateDate = row->AsDateTime(Col::CreateDate);
        }
    } catch (const std::exception& e) {
        ShowStoreReadError(e);
    }
}

void TSongWindowModel::EnsureLoaded(TSongField field) {
    LoadPage(PageOfField(field));
}

// --- What the window shows

bool TSongWindowModel::PageShown(TSongPage page) const {
    switch (FMode) {
    case swImported:
        return page == spInfo;
    case swMulti:
        return page != spTimes && page != spRights;
    default:
        return true;
    }
}

bool TSongWindowModel::FieldShown(TSongField field) const {
    return PageShown(PageOfField(field)) && (FMode != swMulti || HasToggle(field));
}

// --- Values

int* TSongWindowModel::NumberOf(TSongField field) {
    switch (field) {
    case sfYear:
        return &FSong.Year;
    case sfSongTime:
        return &FSong.SongTime;
    case sfIntro:
        return &FSong.Intro;
    case sfOutro:
        return &FSong.Outro;
    case sfFadeIn:
        return &FSong.FadeIn;
    case sfFadeOut:
        return &FSong.FadeOut;
    case sfMix:
        return &FSong.Mix;
    case sfNStart:
        return &FSong.NStart;
    case sfNEnd:
        return &FSong.NEnd;
    case sfFrequ:
        return &FSong.Frequ;
    case sfYear2:
        return &FSong.Year2;
    case sfTimeRest1:
        return &FSong.TimeRest;
    case sfTimeRest2:
        return &FSong.TimeRest2;
    case sfTimeRest3:
        return &FSong.TimeRest3;
    case sfFreqRest:
        return &FSong.FreqRest;
    default:
        for (const TCharField& c : CharFields)
            if (c.Field == field)
                return &(FSong.*c.Member);
        return nullptr;
    }
}

QString* TSongWindowModel::TextOf(TSongField field) {
    switch (field) {
    case sfTitle:
        return &FSong.Title;
    case sfInfo:
        return &FSong.Info;
    case sfCompress:
        return &FSong.Compress;
    case sfQuality:
        return &FSong.Quality;
    case sfCode:
        return &FSong.Code;
    case sfComposer:
        return &FSong.Composer;
    case sfTextAuthor:
        return &FSong.TextAuthor;
    case sfProducer:
        return &FSong.Producer;
    case sfPublisher:
        return &FSong.Publisher;
    default:
        return nullptr;
    }
}

int TSongWindowModel::Number(TSongField field) const {
    switch (field) {
    case sfArtist:
        return FSong.ArtistId;
    case sfAlbum:
        return FSong.AlbumId;
    case sfCategory:
        return CategoryNumber(FSong.Category);
    case sfLabel1:
        return FSong.Label1Id;
    case sfLabel2:
        return FSong.Label2Id;
    case sfMode:
        return FSong.Mode;
    default: {
        const int* number = const_cast<TSongWindowModel*>(this)->NumberOf(field);
        return number ? *number : -1;
    }
    }
}

QString TSongWindowModel::Text(TSongField field) const {
    switch (field) {
    case sfArtist:
        return FArtistName;
    case sfAlbum:
        return FAlbumTitle;
    case sfLabel1:
        return FLabelValues[0];
    case sfLabel2:
        return FLabelValues[1];
    case sfFile: {
        if (FMode == swMulti)
            return FSong.Path;
        TResultSongData file;
        file.Path = FSong.Path;
        file.FileName = FSong.FileName;
        return file.FullFileName();
    }
    default: {
        const QString* text = const_cast<TSongWindowModel*>(this)->TextOf(field);
        return text ? *text : QString();
    }
    }
}

void TSongWindowModel::MarkChanged(TSongField field) {
    FFieldChanged.set(field);
    FSectionChanged.set(SectionOfField(field));
    if (FMode == swMulti && HasToggle(field))
        FToggled.set(field);
}

void TSongWindowModel::SetNumber(TSongField field, int value) {
    EnsureLoaded(field);
    if (field == sfCategory) {
        const QString category = QString::number(value);
        if (category == FSong.Category)
            return;
        FSong.Category = category;
    } else if (field == sfMode) {
        const auto mode = static_cast<quint8>(qBound(0, value, 255));
        if (mode == FSong.Mode)
            return;
        FSong.Mode = mode;
    } else {
        int* number = NumberOf(field);
        if (!number || *number == value)
            return;
        *number = value;
    }
    MarkChanged(field);
}

void TSongWindowModel::SetText(TSongField field, const QString& text) {
    EnsureLoaded(field);
    if (field == sfFile) {
        if (FMode == swMulti) {
            // Multi-edit moves the songs' files to another directory, keeping their names.
            const QString directory = DirectoryWithDelimiter(text);
            if (directory == FSong.Path)
                return;
            FSong.Path = directory;
        } else {
            TResultSongData file;
            file.SetFullFileName(text);
            if (file.Path == FSong.Path && file.FileName == FSong.FileName)
                return;
            FSong.Path = file.Path;
            FSong.SetFileName(file.FileName);
        }
    } else {
        QString* own = TextOf(field);
        if (!own || *own == text)
            return;
        *own = text;
    }
    MarkChanged(field);
}

void TSongWindowModel::SetCreateDate(TDateTime value) {
    EnsureLoaded(sfCreateDate);
    if (value == FSong.CreateDate)
        return;
    FSong.CreateDate = value;
    MarkChanged(sfCreateDate);
}

void TSongWindowModel::SetArtist(int artistId, const QString& name) {
    if (artistId == FSong.ArtistId && name == FArtistName)
        return;
    FSong.ArtistId = artistId;
    FArtistName = name;
    MarkChanged(sfArtist);
    // An album belongs to its artist.
    if (FSong.AlbumId != -1 || !FAlbumTitle.isEmpty())
        SetAlbum(-1, QString());
}

void TSongWindowModel::SetAlbum(int albumId, const QString& title) {
    if (albumId == FSong.AlbumId && title == FAlbumTitle)
        return;
    FSong.AlbumId = albumId;
    FAlbumTitle = title;
    MarkChanged(sfAlbum);
}

void TSongWindowModel::SetLabel(TSongField field, int labelId, const QString& value) {
    if (field != sfLabel1 && field != sfLabel2)
        return;
    int& id = field == sfLabel1 ? FSong.Label1Id : FSong.Label2Id;
    QString& text = FLabelValues[field == sfLabel1 ? 0 : 1];
    if (labelId == id && value == text)
        return;
    id = labelId;
    text = value;
    MarkChanged(field);
}

void TSongWindowModel::SetToggled(TSongField field, bool down) {
    if (HasToggle(field))
        FToggled.set(field, down);
}

// --- OK

bool TSongWindowModel::Accept() {
    FTurnToTimes = false;
    switch (FMode) {
    case swNew:
        return AcceptNewSong();
    case swEdit:
        return AcceptSongEdit();
    case swMulti:
        return AcceptSongsEdit();
    case swImported:
        return AcceptImportedSong();
    }
    return false;
}

bool TSongWindowModel::AcceptNewSong() {
    const bool timeEntered = FSong.SongTime > 0;
    const QString errors = NewSongFieldErrors(FArtistName, FSong.Title, timeEntered);
    if (!errors.isEmpty()) {
        FTurnToTimes = !timeEntered;
        ShowError(errors);
        return false;
    }
    TBaseSong song = FSong;
    song.SongId = -1;
    if (SaveNewSong(song, FArtistName) != nsAdded)
        return false;
    FSong.SongId = song.SongId;
    FWritten = true;
    return true;
}

bool TSongWindowModel::AcceptSongEdit() {
    const auto changed = [this](TSongSection section) { return FSectionChanged[section]; };
    if (FSectionChanged.none())
        return true;
    const int id = FSong.SongId;
    try {
        // The sections are written together or not at all: a failure leaves the song as it was
        // and the window open.
        TStoreTransaction unit(*FStore);
        if (changed(ssFile) && !Writes.File(id, FSong))
            return false;
        if (changed(ssTimes) && !Writes.Times(id, FSong))
            return false;
        std::optional<int> characterId;
        if (changed(ssChars)) {
            characterId = Writes.Chars(FSong);
            if (*characterId == -1) {
                ShowStoreWriteError(kCharsNotSaved);
                return false;
            }
        }
        if ((changed(ssMain) || characterId) &&
            !Writes.Main(id, FSong, changed(ssMain), characterId))
            return false;
        if (changed(ssRestrictions) && !Writes.Restrictions(id, FSong))
            return false;
        if (changed(ssRights) && !Writes.Rights(id, FSong))
            return false;
        unit.Commit();
        if (characterId)
            FCharacterId = *characterId;
        FWritten = true;
        return true;
    } catch (const std::exception& e) {
        ShowStoreWriteError(e);
        return false;
    }
}

bool TSongWindowModel::AnyCharToggled() const {
    for (const TCharField& c : CharFields)
        if (FToggled[c.Field])
            return true;
    return false;
}

TFieldValues TSongWindowModel::MultiBaseFields() const {
    TFieldValues values;
    for (const TToggledColumn& c : BaseColumns) {
        if (!FToggled[c.Field])
            continue;
        if (c.Field == sfInfo)
            values.append({c.Column, FSong.Info});
        else if (c.Field == sfCategory)
            values.append({c.Column, QString::number(Number(sfCategory))});
        else
            values.append({c.Column, Number(c.Field)});
    }
    return values;
}

TFieldValues TSongWindowModel::MultiDataFields() const {
    TFieldValues values;
    for (const TToggledColumn& c : DataColumns) {
        if (!FToggled[c.Field])
            continue;
        if (c.Field == sfMode || c.Field == sfFrequ)
            values.append({c.Column, Number(c.Field)});
        else
            values.append({c.Column, Text(c.Field)});
    }
    return values;
}

bool TSongWindowModel::AcceptSongsEdit() {
    const TFieldValues baseFields = MultiBaseFields();
    const TFieldValues dataFields = MultiDataFields();
    const bool chars = AnyCharToggled();
    if (baseFields.isEmpty() && dataFields.isEmpty() && !chars)
        return true;
    try {
        TStoreTransaction unit(*FStore);
        if (!chars) {
            if (!Writes.Fields(FSongIds, baseFields, dataFields))
                return false;
        } else {
            // Each song keeps its own values of the kinds not toggled, so songs that shared a
            // characteristics row may part; the songs that meet again share one.
            QMap<int, QList<int>> songsByChars;
            for (int id : FSongIds) {
                const std::optional<TDBRecord> row = FStore->LocateSong(id);
                if (!row)
                    continue;
                TBaseSong values;
                const std::optional<TDBRecord> own =
                    FStore->LocateChars(row->AsInteger(Col::Character_Id));
                for (const TCharField& c : CharFields)
                    values.*c.Member = FToggled[c.Field] ? FSong.*c.Member
                                       : own             ? own->AsInteger(c.Column)
                                                         : -1;
                const int characterId = Writes.Chars(values);
                if (characterId == -1) {
                    ShowStoreWriteError(kCharsNotSaved);
                    return false;
                }
                songsByChars[characterId].append(id);
            }
            for (auto group = songsByChars.cbegin(); group != songsByChars.cend(); ++group) {
                TFieldValues fields = baseFields;
                fields.append({Col::Character_Id, group.key()});
                if (!Writes.Fields(group.value(), fields, dataFields))
                    return false;
            }
        }
        unit.Commit();
        FWritten = true;
        return true;
    } catch (const std::exception& e) {
        ShowStoreWriteError(e);
        return false;
    }
}

bool TSongWindowModel::AcceptImportedSong() {
    TSongData& song = *FImported;
    song.ArtistId = FSong.ArtistId;
    song.ArtistName = FArtistName;
    song.Title = FSong.Title;
    song.AlbumId = FSong.AlbumId;
    song.AlbumTitle = FAlbumTitle;
    song.Info = FSong.Info;
    song.Category = FSong.Category;
    FWritten = true;
    return true;
}
