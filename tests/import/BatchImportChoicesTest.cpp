#include "foundation/uTextFile.h"
#include "import/uBatchImportChoices.h"
#include "import/uImportCharKinds.h"
#include "import/uImportRefs.h"
#include "import/uRunAliasesFile.h"
#include "settings/uArOptions.h"
#include "support/RecordingPrompt.h"
#include "support/TempStation.h"
#include "support/TestFiles.h"
#include "support/TestText.h"

#include <QDir>
#include <gtest/gtest.h>

// The command line's answers to unknown characteristic words, the names it takes for kinds and
// values, and the file of aliases for one run.

namespace {

const TCharValue kCalm{QStringLiteral("Spokojny"), 2};
const TCharValue kSad{QStringLiteral("Smutny"), 7};
const TCharValue kSlow{QStringLiteral("Wolne"), 1};
const TCharValue kMale{QStringLiteral("Męski"), 1};

TBatchImportRules Rules(TUnknownValueAction unknown, bool remember) {
    TBatchImportRules rules;
    rules.Unknown = unknown;
    rules.Remember = remember;
    rules.Replacements = {{ckAtmosphere, kCalm}, {ckTempo, kSlow}};
    rules.Aliases.Add(ckAtmosphere, U("Zadumany"), kSad);
    rules.Aliases.Add(ckVocal, U("Głęboki"), kMale);
    return rules;
}

TEST(BatchImportChoices, AnswersByAliasThenReplacementThenTheFixedAction) {
    struct TCase {
        TUnknownValueAction Unknown;
        bool Remember;
        int Kind;
        const char* Word;
        TUnknownValueAnswer Expected;
        const char* Reported;
    };
    const TCase cases[] = {
        // The run's alias wins over the replacement of its kind, in any letter case.
        {uaAdd,
         false,
         ckAtmosphere,
         "ZADUMANY",
         {uaReplace, kSad.Id, false},
         "[Zastąp wartością: Smutny]"},
        {uaAdd,
         false,
         ckAtmosphere,
         "Wesoły",
         {uaReplace, kCalm.Id, false},
         "[Zastąp wartością: Spokojny]"},
        {uaIgnore,
         false,
         ckTempo,
         "Pędzące",
         {uaReplace, kSlow.Id, false},
         "[Zastąp wartością: Wolne]"},
        // An alias needs no replacement of its kind.
        {uaIgnore,
         false,
         ckVocal,
         "głęboki",
         {uaReplace, kMale.Id, false},
         "[Zastąp wartością: Męski]"},
        {uaAdd,
         true,
         ckAtmosphere,
         "Zadumany",
         {uaReplace, kSad.Id, true},
         "[Zastąp wartością: Smutny, Zawsze zastępuj tą wartością]"},
        {uaAdd,
         true,
         ckTempo,
         "Pędzące",
         {uaReplace, kSlow.Id, true},
         "[Zastąp wartością: Wolne, Zawsze zastępuj tą wartością]"},
        // No rule: the fixed action, and nothing to remember.
        {uaAdd, true, ckVocal, "Szept", {uaAdd, -1, false}, "[Dodaj do listy]"},
        {uaIgnore, true, ckType, "Zadumany", {uaIgnore, -1, false}, "[Zignoruj]"},
        {uaIgnore, false, ckLanguage, "Esperanto", {uaIgnore, -1, false}, "[Zignoruj]"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Word);
        TRecordingPrompt prompt;
        TBatchImportChoices choices(Rules(c.Unknown, c.Remember));
        const QString question = UnknownValueQuestion(c.Kind, U(c.Word));
        const TUnknownValueAnswer answer = choices.ChooseUnknownValue(c.Kind, U(c.Word), question);
        EXPECT_EQ(answer.Action, c.Expected.Action);
        EXPECT_EQ(answer.ValueId, c.Expected.ValueId);
        EXPECT_EQ(answer.Always, c.Expected.Always);
        EXPECT_EQ(prompt.Texts(TBoxKind::bkInformation),
                  QStringList{question + QLatin1Char(' ') + U(c.Reported)});
    }
}

TEST(BatchImportChoices, LongTextsAreCutAutomatically) {
    TRecordingPrompt prompt;
    TBatchImportChoices choices(Rules(uaAdd, true));
    TLongTextQuestion question;
    question.Message = QStringLiteral("za długi");
    question.AutoCut = QStringLiteral("abc...");
    EXPECT_EQ(choices.ChooseLongText(question), QStringLiteral("abc..."));
    EXPECT_EQ(prompt.Texts(TBoxKind::bkWarning).size(), 1);
}

TEST(RunAliases, TheFirstValueOfAWordCounts) {
    TRunAliases aliases;
    EXPECT_TRUE(aliases.IsEmpty());
    EXPECT_TRUE(aliases.Add(ckAtmosphere, U("Łzawy"), kSad));
    EXPECT_FALSE(aliases.Add(ckAtmosphere, U("ŁZAWY"), kCalm));
    EXPECT_TRUE(aliases.Add(ckTempo, U("Łzawy"), kSlow));
    EXPECT_FALSE(aliases.Add(7, U("x"), kSlow));
    ASSERT_NE(aliases.Find(ckAtmosphere, U("łzawy")), nullptr);
    EXPECT_EQ(*aliases.Find(ckAtmosphere, U("łzawy")), kSad);
    EXPECT_EQ(*aliases.Find(ckTempo, U("Łzawy")), kSlow);
    EXPECT_EQ(aliases.Find(ckVocal, U("Łzawy")), nullptr);
    EXPECT_EQ(aliases.Find(-1, U("Łzawy")), nullptr);
}

// Value lists of their own, so no station is needed.
class ImportedKindValues : public ::testing::Test {
protected:
    TArOptions Options;
    TRecordingPrompt Prompt;

