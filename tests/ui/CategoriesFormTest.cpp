#include "DialogSteps.h"
#include "FindChild.h"
#include "ModelCheck.h"
#include "clocks/uBroadcastList.h"
#include "clocks/uClockObjList.h"
#include "dayplan/uStores.h"
#include "library/uDBMainBase.h"
#include "support/RecordingPrompt.h"
#include "support/TempStation.h"
#include "support/TestText.h"
#include "ui/categories/uCategoriesForm.h"
#include "ui/categories/uObjDialog.h"
#include "ui/uClockIcons.h"

#include <QComboBox>
#include <QFile>
#include <QIcon>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStringDecoder>
#include <QTest>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

// The category window as the music director uses it: objects made, edited and deleted through
// its buttons and the object dialog, and the list saved when it is closed.

namespace {

const QString kNameTaken = QStringLiteral("Kategoria o nazwie \"%1\" już istnieje.");

class CategoriesFormTest : public ::testing::Test {
protected:
    TTempStation Station;
    TRecordingPrompt Prompt;
    std::unique_ptr<TCategoriesForm> Form;
    std::unique_ptr<TModelCheck> Check;
    // What the user does in each dialog the window opens, in order.
    std::deque<TStep> Steps;

    // A station whose category list holds "rock", "Ballady", "Muzyka" and the advertisement
    // blank, and no file yet.
    void SetUp() override {
        Station.CopyDefaultStation();
        QFile::remove(Station.Path(CategoryListFileName));
        QFile::remove(Station.Path(QStringLiteral("audycje.xml")));
        ASSERT_TRUE(BringUpStores());
        Add(std::make_unique<TCategory>(), "rock");
        Add(std::make_unique<TDetailPlayList>(), "Ballady");
        Add(std::make_unique<TCategory>(), "Muzyka");
        CategoryList->EnsurePredefined();
        CategoryList->SetModified(false);
        Prompt.Clear();
        Form = std::make_unique<TCategoriesForm>(*CategoryList, MainBase.get());
        Form->DialogRunner = RunSteps(Steps);
        Check = std::make_unique<TModelCheck>(List().model());
        Form->show();
    }
    void TearDown() override {
        Check.reset();
        Form.reset();
        EXPECT_TRUE(Steps.empty()) << "a dialog expected was not opened";
        ReleaseStores();
    }

    static TBaseClockObject* Add(std::unique_ptr<TBaseClockObject> object, const char* name) {
        object->SetName(QString::fromUtf8(name));
        return CategoryList->AddObject(std::move(object));
    }

    QListView& List() const { return *FindChild<QListView>(*Form, "lvObjects"); }
    QPushButton& Button(const char* name) const { return *FindChild<QPushButton>(*Form, name); }

