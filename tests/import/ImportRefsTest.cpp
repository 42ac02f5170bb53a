#include "ImportFixture.h"
#include "foundation/uAppPaths.h"
#include "import/uImportRefs.h"
#include "settings/uCharAliases.h"

namespace {

class ImportRefsTest : public ImportFixture {
protected:
    void WriteAliases(int kind, const QStringList& lines) {
        ASSERT_TRUE(WriteTextLines(AppFilePath(CharAliasFileName(kind)), lines));
    }
};

TEST_F(ImportRefsTest, KnownValuesAndEmptyTextsAreNotAsked) {
    TCharAliases aliases;
    TImportRefs refs(aliases, Choices);
    EXPECT_EQ(refs.ResolveCharValue(ckAtmosphere, QStringLiteral("RADOSNY")),
              CharId(ckAtmosphere, "Radosny"));
    EXPECT_EQ(refs.ResolveCharValue(ckVocal, QStringLiteral("żeński")), CharId(ckVocal, "Żeński"));
    EXPECT_EQ(refs.ResolveCharValue(ckTempo, QString()), -1);
    EXPECT_TRUE(Choices.UnknownQuestions.isEmpty());
}

TEST_F(ImportRefsTest, AnAliasStandsForItsValue) {
    WriteAliases(ckTempo, {QStringLiteral("Szybki=szybkie"), QStringLiteral("stary=Usunięte")});
    TCharAliases aliases;
    TImportRefs refs(aliases, Choices);
    EXPECT_EQ(refs.ResolveCharValue(ckTempo, QStringLiteral("SZYBKI")), CharId(ckTempo, "Szybkie"));
    // The value the alias names is gone: none, and no question either.
    EXPECT_EQ(refs.ResolveCharValue(ckTempo, QStringLiteral("stary")), -1);
    EXPECT_TRUE(Choices.UnknownQuestions.isEmpty());
}

TEST_F(ImportRefsTest, TheUsersThreeChoices) {
    const int lastId = Options->LastCharId(ckAtmosphere);
    const int calm = CharId(ckAtmosphere, "Spokojny");
    Choices.UnknownAnswers = {{uaAdd, -1, false},
                              {uaReplace, calm, true},
                              {uaReplace, calm, false},
                              {uaIgnore, -1, false}};
    {
        TCharAliases aliases;
        TImportRefs refs(aliases, Choices);
        EXPECT_EQ(refs.ResolveCharValue(ckAtmosphere, QStringLiteral("Wesoły")), lastId + 1);
        EXPECT_EQ(S(Options->CharValueName(ckAtmosphere, lastId + 1)), "Wesoły");
        EXPECT_EQ(refs.ResolveCharValue(ckAtmosphere, QStringLiteral("Cichy")), calm);
        EXPECT_EQ(refs.ResolveCharValue(ckAtmosphere, QStringLiteral("Łagodny")), calm);
        EXPECT_EQ(refs.ResolveCharValue(ckAtmosphere, QStringLiteral("Dziwny")), -1);
        // Added and "always" replaced words are settled; the others are asked again.
        EXPECT_EQ(refs.ResolveCharValue(ckAtmosphere, QStringLiteral("wesoły")), lastId + 1);
        EXPECT_EQ(refs.ResolveCharValue(ckAtmosphere, QStringLiteral("CICHY")), calm);
        EXPECT_EQ(refs.ResolveCharValue(ckAtmosphere, QStringLiteral("Łagodny")), lastId + 2);
    }
    EXPECT_EQ(Choices.UnknownQuestions,
              (QStringList{QStringLiteral("Znaleziono nieznaną opcję: Nastrój: Wesoły"),
                           QStringLiteral("Znaleziono nieznaną opcję: Nastrój: Cichy"),
                           QStringLiteral("Znaleziono nieznaną opcję: Nastrój: Łagodny"),
                           QStringLiteral("Znaleziono nieznaną opcję: Nastrój: Dziwny"),
                           QStringLiteral("Znaleziono nieznaną opcję: Nastrój: Łagodny")}));
    QStringList aliasLines;
    ASSERT_TRUE(ReadTextLines(AppFilePath(QStringLiteral("atmosphere.als")), aliasLines));
    EXPECT_EQ(aliasLines, QStringList{QStringLiteral("Cichy=Spokojny")});
}

TEST_F(ImportRefsTest, SongRefsResolveEveryWordThenPerformerAndAlbum) {
    TSongData song;
    song.ArtistName = QStringLiteral("Lady Pank");
    song.AlbumTitle = QStringLiteral("Ohyda");
    song.TypeText = QStringLiteral("Rock");
    song.AtmosphereText = QStringLiteral("Energetyczny");
    song.LanguageText = QStringLiteral("Polski");
    song.TempoText = QStringLiteral("Szybkie");
    song.TempoInText = QStringLiteral("Wolne");
    song.TempoOutText = QStringLiteral("Średnie");
    song.VocalText = QStringLiteral("Nowy wokal");
    TCharAliases aliases;
    TImportRefs refs(aliases, Choices);
    refs.ResolveSongRefs(song);

    EXPECT_EQ(song.CharType, CharId(ckType, "Rock"));
    EXPECT_EQ(song.Atmosphere, CharId(ckAtmosphere, "Energetyczny"));
    EXPECT_EQ(song.Language, CharId(ckLanguage, "Polski"));
    EXPECT_EQ(song.Tempo, CharId(ckTempo, "Szybkie"));
    EXPECT_EQ(song.TempoIn, CharId(ckTempo, "Wolne"));
    EXPECT_EQ(song.TempoOut, CharId(ckTempo, "Średnie"));
    EXPECT_EQ(song.Vocal, CharId(ckVocal, "Nowy wokal"));
    EXPECT_NE(song.Vocal, -1);
    EXPECT_EQ(song.ArtistId, FindArtist(QStringLiteral("LADY PANK"), false));
    EXPECT_NE(song.ArtistId, -1);
    EXPECT_EQ(song.AlbumId, FindAlbum(QStringLiteral("Ohyda"), song.ArtistId, false));
    EXPECT_NE(song.AlbumId, -1);

    // The added value was written to the characteristics file at once.
    TArOptions reloaded;
    reloaded.LoadCharacteristics();
    EXPECT_EQ(reloaded.CharValueId(ckVocal, QStringLiteral("Nowy wokal")), song.Vocal);
}

} // namespace
