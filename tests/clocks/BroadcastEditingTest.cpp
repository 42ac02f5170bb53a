#include "clocks/ClockFixture.h"
#include "clocks/uBroadcastEditing.h"

#include <QFileInfo>

namespace {

const QString kConfirmDelete = QStringLiteral("Czy na pewno usunąć audycję?");

// The broadcast window over a list of two broadcasts.
class BroadcastEditingTest : public TClockFixture {
protected:
    void SetUp() override {
        TClockFixture::SetUp();
        First = AddNewsBroadcast();
        Second = BroadcastList->AddBroadcast(NewBroadcast(QStringLiteral("Blok"), {Hits, Jingle}));
        BroadcastList->SetModified(false);
    }

    TBroadcast* First = nullptr;
    TBroadcast* Second = nullptr;
};

TEST_F(BroadcastEditingTest, OpensWithTheFirstBroadcastSelected) {
    TBroadcastWindowModel window(*BroadcastList);
    EXPECT_EQ(window.Lines(), (QStringList{QStringLiteral("Serwis"), QStringLiteral("Blok")}));
    EXPECT_EQ(window.SelectedBroadcast(), First);

    TBroadcastList empty;
    TBroadcastWindowModel emptyWindow(empty);
    EXPECT_EQ(emptyWindow.Selected(), -1);
    EXPECT_FALSE(emptyWindow.HasSelection());
    EXPECT_EQ(emptyWindow.EditEditor(), nullptr);
}

TEST_F(BroadcastEditingTest, DeletesOnlyAfterYes) {
    TBroadcastWindowModel window(*BroadcastList);
    Prompt.QueueAnswers({false, true});
    EXPECT_FALSE(window.DeleteSelected());
    EXPECT_EQ(BroadcastList->BroadcastCount(), 2);
    EXPECT_TRUE(window.DeleteSelected());
    EXPECT_EQ(Prompt.Questions(), (QStringList{kConfirmDelete, kConfirmDelete}));
    ASSERT_EQ(BroadcastList->BroadcastCount(), 1);
    EXPECT_EQ(window.SelectedBroadcast(), Second);
}

TEST_F(BroadcastEditingTest, CopiesTheSelectedBroadcastUnderTheNameGiven) {
    TBroadcastWindowModel window(*BroadcastList);
    window.Select(1);
    TBroadcast* copy = window.CopySelected(QStringLiteral("Blok (kopia)"));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Id, 10003);
    EXPECT_EQ(copy->ObjName(), QStringLiteral("Blok (kopia)"));
    EXPECT_EQ(copy->ItemCount(), 2);
    EXPECT_EQ(copy->GetPlayTime(), Second->GetPlayTime());
    EXPECT_EQ(window.SelectedBroadcast(), copy);
    EXPECT_TRUE(BroadcastList->Modified());

    const TBroadcast* longName = window.CopySelected(QString(250, QLatin1Char('x')));
    EXPECT_EQ(longName->ObjName().size(), MaxBroadcastNameLength);
}

TEST_F(BroadcastEditingTest, ANewBroadcastIsBuiltFromTheEditorsRows) {
    TBroadcastWindowModel window(*BroadcastList);
    std::unique_ptr<TClock> editor = window.NewEditor();
    ASSERT_EQ(editor->Mode(), cmBroadcast);
    ASSERT_TRUE(editor->SetBroadcastBegin(Hms(7)));
    editor->InsertObjects(*Jingle, nullptr, ipAfter);
    editor->InsertObjects(*Hits, nullptr, ipAfter);

    TBroadcast* added = window.AddNew(*editor, QStringLiteral("Poranek"));
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(window.SelectedBroadcast(), added);
    EXPECT_TRUE(BroadcastList->Modified());
    EXPECT_EQ(added->GetName(), QStringLiteral("Poranek (07:00:00 - 07:03:40)"));
    ASSERT_EQ(added->ItemCount(), 2);
    EXPECT_EQ(added->ItemAt(1)->MasterId(), Hits->Id);
    EXPECT_EQ(added->ItemAt(1)->Hour, Hms(7, 0, 10));
    EXPECT_FALSE(added->ExactEnd);
}

TEST_F(BroadcastEditingTest, AnEditIsWrittenBackIntoTheSameBroadcast) {
    TRecordingListener listener;
    BroadcastList->AddListener(&listener);
    TBroadcastWindowModel window(*BroadcastList);
    std::unique_ptr<TClock> editor = window.EditEditor();
    ASSERT_NE(editor, nullptr);
    ASSERT_EQ(editor->RowCount(), 3);
    Prompt.QueueAnswers({true});
    ASSERT_TRUE(editor->DeleteRow(editor->Row(2)));

    window.ApplyEdit(*editor, QStringLiteral("Serwis krótki"));
    EXPECT_EQ(First->ItemCount(), 2);
    EXPECT_EQ(First->ObjName(), QStringLiteral("Serwis krótki"));
    EXPECT_EQ(First->Length(), 190);
    EXPECT_TRUE(BroadcastList->Modified());
    ASSERT_EQ(listener.Events.size(), 1u) << "clocks showing it hear of the new name";
    EXPECT_EQ(listener.Events[0].Kind, nkChanged);

    // New times under the same name change the name the clocks show.
    std::unique_ptr<TClock> again = window.EditEditor();
    ASSERT_TRUE(again->SetBroadcastBegin(Hms(9, 0, 0)));
    window.ApplyEdit(*again, QStringLiteral("Serwis krótki"));
    ASSERT_EQ(listener.Events.size(), 2u);
    EXPECT_EQ(listener.Events[1].Kind, nkChanged);
    EXPECT_TRUE(First->IsPinned());
    BroadcastList->RemoveListener(&listener);
}

TEST_F(BroadcastEditingTest, ClosingSavesAModifiedList) {
    {
        TBroadcastWindowModel window(*BroadcastList);
        window.Close();
        EXPECT_FALSE(QFileInfo::exists(Station.Path(BroadcastListFileName)));
    }
    TBroadcastWindowModel window(*BroadcastList);
    window.CopySelected(QStringLiteral("Kopia"));
    EXPECT_TRUE(window.Close());
    EXPECT_TRUE(QFileInfo::exists(Station.Path(BroadcastListFileName)));
    EXPECT_FALSE(BroadcastList->Modified());
}

} // namespace
