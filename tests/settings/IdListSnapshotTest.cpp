#include "settings/uArIdList.h"

#include <QString>
#include <gtest/gtest.h>
#include <memory>
#include <string>

// A settings list put back as it was, as a cancelled settings window needs it.

namespace {

struct TEntry {
    int Id = -1;
    QString Name;
};

// Lets a test clear the changed flag, as loading and saving do.
class TList : public TArIdList<TEntry> {
public:
    using TArIdList::ClearChanged;
};

std::unique_ptr<TEntry> Entry(const char* name, int id = -1) {
    return std::make_unique<TEntry>(TEntry{id, QString::fromLatin1(name)});
}

// "id:name" of each entry, in the list's order.
std::string Contents(const TList& list) {
    std::string text;
    for (int i = 0; i < list.Count(); ++i)
        text += std::to_string(list.Items(i).Id) + ":" + list.Items(i).Name.toStdString() + " ";
    return text;
}

class IdListSnapshotTest : public ::testing::Test {
protected:
    TList List;

    void SetUp() override {
        List.Add(Entry("a", 2));
        List.Add(Entry("b", 10));
        List.Add(Entry("c"));
    }
};

TEST_F(IdListSnapshotTest, RestoreUndoesAdditionsEditsAndDeletions) {
    for (const bool changedBefore : {false, true}) {
        SCOPED_TRACE(changedBefore);
        TList list;
        list.Add(Entry("a", 2));
        list.Add(Entry("b", 10));
        if (!changedBefore)
            list.ClearChanged();
        const std::string before = Contents(list);
        const TList::TSnapshot snapshot = list.Snapshot();

        list.Add(Entry("new"));
        list.FindById(2)->Name = QStringLiteral("edited");
        list.DeleteById(10);
        list.MarkChanged();
        ASSERT_NE(Contents(list), before);

        list.Restore(snapshot);
        EXPECT_EQ(Contents(list), before);
        EXPECT_EQ(list.LastId(), 10);
        EXPECT_EQ(list.Changed(), changedBefore);
        EXPECT_EQ(list.FindById(11), nullptr);
        EXPECT_EQ(list.IndexOfId(10), 0);
    }
}

TEST_F(IdListSnapshotTest, TheSnapshotIsACopyTheListNoLongerTouches) {
    const TList::TSnapshot snapshot = List.Snapshot();
    List.FindById(11)->Name = QStringLiteral("changed");
    List.DeleteById(2);
    ASSERT_EQ(snapshot.Items.size(), 3u);
    EXPECT_EQ(snapshot.Items[0].Name, QStringLiteral("b"));
    EXPECT_EQ(snapshot.Items[1].Name, QStringLiteral("c"));
    EXPECT_EQ(snapshot.Items[2].Name, QStringLiteral("a"));
    EXPECT_EQ(snapshot.LastId, 11);

    // Restored twice, the entries are the snapshot's each time, not the list's of before.
    List.Restore(snapshot);
    List.FindById(11)->Name = QStringLiteral("again");
    List.Restore(snapshot);
    EXPECT_EQ(Contents(List), "10:b 11:c 2:a ");
}

TEST_F(IdListSnapshotTest, NewEntriesAfterARestoreNeverTakeAnIdOfTheList) {
    const TList::TSnapshot snapshot = List.Snapshot();
    List.Add(Entry("gone"));
    List.Restore(snapshot);
    EXPECT_EQ(List.Add(Entry("d")), 12);
    EXPECT_EQ(Contents(List), "10:b 11:c 12:d 2:a ");
}

} // namespace
