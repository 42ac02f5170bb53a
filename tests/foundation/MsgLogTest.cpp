#include "foundation/uMsgLog.h"
#include "support/RecordingPrompt.h"

#include <gtest/gtest.h>

namespace {

TEST(LogMessage, OnlyLevelsTwoAndThreeShowAnErrorBox) {
    TRecordingPrompt prompt;
    for (TLogLevel level : {TLogLevel::Info, TLogLevel::Notice})
        LogMessage(msOptions, level, QStringLiteral("cicho %1").arg(static_cast<int>(level)));
    EXPECT_TRUE(prompt.Boxes.isEmpty());
    LogMessage(msOptions, TLogLevel::Error, QStringLiteral("dwa"));
    LogMessage(msMainDB, TLogLevel::Severe, QStringLiteral("trzy"));
    EXPECT_EQ(prompt.Errors(), (QStringList{QStringLiteral("dwa"), QStringLiteral("trzy")}));
}

TEST(LogMessage, FileErrorTextsKeepPlaceholdersInTheirValues) {
    EXPECT_EQ(FileLoadErrorText(QStringLiteral("C:/a%1.xml"), QStringLiteral("brak")),
              QStringLiteral("Błąd podczas ładowania pliku \"C:/a%1.xml\". (brak)"));
    EXPECT_EQ(FileSaveErrorText(QStringLiteral("b.xml"), QStringLiteral("x")),
              QStringLiteral("Błąd podczas zapisywania pliku \"b.xml\". (x)"));
    EXPECT_EQ(MissingFileText(QStringLiteral("c.xml")), QStringLiteral("Brak pliku \"c.xml\"."));
}

TEST(BusyCursor, NestsAndIgnoresAnUnmatchedEnd) {
    TRecordingPrompt prompt;
    EndBusy();
    EXPECT_EQ(BusyDepth(), 0);
    EXPECT_EQ(prompt.BusyChanges, 0) << "an unmatched EndBusy leaves the cursor alone";

    BeginBusy();
    BeginBusy();
    EndBusy();
    EXPECT_TRUE(prompt.BusyCursor) << "two begins and one end keep the hourglass";
    EXPECT_EQ(prompt.BusyChanges, 1);
    {
        TBusyGuard guard;
        EXPECT_EQ(BusyDepth(), 2);
    }
    EndBusy();
    EXPECT_FALSE(prompt.BusyCursor);
    EXPECT_EQ(prompt.BusyChanges, 2);
    EXPECT_EQ(BusyDepth(), 0);
}

} // namespace
