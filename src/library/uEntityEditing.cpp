#include "library/uEntityEditing.h"

#include "foundation/uFormat.h"
#include "foundation/uPrompt.h"
#include "library/uDBMainBase.h"
#include "library/uDBSchema.h"
#include "library/uLibraryEntities.h"
#include "library/uSongStore.h"
#include "library/uStoreErrors.h"
#include "settings/uSettings.h"

namespace {

// Whether a row other than `ownId` (and other than the -1 row) has the name, letter case
// ignored. `sql` names the key as ?2 and the name as ?1. Throws on a store error.
bool NameTaken(const QString& sql, const QString& name, int ownId) {
    TMainBaseQuery query(MainBase.get());
    query.SetSQL(sql);
    query.SetParam(1, name);
    query.SetParam(2, ownId);
    query.Open();
    const bool taken = !query.Eof();
    query.Close();
    return taken;
}

const QString sqlOtherArtistNamed =
    QStringLiteral("SELECT Art_Id FROM Artists WHERE Art_Name = ?1 COLLATE PL_CI AND Art_Id <> ?2 "
                   "AND Art_Id <> -1 LIMIT 1");
const QString sqlOtherLabelValued =
    QStringLiteral("SELECT Label_Id FROM Labels WHERE LValue = ?1 COLLATE PL_CI AND Label_Id <> ?2 "
                   "AND Label_Id <> -1 LIMIT 1");

TFieldValues ArtistValues(const TArtistFields& fields) {
    return {{Col::Art_Name, fields.Name},
            {Col::Alias1, fields.Alias1},
            {Col::Alias2, fields.Alias2},
            {Col::Art_FreqGroup, fields.FreqGroup}};
}

// False, with the message shown, when another label has the value; a value the dialog would
// not accept is refused silently.
bool CheckLabelValue(const QString& value, int ownId) {
    if (!IsValidLabelValue(value))
        return false;
    if (NameTaken(sqlOtherLabelValued, value, ownId)) {
        ShowError(kLabelExists);
        return false;
    }
    return true;
}

QVariant YearValue(int year) {
    return year == -1 ? QVariant() : QVariant(year);
}

} // namespace

// --- Artists

int DefaultArtistFreqGroup() {
    return FreqGroups ? FreqGroups->DefArtGr() : -1;
}

bool CheckArtistName(const QString& name, int ownId) {
    if (!MainBase)
        return false;
    try {
        if (!NameTaken(sqlOtherArtistNamed, name, ownId))
            return true;
        ShowError(Format(kArtistNameTaken, {name}));
    } catch (const std::exception& e) {
        ShowStoreReadError(e);
    }
    return false;
}

int NewArtist(const TArtistFields& fields) {
    if (fields.Name.isEmpty() || !CheckArtistName(fields.Name))
        return -1;
    try {
        return static_cast<int>(MainBase->ArtistsTable().Append(ArtistValues(fields)));
    } catch (const std::exception& e) {
        ShowStoreWriteError(e);
        return -1;
    }
}

bool EditArtist(int artistId, const TArtistFields& fields) {
    if (artistId == -1 || fields.Name.isEmpty() || !CheckArtistName(fields.Name, artistId))
        return false;
    try {
        return MainBase->ArtistsTable().Update(artistId, ArtistValues(fields));
    } catch (const std::exception& e) {
        ShowStoreWriteError(e);
        return false;
    }
}

bool SetArtistsFreqGroup(const QList<int>& artistIds, int freqGroup) {
    if (!MainBase)
        return false;
    try {
        TStoreTransaction unit(*MainBase);
        for (int id : artistIds)
            if (id != -1)
                MainBase->ArtistsTable().Update(id, {{Col::Art_FreqGroup, freqGroup}});
        unit.Commit();
        return true;
    } catch (const std::exception& e) {
        ShowStoreWriteError(e);
        return false;
    }
}

bool ConfirmArtistsDeletion(int count) {
    return AskYesNo(count > 1 ? kDeleteArtistsQuestion : kDeleteArtistQuestion);
}

