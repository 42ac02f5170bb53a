#pragma once

#include "import/uImportChoices.h"
#include "settings/uCharacteristics.h"

#include <QHash>
#include <QString>
#include <array>
#include <map>

// Words a run maps to existing values, by kind: "Zadumany" is Spokojny. Letter case of the
// words is ignored, as in the alias files.
class TRunAliases {
public:
    // False, and the earlier value kept, when the kind has the word already: the first line
    // counts, as in an alias file. False too for a kind outside the six.
    bool Add(int kind, const QString& word, const TCharValue& value);
    // The value of the word; nullptr when there is none.
    const TCharValue* Find(int kind, const QString& word) const;
    bool IsEmpty() const;

private:
    std::array<QHash<QString, TCharValue>, CharKindCount> FWords;
};

// What a run answers, without asking, for the words the value lists and alias files do not
// know.
struct TBatchImportRules {
    // For a word no rule below covers: uaAdd or uaIgnore.
    TUnknownValueAction Unknown = uaAdd;
    // Every other word of the kind becomes this value.
    std::map<int, TCharValue> Replacements;
    // Words that become a value, before any replacement of their kind.
    TRunAliases Aliases;
    // Whether each replacement is remembered in the kind's alias file, so later runs need no
    // rule for it.
    bool Remember = false;
};

// The command line's answers: an unknown word is looked up in the run's aliases, then in the
// replacement of its kind, and is otherwise added or ignored. Every decision is reported
// through the prompt, so the user learns what became of each word; long texts are cut
// automatically.
class TBatchImportChoices final : public IImportChoices {
public:
    explicit TBatchImportChoices(TBatchImportRules rules);

    QString ChooseLongText(const TLongTextQuestion& question) override;
    TUnknownValueAnswer ChooseUnknownValue(int kind, const QString& text,
                                           const QString& question) override;

private:
    const TCharValue* Replacement(int kind, const QString& text) const;

    TBatchImportRules Rules;
    TFixedImportChoices Otherwise;
};
