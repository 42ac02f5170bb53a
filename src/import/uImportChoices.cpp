#include "import/uImportChoices.h"

#include "foundation/uPrompt.h"

QString TFixedImportChoices::ChooseLongText(const TLongTextQuestion& question) {
    ShowWarning(question.Message + QLatin1Char(' ') + kResultTextCaption + QLatin1Char(' ') +
                question.AutoCut);
    return question.AutoCut;
}

TUnknownValueAnswer TFixedImportChoices::ChooseUnknownValue(int, const QString&,
                                                            const QString& question) {
    const bool add = UnknownAction != uaIgnore;
    ShowInformation(question + QStringLiteral(" [") + (add ? kAddValueChoice : kIgnoreValueChoice) +
                    QLatin1Char(']'));
    return {add ? uaAdd : uaIgnore, -1, false};
}