    QStringList Lines() const {
        QStringList names;
        for (int row = 0; row < List().model()->rowCount(); ++row)
            names.append(List().model()->index(row, 0).data().toString());
        return names;
    }
    QStringList Selected() const {
        QStringList names;
        for (const QModelIndex& index : List().selectionModel()->selectedRows())
            names.append(index.data().toString());
        return names;
    }
    QModelIndex LineOf(const char* name) const {
        const int row = static_cast<int>(Lines().indexOf(QString::fromUtf8(name)));
        return row < 0 ? QModelIndex() : List().model()->index(row, 0);
    }
    void Select(std::initializer_list<const char*> names) {
        List().selectionModel()->clearSelection();
        for (const char* name : names)
            List().selectionModel()->select(LineOf(name), QItemSelectionModel::Select);
    }
    bool SavedFileHas(const QString& name) const {
        QFile file(Station.Path(CategoryListFileName));
        if (!file.open(QIODevice::ReadOnly))
            return false;
        QStringDecoder decode("windows-1250");
        return QString(decode(file.readAll())).contains(name);
    }
};

// In the object dialog: the kind (new mode only), the name, then OK.
TStep FillAndAccept(TObjKind kind, QString name) {
    return [kind, name](QDialog& dialog) {
        auto& kinds = *FindChild<QComboBox>(dialog, "cmbKind");
        if (kinds.isVisibleTo(&dialog))
            kinds.setCurrentIndex(kinds.findData(int(kind)));
        FindChild<QLineEdit>(dialog, "edtName")->setText(name);
        FindChild<QPushButton>(dialog, "btnOK")->click();
        return dialog.result() == QDialog::Accepted;
    };
}

TEST_F(CategoriesFormTest, TheLinesAreSortedWithoutRegardToCaseWithTheIconOfTheirKind) {
    EXPECT_EQ(Form->windowTitle(), QStringLiteral("Kategorie"));
    EXPECT_EQ(Lines(), (QStringList{QStringLiteral("Ballady"), QStringLiteral("Muzyka"),
                                    QStringLiteral("Reklama o"), QStringLiteral("rock")}));
    const struct {
        const char* Name;
        TObjKind Kind;
    } icons[] = {{"Ballady", otPlayList}, {"Muzyka", otCategory}, {"Reklama o", otBlank}};
    for (const auto& icon : icons)
        EXPECT_EQ(LineOf(icon.Name).data(Qt::DecorationRole).value<QIcon>().cacheKey(),
                  ClockKindIcon(icon.Kind).cacheKey())
            << icon.Name;
}

TEST_F(CategoriesFormTest, NewMakesAnObjectOfEachKindAndSelectsIt) {
    const struct {
        TObjKind Kind;
        const char* Name;
        int Lines;
    } cases[] = {{otCategory, "Hity", 5}, {otPlayList, "Zestaw", 6}, {otBlank, "Cisza", 7}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Steps.push_back(FillAndAccept(c.Kind, QString::fromUtf8(c.Name)));
        Button("btnNew").click();
        const TBaseClockObject* added = CategoryList->FindByName(QString::fromUtf8(c.Name));
        ASSERT_NE(added, nullptr);
        EXPECT_EQ(added->ObjType(), c.Kind);
        EXPECT_EQ(Lines().size(), c.Lines);
        EXPECT_EQ(Selected(), QStringList{QString::fromUtf8(c.Name)});
        EXPECT_EQ(List().currentIndex(), LineOf(c.Name));
        EXPECT_TRUE(Button("btnEdit").isEnabled());
    }
    // Cancelled, the dialog makes nothing.
    Steps.push_back([](QDialog&) { return false; });
    Button("btnNew").click();
    EXPECT_EQ(CategoryList->Count(), 7);
}

TEST_F(CategoriesFormTest, EditNeedsExactlyOneLineAndDeleteAtLeastOne) {
    const struct {
        std::initializer_list<const char*> Lines;
        bool Edit, Delete;
    } cases[] = {{{}, false, false}, {{"Muzyka"}, true, true}, {{"Muzyka", "rock"}, false, true}};
    for (const auto& c : cases) {
        Select(c.Lines);
        EXPECT_EQ(Button("btnEdit").isEnabled(), c.Edit) << c.Lines.size();
        EXPECT_EQ(Button("btnDelete").isEnabled(), c.Delete) << c.Lines.size();
    }
}

TEST_F(CategoriesFormTest, ADoubleClickEditsAndANewNameMovesTheLine) {
    Steps.push_back([](QDialog& dialog) {
        EXPECT_EQ(FindChild<QLineEdit>(dialog, "edtName")->text(), QStringLiteral("Ballady"));
        EXPECT_EQ(FindChild<QLineEdit>(dialog, "edtKind")->text(), QStringLiteral("Lista"));
        return FillAndAccept(otPlayList, QStringLiteral("Zestaw"))(dialog);
    });
    const QRect line = List().visualRect(LineOf("Ballady"));
    QTest::mouseClick(List().viewport(), Qt::LeftButton, {}, line.center());
    QTest::mouseDClick(List().viewport(), Qt::LeftButton, {}, line.center());
    EXPECT_EQ(Lines(), (QStringList{QStringLiteral("Muzyka"), QStringLiteral("Reklama o"),
                                    QStringLiteral("rock"), QStringLiteral("Zestaw")}));
    EXPECT_EQ(Selected(), QStringList{QStringLiteral("Zestaw")});

    // "Edycja" on the selected line.
    Select({"rock"});
    Steps.push_back([](QDialog& dialog) {
        FindChild<QLineEdit>(dialog, "edtTime")->setText(QStringLiteral("00:04:00"));
        FindChild<QPushButton>(dialog, "btnOK")->click();
        return dialog.result() == QDialog::Accepted;
    });
    Button("btnEdit").click();
    EXPECT_EQ(CategoryList->FindByName(QStringLiteral("rock"))->GetPlayTime(), 240);
}

TEST_F(CategoriesFormTest, ATakenNameIsWarnedAboutAndTheDialogStaysOpen) {
    const struct {
        const char* What;
        const char* Edited; // nullptr: "Nowa"
        const char* Kept;
    } cases[] = {{"new", nullptr, "Muzyka nocna"}, {"renamed", "rock", "Rock klasyczny"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        Prompt.Clear();
        bool stayedOpen = false;
        Steps.push_back([&stayedOpen, kept = QString::fromUtf8(c.Kept)](QDialog& dialog) {
            dialog.show();
            const bool refused = !FillAndAccept(otCategory, QStringLiteral("Muzyka"))(dialog);
            stayedOpen = refused && dialog.isVisible();
            return FillAndAccept(otCategory, kept)(dialog);
        });
        if (c.Edited) {
            Select({c.Edited});
            Button("btnEdit").click();
        } else {
            Button("btnNew").click();
        }
        EXPECT_TRUE(stayedOpen);
        EXPECT_EQ(Prompt.Texts(TBoxKind::bkWarning), QStringList{kNameTaken.arg("Muzyka")});
        EXPECT_NE(CategoryList->FindByName(QString::fromUtf8(c.Kept)), nullptr);
    }
}

TEST_F(CategoriesFormTest, ThePredefinedBlankIsNotDeleted) {
    Select({"Reklama o"});
    Button("btnDelete").click();
    EXPECT_EQ(Prompt.Texts(TBoxKind::bkInformation),
              QStringList{QStringLiteral("Ta ketoegoria nie może zostać usunięta, ponieważ jest "
                                         "to kategoria predefiniowana.")});
    EXPECT_TRUE(Prompt.Questions().isEmpty());
    EXPECT_EQ(Lines().size(), 4);
}

TEST_F(CategoriesFormTest, DeletingAsksForEachLineAndNoStops) {
    Select({"Muzyka", "Ballady"});
    Prompt.QueueAnswers({true, false});
    Button("btnDelete").click();
    EXPECT_EQ(Prompt.Questions(), QStringList(2, QStringLiteral("Czy na pewno usunąć kategorię?")));
    EXPECT_EQ(CategoryList->FindByName(QStringLiteral("Ballady")), nullptr) << "first in the view";
    EXPECT_EQ(Lines(), (QStringList{QStringLiteral("Muzyka"), QStringLiteral("Reklama o"),
                                    QStringLiteral("rock")}));
    EXPECT_EQ(Selected(), QStringList{QStringLiteral("Muzyka")});
    EXPECT_TRUE(Button("btnEdit").isEnabled()) << "one line is left selected";
}

TEST_F(CategoriesFormTest, ClosingWithOkAfterAChangeSavesTheList) {
    const struct {
        const char* What;
        bool Change, Ok, Saved;
    } cases[] = {{"changed, Zamknij", true, true, true},
                 {"changed, closed otherwise", true, false, false},
                 {"unchanged, Zamknij", false, true, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        QFile::remove(Station.Path(CategoryListFileName));
        CategoryList->SetModified(false);
        Check.reset();
        Form = std::make_unique<TCategoriesForm>(*CategoryList, MainBase.get());
        Form->DialogRunner = FillAndAccept(otCategory, QString::fromUtf8(c.What));
        if (c.Change)
            Button("btnNew").click();
        if (c.Ok)
            Button("btnClose").click();
        else
            Form->reject();
        EXPECT_EQ(QFile::exists(Station.Path(CategoryListFileName)), c.Saved);
        if (c.Saved) {
            EXPECT_TRUE(SavedFileHas(QString::fromUtf8(c.What)));
        }
    }
}

TEST_F(CategoriesFormTest, TheLinesFollowTheList) {
    Select({"rock"});
    TBaseClockObject* added = Add(std::make_unique<TBlankCategory>(), "Cisza");
    EXPECT_EQ(Lines(), (QStringList{QStringLiteral("Ballady"), QStringLiteral("Cisza"),
                                    QStringLiteral("Muzyka"), QStringLiteral("Reklama o"),
                                    QStringLiteral("rock")}));
    added->SetName(QStringLiteral("Zakończenie"));
    CategoryList->FindByName(QStringLiteral("rock"))->SetName(QStringLiteral("Alternatywa"));
    EXPECT_EQ(Lines(), (QStringList{QStringLiteral("Alternatywa"), QStringLiteral("Ballady"),
                                    QStringLiteral("Muzyka"), QStringLiteral("Reklama o"),
                                    QStringLiteral("Zakończenie")}));
    EXPECT_EQ(Selected(), QStringList{QStringLiteral("Alternatywa")}) << "the renamed line";
    CategoryList->DeleteById(added->Id);
    EXPECT_EQ(Lines().size(), 4);
}

// --- The clock editor's "Edytuj"

TEST_F(CategoriesFormTest, EditClockObjectAppliesTheDialogAndTheItemsFollow) {
    TBaseClockObject& muzyka = *CategoryList->FindByName(QStringLiteral("Muzyka"));
    TBroadcastItem item;
    item.SetMasterId(muzyka.Id);
    bool nameEnabled = true;
    const TDialogRunner accept = [&nameEnabled](QDialog& dialog) {
        nameEnabled = FindChild<QLineEdit>(dialog, "edtName")->isEnabled();
        FindChild<QLineEdit>(dialog, "edtTime")->setText(QStringLiteral("00:05:00"));
        FindChild<QPushButton>(dialog, "btnOK")->click();
        return dialog.result() == QDialog::Accepted;
    };
    EXPECT_TRUE(EditClockObject(*CategoryList, muzyka, MainBase.get(), nullptr, false, accept));
    EXPECT_FALSE(nameEnabled);
    EXPECT_EQ(muzyka.GetPlayTime(), 300);
    EXPECT_EQ(item.GetPlayTime(), 300) << "the broadcast item follows its master";

    EXPECT_FALSE(
        EditClockObject(*CategoryList, muzyka, nullptr, nullptr, true, [](QDialog& dialog) {
            FindChild<QLineEdit>(dialog, "edtTime")->setText(QStringLiteral("00:01:00"));
            return false;
        }));
    EXPECT_EQ(muzyka.GetPlayTime(), 300) << "cancelled";

    TBaseClockObject* other = CategoryList->AddObject(std::make_unique<TBroadcastItem>(), 9990);
    ASSERT_NE(other, nullptr);
    EXPECT_FALSE(EditClockObject(*CategoryList, *other, nullptr, nullptr, true, [](QDialog&) {
        ADD_FAILURE() << "no dialog for this kind";
        return true;
    }));
    EXPECT_EQ(Prompt.Texts(TBoxKind::bkInformation),
              QStringList{QStringLiteral("Kategoria tego typu jest niedostępna w tej wersji "
                                         "programu.")});
}

} // namespace
