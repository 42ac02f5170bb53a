#include "import/uBatchImportChoices.h"

#include "foundation/uPrompt.h"

namespace {

QString WordKey(const QString& word) {
    return word.toCaseFolded();
}

} // namespace

bool TRunAliases::Add(int kind, const QString& word, const TCharValue& value) {
    if (!IsCharKind(kind))
        return false;
    QHash<QString, TCharValue>& words = FWords[kind];
    const QString key = WordKey(word);
    if (words.contains(key))
        return false;
    words.insert(key, value);
    return true;
}

const TCharValue* TRunAliases::Find(int kind, const QString& word) const {
    if (!IsCharKind(kind))
        return nullptr;
    const auto found = FWords[kind].constFind(WordKey(word));
    return found == FWords[kind].constEnd() ? nullptr : &found.value();
}

bool TRunAliases::IsEmpty() const {
    for (const QHash<QString, TCharValue>& words : FWords)
        if (!words.isEmpty())
            return false;
    return true;
}

TBatchImportChoices::TBatchImportChoices(TBatchImportRules rules)
    : Rules(std::move(rules)), Otherwise(Rules.Unknown) {}

QString TBatchImportChoices::ChooseLongText(const TLongTextQuestion& question) {
    return Otherwise.ChooseLongText(question);
}

const TCharValue* TBatchImportChoices::Replacement(int kind, const QString& text) const {
    if (const TCharValue* value = Rules.Aliases.Find(kind, text))
        return value;
    const auto replacement = Rules.Replacements.find(kind);
    return replacement == Rules.Replacements.end() ? nullptr : &replacement->second;
}

TUnknownValueAnswer TBatchImportChoices::ChooseUnknownValue(int kind, const QString& text,
                                                            const QString& question) {
    const TCharValue* value = Replacement(kind, text);
    if (value == nullptr)
        return Otherwise.ChooseUnknownValue(kind, text, question);
    QString decision = kReplaceValueChoice + QStringLiteral(": ") + value->Text;
    if (Rules.Remember)
        decision += QStringLiteral(", ") + kAlwaysReplaceChoice;
    ShowInformation(question + QStringLiteral(" [") + decision + QLatin1Char(']'));
    return {uaReplace, value->Id, Rules.Remember};
}
