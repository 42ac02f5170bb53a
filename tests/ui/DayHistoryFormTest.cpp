#include "dayplan/uDayHistory.h"
#include "support/RecordingPrompt.h"
#include "support/TempStation.h"
#include "ui/uDayHistoryForm.h"

#include <QFile>
#include <QHeaderView>
#include <QStringEncoder>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

class DayHistoryForm : public ::testing::Test {
protected:
    TTempStation Station;
    TRecordingPrompt Prompt;
    TDayHistoryForm Form;
    TDayHistory History;

    // History files are Windows-1250 text.
    QString WriteFile(const QString& text) const {
        const QString path = Station.Path(QStringLiteral("20260310.plh"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        QStringEncoder encoder("windows-1250");
        file.write(encoder(text));
        return path;
    }
};

TEST_F(DayHistoryForm, ListsTheRowsAsTheFileHoldsThem) {
    const QString path = WriteFile(QStringLiteral(
        "<PalyList>\r\n"
        "  <Item hour=\"07:05:09.500\" artist=\"Ala &amp; &quot;Koty&quot;\" title=\"Żółw\" "
        "time=\"75:00.000\" Blank=\"0\"/>\r\n"
        "  <Item hour=\"08:20:09.500\" artist=\"Reklama o\" title=\"\" time=\"01:00.000\" "
        "Blank=\"1\"/>\r\n"
        "</PalyList>\r\n"));
    ASSERT_TRUE(History.LoadDayHistory(path));
    Form.ShowHistory(History, true, QDate(2026, 3, 10));

    const QTreeWidget& list = *Form.List();
    ASSERT_TRUE(Form.ListShown());
    ASSERT_EQ(list.topLevelItemCount(), 2);
    const QTreeWidgetItem& first = *list.topLevelItem(0);
    EXPECT_EQ(first.text(0), QStringLiteral("07:05:09.500"));
    EXPECT_EQ(first.text(1), QStringLiteral("Ala & \"Koty\""));
    EXPECT_EQ(first.text(2), QStringLiteral("Żółw"));
    EXPECT_EQ(first.text(3), QStringLiteral("75:00.000"));
}

TEST_F(DayHistoryForm, HasTheFourColumnsAndSelectsWholeRows) {
    const QTreeWidget& list = *Form.List();
    const QStringList captions = {QStringLiteral("Godzina"), QStringLiteral("Wykonawca"),
                                  QStringLiteral("Tytuł"), QStringLiteral("Czas")};
    const int widths[] = {90, 200, 250, 70};
    ASSERT_EQ(list.columnCount(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(list.headerItem()->text(i), captions[i]);
        EXPECT_EQ(list.columnWidth(i), widths[i]) << i;
    }
    EXPECT_EQ(list.selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(list.editTriggers(), QAbstractItemView::NoEditTriggers);
}

TEST_F(DayHistoryForm, SaysSoWhenTheHistoryCouldNotBeLoaded) {
    Form.ShowHistory(History, false, QDate(2026, 3, 10));
    EXPECT_FALSE(Form.ListShown());
    EXPECT_EQ(Form.MissingText(), QStringLiteral("Brak play listy na dzień 10.03.2026."));

    Form.Clear();
    EXPECT_TRUE(Form.ListShown());
    EXPECT_EQ(Form.List()->topLevelItemCount(), 0);
}

} // namespace
