#include "library/uLibraryEntities.h"

#include "library/uDBMainBase.h"
#include "library/uDBSchema.h"
#include "library/uStoreErrors.h"
#include "settings/uSettings.h"

namespace {

const QString kAlbumKey = QStringLiteral("Album_Title;Album_Art_Id");
const QString kCharsKey = QStringLiteral("Type;Tempo;Atmosphere;Language;Vocal;TempoIn;TempoOut");

// The id of the row found by its natural key, -1 when none.
int KeyOf(const std::optional<TDBRecord>& row) {
    return row ? static_cast<int>(row->RowId()) : -1;
}

// A name field of the row with the id; empty when none (or on an error, which is shown).
QString NameOf(TDBTable& (TDBMainBase::*table)(), int id, const QString& field) {
    if (!MainBase)
        return {};
    try {
        TDBTable& t = (MainBase.get()->*table)();
        const std::optional<TDBRecord> row = t.Locate(t.KeyField(), {id});
        return row ? row->AsString(field) : QString();
    } catch (const std::exception& e) {
        ShowStoreReadError(e);
        return {};
    }
}

int DefaultArtistGroup() {
    return FreqGroups ? FreqGroups->DefArtGr() : -1;
}

} // namespace

// --- Artists

int FindArtist(const QString& name, bool create) {
    if (name.isEmpty() || !MainBase)
        return -1;
    try {
        TDBTable& artists = MainBase->ArtistsTable();
        const int found = KeyOf(artists.Locate(Col::Art_Name, {name}, lmCaseInsensitive));
        if (found != -1 || !create)
            return found;
        return static_cast<int>(artists.Append({{Col::Art_Name, name},
                                                {Col::Alias1, -1},
                                                {Col::Alias2, -1},
                                                {Col::Art_FreqGroup, DefaultArtistGroup()}}));
    } catch (const std::exception& e) {
        ShowStoreWriteError(e);
        return -1;
    }
}

QString GetArtistName(int artistId) {
    return NameOf(&TDBMainBase::ArtistsTable, artistId, Col::Art_Name);
}

std::optional<TDBRecord> ArtistExists(int artistId) {
    if (artistId == -1 || !MainBase)
        return std::nullopt;
    return MainBase->ArtistsTable().Locate(Col::Art_Id, {artistId});
}

// --- Albums

int FindAlbum(const QString& title, int artistId, bool create) {
    if (title.isEmpty() || artistId == -1 || !MainBase)
        return -1;
    try {
        TDBTable& albums = MainBase->AlbumsTable();
        const int found = KeyOf(albums.Locate(kAlbumKey, {title, artistId}, lmCaseInsensitive));
        if (found != -1 || !create)
            return found;
        return static_cast<int>(
            albums.Append({{Col::Album_Title, title}, {Col::Album_Art_Id, artistId}}));
    } catch (const std::exception& e) {
        ShowStoreWriteError(e);
        return -1;
    }
}

QString GetAlbumTitle(int albumId) {
    return NameOf(&TDBMainBase::AlbumsTable, albumId, Col::Album_Title);
}

// --- Labels

int FindLabel(const QString& value, bool create) {
    if (value.isEmpty())
        return -1;
    const int found = LabelIdOf(value);
    if (found != -1 || !create || !MainBase)
        return found;
    try {
        return AddLabel(value);
    } catch (const std::exception& e) {
        ShowStoreWriteError(e);
        return -1;
    }
}

int LabelIdOf(const QString& value) {
    if (value.isEmpty() || !MainBase)
        return -1;
    try {
        return KeyOf(MainBase->LabelsTable().Locate(Col::LValue, {value}, lmCaseInsensitive));
    } catch (const std::exception& e) {
        ShowStoreReadError(e);
        return -1;
    }
}

int AddLabel(const QString& value) {
    if (!MainBase)
        throw std::runtime_error("no library store");
    return static_cast<int>(MainBase->LabelsTable().Append({{Col::LValue, value}}));
}

QString GetLabelValue(int labelId) {
    return NameOf(&TDBMainBase::LabelsTable, labelId, Col::LValue);
}

// --- Characteristics

int FindChars(int type, int tempo, int tempoIn, bool create, int atmosphere, int vocal,
              int language, int tempoOut) {
    if (!MainBase)
        return -1;
    try {
        TDBTable& chars = MainBase->CharsTable();
        const QVariantList values{type, tempo, atmosphere, language, vocal, tempoIn, tempoOut};
        const int found = KeyOf(chars.Locate(kCharsKey, values));
        if (found != -1 || !create)
            return found;
        const QStringList fields = kCharsKey.split(QLatin1Char(';'));
        TFieldValues row;
        for (qsizetype i = 0; i < fields.size(); ++i)
            row.append({fields[i], values[i]});
        return static_cast<int>(chars.Append(row));
    } catch (const std::exception&) {
        return -1;
    }
}
