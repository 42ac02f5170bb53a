#include "dayplan/uPlanFile.h"
#include "dayplan/uStores.h"
#include "library/uDBMainBase.h"
#include "settings/uSettings.h"
#include "support/RecordingPrompt.h"
#include "support/TempStation.h"
#include "support/TestFiles.h"

#include <QDir>
#include <gtest/gtest.h>

// The stores come up in order and go down in the reverse order; a store that cannot open stops
// the bring-up, and nothing that was never brought up is written at the end.

namespace {

class StoresTest : public ::testing::Test {
protected:
    TTempStation Station;
    TRecordingPrompt Prompt;

    void SetUp() override { Station.CopyDefaultStation(); }
    QByteArray Blockades() const {
        return ReadFileBytes(Station.Path(QStringLiteral("blokady.xml")));
    }
};

TEST_F(StoresTest, UpAndDownWithThePlanReaderInstalledMeanwhile) {
    const QByteArray before = Blockades();
    ASSERT_TRUE(BringUpStores());
    EXPECT_TRUE(MainBase && Options && TimeRanges && FreqGroups && DisabledLabels && Separations);
    EXPECT_NE(dynamic_cast<TPlanFileReader*>(&PlanReader()), nullptr);
    EXPECT_TRUE(BringUpStores()) << "a second bring-up changes nothing";

    ASSERT_TRUE(ReleaseStores());
    EXPECT_FALSE(MainBase || Options || TimeRanges);
    EXPECT_EQ(dynamic_cast<TPlanFileReader*>(&PlanReader()), nullptr);
    EXPECT_NE(Blockades(), before) << "the time blockades are written at every exit";
    EXPECT_TRUE(Prompt.Boxes.isEmpty());
}

TEST_F(StoresTest, ALibraryThatCannotOpenStopsTheBringUp) {
    // A file where the library's directory should be.
    QFile blocker(Station.Path(QStringLiteral("Data")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QByteArray before = Blockades();

    EXPECT_FALSE(BringUpStores());
    ASSERT_EQ(Prompt.Errors().size(), 1);
    EXPECT_TRUE(Prompt.Errors().first().startsWith(QStringLiteral("Błąd podczas initializacji: ")))
        << Prompt.Errors().first().toStdString();
    EXPECT_FALSE(Options) << "nothing after the library is brought up";

    EXPECT_TRUE(ReleaseStores());
    EXPECT_EQ(Blockades(), before) << "settings never brought up are not written";
}

} // namespace
