#include "LibraryFixture.h"
#include "library/uSongWindowModel.h"

#include <QStringList>
#include <functional>

// The song window's logic without the window: what it reads, what a change marks, and what OK
// writes, for a new song, one stored song, several songs and a song of an import list.

namespace {

constexpr int kDefaultSongGroup = 5;

class SongWindowTest : public LibraryFixture {
protected:
    int Kult = -1;
    int Arahja = -1;
    // The calls OK made through the model's writes, in order.
    QStringList Calls;

    void SetUp() override {
        LibraryFixture::SetUp();
        FreqGroups->SetDefSongGr(kDefaultSongGroup);
        Kult = FindArtist(QStringLiteral("Kult"), true);
        Arahja = StoreSong(Kult, QStringLiteral("Arahja"));
    }

    // The model of a stored song with every page read, as a user who looked at each page sees.
    std::unique_ptr<TSongWindowModel> Open(int songId) {
        std::unique_ptr<TSongWindowModel> model = TSongWindowModel::ForSong(Base(), songId);
        EXPECT_TRUE(model);
        if (model)
            for (int page = 0; page < SongPageCount; ++page)
                model->LoadPage(TSongPage(page));
        return model;
    }

    // Records each write before it runs.
    void Watch(TSongWindowModel& model) {
        TSongWrites& w = model.Writes;
        w.File = [this](int id, const TBaseSong& s) { return Call("File", UpdateSongFile(id, s)); };
        w.Times = [this](int id, const TBaseSong& s) {
            return Call("Times", UpdateSongTimes(id, s));
        };
        w.Chars = [this](const TBaseSong& s) {
            Calls.append(QStringLiteral("Chars"));
            return TSongWrites::CharsRowOf(s);
        };
        w.Main = [this](int id, const TBaseSong& s, bool main, std::optional<int> chars) {
            const QString name = QStringLiteral("Main(") + (main ? "main" : "-") + ',' +
                                 (chars ? "chars" : "-") + ')';
            return Call(name, UpdateSongMain(id, s, main, chars));
        };
        w.Restrictions = [this](int id, const TBaseSong& s) {
            return Call("Restrictions", UpdateSongRestrictions(id, s));
        };
        w.Rights = [this](int id, const TBaseSong& s) {
            return Call("Rights", UpdateSongRights(id, s));
        };
        w.Fields = [this](const QList<int>& ids, const TFieldValues& base,
                          const TFieldValues& data) {
            return Call("Fields", UpdateSongsFields(ids, base, data));
        };
    }
    bool Call(const QString& name, bool result) {
        Calls.append(name);
        return result;
    }

