#include "report/uReportLibrary.h"

#include "library/uDBMainBase.h"
#include "library/uDBSchema.h"

namespace {

const QString sqlReportSong = QStringLiteral(
    "SELECT Art_Id, Category, Character_Id, SYear, Label1_Id, Label2_Id, Time_Rest, Time_Rest2, "
    "Time_Rest3, Freq_Rest FROM BaseSongs WHERE Song_Id = ?");
const QString sqlReportArtist =
    QStringLiteral("SELECT Alias1, Alias2, Art_FreqGroup FROM artists WHERE Art_Id = ?");
const QString sqlReportChars =
    QStringLiteral("SELECT Character_Id, Type, Tempo, Language, Atmosphere, Vocal FROM chars");

// A null field is no id.
int IdOf(const TFieldReader& row, const QString& field) {
    return row.IsNull(field) ? -1 : row.AsInteger(field);
}

} // namespace

TReportLibrary::TReportLibrary(TDBMainBase& store)
    : Store(store), SongQuery(&store), ArtistQuery(&store) {
    SongQuery.SetSQL(sqlReportSong);
    ArtistQuery.SetSQL(sqlReportArtist);
}

const std::optional<TReportSong>& TReportLibrary::Song(int songId) {
    const auto found = Songs.find(songId);
    if (found != Songs.end())
        return found->second;
    std::optional<TReportSong> song;
    // The store keeps a placeholder row -1, which is no song.
    if (songId != -1) {
        SongQuery.SetParam(1, songId);
        TQueryCloser closer(SongQuery);
        SongQuery.Open();
        if (!SongQuery.Eof()) {
            song = TReportSong{
                .ArtistId = IdOf(SongQuery, Col::Art_Id),
                .Category = SongQuery.AsString(Col::Category),
                .CharacterId = IdOf(SongQuery, Col::Character_Id),
                .Year = IdOf(SongQuery, Col::SYear),
                .Label1Id = IdOf(SongQuery, Col::Label1_Id),
                .Label2Id = IdOf(SongQuery, Col::Label2_Id),
                .TimeRests = {IdOf(SongQuery, Col::Time_Rest), IdOf(SongQuery, Col::Time_Rest2),
                              IdOf(SongQuery, Col::Time_Rest3)},
                .FreqGroup = IdOf(SongQuery, Col::Freq_Rest),
            };
        }
    }
    return Songs.emplace(songId, song).first->second;
}

const std::optional<TReportArtist>& TReportLibrary::Artist(int artistId) {
    const auto found = Artists.find(artistId);
    if (found != Artists.end())
        return found->second;
    std::optional<TReportArtist> artist;
    if (artistId != -1) {
        ArtistQuery.SetParam(1, artistId);
        TQueryCloser closer(ArtistQuery);
        ArtistQuery.Open();
        if (!ArtistQuery.Eof())
            artist = TReportArtist{.Alias1 = IdOf(ArtistQuery, Col::Alias1),
                                   .Alias2 = IdOf(ArtistQuery, Col::Alias2),
                                   .FreqGroup = IdOf(ArtistQuery, Col::Art_FreqGroup)};
    }
    return Artists.emplace(artistId, artist).first->second;
}

const std::unordered_map<int, TReportChars>& TReportLibrary::Chars() {
    if (!AllChars) {
        std::unordered_map<int, TReportChars> chars;
        TMainBaseQuery query(&Store);
        query.SetSQL(sqlReportChars);
        TQueryCloser closer(query);
        for (query.Open(); !query.Eof(); query.Next())
            chars.emplace(IdOf(query, Col::Character_Id),
                          TReportChars{IdOf(query, Col::Type), IdOf(query, Col::Tempo),
                                       IdOf(query, Col::Language), IdOf(query, Col::Atmosphere),
                                       IdOf(query, Col::Vocal)});
        AllChars = std::move(chars);
    }
    return *AllChars;
}

int TReportLibrary::LabelId(const QString& name) {
    if (name.isEmpty())
        return -1;
    const auto found = Labels.find(name);
    if (found != Labels.end())
        return found->second;
    const std::optional<TDBRecord> row =
        Store.LabelsTable().Locate(Col::LValue, {name}, lmCaseInsensitive);
    return Labels.emplace(name, row ? static_cast<int>(row->RowId()) : -1).first->second;
}
