#include "ImportFixture.h"
#include "import/uCutLongFields.h"

namespace {

class CutLongFieldsTest : public ImportFixture {};

TEST_F(CutLongFieldsTest, A60CharacterPerformerIsCutTo47AndDots) {
    TSongData song;
    song.ArtistName = QString(60, QChar(u'Ż'));
    song.Title = QStringLiteral("Krótki");
    CutLongFields(song, Choices);

    EXPECT_EQ(S(song.ArtistName), S(QString(47, QChar(u'Ż')) + QStringLiteral("...")));
    EXPECT_EQ(S(song.Title), "Krótki");
    ASSERT_EQ(Choices.LongTextQuestions.size(), 1);
    const TLongTextQuestion& question = Choices.LongTextQuestions.first();
    EXPECT_EQ(S(question.Caption), "Wykonawca");
    EXPECT_EQ(question.Maximum, 50);
    EXPECT_EQ(question.Text.size(), 60);
    EXPECT_EQ(S(question.Message),
              "Tekst w polu 'Wykonawca' jest zbyt długi. Maksymalna tekstu w tym polu to 50 "
              "znaków.");
}

TEST_F(CutLongFieldsTest, FieldsAreCheckedInOrderAgainstTheirWidths) {
    TSongData song;
    song.ArtistName = QString(50, QLatin1Char('a')); // fits
    song.AlbumTitle = QString(51, QLatin1Char('b'));
    song.Title = QString(51, QLatin1Char('c'));
    song.Quality = QString(21, QLatin1Char('d'));
    song.Compress = QString(31, QLatin1Char('e'));
    song.Path = QString(101, QLatin1Char('f'));
    song.SetFileName(QString(101, QLatin1Char('g')));
    song.Code = QString(11, QLatin1Char('h'));
    CutLongFields(song, Choices);

    QStringList captions;
    for (const TLongTextQuestion& question : Choices.LongTextQuestions)
        captions.append(question.Caption + QLatin1Char('/') + QString::number(question.Maximum));
    EXPECT_EQ(S(captions.join(QLatin1Char(' '))),
              "Album/50 Tytuł/50 Jakość/20 Kompresja/30 Ścieżka/100 Nazwa pliku/100 Kod/10");
    EXPECT_EQ(song.AlbumTitle.size(), 50);
    EXPECT_EQ(song.Code.size(), 10);
    EXPECT_TRUE(song.Code.endsWith(QStringLiteral("...")));
    EXPECT_EQ(song.FileName.size(), 100);
}

TEST_F(CutLongFieldsTest, TheUsersOwnTextIsMadeToFit) {
    struct TCase {
        const char* Answer;
        const char* Result;
    } const cases[] = {
        {"Własny", "Własny"},
        {"", "1234567..."}, // an empty answer takes the automatic cut
        {"abcdefghijklmnop", "abcdefghij"},
    };
    for (const TCase& c : cases) {
        TSongData song;
        song.Code = QStringLiteral("1234567890123");
        Choices.LongTextAnswers = {QString::fromUtf8(c.Answer)};
        CutLongFields(song, Choices);
        EXPECT_EQ(S(song.Code), c.Result) << c.Answer;
    }
}

TEST_F(CutLongFieldsTest, AutomaticCut) {
    struct TCase {
        int Maximum;
        const char* Result;
    } const cases[] = {{10, "abcdefg..."}, {4, "a..."}, {3, "abc"}, {0, ""}};
    for (const TCase& c : cases)
        EXPECT_EQ(S(AutoCutText(QStringLiteral("abcdefghijkl"), c.Maximum)), c.Result) << c.Maximum;
}

TEST_F(CutLongFieldsTest, FixedChoicesTellTheUserWhatWasCut) {
    TSongData song;
    song.Quality = QString(25, QLatin1Char('q'));
    TFixedImportChoices fixed;
    CutLongFields(song, fixed);
    EXPECT_EQ(S(song.Quality), S(QString(17, QLatin1Char('q')) + QStringLiteral("...")));
    EXPECT_EQ(Prompt.Texts(TBoxKind::bkWarning),
              QStringList{QStringLiteral("Tekst w polu 'Jakość' jest zbyt długi. Maksymalna "
                                         "tekstu w tym polu to 20 znaków. Tekst wynikowy: ") +
                          song.Quality});
}

} // namespace
