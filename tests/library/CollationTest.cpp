#include "library/uDBCollation.h"

#include <QString>
#include <QStringList>
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <gtest/gtest.h>

namespace {

int Sign(int value) {
    return (value > 0) - (value < 0);
}

int Compare(const QString& a, const QString& b) {
    const QByteArray utf8A = a.toUtf8();
    const QByteArray utf8B = b.toUtf8();
    return Sign(ComparePolish(std::string_view(utf8A.constData(), utf8A.size()),
                              std::string_view(utf8B.constData(), utf8B.size())));
}

// Every letter of the Polish alphabet in its order, the diacritic ones right after their base.
TEST(PolishCollation, OrdersTheAlphabetAsAPolishReaderExpects) {
    const QStringList alphabet = QStringLiteral("a ą b c ć d e ę f g h i j k l ł m n ń o ó p q r "
                                                "s ś t u v w x y z ź ż")
                                     .split(QLatin1Char(' '));
    for (qsizetype i = 0; i + 1 < alphabet.size(); ++i) {
        EXPECT_EQ(Compare(alphabet[i], alphabet[i + 1]), -1) << alphabet[i].toStdString();
        EXPECT_EQ(Compare(alphabet[i + 1], alphabet[i]), 1) << alphabet[i].toStdString();
        EXPECT_EQ(Compare(alphabet[i].toUpper(), alphabet[i + 1]), -1) << alphabet[i].toStdString();
    }
}

struct TCompareCase {
    const char* A;
    const char* B;
    int Expected;
};

TEST(PolishCollation, ComparesWholeTexts) {
    const TCompareCase cases[] = {
        {"Łukasz", "łukasz", 0},     // letter case ignored, Polish letters too
        {"ŻÓŁĆ", "żółć", 0},         //
        {"Lech", "Łukasz", -1},      // Ł after L ...
        {"Łukasz", "Marek", -1},     // ... and before M
        {"Lżej", "Łatwo", -1},       // the first letter decides
        {"Ala", "Ala ma kota", -1},  // a prefix first
        {"", "a", -1},               //
        {"Zenon", "Źdźbło", -1},     //
        {"Źdźbło", "Żaneta", -1},    //
        {"zz", "é", -1},             // other letters after z, by code point
        {"ABC", "abd", -1},          //
        {"abc", "ABC", 0},           //
        {"9", "a", -1},              // digits before letters
        {"Śpiew", "Sroka", 1},       // ś after every s
        {"\xC3\xA9", "\xC3\x89", 0}, // é and É fold together
        {"\xFF", "\xFE", 1},         // broken bytes stay apart
        {"\xFF", "\xC5\xBC", 1},     // and after every letter (ż)
        {"a\xC5", "a\xC5\xBC", 1},   // a cut-off sequence is a broken byte of its own
    };
    for (const TCompareCase& c : cases) {
        const QByteArray a(c.A);
        const QByteArray b(c.B);
        EXPECT_EQ(Sign(ComparePolish({a.constData(), size_t(a.size())},
                                     {b.constData(), size_t(b.size())})),
                  c.Expected)
            << c.A << " vs " << c.B;
        EXPECT_EQ(Sign(ComparePolish({b.constData(), size_t(b.size())},
                                     {a.constData(), size_t(a.size())})),
                  -c.Expected)
            << c.B << " vs " << c.A;
    }
}

// Cases around the shortcuts of the comparison: texts sharing their first bytes (up to the
// middle of a letter), runs of ASCII meeting other characters, and ties that differ in case.
TEST(PolishCollation, ComparesTextsWithASharedBeginning) {
    const TCompareCase cases[] = {
        {"Wiśniewski", "Wiśniewska", 1}, // shared Polish letters, then ASCII decides
        {"aż", "aź", 1},                 // ż and ź share their first byte
        {"ał", "al", 1},                 // a Polish letter after its base letter
        {"ałb", "alz", 1},               // ... whatever follows
        {"Nowak", "NOWAK", 0},           // ties that differ in case only
        {"Łódź", "ŁÓDŹ", 0},             //
        {"Łódź", "łódź ", -1},           //
        {"abc1", "abcA", -1},            // digits before letters
        {"abc-", "abc0", -1},            // punctuation before digits
        {"abc_", "abca", -1},            // "_" between upper- and lower-case ASCII letters,
        {"abc_", "abcA", -1},            // but A counts as a
        {"abc[", "abcZ", -1},            // "[" comes right after Z but before z, as which Z counts
        {"abcz", "abcą", 1},             // ASCII meets a Polish letter
        {"abca", "abcą", -1},            //
        {"abc~", "abcż", 1},             // "~" after z and its Polish variants
        {"abc\xC5", "abc\xC5\xBC", 1},   // the shared bytes end inside a cut-off letter
        {"abc\xBC", "abc\xC5\xBC", 1},   // a stray continuation byte is broken
        {"\xC5\xBC"
         "a",
         "\xC5\xBC\xC5", -1}, // a broken byte after the shared letter
    };
    for (const TCompareCase& c : cases) {
        const std::string_view a(c.A);
        const std::string_view b(c.B);
        EXPECT_EQ(Sign(ComparePolish(a, b)), c.Expected) << c.A << " vs " << c.B;
        EXPECT_EQ(Sign(ComparePolish(b, a)), -c.Expected) << c.B << " vs " << c.A;
    }
}

// A shared beginning made of whole characters never changes the answer, whatever follows it
// (broken bytes and stray continuation bytes included).
TEST(PolishCollation, ASharedBeginningLeavesTheAnswerAlone) {
    const char* const beginnings[] = {"", "a", "Ż", "żó", "x\xC4\x85", "\xE2\x82\xAC"};
    const char* const endings[] = {"",         "a",    "A",        "ą",        "Ą",    "b",
                                   "\xC5",     "\xBC", "\xC5\xBC", "\xC5\xBA", "\xFF", "z1",
                                   "\xE2\x82", "9",    "é",        "É"};
    for (const char* beginning : beginnings)
        for (const char* a : endings)
            for (const char* b : endings) {
                const std::string longA = std::string(beginning) + a;
                const std::string longB = std::string(beginning) + b;
                EXPECT_EQ(Sign(ComparePolish(longA, longB)), Sign(ComparePolish(a, b)))
                    << beginning << " + " << a << " vs " << b;
            }
}

class PolishTextInSql : public ::testing::Test {
protected:
    SQLite::Database Db{":memory:", SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE};

