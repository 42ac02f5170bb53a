#include "report/uRotationStats.h"

#include <gtest/gtest.h>

// The rotation figures of a simulated run, category by category.

namespace {

constexpr int kHour = 60 * 60 * 1000;
const QDate Monday(2026, 12, 7);

TRotationPlay Play(int day, int hourMs, int song, int category = 1) {
    return {Monday.addDays(day), hourMs, song, category};
}

TEST(RotationStats, PlaysNeverPlayedAndTheFairShare) {
    const std::map<int, std::vector<int>> library{{1, {10, 11, 12, 13}}, {2, {20}}};
    const auto rotation = RotationByCategory({Play(0, 8 * kHour, 10), Play(0, 12 * kHour, 10),
                                              Play(1, 9 * kHour, 11), Play(2, 20 * kHour, 20, 2)},
                                             library);
    ASSERT_EQ(rotation.size(), 2u);
    EXPECT_EQ(rotation[0], (TCategoryRotation{1, 4, 3, 2, 2, 0.75, 0}));
    EXPECT_EQ(rotation[1], (TCategoryRotation{2, 1, 1, 0, 1, 1.0, 0}));
}

// A play counts as a return when it comes one to seven days after the song's previous play,
// at most an hour of the day away from it.
TEST(RotationStats, SameHourReturnsWithinAWeek) {
    struct TCase {
        const char* Name;
        int SecondDay;
        int SecondMs;
        int Returns;
    } cases[] = {
        {"next day, same hour", 1, 10 * kHour, 1},
        {"a week later, an hour later", 7, 11 * kHour, 1},
        {"eight days later", 8, 10 * kHour, 0},
        {"next day, an hour and a minute later", 1, 11 * kHour + 60000, 0},
        {"the same day", 0, 10 * kHour + 1000, 0},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const auto rotation =
            RotationByCategory({Play(0, 10 * kHour, 5), Play(c.SecondDay, c.SecondMs, 5)}, {});
        ASSERT_EQ(rotation.size(), 1u);
        EXPECT_EQ(rotation[0].SameHourReturns, c.Returns);
    }
}

TEST(RotationStats, AReturnAcrossMidnightAndPlaysInAnyOrder) {
    // 23:30 and 00:20 the day after next are 50 minutes apart on the clock; given in reverse.
    const auto rotation = RotationByCategory(
        {Play(2, 20 * 60000, 5), Play(0, 23 * kHour + 30 * 60000, 5)}, {{1, {5}}});
    ASSERT_EQ(rotation.size(), 1u);
    EXPECT_EQ(rotation[0].SameHourReturns, 1);
    EXPECT_EQ(rotation[0].NeverPlayed, 0);
}

} // namespace
