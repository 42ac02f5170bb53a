#pragma once

#include <QString>

// The two choices an import leaves to the user: what to keep of a text too long for its
// field, and what an unknown characteristic word stands for. The import list window answers
// them with its dialogs; the command line and tests with fixed or scripted answers.

// A field whose text is longer than the store takes.
struct TLongTextQuestion {
    QString Caption; // the field as the user knows it: "Wykonawca"
    int Maximum = 0;
    QString Text;    // the whole text
    QString Message; // "Tekst w polu '...' jest zbyt długi. ..."
    QString AutoCut; // the automatic cut, preselected
};

enum TUnknownValueAction { uaAdd, uaReplace, uaIgnore };

struct TUnknownValueAnswer {
    TUnknownValueAction Action = uaAdd;
    // With uaReplace: the id of the existing value chosen, and whether to remember the
    // replacement for later imports.
    int ValueId = -1;
    bool Always = false;
};

class IImportChoices {
public:
    virtual ~IImportChoices() = default;

    // The text to keep: the automatic cut or the user's own. Whatever comes back is made to
    // fit by the caller.
    virtual QString ChooseLongText(const TLongTextQuestion& question) = 0;
    // What the word of the kind becomes; `question` is the text the user is shown.
    virtual TUnknownValueAnswer ChooseUnknownValue(int kind, const QString& text,
                                                   const QString& question) = 0;
};

// Answers without asking: the automatic cut, and the given action for every unknown word
// (uaAdd or uaIgnore). Each answer is reported through the prompt, so the user still learns
// what was decided.
class TFixedImportChoices final : public IImportChoices {
public:
    explicit TFixedImportChoices(TUnknownValueAction unknownAction = uaAdd)
        : UnknownAction(unknownAction) {}

    QString ChooseLongText(const TLongTextQuestion& question) override;
    TUnknownValueAnswer ChooseUnknownValue(int kind, const QString& text,
                                           const QString& question) override;

private:
    TUnknownValueAction UnknownAction;
};

// Texts of the choices.
inline const QString kLongTextMessage =
    QStringLiteral("Tekst w polu '%s' jest zbyt długi. Maksymalna tekstu w tym polu to %d znaków.");
inline const QString kResultTextCaption = QStringLiteral("Tekst wynikowy:");
inline const QString kAutoCutChoice = QStringLiteral("Automatyczne obcięcie tekstu");
inline const QString kAdjustTextChoice = QStringLiteral("Dostosuj tekst");
inline const QString kUnknownValueIntro = QStringLiteral("Znaleziono nieznaną opcję:");
inline const QString kAddValueChoice = QStringLiteral("Dodaj do listy");
inline const QString kReplaceValueChoice = QStringLiteral("Zastąp wartością");
inline const QString kAlwaysReplaceChoice = QStringLiteral("Zawsze zastępuj tą wartością");
inline const QString kIgnoreValueChoice = QStringLiteral("Zignoruj");