    // Every field of the song's row in the table, in the table's order.
    QVariantList Row(TTableId id, int key) {
        TDBTable& table = Base().Table(id);
        const std::optional<TDBRecord> row = table.Locate(table.KeyField(), {key});
        QVariantList values;
        if (row)
            for (int i = 0; i < row->FieldCount(); ++i)
                values.append(row->ValueAt(i));
        return values;
    }
    QVariant Field(TTableId id, int key, const char* field) {
        TDBTable& table = Base().Table(id);
        const std::optional<TDBRecord> row = table.Locate(table.KeyField(), {key});
        return row ? row->Value(QLatin1String(field)) : QVariant();
    }
    int CharsOf(int songId, const char* kind) {
        const int characterId = Field(tiBaseSongs, songId, "Character_Id").toInt();
        return Field(tiChars, characterId, kind).toInt();
    }
};

// --- What a change marks

// A change that differs from what the stored song of LibraryFixture::MakeSong holds.
struct TChangeCase {
    TSongField Field;
    std::function<void(TSongWindowModel&)> Change;
    TSongSection Section;
};

TEST_F(SongWindowTest, AChangeMarksItsFieldAndOnlyItsSection) {
    const auto number = [](TSongField f, int v) {
        return [f, v](TSongWindowModel& m) { m.SetNumber(f, v); };
    };
    const auto text = [](TSongField f, const char* v) {
        return [f, v](TSongWindowModel& m) { m.SetText(f, QString::fromUtf8(v)); };
    };
    const int other = FindArtist(QStringLiteral("Perfect"), true);
    const int label = FindLabel(QStringLiteral("Pomaton"), true);
    const TChangeCase cases[] = {
        {sfArtist, [other](TSongWindowModel& m) { m.SetArtist(other, QStringLiteral("Perfect")); },
         ssMain},
        {sfTitle, text(sfTitle, "Arahja II"), ssMain},
        {sfAlbum,
         [this](TSongWindowModel& m) {
             m.SetAlbum(FindAlbum(QStringLiteral("Spokojnie"), Kult, true),
                        QStringLiteral("Spokojnie"));
         },
         ssMain},
        {sfInfo, text(sfInfo, "inny opis"), ssMain},
        {sfCategory, number(sfCategory, 3), ssMain},
        {sfLabel1,
         [label](TSongWindowModel& m) { m.SetLabel(sfLabel1, label, QStringLiteral("Pomaton")); },
         ssMain},
        {sfLabel2,
         [label](TSongWindowModel& m) { m.SetLabel(sfLabel2, label, QStringLiteral("Pomaton")); },
         ssMain},
        {sfYear, number(sfYear, 1987), ssMain},
        {sfSongTime, number(sfSongTime, 201000), ssMain},
        {sfType, number(sfType, 9), ssChars},
        {sfTempo, number(sfTempo, kAnyCharValue), ssChars},
        {sfTempoIn, number(sfTempoIn, 1), ssChars},
        {sfTempoOut, number(sfTempoOut, 1), ssChars},
        {sfVocal, number(sfVocal, 1), ssChars},
        {sfAtmosphere, number(sfAtmosphere, 1), ssChars},
        {sfLanguage, number(sfLanguage, 1), ssChars},
        {sfIntro, number(sfIntro, -1), ssTimes},
        {sfOutro, number(sfOutro, 1), ssTimes},
        {sfFadeIn, number(sfFadeIn, 1), ssTimes},
        {sfFadeOut, number(sfFadeOut, 1), ssTimes},
        {sfMix, number(sfMix, 1), ssTimes},
        {sfNStart, number(sfNStart, 1), ssTimes},
        {sfNEnd, number(sfNEnd, 1), ssTimes},
        {sfCompress, text(sfCompress, "PCM"), ssFile},
        {sfFrequ, number(sfFrequ, 48000), ssFile},
        {sfMode, number(sfMode, 3), ssFile},
        {sfQuality, text(sfQuality, "Średnia"), ssFile},
        {sfFile, text(sfFile, "/inne/plik.mp3"), ssFile},
        {sfCode, text(sfCode, "K2"), ssFile},
        {sfCreateDate, [](TSongWindowModel& m) { m.SetCreateDate(46000.25); }, ssFile},
        {sfComposer, text(sfComposer, "Kazik"), ssRights},
        {sfTextAuthor, text(sfTextAuthor, "Kazik"), ssRights},
        {sfProducer, text(sfProducer, "Kazik"), ssRights},
        {sfPublisher, text(sfPublisher, "Kazik"), ssRights},
        {sfYear2, number(sfYear2, 1988), ssRights},
        {sfTimeRest1, number(sfTimeRest1, -1), ssRestrictions},
        {sfTimeRest2, number(sfTimeRest2, 2), ssRestrictions},
        {sfTimeRest3, number(sfTimeRest3, 3), ssRestrictions},
        {sfFreqRest, number(sfFreqRest, 4), ssRestrictions},
    };
    ASSERT_EQ(std::size(cases), size_t(SongFieldCount)) << "every field has its case";
    for (const TChangeCase& c : cases) {
        const std::unique_ptr<TSongWindowModel> model = Open(Arahja);
        ASSERT_TRUE(model);
        c.Change(*model);
        EXPECT_EQ(SectionOfField(c.Field), c.Section) << c.Field;
        for (int f = 0; f < SongFieldCount; ++f)
            EXPECT_EQ(model->FieldChanged(TSongField(f)), f == c.Field) << c.Field << " " << f;
        for (int s = 0; s < SongSectionCount; ++s)
            EXPECT_EQ(model->SectionChanged(TSongSection(s)), s == c.Section) << c.Field;
    }
    EXPECT_TRUE(Prompt.Boxes.isEmpty());
}

TEST_F(SongWindowTest, SettingWhatAFieldHoldsAlreadyMarksNothing) {
    const std::unique_ptr<TSongWindowModel> model = Open(Arahja);
    model->SetText(sfTitle, QStringLiteral("Arahja"));
    model->SetNumber(sfCategory, 4);
    model->SetNumber(sfType, 1);
    model->SetNumber(sfIntro, 1000);
    model->SetText(sfFile, QStringLiteral("/muzyka/plik.mp3"));
    model->SetArtist(Kult, QStringLiteral("Kult"));
    for (int s = 0; s < SongSectionCount; ++s)
        EXPECT_FALSE(model->SectionChanged(TSongSection(s))) << s;
}

TEST_F(SongWindowTest, AnotherPerformerClearsTheAlbum) {
    TBaseSong song = MakeSong(Kult, QStringLiteral("Polska"));
    song.AlbumId = FindAlbum(QStringLiteral("Posłuchaj to do ciebie"), Kult, true);
    bool added = false;
    const int id = AddSong(song, added);
    const std::unique_ptr<TSongWindowModel> model = Open(id);
    EXPECT_EQ(S(model->Text(sfAlbum)), "Posłuchaj to do ciebie");
    EXPECT_TRUE(model->ArtistShown());
    EXPECT_TRUE(model->CanChooseAlbum());

    const int perfect = FindArtist(QStringLiteral("Perfect"), true);
    model->SetArtist(perfect, QStringLiteral("Perfect"));
    EXPECT_EQ(model->Number(sfAlbum), -1);
    EXPECT_TRUE(model->Text(sfAlbum).isEmpty());
    EXPECT_TRUE(model->FieldChanged(sfAlbum));

    model->SetArtist(-1, QString());
    EXPECT_FALSE(model->ArtistShown());
    EXPECT_FALSE(model->CanChooseAlbum());
}

// --- Reading a stored song

TEST_F(SongWindowTest, AStoredSongIsReadAndItsOtherPagesWhenFirstShown) {
    const int label = FindLabel(QStringLiteral("Sony"), true);
    TBaseSong song = MakeSong(Kult, QStringLiteral("Hej, czy nie wiecie"));
    song.Label2Id = label;
    bool added = false;
    const int id = AddSong(song, added);

    const std::unique_ptr<TSongWindowModel> model = TSongWindowModel::ForSong(Base(), id);
    ASSERT_TRUE(model);
    EXPECT_EQ(model->Mode(), swEdit);
    EXPECT_EQ(S(model->Text(sfArtist)), "Kult");
    EXPECT_EQ(S(model->Text(sfTitle)), "Hej, czy nie wiecie");
    EXPECT_EQ(model->Number(sfCategory), 4);
    EXPECT_EQ(model->Number(sfLabel1), -1);
    EXPECT_EQ(S(model->Text(sfLabel2)), "Sony");
    EXPECT_EQ(model->Number(sfYear), 1999);
    EXPECT_EQ(model->Number(sfSongTime), 200000);
    EXPECT_EQ(S(model->Text(sfComposer)), "Kompozytor");
    EXPECT_EQ(model->Number(sfYear2), 2000);
    EXPECT_EQ(model->Number(sfTimeRest3), 13);
    EXPECT_EQ(model->Number(sfFreqRest), 14);

    // Characteristics, cue points and the file wait for their pages.
    for (TSongPage page : {spChars, spTimes, spFile})
        EXPECT_FALSE(model->PageLoaded(page)) << page;
    EXPECT_EQ(model->Number(sfType), -1);
    EXPECT_EQ(model->Number(sfIntro), -1);
    EXPECT_TRUE(model->Text(sfFile).isEmpty());

    model->LoadPage(spChars);
    EXPECT_EQ(model->Number(sfType), 1);
    EXPECT_EQ(model->Number(sfTempoOut), 4);
    EXPECT_EQ(model->Number(sfLanguage), 7);
    model->LoadPage(spTimes);
    EXPECT_EQ(model->Number(sfIntro), 1000);
    EXPECT_EQ(model->Number(sfNEnd), -1);
    model->LoadPage(spFile);
    EXPECT_EQ(S(model->Text(sfFile)), "/muzyka/plik.mp3");
    EXPECT_EQ(model->Number(sfMode), 2);
    EXPECT_EQ(model->CreateDate(), 45000.5);

    // A field of a page not read yet is read before it is changed, so nothing else is lost.
    const std::unique_ptr<TSongWindowModel> again = TSongWindowModel::ForSong(Base(), id);
    again->SetNumber(sfOutro, 150000);
    EXPECT_TRUE(again->PageLoaded(spTimes));
    EXPECT_EQ(again->Number(sfIntro), 1000);
    EXPECT_TRUE(Prompt.Boxes.isEmpty());
}

TEST_F(SongWindowTest, AnUnknownSongIsNotOpened) {
    EXPECT_FALSE(TSongWindowModel::ForSong(Base(), 4242));
    EXPECT_EQ(Prompt.Errors(),
              QStringList{QStringLiteral("Błąd bazy danych: \"Nieznany identyfikator utworu.\".")});
}

TEST_F(SongWindowTest, CharacteristicsThatCannotBeReadAreReported) {
    const std::unique_ptr<TSongWindowModel> model = TSongWindowModel::ForSong(Base(), Arahja);
    // A store whose characteristics lack a field.
    Base().CloseTables();
    Base().Connection().exec("ALTER TABLE Chars RENAME COLUMN Vocal TO Vocal_gone");
    model->LoadPage(spChars);
    ASSERT_EQ(Prompt.Errors().size(), 1);
    EXPECT_TRUE(Prompt.Errors()[0].startsWith(QStringLiteral("Błąd bazy danych: \"")))
        << S(Prompt.Errors());
    EXPECT_TRUE(model->PageLoaded(spChars));
    Base().CloseTables();
    Base().Connection().exec("ALTER TABLE Chars RENAME COLUMN Vocal_gone TO Vocal");
}

// --- OK on a stored song

struct TOkCase {
    const char* What;
    std::function<void(TSongWindowModel&)> Change;
    QStringList Calls;
};

TEST_F(SongWindowTest, OkWritesOnlyTheChangedSectionsInTheirOrder) {
    const auto all = [](TSongWindowModel& m) {
        m.SetText(sfComposer, QStringLiteral("Kazik"));
        m.SetNumber(sfFreqRest, 2);
        m.SetText(sfTitle, QStringLiteral("Arahja (live)"));
        m.SetNumber(sfType, 8);
        m.SetNumber(sfMix, 180000);
        m.SetText(sfCode, QStringLiteral("K9"));
    };
    const TOkCase cases[] = {
        {"nothing", [](TSongWindowModel&) {}, {}},
        {"every section",
         all,
         {"File", "Times", "Chars", "Main(main,chars)", "Restrictions", "Rights"}},
        {"characteristics alone",
         [](TSongWindowModel& m) { m.SetNumber(sfVocal, 2); },
         {"Chars", "Main(-,chars)"}},
        {"main data alone",
         [](TSongWindowModel& m) { m.SetNumber(sfYear, 1990); },
         {"Main(main,-)"}},
        {"the file and authorship",
         [](TSongWindowModel& m) {
             m.SetNumber(sfYear2, 1991);
             m.SetNumber(sfFrequ, 22050);
         },
         {"File", "Rights"}},
        {"restrictions alone",
         [](TSongWindowModel& m) { m.SetNumber(sfTimeRest2, -1); },
         {"Restrictions"}},
    };
    for (const TOkCase& c : cases) {
        const std::unique_ptr<TSongWindowModel> model = Open(Arahja);
        Watch(*model);
        Calls.clear();
        c.Change(*model);
        EXPECT_TRUE(model->Accept()) << c.What;
        EXPECT_EQ(Calls, c.Calls) << c.What;
    }
    EXPECT_TRUE(Prompt.Boxes.isEmpty());

    const std::unique_ptr<TSongWindowModel> written = Open(Arahja);
    EXPECT_EQ(S(written->Text(sfTitle)), "Arahja (live)");
    EXPECT_EQ(written->Number(sfType), 8);
    EXPECT_EQ(written->Number(sfVocal), 2);
    EXPECT_EQ(written->Number(sfTempo), 2) << "the kinds not changed stay";
    EXPECT_EQ(written->Number(sfMix), 180000);
    EXPECT_EQ(S(written->Text(sfCode)), "K9");
    EXPECT_EQ(written->Number(sfFrequ), 22050);
    EXPECT_EQ(written->Number(sfYear), 1990);
    EXPECT_EQ(written->Number(sfYear2), 1991);
    EXPECT_EQ(written->Number(sfFreqRest), 2);
    EXPECT_EQ(written->Number(sfTimeRest2), -1);
    EXPECT_EQ(S(written->Text(sfComposer)), "Kazik");
}

TEST_F(SongWindowTest, EditingOnlyTheTimesWritesOnlyDatSongs) {
    const int other = StoreSong(Kult, QStringLiteral("Celina"));
    const TTableId untouched[] = {tiBaseSongs, tiDataSongs, tiZSongs, tiChars,
                                  tiArtists,   tiAlbums,    tiLabels};
    QList<QVariantList> before;
    for (TTableId table : untouched)
        for (int key : {Arahja, other, 1})
            before.append(Row(table, key));
    const int chars = Rows(tiChars);
    const QVariantList otherTimes = Row(tiDatSongs, other);

    const std::unique_ptr<TSongWindowModel> model = Open(Arahja);
    model->SetNumber(sfIntro, 12345);
    model->SetNumber(sfNEnd, -1);
    model->SetNumber(sfNStart, 500);
    ASSERT_TRUE(model->Accept());

    QList<QVariantList> after;
    for (TTableId table : untouched)
        for (int key : {Arahja, other, 1})
            after.append(Row(table, key));
    EXPECT_EQ(after, before);
    EXPECT_EQ(Rows(tiChars), chars);
    EXPECT_EQ(Field(tiDatSongs, Arahja, "Intro").toInt(), 12345);
    EXPECT_EQ(Field(tiDatSongs, Arahja, "NStart").toInt(), 500);
    EXPECT_EQ(Field(tiDatSongs, Arahja, "Outro").toInt(), 190000);
    EXPECT_EQ(Row(tiDatSongs, other), otherTimes);
}

TEST_F(SongWindowTest, AFailedWriteLeavesTheSongAsItWasAndTheWindowOpen) {
    const QVariantList times = Row(tiDatSongs, Arahja);
    const std::unique_ptr<TSongWindowModel> model = Open(Arahja);
    model->SetNumber(sfIntro, 1);
    model->SetText(sfPublisher, QStringLiteral("Zic Zac"));
    MakeFail("UPDATE", "ZSongs");
    EXPECT_FALSE(model->Accept());
    EXPECT_EQ(Prompt.Errors(),
              QStringList{QStringLiteral("Błąd zapisu do bazy danych: \"dysk pełny\".")});
    EXPECT_EQ(Row(tiDatSongs, Arahja), times) << "the cue points written first are undone";
    EXPECT_FALSE(model->Written());

    StopFailing("UPDATE", "ZSongs");
    EXPECT_TRUE(model->Accept());
    EXPECT_EQ(Field(tiDatSongs, Arahja, "Intro").toInt(), 1);
    EXPECT_EQ(S(Field(tiZSongs, Arahja, "Publisher").toString()), "Zic Zac");
}

// --- A new song

TEST_F(SongWindowTest, ANewSongStartsAnyInEveryCharacteristicNowAndInTheDefaultGroup) {
    const TDateTime now = 46100.5625; // 2026-03-18 13:30
    const std::unique_ptr<TSongWindowModel> model = TSongWindowModel::ForNewSong(Base(), now);
    EXPECT_EQ(model->Mode(), swNew);
    for (int f = 0; f < SongFieldCount; ++f) {
        if (IsCharField(TSongField(f))) {
            EXPECT_EQ(model->Number(TSongField(f)), kAnyCharValue) << f;
        }
    }
    EXPECT_EQ(model->CreateDate(), now);
    EXPECT_EQ(model->Number(sfFreqRest), kDefaultSongGroup);
    for (TSongField f : {sfTimeRest1, sfTimeRest2, sfTimeRest3, sfLabel1, sfLabel2, sfArtist,
                         sfAlbum, sfIntro, sfNEnd, sfYear, sfYear2})
        EXPECT_EQ(model->Number(f), -1) << f;
    EXPECT_EQ(model->Number(sfCategory), 1);
    EXPECT_EQ(model->Number(sfMode), 0);
    for (int page = 0; page < SongPageCount; ++page) {
        EXPECT_TRUE(model->PageShown(TSongPage(page))) << page;
        EXPECT_TRUE(model->PageLoaded(TSongPage(page))) << page;
    }
    EXPECT_FALSE(model->ArtistShown());

    const std::unique_ptr<TSongWindowModel> today = TSongWindowModel::ForNewSong(Base());
    EXPECT_GT(today->CreateDate(), 45000.0) << "the clock's date, with its time of day";
}

struct TNewSongCase {
    const char* What;
    bool Artist;
    const char* Title;
    int Time;
    QString Error;
    bool TurnToTimes;
};

TEST_F(SongWindowTest, ANewSongWithAnEmptyFieldIsRefusedWithOneBox) {
    const TNewSongCase cases[] = {
        {"no performer", false, "Baśka", 180000, kEmptyArtistField, false},
        {"no title", true, "", 180000, kEmptyTitleField, false},
        {"no time", true, "Baśka", 0, kEmptyTimeField, true},
        {"nothing", false, "", 0, kEmptyArtistField + kEmptyTitleField + kEmptyTimeField, true},
    };
    const int songs = Rows(tiBaseSongs);
    for (const TNewSongCase& c : cases) {
        Prompt.Clear();
        const std::unique_ptr<TSongWindowModel> model = TSongWindowModel::ForNewSong(Base());
        if (c.Artist)
            model->SetArtist(Kult, QStringLiteral("Kult"));
        model->SetText(sfTitle, QString::fromUtf8(c.Title));
        model->SetNumber(sfSongTime, c.Time);
        EXPECT_FALSE(model->Accept()) << c.What;
        EXPECT_EQ(Prompt.Errors(), QStringList{c.Error}) << c.What;
        EXPECT_EQ(model->TurnToTimes(), c.TurnToTimes) << c.What;
        EXPECT_EQ(model->NewSongId(), -1) << c.What;
    }
    EXPECT_EQ(Rows(tiBaseSongs), songs);
}

TEST_F(SongWindowTest, ANewSongIsAddedWithTheWindowsValues) {
    const std::unique_ptr<TSongWindowModel> model =
        TSongWindowModel::ForNewSong(Base(), 46100.5625);
    model->SetArtist(Kult, QStringLiteral("Kult"));
    model->SetText(sfTitle, QStringLiteral("Baśka"));
    model->SetNumber(sfSongTime, 195000);
    model->SetNumber(sfType, 3);
    model->SetNumber(sfIntro, 8000);
    model->SetNumber(sfMode, 2);
    model->SetText(sfFile, QStringLiteral("/muzyka/baśka.mp3"));
    model->SetNumber(sfCategory, 6);
    ASSERT_TRUE(model->Accept());
    EXPECT_TRUE(Prompt.Boxes.isEmpty()) << S(Prompt.Errors());
    const int id = model->NewSongId();
    ASSERT_NE(id, -1);

    EXPECT_EQ(S(Field(tiBaseSongs, id, "Title").toString()), "Baśka");
    EXPECT_EQ(Field(tiBaseSongs, id, "Art_Id").toInt(), Kult);
    EXPECT_EQ(Field(tiBaseSongs, id, "Song_Time").toInt(), 195000);
    EXPECT_EQ(S(Field(tiBaseSongs, id, "Category").toString()), "6");
    EXPECT_EQ(Field(tiBaseSongs, id, "Freq_Rest").toInt(), kDefaultSongGroup);
    EXPECT_EQ(CharsOf(id, "Type"), 3);
    EXPECT_EQ(CharsOf(id, "Tempo"), kAnyCharValue);
    EXPECT_EQ(CharsOf(id, "Language"), kAnyCharValue);
    EXPECT_EQ(Field(tiDatSongs, id, "Intro").toInt(), 8000);
    EXPECT_EQ(Field(tiDatSongs, id, "Outro").toInt(), -1);
    EXPECT_EQ(Field(tiDataSongs, id, "Mode").toInt(), 2);
    EXPECT_EQ(S(Field(tiDataSongs, id, "Path").toString()), "/muzyka/");
    EXPECT_EQ(S(Field(tiDataSongs, id, "FileName").toString()), "baśka.mp3");
    EXPECT_EQ(Field(tiDataSongs, id, "CreateDate").toDouble(), 46100.5625);

    // The same performer and title again, in other letters' case.
    const std::unique_ptr<TSongWindowModel> again = TSongWindowModel::ForNewSong(Base());
    again->SetArtist(Kult, QStringLiteral("Kult"));
    again->SetText(sfTitle, QStringLiteral("BAŚKA"));
    again->SetNumber(sfSongTime, 1000);
    EXPECT_FALSE(again->Accept());
    EXPECT_EQ(Prompt.Texts(TBoxKind::bkInformation),
              QStringList{QStringLiteral("Utwór Kult - BAŚKA już jest wpisany.")});
    EXPECT_EQ(again->NewSongId(), -1);
}

// --- Several songs

class SongsWindowTest : public SongWindowTest {
protected:
    QList<int> Songs;

