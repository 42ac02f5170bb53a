#include "import/uCutLongFields.h"

#include "foundation/uFormat.h"
#include "import/uImportChoices.h"
#include "library/uSongData.h"

namespace {

struct TLimitedField {
    QString TSongData::*Member;
    const char* Caption;
    int Maximum;
};

// The widths of the store's text fields.
const TLimitedField kLimitedFields[] = {
    {&TSongData::ArtistName, "Wykonawca", 50},  {&TSongData::AlbumTitle, "Album", 50},
    {&TSongData::Title, "Tytuł", 50},           {&TSongData::Quality, "Jakość", 20},
    {&TSongData::Compress, "Kompresja", 30},    {&TSongData::Path, "Ścieżka", 100},
    {&TSongData::FileName, "Nazwa pliku", 100}, {&TSongData::Code, "Kod", 10},
};

QString FitAnswer(const QString& answer, const TLongTextQuestion& question) {
    if (answer.isEmpty())
        return question.AutoCut;
    return answer.left(question.Maximum);
}

} // namespace

QString AutoCutText(const QString& text, int maximum) {
    if (maximum < 4)
        return text.left(maximum);
    return text.left(maximum - 3) + QStringLiteral("...");
}

void CutLongFields(TSongData& song, IImportChoices& choices) {
    for (const TLimitedField& field : kLimitedFields) {
        const QString& text = song.*field.Member;
        if (text.size() <= field.Maximum)
            continue;
        TLongTextQuestion question;
        question.Caption = QString::fromUtf8(field.Caption);
        question.Maximum = field.Maximum;
        question.Text = text;
        question.Message = Format(kLongTextMessage, {question.Caption, field.Maximum});
        question.AutoCut = AutoCutText(text, field.Maximum);
        const QString result = FitAnswer(choices.ChooseLongText(question), question);
        if (field.Member == &TSongData::FileName)
            song.SetFileName(result);
        else
            song.*field.Member = result;
    }
}
