#include "clocks/uValueChoice.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

namespace {

const QStringList kOffered = {QStringLiteral("Wolne"), QStringLiteral("Średnie"),
                              QStringLiteral("Szybkie"), QStringLiteral("Żwawe")};

TEST(ValueChoice, OpensWithTheValuesNotChosenAndTheFirstOfThemSelected) {
    const TValueChoice choice(kOffered, {QStringLiteral("Szybkie")});
    EXPECT_EQ(choice.Available(), (QStringList{QStringLiteral("Wolne"), QStringLiteral("Średnie"),
                                               QStringLiteral("Żwawe")}));
    EXPECT_EQ(choice.AvailableIndex(), 0);
    EXPECT_EQ(choice.ChosenIndex(), -1);
    EXPECT_FALSE(choice.CanRemove());
    EXPECT_FALSE(choice.Touched());
    EXPECT_FALSE(choice.Changed());
}

TEST(ValueChoice, AddingTakesTheSelectedValueAndSelectsTheOneBefore) {
    TValueChoice choice(kOffered, {});
    choice.SelectAvailable(2);
    choice.Add();
    EXPECT_EQ(S(choice.Text()), "Szybkie");
    EXPECT_EQ(choice.AvailableIndex(), 1) << "the value before it";
    choice.SelectAvailable(0);
    choice.Add();
    EXPECT_EQ(choice.AvailableIndex(), 0) << "the first when none is before";
    choice.Add();
    choice.Add();
    EXPECT_EQ(S(choice.Text()), "Szybkie,Wolne,Średnie,Żwawe");
    EXPECT_TRUE(choice.Available().isEmpty());
    EXPECT_EQ(choice.AvailableIndex(), -1);
    EXPECT_FALSE(choice.CanAdd());
    EXPECT_TRUE(choice.Touched());
    EXPECT_TRUE(choice.Changed());
}

TEST(ValueChoice, RemovingAndReplacingReturnValuesInTheOfferedOrder) {
    TValueChoice choice(kOffered, {QStringLiteral("Średnie"), QStringLiteral("Żwawe")});
    choice.SelectChosen(0);
    choice.Remove();
    EXPECT_EQ(S(choice.Available()), "Wolne|Średnie|Szybkie");
    EXPECT_EQ(choice.AvailableIndex(), 1) << "selected where it went back";
    EXPECT_EQ(S(choice.Text()), "Żwawe");

    choice.SelectChosen(0);
    choice.SelectAvailable(0);
    ASSERT_TRUE(choice.CanReplace());
    choice.Replace();
    EXPECT_EQ(S(choice.Text()), "Wolne");
    EXPECT_EQ(S(choice.Available()), "Średnie|Szybkie|Żwawe");
    EXPECT_EQ(choice.AvailableIndex(), 2);
}

TEST(ValueChoice, MovesThatEndWhereTheyStartedAreNoChange) {
    TValueChoice choice(kOffered, {QStringLiteral("Wolne")});
    choice.Add(); // "Średnie"
    choice.SelectChosen(1);
    choice.Remove();
    EXPECT_TRUE(choice.Touched()) << "OK can be pressed";
    EXPECT_FALSE(choice.Changed()) << "but nothing is reported";
}

TEST(ValueChoice, AChosenValueNoLongerOfferedStaysChosenAndGoesBackLast) {
    TValueChoice choice(kOffered, {QStringLiteral("Dawne")});
    EXPECT_EQ(choice.Available().size(), kOffered.size());
    choice.SelectChosen(0);
    choice.Remove();
    EXPECT_EQ(choice.Available().last(), QStringLiteral("Dawne"));
}

TEST(ValueChoice, NothingMovesWithoutASelection) {
    TValueChoice choice({}, {});
    choice.Add();
    choice.Remove();
    choice.Replace();
    EXPECT_FALSE(choice.Touched());
    TValueChoice same(kOffered, {});
    same.SelectChosen(0);
    EXPECT_FALSE(same.CanReplace());
}

} // namespace
