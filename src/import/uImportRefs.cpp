#include "import/uImportRefs.h"

#include "import/uImportChoices.h"
#include "library/uLibraryEntities.h"
#include "library/uSongData.h"
#include "settings/uCharAliases.h"
#include "settings/uSettings.h"

QString UnknownValueQuestion(int kind, const QString& text) {
    return kUnknownValueIntro + QLatin1Char(' ') + CharKindCaption(kind) + QStringLiteral(": ") +
           text;
}

int TImportRefs::ResolveCharValue(int kind, const QString& text) {
    if (text.isEmpty() || !Options)
        return -1;
    if (const int id = Options->CharValueId(kind, text); id != -1)
        return id;
    if (const QString value = Aliases.FindAlias(kind, text); !value.isEmpty())
        return Options->CharValueId(kind, value);
    return AskUnknownValue(kind, text);
}

int TImportRefs::AskUnknownValue(int kind, const QString& text) {
    const TUnknownValueAnswer answer =
        Choices.ChooseUnknownValue(kind, text, UnknownValueQuestion(kind, text));
    switch (answer.Action) {
    case uaAdd: {
        const int id = Options->AddCharValue(kind, text);
        ValuesAdded = ValuesAdded || id != -1;
        return id;
    }
    case uaReplace: {
        // Only a value that exists can be chosen or remembered.
        const QString value = Options->CharValueName(kind, answer.ValueId);
        if (value.isEmpty())
            return -1;
        if (answer.Always)
            Aliases.AddAlias(kind, text, value);
        return answer.ValueId;
    }
    case uaIgnore:
        break;
    }
    return -1;
}

void TImportRefs::ResolveSongRefs(TSongData& song) {
    ValuesAdded = false;
    song.CharType = ResolveCharValue(ckType, song.TypeText);
    song.Atmosphere = ResolveCharValue(ckAtmosphere, song.AtmosphereText);
    song.Language = ResolveCharValue(ckLanguage, song.LanguageText);
    song.Tempo = ResolveCharValue(ckTempo, song.TempoText);
    song.TempoIn = ResolveCharValue(ckTempo, song.TempoInText);
    song.TempoOut = ResolveCharValue(ckTempo, song.TempoOutText);
    song.Vocal = ResolveCharValue(ckVocal, song.VocalText);
    song.ArtistId = FindArtist(song.ArtistName, true);
    song.AlbumId = FindAlbum(song.AlbumTitle, song.ArtistId, true);
    if (ValuesAdded)
        Options->SaveCharacteristics();
}
