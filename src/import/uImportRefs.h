#pragma once

#include <QString>

class IImportChoices;
class TCharAliases;
class TSongData;

// Turns the words of imported songs into ids: characteristic values through the value lists,
// then the run's alias lists, then the user's choice; performers and albums found or made by
// name. One resolver serves one import run, with that run's alias store.
class TImportRefs {
public:
    TImportRefs(TCharAliases& aliases, IImportChoices& choices)
        : Aliases(aliases), Choices(choices) {}

    // The id of the kind's value the text stands for; -1 for an empty text, an alias of a
    // value that no longer exists, or a word the user chose to ignore. A word added as a new
    // value is kept in the options (saved by ResolveSongRefs); one replaced "always" is
    // remembered in the alias list.
    int ResolveCharValue(int kind, const QString& text);

    // The seven characteristic ids of the song from its words, then its performer and album
    // (made when missing). Writes the characteristics when a value was added.
    void ResolveSongRefs(TSongData& song);

private:
    int AskUnknownValue(int kind, const QString& text);

    TCharAliases& Aliases;
    IImportChoices& Choices;
    bool ValuesAdded = false;
};

// What the user is asked about an unknown word: "Znaleziono nieznaną opcję: Nastrój: xyz".
QString UnknownValueQuestion(int kind, const QString& text);
