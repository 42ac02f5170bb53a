#include "LibraryFixture.h"
#include "library/uExistingLabels.h"
#include "support/TestFiles.h"

#include <vector>

// Which label ids the library still has.

namespace {

class ExistingLabelsTest : public LibraryFixture {};

TEST_F(ExistingLabelsTest, AnswersTheIdsStillInTheLabelsTableInTheOrderGiven) {
    const int jazz = AddLabel(QStringLiteral("Jazz"));
    const int rock = AddLabel(QStringLiteral("Rock"));
    const int pop = AddLabel(QStringLiteral("Pop"));
    ASSERT_TRUE(Base().LabelsTable().Delete(rock));

    const std::optional<std::vector<int>> existing =
        ExistingLabelIds(Base(), {pop, rock, 999, jazz, pop});
    ASSERT_TRUE(existing);
    EXPECT_EQ(*existing, (std::vector<int>{pop, jazz, pop}));
    EXPECT_EQ(ExistingLabelIds(Base(), {}), std::vector<int>{});
    EXPECT_TRUE(Prompt.Boxes.isEmpty());
}

TEST_F(ExistingLabelsTest, AStoreThatCannotBeReadAnswersNothingAndSaysSo) {
    const int jazz = AddLabel(QStringLiteral("Jazz"));
    Base().CloseTables();
    // Not a database any more: the lookup fails instead of taking every label for gone.
    WriteFileBytes(Base().DatabasePath(), QByteArray("not a database"));

    EXPECT_EQ(ExistingLabelIds(Base(), {jazz}), std::nullopt);
    ASSERT_EQ(Prompt.Errors().size(), 1);
    EXPECT_TRUE(Prompt.Errors().front().startsWith(QStringLiteral("Błąd bazy danych: \"")));
}

} // namespace
