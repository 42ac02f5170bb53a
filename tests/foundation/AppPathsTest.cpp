#include "foundation/uAppPaths.h"
#include "support/TempStation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

void Touch(const QString& path) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
}

class AppPathsTest : public ::testing::Test {
protected:
    TTempStation Station;
    const QDate March1{2024, 3, 1};
};

TEST_F(AppPathsTest, AppFilePathJoinsTheProgramDirectory) {
    EXPECT_EQ(AppFilePath(QStringLiteral("dnkat.xml")), Station.Path(QStringLiteral("dnkat.xml")));
}

TEST_F(AppPathsTest, DatedPathsCreateTheirDirectoryOnFirstRequestOnly) {
    struct TCase {
        TPlanKind Kind;
        const char* Dir;
        const char* Name;
    };
    const TCase cases[] = {
        {pkHistory, "Plan/Historia", "20240301.plh"},
        {pkCurrent, "Plan/Biezacy", "20240301.plp"},
        {pkPlanned, "Plan/Plan", "20240301.plz"},
    };
    EnsureDirectory(AppFilePath(kPlanDir));
    for (const TCase& c : cases) {
        const QString dir = Station.Path(QString::fromLatin1(c.Dir));
        EXPECT_FALSE(QFileInfo::exists(dir)) << c.Dir;
        EXPECT_TRUE(ListPlanFiles(c.Kind).isEmpty());
        EXPECT_FALSE(QFileInfo::exists(dir)) << "listing must not create " << c.Dir;
        EXPECT_EQ(PlanFilePath(c.Kind, March1), dir + QLatin1Char('/') + QLatin1String(c.Name));
        EXPECT_TRUE(QFileInfo(dir).isDir()) << c.Dir;
        EXPECT_TRUE(ExistingPlanFilePath(c.Kind, March1).isEmpty());
    }
}

TEST_F(AppPathsTest, KindsOutsideTheThreeNameNoFile) {
    // A kind read from outside (a number cast to the type) that is none of them.
    for (int number : {0, 4, -1}) {
        const auto kind = static_cast<TPlanKind>(number);
        EXPECT_TRUE(PlanFilePath(kind, March1).isEmpty()) << number;
        EXPECT_TRUE(ExistingPlanFilePath(kind, March1).isEmpty()) << number;
        EXPECT_TRUE(ListPlanFiles(kind).isEmpty()) << number;
    }
}

TEST_F(AppPathsTest, ListPlanFilesGivesBareNamesOfFilesOnly) {
    EnsureDirectory(AppFilePath(kPlanDir));
    Touch(PlanFilePath(pkHistory, March1));
    Touch(PlanFilePath(pkHistory, March1.addDays(1)));
    QDir(Station.Path(QStringLiteral("Plan/Historia"))).mkdir(QStringLiteral("sub"));
    QStringList names = ListPlanFiles(pkHistory);
    names.sort();
    EXPECT_EQ(names, (QStringList{QStringLiteral("20240301.plh"), QStringLiteral("20240302.plh")}));
    EXPECT_EQ(ExistingPlanFilePath(pkHistory, March1), PlanFilePath(pkHistory, March1));
}

TEST_F(AppPathsTest, DeleteDayFilesRemovesPendingPlannedAndPreviousDrawList) {
    EnsureDirectory(AppFilePath(kPlanDir));
    const QString plp = PlanFilePath(pkCurrent, March1);
    const QString plz = PlanFilePath(pkPlanned, March1);
    const QString plh = PlanFilePath(pkHistory, March1);
    const QString list = DatedFilePath(kListDir, QStringLiteral("dat"), QDate(2024, 2, 29));
    const QString todaysList = DatedFilePath(kListDir, QStringLiteral("dat"), March1);
    for (const QString& p : {plp, plz, plh, list, todaysList})
        Touch(p);
    EXPECT_TRUE(list.endsWith(QLatin1String("List/20240229.dat")));

    DeleteDayFiles(March1);
    EXPECT_FALSE(QFileInfo::exists(plp));
    EXPECT_FALSE(QFileInfo::exists(plz));
    EXPECT_FALSE(QFileInfo::exists(list));
    EXPECT_TRUE(QFileInfo::exists(plh)) << "the accepted day stays";
    EXPECT_TRUE(QFileInfo::exists(todaysList));

    // Nothing left to delete is no error.
    DeleteDayFiles(March1);
}

} // namespace