    void SetUp() override { RegisterPolishText(Db.getHandle()); }

    QString One(const std::string& sql) {
        SQLite::Statement statement(Db, sql);
        EXPECT_TRUE(statement.executeStep());
        if (statement.getColumn(0).isNull())
            return QStringLiteral("<null>");
        return QString::fromUtf8(statement.getColumn(0).getText());
    }
};

struct TLowerCase {
    std::string Argument;
    const char* Expected;
};

TEST_F(PolishTextInSql, LowerFoldsEveryLetter) {
    const TLowerCase cases[] = {
        {"'ABC xyz'", "abc xyz"},
        {"'ŁÓDŹ ŻÓŁĆ ĘĄŚŃ'", "łódź żółć ęąśń"},
        {"'Łukasz'", "łukasz"},
        {"'ÉCOLE Straße'", "école straße"},
        {"NULL", "<null>"},
        {"12", "12"},
        {"''", ""},
    };
    for (const TLowerCase& c : cases)
        EXPECT_EQ(One("SELECT LOWER(" + c.Argument + ")").toStdString(), c.Expected) << c.Argument;
}

// The Latin letters are lowered without QString; the answer must be QString's all the same,
// also where the shortcut hands over (İ, other scripts, broken bytes).
TEST_F(PolishTextInSql, LowerAgreesWithQStringOnEveryLatinLetter) {
    QString latin = QStringLiteral("Mixed ASCII 09 -_[] ");
    for (char32_t code = 0x80; code <= 0x2FF; ++code)
        latin += QString::fromUcs4(&code, 1);
    const QString others[] = {QStringLiteral("İstanbul"), QStringLiteral("Ⱥ Ⱦ ǅ ǈ"),
                              QStringLiteral("Łódź ΑΘΗΝΑ Москва"), QStringLiteral("ŻÓŁW €")};
    for (const QString& text : others)
        latin += text;
    for (qsizetype i = 0; i < latin.size(); ++i) {
        const QString one = latin.mid(i, 1);
        SQLite::Statement lower(Db, "SELECT LOWER(?)");
        lower.bind(1, one.toStdString());
        ASSERT_TRUE(lower.executeStep());
        EXPECT_EQ(QString::fromUtf8(lower.getColumn(0).getText()), one.toLower())
            << "U+" << std::hex << static_cast<int>(one.at(0).unicode());
    }
    for (const QString& text : {latin, others[0], others[1], others[2], others[3]}) {
        SQLite::Statement lower(Db, "SELECT LOWER(?)");
        lower.bind(1, text.toStdString());
        ASSERT_TRUE(lower.executeStep());
        EXPECT_EQ(QString::fromUtf8(lower.getColumn(0).getText()), text.toLower());
    }
}

TEST_F(PolishTextInSql, LowerTakesBrokenBytesAsQStringDoes) {
    for (const std::string& text : {std::string("AB\xFF"), std::string("\xC5"),
                                    std::string("\xC0\x81Z"), std::string("Ż\xC5")}) {
        SQLite::Statement lower(Db, "SELECT LOWER(?)");
        lower.bind(1, text);
        ASSERT_TRUE(lower.executeStep());
        EXPECT_EQ(QString::fromUtf8(lower.getColumn(0).getText()),
                  QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toLower());
    }
}

TEST_F(PolishTextInSql, CollationOrdersAndMatchesRows) {
    Db.exec("CREATE TABLE t (name TEXT COLLATE PL_CI)");
    Db.exec("CREATE INDEX t_name ON t (name)");
    for (const char* name :
         {"Żaneta", "Marek", "łukasz", "Lech", "Zenon", "Ćma", "celina", "Adam", "Łukasz"})
        Db.exec(std::string("INSERT INTO t VALUES ('") + name + "')");

    QStringList ordered;
    SQLite::Statement order(Db, "SELECT name FROM t ORDER BY name, name COLLATE BINARY");
    while (order.executeStep())
        ordered.append(QString::fromUtf8(order.getColumn(0).getText()));
    EXPECT_EQ(ordered.join(QLatin1Char(',')).toStdString(),
              "Adam,celina,Ćma,Lech,Łukasz,łukasz,Marek,Zenon,Żaneta");

    // The column's collation makes "=" ignore letter case, through the index as well.
    EXPECT_EQ(One("SELECT count(*) FROM t WHERE name = 'ŁUKASZ'").toStdString(), "2");
    EXPECT_EQ(One("SELECT count(*) FROM t WHERE name = 'Łukasz' COLLATE BINARY").toStdString(),
              "1");
    EXPECT_EQ(One("SELECT count(*) FROM t WHERE name = 'lukasz'").toStdString(), "0");
}

// --- Finding equal texts through an index under NOCASE

struct TPlainCase {
    const char* What;
    std::string Text;
    bool Plain;
};

TEST(PolishRanges, PlainTextIsWhatTheProgramWrites) {
    const TPlainCase cases[] = {
        {"empty", "", true},
        {"Polish letters", "Łódź Żółć", true},
        {"other scripts", "Москва €", true},
        {"a long s, equal to s", "\xC5\xBFtan", false},
        {"the Kelvin sign, equal to k", "\xE2\x84\xAA", false},
        {"an overlong a", "\xC1\xA1la", false},
        {"a surrogate half", "\xED\xA0\x80", false},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", false},
        {"a stray byte", "ab\xFF", false},
        {"a cut character", "\xC5", false},
        {"NUL", std::string("a\0b", 3), false},
    };
    for (const TPlainCase& c : cases)
        EXPECT_EQ(IsPlainText(c.Text), c.Plain) << c.What;
}

// Every other writing of a text that the collation takes as equal lies in one of its ranges,
// under NOCASE as SQLite compares, however few ranges are allowed.
TEST(PolishRanges, HoldEveryPlainTextEqualUnderTheCollation) {
    SQLite::Database db(":memory:", SQLite::OPEN_READWRITE);
    SQLite::Statement inRange(db, "SELECT ?1 >= CAST(?2 AS TEXT) COLLATE NOCASE AND "
                                  "?1 < CAST(?3 AS TEXT) COLLATE NOCASE");
    const QString texts[] = {QStringLiteral("Łukasz Żółć"),  QStringLiteral("zespół ćma"),
                             QStringLiteral("ŚĆŹ ĄĘ Ń"),     QStringLiteral("Kowalski"),
                             QStringLiteral("ÉCOLE Straße"), QStringLiteral("a"),
                             QStringLiteral("Ǆ ǅ ǆ"),        QStringLiteral("ΑΘΗΝΑ σς")};
    for (const QString& text : texts) {
        QStringList writings{text, text.toLower(), text.toUpper()};
        QString alternating;
        for (qsizetype i = 0; i < text.size(); ++i)
            alternating += i % 2 ? text.mid(i, 1).toUpper() : text.mid(i, 1).toLower();
        writings.append(alternating);
        const QByteArray query = text.toUtf8();
        for (size_t maxRanges : {1, 2, 8, 64}) {
            const std::vector<TTextRange> ranges = PolishEqualRanges(
                std::string_view(query.constData(), static_cast<size_t>(query.size())), maxRanges);
            if (ranges.empty()) { // the first letter has more writings than ranges allowed
                EXPECT_LT(maxRanges, 4u) << text.toStdString();
                continue;
            }
            EXPECT_LE(ranges.size(), maxRanges);
            for (const QString& writing : writings) {
                if (Compare(writing, text) != 0)
                    continue; // toUpper makes SS of ß
                bool held = false;
                for (const TTextRange& range : ranges) {
                    inRange.bind(1, writing.toStdString());
                    inRange.bind(2, range.From.data(), static_cast<int>(range.From.size()));
                    inRange.bind(3, range.To.data(), static_cast<int>(range.To.size()));
                    ASSERT_TRUE(inRange.executeStep());
                    held = held || inRange.getColumn(0).getInt() == 1;
                    inRange.reset();
                }
                EXPECT_TRUE(held) << writing.toStdString() << " for " << text.toStdString()
                                  << " in " << maxRanges;
            }
        }
    }
    EXPECT_TRUE(PolishEqualRanges("", 8).empty());
    EXPECT_TRUE(PolishEqualRanges("\xC1\xA1", 8).empty());
}

} // namespace