    void SetUp() override {
        *Options.CharValues(ckAtmosphere) = {{QStringLiteral("Radosny"), 1}, kCalm, kSad};
        *Options.CharValues(ckTempo) = {kSlow, {U("Średnie"), 2}};
        *Options.CharValues(ckVocal) = {kMale};
        *Options.CharValues(ckLanguage) = {{QStringLiteral("Polski"), 1}};
        *Options.CharValues(ckYears) = {{QStringLiteral("1990 - 1999"), 5}};
    }
};

TEST_F(ImportedKindValues, KindsByTheirCaptionWithoutCaseOrDiacritics) {
    const struct {
        const char* Name;
        std::optional<int> Kind;
    } cases[] = {
        {"Nastrój", ckAtmosphere},  {"nastroj", ckAtmosphere}, {"NASTRÓJ", ckAtmosphere},
        {" Język ", ckLanguage},    {"jezyk", ckLanguage},     {"typ", ckType},
        {"TEMPO", ckTempo},         {"wokal", ckVocal},        {"Lata", std::nullopt},
        {"Nieznany", std::nullopt}, {"", std::nullopt},        {"Nastr", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ImportedCharKindByName(U(c.Name)), c.Kind) << c.Name;
    EXPECT_EQ(ImportedCharKindCaptions(),
              (QStringList{QStringLiteral("Typ"), U("Nastrój"), QStringLiteral("Tempo"),
                           QStringLiteral("Wokal"), U("Język")}));
}

TEST_F(ImportedKindValues, AValueByItsTextWithoutCase) {
    QString error;
    const std::optional<TKindValue> calm =
        FindImportedKindValue(Options, U("nastroj"), U(" spokojny "), &error);
    ASSERT_TRUE(calm);
    EXPECT_EQ(calm->Kind, ckAtmosphere);
    EXPECT_EQ(calm->Value, kCalm);
    const std::optional<TKindValue> medium =
        FindImportedKindValue(Options, U("Tempo"), U("ŚREDNIE"), &error);
    ASSERT_TRUE(medium);
    EXPECT_EQ(medium->Value, (TCharValue{U("Średnie"), 2}));

    const struct {
        const char* Kind;
        const char* Value;
        const char* Error;
    } wrong[] = {
        {"Nastrój", "Wesoły", "Charakterystyka Nastrój nie ma wartości \"Wesoły\"."},
        {"tempo", "", "Charakterystyka Tempo nie ma wartości \"\"."},
        {"Lata", "1990 - 1999",
         "Nieznana charakterystyka \"Lata\" (import rozpoznaje: Typ, Nastrój, Tempo, Wokal, "
         "Język)."},
        {"Humor", "Radosny",
         "Nieznana charakterystyka \"Humor\" (import rozpoznaje: Typ, Nastrój, Tempo, Wokal, "
         "Język)."},
    };
    for (const auto& c : wrong) {
        EXPECT_FALSE(FindImportedKindValue(Options, U(c.Kind), U(c.Value), &error)) << c.Kind;
        EXPECT_EQ(error, U(c.Error));
    }
}

class RunAliasesFileTest : public ImportedKindValues {
protected:
    TTempStation Scratch;

    QString File(const QByteArray& bytes) const {
        const QString path = Scratch.Path(QStringLiteral("aliasy.txt"));
        EXPECT_TRUE(WriteFileBytes(path, bytes));
        return path;
    }
};

TEST_F(RunAliasesFileTest, ReadsAliasesAndSkipsNotes) {
    const QString path = File("\xEF\xBB\xBF# aliasy z Orvo\r\n"
                              "Nastrój:Zadumany=Smutny\r\n"
                              "\r\n"
                              "  nastroj : Łzawy = smutny \r\n"
                              "   # wcięta uwaga\n"
                              "tempo:Pędzące=Średnie\n"
                              "NASTRÓJ:zadumany=Spokojny\n"
                              "Wokal:a:b=Męski");
    TRunAliases aliases;
    QString error;
    ASSERT_TRUE(ReadRunAliases(path, Options, aliases, &error)) << S(error);
    ASSERT_NE(aliases.Find(ckAtmosphere, U("zadumany")), nullptr);
    EXPECT_EQ(*aliases.Find(ckAtmosphere, U("zadumany")), kSad);
    ASSERT_NE(aliases.Find(ckAtmosphere, U("Łzawy")), nullptr);
    EXPECT_EQ(*aliases.Find(ckAtmosphere, U("Łzawy")), kSad);
    ASSERT_NE(aliases.Find(ckTempo, U("Pędzące")), nullptr);
    EXPECT_EQ(aliases.Find(ckTempo, U("Pędzące"))->Id, 2);
    // A word is everything between the kind's colon and the first "=".
    ASSERT_NE(aliases.Find(ckVocal, U("a:b")), nullptr);
    EXPECT_EQ(aliases.Find(ckAtmosphere, U("# aliasy z Orvo")), nullptr);
}

TEST_F(RunAliasesFileTest, AWrongLineNamesTheFileAndLineAndAddsNothing) {
    const struct {
        QByteArray Third;
        const char* Reason;
    } cases[] = {
        {"Nastrój Zadumany=Smutny", "oczekiwano CHARAKTERYSTYKA:SŁOWO=WARTOŚĆ."},
        {"Nastrój:Zadumany", "oczekiwano CHARAKTERYSTYKA:SŁOWO=WARTOŚĆ."},
        {"Nastrój: =Smutny", "oczekiwano CHARAKTERYSTYKA:SŁOWO=WARTOŚĆ."},
        {"Zadumany=Nastrój:Smutny", "oczekiwano CHARAKTERYSTYKA:SŁOWO=WARTOŚĆ."},
        {"Tempo:Pędzące=Bardzo", "Charakterystyka Tempo nie ma wartości \"Bardzo\"."},
        {"Lata:1999=1990 - 1999",
         "Nieznana charakterystyka \"Lata\" (import rozpoznaje: Typ, Nastrój, Tempo, Wokal, "
         "Język)."},
        {"Nastr\xF3j:Zadumany=Smutny", "tekst nie jest zapisany w UTF-8."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Reason);
        const QString path =
            File("Nastrój:Łzawy=Smutny\r\n# uwaga\r\n" + c.Third + "\r\nTempo:Pędzące=Wolne\r\n");
        TRunAliases aliases;
        aliases.Add(ckVocal, QStringLiteral("Szept"), kMale);
        QString error;
        EXPECT_FALSE(ReadRunAliases(path, Options, aliases, &error));
        EXPECT_EQ(error, U("Plik aliasów \"") + path + U("\", wiersz 3: ") + U(c.Reason));
        EXPECT_EQ(aliases.Find(ckAtmosphere, U("Łzawy")), nullptr);
        EXPECT_NE(aliases.Find(ckVocal, U("Szept")), nullptr);
    }
}

TEST_F(RunAliasesFileTest, AFileThatCannotBeReadIsNamed) {
    const QString missing = Scratch.Path(QStringLiteral("brak.txt"));
    const QString directory = Scratch.Path(QStringLiteral("katalog"));
    ASSERT_TRUE(QDir().mkpath(directory));
    for (const QString& path : {missing, directory}) {
        TRunAliases aliases;
        QString error;
        EXPECT_FALSE(ReadRunAliases(path, Options, aliases, &error));
        EXPECT_EQ(error, U("Nie można odczytać pliku aliasów \"") + path + U("\"."));
    }
}

TEST_F(RunAliasesFileTest, AnEmptyFileHasNoAliases) {
    TRunAliases aliases;
    QString error;
    EXPECT_TRUE(ReadRunAliases(File({}), Options, aliases, &error));
    EXPECT_TRUE(aliases.IsEmpty());
}

} // namespace