bool DeleteArtists(const QList<int>& artistIds) {
    if (!MainBase)
        return false;
    try {
        TStoreTransaction unit(*MainBase);
        for (int id : artistIds) {
            if (!ArtistExists(id))
                continue;
            MainBase->ArtistsTable().Delete(id);
            // It has shown its failure; leaving the unit undone keeps the artist too.
            if (!DeleteArtistSongs(id))
                return false;
            TDBTable& stats = MainBase->AStatsTable();
            while (const std::optional<TDBRecord> row = MainBase->LocateArtistStats(id))
                stats.Delete(row->RowId());
        }
        unit.Commit();
        return true;
    } catch (const std::exception& e) {
        ShowStoreWriteError(e);
        return false;
    }
}

// --- Labels

bool IsValidLabelValue(const QString& value) {
    return !value.isEmpty() && value.size() <= kLabelValueMax && !value.contains(QLatin1Char('*'));
}

int NewLabel(const QString& value) {
    if (!MainBase)
        return -1;
    try {
        return CheckLabelValue(value, -1) ? AddLabel(value) : -1;
    } catch (const std::exception& e) {
        ShowStoreWriteError(e);
        return -1;
    }
}

bool RenameLabel(int labelId, const QString& value) {
    if (!MainBase || labelId == -1)
        return false;
    try {
        return CheckLabelValue(value, labelId) &&
               MainBase->LabelsTable().Update(labelId, {{Col::LValue, value}});
    } catch (const std::exception& e) {
        ShowStoreWriteError(e);
        return false;
    }
}

bool ConfirmLabelDeletion() {
    return AskYesNo(kDeleteLabelQuestion);
}

bool DeleteLabel(int labelId) {
    if (!MainBase || labelId == -1)
        return false;
    try {
        TStoreTransaction unit(*MainBase);
        MainBase->LabelsTable().Delete(labelId);
        // The song list joins every song to both its labels; a song keeping a deleted label
        // would vanish from it.
        TMainBaseQuery clear(MainBase.get());
        for (const char* field : {"Label1_Id", "Label2_Id"}) {
            clear.SetSQL(QStringLiteral("UPDATE BaseSongs SET %1 = -1 WHERE %1 = ?1")
                             .arg(QLatin1String(field)));
            clear.SetParam(1, labelId);
            clear.ExecSQL();
        }
        unit.Commit();
        return true;
    } catch (const std::exception& e) {
        ShowStoreWriteError(e);
        return false;
    }
}

// --- Albums

QList<TAlbumEntry> ArtistAlbums(int artistId) {
    QList<TAlbumEntry> albums;
    // The none album belongs to the none artist; it is never listed.
    if (!MainBase || artistId == -1)
        return albums;
    try {
        TMainBaseQuery query(MainBase.get());
        query.SetSQL(Format(sqlArtistAlbums, {artistId}));
        for (query.Open(); !query.Eof(); query.Next())
            albums.append({query.AsInteger(Col::Album_Id), query.AsString(Col::Album_Title),
                           query.IsNull(Col::Album_Year) ? -1 : query.AsInteger(Col::Album_Year),
                           false});
        query.Close();
    } catch (const std::exception& e) {
        ShowStoreReadError(e);
        albums.clear();
    }
    return albums;
}

bool SaveArtistAlbums(int artistId, QList<TAlbumEntry>& entries) {
    if (!MainBase || artistId == -1)
        return false;
    QList<TAlbumEntry> saved = entries;
    try {
        TStoreTransaction unit(*MainBase);
        TDBTable& albums = MainBase->AlbumsTable();
        for (TAlbumEntry& entry : saved) {
            const TFieldValues values{{Col::Album_Title, entry.Title},
                                      {Col::Album_Year, YearValue(entry.Year)}};
            if (entry.Id == -1) {
                TFieldValues row = values;
                row.append({Col::Album_Art_Id, artistId});
                entry.Id = static_cast<int>(albums.Append(row));
            } else if (entry.Changed) {
                albums.Update(entry.Id, values);
            }
            entry.Changed = false;
        }
        unit.Commit();
    } catch (const std::exception& e) {
        ShowStoreWriteError(e);
        return false;
    }
    // Only a stored unit hands its ids out.
    entries = saved;
    return true;
}
