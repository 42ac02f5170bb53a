#include "settings/uArOptions.h"
#include "support/RecordingPrompt.h"
#include "support/TempStation.h"

#include <QFileInfo>
#include <gtest/gtest.h>
#include <limits>

namespace {

class OptionsTest : public ::testing::Test {
protected:
    // Kind 1 holds ids 3, 8 and 5, the last two with texts equal but for letter case.
    void SetUp() override {
        TCharValueList& moods = *options.CharValues(ckAtmosphere);
        moods = {{QStringLiteral("żółty"), 3},
                 {QStringLiteral("Radosny"), 8},
                 {QStringLiteral("RADOSNY"), 5}};
        options.SetLastCharId(ckAtmosphere, 8);
    }

    TArOptions options;
};

TEST_F(OptionsTest, StartsWithEmptyListsAndTheFixedPlayTime) {
    const TArOptions fresh;
    for (int kind = 0; kind < CharKindCount; ++kind) {
        ASSERT_NE(fresh.CharValues(kind), nullptr);
        EXPECT_TRUE(fresh.CharValues(kind)->empty());
        EXPECT_EQ(fresh.LastCharId(kind), 0);
    }
    EXPECT_EQ(fresh.DefaultPlayTime(), 210);
}

TEST_F(OptionsTest, OtherKindsHaveNoValues) {
    for (int kind : {-1, CharKindCount}) {
        EXPECT_EQ(options.CharValues(kind), nullptr);
        EXPECT_EQ(options.LastCharId(kind), 0);
        options.SetLastCharId(kind, 5);
        EXPECT_EQ(options.LastCharId(kind), 0);
        EXPECT_EQ(options.CharValueName(kind, 3), QString());
        EXPECT_EQ(options.CharValueId(kind, QStringLiteral("żółty")), -1);
        EXPECT_EQ(options.CharValueIndex(kind, 3), -1);
        EXPECT_EQ(options.AddCharValue(kind, QStringLiteral("x")), -1);
    }
}

TEST_F(OptionsTest, LooksValuesUpByIdAndPosition) {
    EXPECT_EQ(options.CharValueName(ckAtmosphere, 5), QStringLiteral("RADOSNY"));
    EXPECT_EQ(options.CharValueName(ckAtmosphere, 4), QString());
    EXPECT_EQ(options.CharValueName(ckType, 5), QString()) << "ids belong to their kind";
    EXPECT_EQ(options.CharValueIndex(ckAtmosphere, 3), 0);
    EXPECT_EQ(options.CharValueIndex(ckAtmosphere, 5), 2);
    EXPECT_EQ(options.CharValueIndex(ckAtmosphere, -1), -1);
}

struct TCharValueIdCase {
    QString Text;
    int Id;
};

TEST_F(OptionsTest, FindsTheIdOfATextInAnyLetterCase) {
    const TCharValueIdCase cases[] = {
        {QStringLiteral("żółty"), 3},
        {QStringLiteral("ŻÓŁTY"), 3},
        {QStringLiteral("Żółty"), 3},
        {QStringLiteral("radosny"), 8}, // the first of two
        {QStringLiteral("zolty"), -1},
        {QStringLiteral("żółty "), -1},
        {QString(), -1},
    };
    for (const TCharValueIdCase& c : cases)
        EXPECT_EQ(options.CharValueId(ckAtmosphere, c.Text), c.Id) << c.Text.toStdString();
}

TEST_F(OptionsTest, AddedValuesTakeTheNextIdEvenPastGaps) {
    TCharValueList& tempos = *options.CharValues(ckTempo);
    tempos = {{QStringLiteral("Wolne"), 1}, {QStringLiteral("Średnie"), 2}};
    options.SetLastCharId(ckTempo, 12);
    EXPECT_EQ(options.AddCharValue(ckTempo, QStringLiteral("Szybkie")), 13);
    EXPECT_EQ(options.AddCharValue(ckTempo, QStringLiteral("wolne")), 14) << "no check for equals";
    EXPECT_EQ(options.LastCharId(ckTempo), 14);
    EXPECT_EQ(tempos.size(), 4u);
    EXPECT_EQ(tempos[2], (TCharValue{QStringLiteral("Szybkie"), 13}));
    EXPECT_EQ(options.CharValueId(ckTempo, QStringLiteral("WOLNE")), 1);
}

TEST_F(OptionsTest, AnExhaustedCounterAddsNothing) {
    options.SetLastCharId(ckYears, std::numeric_limits<int>::max());
    EXPECT_EQ(options.AddCharValue(ckYears, QStringLiteral("2030")), -1);
    EXPECT_TRUE(options.CharValues(ckYears)->empty());
    EXPECT_EQ(options.LastCharId(ckYears), std::numeric_limits<int>::max());
}

TEST_F(OptionsTest, DrawParametersPassThroughToTheCategories) {
    EXPECT_TRUE(options.CanCut());
    EXPECT_TRUE(options.CutHPrior());
    EXPECT_FALSE(options.MixCSong());

    options.SetMixCSong(true);
    EXPECT_TRUE(options.Categories().MixCSong());
    EXPECT_FALSE(options.Categories().Changed()) << "the remembered answer marks no change";

    options.SetCanCut(true);
    options.SetCutHPrior(true);
    EXPECT_FALSE(options.Categories().Changed()) << "the same value is no change";

    options.SetCanCut(false);
    EXPECT_FALSE(options.Categories().CanCut());
    EXPECT_TRUE(options.Categories().Changed());

    TArOptions other;
    other.SetCutHPrior(false);
    EXPECT_FALSE(other.CutHPrior());
    EXPECT_TRUE(other.Categories().Changed());
}

class OptionsSaveTest : public ::testing::Test {
protected:
    bool Exists(const QString& name) const { return QFileInfo::exists(station.Path(name)); }

    TTempStation station;
    TRecordingPrompt prompt;
    TArOptions options;
};

TEST_F(OptionsSaveTest, SavesTheCharacteristicsOnlyWhenAsked) {
    options.SaveOptions(false);
    EXPECT_FALSE(Exists(CharacteristicsFileName));
    EXPECT_FALSE(Exists(QStringLiteral("dnkat.xml"))) << "unchanged categories are not written";

    options.SaveOptions(true);
    EXPECT_TRUE(Exists(CharacteristicsFileName));
    EXPECT_FALSE(Exists(QStringLiteral("dnkat.xml")));
    EXPECT_TRUE(prompt.Boxes.isEmpty());
}

TEST_F(OptionsSaveTest, ChangedDrawParametersReachTheCategoriesFile) {
    options.SetCanCut(false);
    options.SetMixCSong(true);
    options.SaveOptions(false);
    ASSERT_TRUE(Exists(QStringLiteral("dnkat.xml")));
    EXPECT_FALSE(Exists(CharacteristicsFileName));

    TArOptions loaded;
    loaded.LoadSongCategories();
    EXPECT_FALSE(loaded.CanCut());
    EXPECT_TRUE(loaded.CutHPrior());
    EXPECT_TRUE(loaded.MixCSong());
    EXPECT_TRUE(prompt.Boxes.isEmpty());
}

} // namespace
