#include "settings/uSettings.h"
#include "support/RecordingPrompt.h"
#include "support/TempStation.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

class SettingsLifecycleTest : public ::testing::Test {
protected:
    void TearDown() override { DoneOptions(); }

    TTempStation Station;
    TRecordingPrompt Prompt;
};

TEST_F(SettingsLifecycleTest, TheDefaultStationComesUpWithoutAnyBox) {
    Station.CopyDefaultStation();
    InitOptions();
    EXPECT_TRUE(Prompt.Boxes.isEmpty()) << Prompt.Errors().join('\n').toStdString();
    ASSERT_TRUE(Options && TimeRanges && FreqGroups && DisabledLabels && Separations);
    EXPECT_GT(Options->Categories().Count(), 0);
    EXPECT_EQ(Options->Categories().IdByName(QStringLiteral("MUZYKA")), 1);
    EXPECT_GT(Options->CharValues(ckYears)->size(), 0u);
    EXPECT_EQ(Config.ClockDir, Station.Path(QStringLiteral("Zegary")));
    EXPECT_EQ(Config.SelectionMethod, QStringLiteral("A"));
}

TEST_F(SettingsLifecycleTest, ExitRewritesTheBlockadesAlwaysAndTheRestOnlyWhenChanged) {
    Station.CopyDefaultStation();
    InitOptions();
    const QStringList untouched = {QStringLiteral("grupy.xml"), QStringLiteral("etykiety.xml"),
                                   QStringLiteral("rozklad.xml"), QStringLiteral("dnkat.xml"),
                                   QStringLiteral("charakterystyki.xml")};
    for (const QString& name : untouched + QStringList{QStringLiteral("blokady.xml")})
        QFile::remove(Station.Path(name));

    DoneOptions();
    EXPECT_FALSE(Options || TimeRanges || FreqGroups || DisabledLabels || Separations);
    EXPECT_TRUE(QFileInfo::exists(Station.Path(QStringLiteral("blokady.xml"))));
    for (const QString& name : untouched)
        EXPECT_FALSE(QFileInfo::exists(Station.Path(name))) << name.toStdString();
    EXPECT_FALSE(QFileInfo::exists(Station.Path(QStringLiteral("konfig.dat"))));
}

TEST_F(SettingsLifecycleTest, ChangedSettingsAreWrittenAtExit) {
    Station.CopyDefaultStation();
    InitOptions();
    FreqGroups->MarkChanged();
    Options->SetCanCut(!Options->CanCut());
    QFile::remove(Station.Path(QStringLiteral("grupy.xml")));
    QFile::remove(Station.Path(QStringLiteral("dnkat.xml")));
    DoneOptions();
    EXPECT_TRUE(QFileInfo::exists(Station.Path(QStringLiteral("grupy.xml"))));
    EXPECT_TRUE(QFileInfo::exists(Station.Path(QStringLiteral("dnkat.xml"))));
}

TEST_F(SettingsLifecycleTest, AnEmptyDirectoryReportsTheTwoRequiredFilesAndKeepsDefaults) {
    InitOptions();
    EXPECT_EQ(
        Prompt.Errors(),
        (QStringList{
            QStringLiteral("Brak pliku \"charakterystyki.xml\"."),
            QStringLiteral("Brak pliku \"%1\".").arg(Station.Path(QStringLiteral("dnkat.xml")))}));
    EXPECT_EQ(Options->Categories().Count(), 0);
    EXPECT_TRUE(Options->CanCut());
}

TEST_F(SettingsLifecycleTest, BringingUpTwiceLoadsOnce) {
    Station.CopyDefaultStation();
    InitOptions();
    TArOptions* first = Options.get();
    const int categories = Options->Categories().Count();
    InitOptions();
    EXPECT_EQ(Options.get(), first);
    EXPECT_EQ(Options->Categories().Count(), categories);
}

TEST_F(SettingsLifecycleTest, ReleasingWhatWasNeverBroughtUpDoesNothing) {
    DoneOptions();
    EXPECT_TRUE(Prompt.Boxes.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(Station.Path(QStringLiteral("blokady.xml"))));
}

} // namespace
