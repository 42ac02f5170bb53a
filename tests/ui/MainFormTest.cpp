#include "foundation/uAppPaths.h"
#include "support/TempStation.h"
#include "ui/uMainForm.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

TEST(MainForm, IsTitledAndMakesThePlanDirectoryOnly) {
    TTempStation station;
    TMainForm form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Dobieralnik"));
    EXPECT_TRUE(QFileInfo(station.Path(QStringLiteral("Plan"))).isDir());
    for (const char* dir : {"Plan/Historia", "Plan/Biezacy", "Plan/Plan"})
        EXPECT_FALSE(QFileInfo::exists(station.Path(QString::fromLatin1(dir)))) << dir;
}

} // namespace
