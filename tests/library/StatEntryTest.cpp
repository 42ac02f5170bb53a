#include "library/uStatEntry.h"
#include "support/RecordingPrompt.h"

#include <gtest/gtest.h>

namespace {

const QString LimitQuestion = QString::fromUtf8(
    "Zostanie pokazane jedynie 20 pozycji z pośród zaznaczonych. Czy kontynuować?");

// Rows named "Song N" with id N; every `skipEvery`-th row (when not 0) is left out.
struct TSelection {
    int Count;
    int SkipEvery = 0;
    int RowsRead = 0;

    std::optional<TStatEntry> operator()(int row) {
        ++RowsRead;
        if (SkipEvery > 0 && row % SkipEvery == 0)
            return std::nullopt;
        return TStatEntry{QStringLiteral("Song %1").arg(row), row};
    }
};

} // namespace

TEST(StatEntryTest, TwentyOrFewerAreTakenWithoutAQuestion) {
    TRecordingPrompt prompt;
    for (const int count : {0, 1, 20}) {
        TSelection selection{count};
        TStatEntries entries{{QStringLiteral("stale"), 99}};
        EXPECT_TRUE(CollectStatEntries(count, std::ref(selection), entries));
        EXPECT_EQ(entries.size(), count);
    }
    EXPECT_TRUE(prompt.Questions().isEmpty());
}

TEST(StatEntryTest, RowsLeftOutDoNotCountTowardsTheLimit) {
    TRecordingPrompt prompt;
    TSelection selection{22, 11}; // rows 0 and 11 are gone from the library
    TStatEntries entries;
    EXPECT_TRUE(CollectStatEntries(22, std::ref(selection), entries));
    EXPECT_EQ(entries.size(), 20);
    EXPECT_EQ(entries.first().Id, 1);
    EXPECT_TRUE(prompt.Questions().isEmpty());
}

TEST(StatEntryTest, TwentyFiveAskAndYesTakesTheFirstTwenty) {
    TRecordingPrompt prompt;
    prompt.QueueAnswers({true});
    TSelection selection{25};
    TStatEntries entries;
    EXPECT_TRUE(CollectStatEntries(25, std::ref(selection), entries));
    ASSERT_EQ(entries.size(), 20);
    EXPECT_EQ(entries.first().Id, 0);
    EXPECT_EQ(entries.last().Id, 19);
    EXPECT_EQ(prompt.Questions(), QStringList{LimitQuestion});
    EXPECT_EQ(selection.RowsRead, 21);
}

TEST(StatEntryTest, TwentyFiveAskAndNoShowsNothing) {
    TRecordingPrompt prompt;
    prompt.QueueAnswers({false});
    TSelection selection{25};
    TStatEntries entries;
    EXPECT_FALSE(CollectStatEntries(25, std::ref(selection), entries));
    EXPECT_TRUE(entries.isEmpty());
    EXPECT_EQ(prompt.Questions(), QStringList{LimitQuestion});
}