    static int Language(int n) { return n == 2 ? 12 : 10; }

    void SetUp() override {
        SongWindowTest::SetUp();
        // Three songs, the first two sharing a characteristics row.
        for (int n = 0; n < 3; ++n) {
            TBaseSong song = MakeSong(Kult, QStringLiteral("Piosenka %1").arg(n));
            song.Vocal = n == 2 ? 9 : 5;
            song.Language = Language(n);
            song.Category = QStringLiteral("4");
            song.Label1Id = FindLabel(QStringLiteral("Etykieta %1").arg(n), true);
            bool added = false;
            Songs.append(AddSong(song, added));
        }
        Songs.append(Arahja);
    }
};

TEST_F(SongsWindowTest, MultiEditWritesOnlyTheToggledFieldsAndKeepsEachSongsOtherKinds) {
    const QList<int> three = Songs.mid(0, 3);
    QList<QVariantList> times, rights, arahja;
    for (int id : three) {
        times.append(Row(tiDatSongs, id));
        rights.append(Row(tiZSongs, id));
    }
    for (TTableId table : {tiBaseSongs, tiDataSongs, tiDatSongs, tiZSongs})
        arahja.append(Row(table, Arahja));
    QList<int> labels;
    for (int id : three)
        labels.append(Field(tiBaseSongs, id, "Label1_Id").toInt());

    const std::unique_ptr<TSongWindowModel> model = TSongWindowModel::ForSongs(Base(), three);
    EXPECT_EQ(model->Mode(), swMulti);
    Watch(*model);
    // Two fields changed: each toggle goes down with its change.
    model->SetNumber(sfType, 11);
    model->SetNumber(sfCategory, 7);
    // A field changed and its toggle put up again is not written.
    model->SetText(sfInfo, QStringLiteral("nie zapisywać"));
    model->SetToggled(sfInfo, false);
    EXPECT_TRUE(model->Toggled(sfType));
    EXPECT_TRUE(model->Toggled(sfCategory));
    EXPECT_FALSE(model->Toggled(sfLanguage));
    ASSERT_TRUE(model->Accept());
    EXPECT_TRUE(model->Written());
    EXPECT_TRUE(Prompt.Boxes.isEmpty()) << S(Prompt.Errors());
    EXPECT_EQ(Calls, (QStringList{"Chars", "Chars", "Chars", "Fields", "Fields"}))
        << "one write for each combination of the kinds kept";

    for (int n = 0; n < 3; ++n) {
        const int id = three[n];
        EXPECT_EQ(S(Field(tiBaseSongs, id, "Category").toString()), "7") << n;
        EXPECT_EQ(CharsOf(id, "Type"), 11) << n;
        EXPECT_EQ(CharsOf(id, "Vocal"), n == 2 ? 9 : 5) << n;
        EXPECT_EQ(CharsOf(id, "Language"), Language(n)) << n;
        EXPECT_EQ(CharsOf(id, "Tempo"), 2) << n;
        EXPECT_EQ(CharsOf(id, "TempoOut"), 4) << n;
        EXPECT_EQ(S(Field(tiBaseSongs, id, "Song_Info").toString()), "opis") << n;
        EXPECT_EQ(Field(tiBaseSongs, id, "SYear").toInt(), 1999) << n;
        EXPECT_EQ(Field(tiBaseSongs, id, "Label1_Id").toInt(), labels[n]) << n;
        EXPECT_EQ(Field(tiBaseSongs, id, "Freq_Rest").toInt(), 14) << n;
        EXPECT_EQ(S(Field(tiBaseSongs, id, "Title").toString()),
                  S(QStringLiteral("Piosenka %1").arg(n)));
        EXPECT_EQ(S(Field(tiDataSongs, id, "Quality").toString()), "HQ") << n;
        EXPECT_EQ(Row(tiDatSongs, id), times[n]) << n;
        EXPECT_EQ(Row(tiZSongs, id), rights[n]) << n;
    }
    QList<QVariantList> arahjaAfter;
    for (TTableId table : {tiBaseSongs, tiDataSongs, tiDatSongs, tiZSongs})
        arahjaAfter.append(Row(table, Arahja));
    EXPECT_EQ(arahjaAfter, arahja) << "a song not chosen is not touched";
}

TEST_F(SongsWindowTest, MultiEditSharesARowBetweenSongsThatMeetAgain) {
    // Songs 0 and 1 share their characteristics, so one row serves both after the edit.
    const std::unique_ptr<TSongWindowModel> model =
        TSongWindowModel::ForSongs(Base(), Songs.mid(0, 2));
    Watch(*model);
    model->SetNumber(sfTempoIn, 1);
    ASSERT_TRUE(model->Accept());
    EXPECT_EQ(Calls, (QStringList{"Chars", "Chars", "Fields"}));
    EXPECT_EQ(Field(tiBaseSongs, Songs[0], "Character_Id"),
              Field(tiBaseSongs, Songs[1], "Character_Id"));
    EXPECT_EQ(CharsOf(Songs[0], "TempoIn"), 1);
}

TEST_F(SongsWindowTest, MultiEditOfTheAudioFileWritesDataSongsOnly) {
    const std::unique_ptr<TSongWindowModel> model = TSongWindowModel::ForSongs(Base(), Songs);
    Watch(*model);
    EXPECT_TRUE(model->ChoosesDirectory());
    model->SetText(sfFile, QStringLiteral("/nowe/miejsce"));
    model->SetNumber(sfMode, 2);
    model->SetToggled(sfCode, true); // written as the empty code shown
    const QVariantList base = Row(tiBaseSongs, Songs[0]);
    ASSERT_TRUE(model->Accept());
    EXPECT_EQ(Calls, QStringList{"Fields"});
    for (int id : Songs) {
        EXPECT_EQ(S(Field(tiDataSongs, id, "Path").toString()), "/nowe/miejsce/");
        EXPECT_EQ(S(Field(tiDataSongs, id, "FileName").toString()), "plik.mp3");
        EXPECT_EQ(Field(tiDataSongs, id, "Mode").toInt(), 2);
        EXPECT_TRUE(Field(tiDataSongs, id, "Code").toString().isEmpty());
        EXPECT_EQ(S(Field(tiDataSongs, id, "Compress").toString()), "MPEG");
    }
    EXPECT_EQ(Row(tiBaseSongs, Songs[0]), base);
}

TEST_F(SongsWindowTest, MultiEditWithoutAToggleWritesNothing) {
    const std::unique_ptr<TSongWindowModel> model = TSongWindowModel::ForSongs(Base(), Songs);
    Watch(*model);
    model->SetNumber(sfYear, 2001);
    model->SetToggled(sfYear, false);
    EXPECT_TRUE(model->Accept());
    EXPECT_FALSE(model->Written());
    EXPECT_TRUE(Calls.isEmpty());
    EXPECT_EQ(Field(tiBaseSongs, Songs[0], "SYear").toInt(), 1999);
}

TEST_F(SongsWindowTest, MultiEditHidesWhatItCannotWrite) {
    const std::unique_ptr<TSongWindowModel> model = TSongWindowModel::ForSongs(Base(), Songs);
    EXPECT_FALSE(model->PageShown(spTimes));
    EXPECT_FALSE(model->PageShown(spRights));
    EXPECT_FALSE(model->MainPanelShown());
    EXPECT_TRUE(model->TogglesShown());
    for (int f = 0; f < SongFieldCount; ++f) {
        const auto field = TSongField(f);
        if (PageOfField(field) != spTimes && PageOfField(field) != spRights && field != sfArtist &&
            field != sfTitle && field != sfAlbum && field != sfCreateDate) {
            EXPECT_TRUE(HasToggle(field)) << f;
        }
        EXPECT_EQ(model->FieldShown(field), HasToggle(field)) << f;
    }
}

// --- A song of an import list

TEST_F(SongWindowTest, AnImportedSongShowsItsFirstPageAndGetsItsFieldsBack) {
    TSongData song;
    song.ArtistName = QStringLiteral("Nieznany Zespół");
    song.Title = QStringLiteral("Stary tytuł");
    song.AlbumTitle = QStringLiteral("Płyta");
    song.TypeText = QStringLiteral("Rock");
    song.SongTime = 123000;
    const std::unique_ptr<TSongWindowModel> model = TSongWindowModel::ForImportedSong(song);
    EXPECT_EQ(model->Mode(), swImported);
    for (int page = 0; page < SongPageCount; ++page)
        EXPECT_EQ(model->PageShown(TSongPage(page)), page == spInfo) << page;
    EXPECT_TRUE(model->ArtistShown());
    EXPECT_FALSE(model->CanChooseAlbum()) << "the performer is not in the library yet";

    model->SetText(sfTitle, QStringLiteral("Nowy tytuł"));
    model->SetNumber(sfCategory, 5);
    model->SetText(sfInfo, QStringLiteral("poprawione"));
    EXPECT_EQ(S(song.Title), "Stary tytuł") << "nothing changes before OK";
    ASSERT_TRUE(model->Accept());
    EXPECT_EQ(S(song.Title), "Nowy tytuł");
    EXPECT_EQ(S(song.Category), "5");
    EXPECT_EQ(S(song.Info), "poprawione");
    EXPECT_EQ(S(song.AlbumTitle), "Płyta");
    EXPECT_EQ(S(song.TypeText), "Rock");
    EXPECT_EQ(song.SongTime, 123000);

    model->SetArtist(Kult, QStringLiteral("Kult"));
    ASSERT_TRUE(model->Accept());
    EXPECT_EQ(song.ArtistId, Kult);
    EXPECT_EQ(S(song.ArtistName), "Kult");
    EXPECT_TRUE(song.AlbumTitle.isEmpty()) << "the album went with the performer";
    EXPECT_EQ(Rows(tiBaseSongs), 1) << "nothing stored";
}

// --- Texts of the fields

struct TYearCase {
    const char* Digits;
    bool Valid;
    int Year;
};

TEST(SongWindowYear, FourDigitsOrNone) {
    const TYearCase cases[] = {
        {"", true, -1},     {"1999", true, 1999}, {"0000", true, 0},
        {"199", false, -1}, {"1", false, -1},     {"19a9", false, -1},
    };
    for (const TYearCase& c : cases) {
        EXPECT_EQ(YearTextValid(QString::fromLatin1(c.Digits)), c.Valid) << c.Digits;
        EXPECT_EQ(YearOfText(QString::fromLatin1(c.Digits)), c.Year) << c.Digits;
    }
    EXPECT_TRUE(YearText(-1).isEmpty());
    EXPECT_EQ(S(YearText(987)), "0987");
    EXPECT_EQ(S(kYear2Invalid), "Pole \"Rok wydania\" jest wypełnione nie właściwie.\r\nNaciśnij "
                                "Esc by anulować zmiany.");
}

TEST(SongWindowFields, EachFieldBelongsToOnePageAndTheModesAreNumberedFromOne) {
    EXPECT_EQ(PageOfField(sfCategory), spInfo);
    EXPECT_EQ(PageOfField(sfLabel1), spChars);
    EXPECT_EQ(PageOfField(sfYear), spChars);
    EXPECT_EQ(PageOfField(sfSongTime), spTimes);
    EXPECT_EQ(PageOfField(sfCreateDate), spFile);
    EXPECT_EQ(PageOfField(sfYear2), spRights);
    EXPECT_EQ(PageOfField(sfFreqRest), spRestrictions);
    const QStringList captions{"Info",     "Charakterystyka", "Czasy",
                               "Nagranie", "ZAIKS",           "Parametry losowania"};
    for (int page = 0; page < SongPageCount; ++page)
        EXPECT_EQ(SongPageCaption(TSongPage(page)), captions[page]);
    EXPECT_EQ(SongModeNames(), (QStringList{"Mono", "Stereo", "Joint stereo", "Dual channel"}));
    EXPECT_EQ(CharKindOfField(sfTempoOut), ckTempo);
    EXPECT_EQ(CharKindOfField(sfYear), -1);
}

} // namespace
