#include "foundation/uWholeFile.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

// The files a test could not read whole are its own business, not the next test's.
class TForgetUnreadFiles : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { ForgetUnreadFiles(); }
};

} // namespace

int main(int argc, char** argv) {
    // Per-user settings go to a throw-away location, never the developer's own.
    QStandardPaths::setTestModeEnabled(true);
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new TForgetUnreadFiles);
    return RUN_ALL_TESTS();
}
