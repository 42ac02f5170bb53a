#include "ClockDrops.h"
#include "FindChild.h"
#include "ModelCheck.h"
#include "clocks/uBroadcastList.h"
#include "clocks/uClock.h"
#include "clocks/uClockObjList.h"
#include "dayplan/uStores.h"
#include "support/RecordingPrompt.h"
#include "support/TempStation.h"
#include "support/TestFiles.h"
#include "support/TestText.h"
#include "ui/clockeditor/uAvailableObjectsModel.h"
#include "ui/clockeditor/uTimerForm.h"
#include "ui/clockeditor/uTimerMessages.h"
#include "ui/uClockTree.h"
#include "ui/uMainForm.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFileInfo>
#include <QFont>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeView>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

// The clock editor driven as a music director drives it: objects dragged from the available
// ones onto the clock, the clock named, saved, opened again and looked at.

namespace {

class TimerFormTest : public ::testing::Test {
protected:
    TTempStation Station;
    TRecordingPrompt Prompt;
    QPointer<TTimerForm> Form;
    std::unique_ptr<TModelCheck> ObjectsCheck;
    std::unique_ptr<TModelCheck> RowsCheck;

    void SetUp() override {
        Station.CopyDefaultStation();
        ASSERT_TRUE(BringUpStores());
        auto list = std::make_unique<TDetailPlayList>();
        list->SetName(QStringLiteral("Lista poranna"));
        list->SetPlayTime(240);
        CategoryList->AddObject(std::move(list));
        NewForm();
    }
    void TearDown() override {
        CloseForm();
        ReleaseStores();
    }

    void NewForm() {
        Form = new TTimerForm;
        ObjectsCheck = std::make_unique<TModelCheck>(Objects().model());
        RowsCheck = std::make_unique<TModelCheck>(Rows().model());
    }
    void CloseForm() {
        ObjectsCheck.reset();
        RowsCheck.reset();
        delete Form.data();
    }

    QListView& Objects() const { return *FindChild<QListView>(*Form, "TreeCat"); }
    QTreeView& Rows() const { return *FindChild<QTreeView>(*Form, "TreeClock"); }
    QAbstractItemModel& RowModel() const { return *Rows().model(); }

    std::unique_ptr<QMimeData> DragOf(const QString& name) const { return ::DragOf(*Form, name); }
    bool Drop(const QString& name, int row = -1, const QModelIndex& on = {}) {
        return DropOnClock(*Form, name, row, on);
    }
    QStringList RowNames() const {
        QStringList names;
        for (const auto& row : Form->Clock().Rows())
            names.append(row->Name());
        return names;
    }
    // Typed as a keyboard with Polish letters types them: committed by the input method.
    void TypeName(const QString& name) {
        QLineEdit& edit = *FindChild<QLineEdit>(*Form, "edtName");
        edit.selectAll();
        QInputMethodEvent typing;
        typing.setCommitString(name);
        QApplication::sendEvent(&edit, &typing);
    }
    QString ClockPath(const char* name) const {
        return Station.Path(QStringLiteral("Zegary/") + QString::fromUtf8(name));
    }
};

TEST_F(TimerFormTest, TheAvailableObjectsAreBroadcastsFirstThenTheRestInPolishOrder) {
    auto blank = std::make_unique<TBlankCategory>();
    blank->SetName(QStringLiteral("łagodne wejście"));
    CategoryList->AddObject(std::move(blank));
    auto& model = dynamic_cast<TAvailableObjectsModel&>(*Objects().model());
    ASSERT_GT(model.rowCount(), 3);
    QStringList broadcasts, rest;
    for (int row = 0; row < model.rowCount(); ++row) {
        const TBaseClockObject* object = model.ObjectAt(model.index(row, 0));
        ASSERT_TRUE(object);
        if (object->ObjType() == otBroadcast) {
            EXPECT_TRUE(rest.isEmpty()) << S(object->GetName()) << " after other objects";
            broadcasts.append(object->GetName());
        } else {
            rest.append(object->GetName());
        }
    }
    EXPECT_EQ(broadcasts.size(), BroadcastList->BroadcastCount());
    EXPECT_TRUE(rest.contains(QStringLiteral("Lista poranna"))) << "added before the window";
    // "Lata 90.", "Lista poranna", "łagodne wejście", "Muzyka", ...
    const qsizetype soft = rest.indexOf(QStringLiteral("łagodne wejście"));
    ASSERT_GT(soft, 0);
    EXPECT_EQ(rest[soft - 1], QStringLiteral("Lista poranna")) << S(rest);
    EXPECT_EQ(rest[soft + 1], QStringLiteral("Muzyka")) << S(rest);
}

TEST_F(TimerFormTest, ObjectsDroppedBecomeRowsWhereTheyAreLetGo) {
    ASSERT_TRUE(Drop(QStringLiteral("Muzyka")));
    ASSERT_TRUE(Drop(QStringLiteral("Lista poranna")));
    ASSERT_TRUE(Drop(QStringLiteral("Serwis informacyjny")));
    // Between the first two rows, then on the first row (after it).
    ASSERT_TRUE(Drop(QStringLiteral("Reklama o"), 1));
    ASSERT_TRUE(Drop(QStringLiteral("Przeboje"), -1, RowModel().index(0, 0)));
    EXPECT_EQ(RowNames(), (QStringList{QStringLiteral("Muzyka"), QStringLiteral("Przeboje"),
                                       QStringLiteral("Reklama o"), QStringLiteral("Lista poranna"),
                                       QStringLiteral("Serwis informacyjny")}));
    EXPECT_TRUE(Form->Clock().Modified);
    // The new row has the focus, and the hours follow one another.
    const QModelIndex focused = Rows().currentIndex();
    EXPECT_EQ(focused.row(), 1);
    const TClockRows& rows = Form->Clock().Rows();
    for (std::size_t i = 1; i < rows.size(); ++i)
        EXPECT_EQ(rows[i]->RowHour, rows[i - 1]->EndHour()) << i;
}

TEST_F(TimerFormTest, NothingIsDroppedAmongABroadcastsItems) {
    ASSERT_TRUE(Drop(QStringLiteral("Serwis informacyjny")));
    const QModelIndex broadcast = RowModel().index(0, 0);
    ASSERT_GT(RowModel().rowCount(broadcast), 0);
    const QModelIndex item = RowModel().index(0, 0, broadcast);
    const std::unique_ptr<QMimeData> data = DragOf(QStringLiteral("Muzyka"));
    EXPECT_FALSE(RowModel().canDropMimeData(data.get(), Qt::CopyAction, -1, 0, item));
    EXPECT_FALSE(RowModel().dropMimeData(data.get(), Qt::CopyAction, -1, 0, item));
    EXPECT_FALSE(RowModel().dropMimeData(data.get(), Qt::CopyAction, 1, 0, broadcast))
        << "between the items";
    EXPECT_EQ(Form->Clock().RowCount(), 1);
}

TEST_F(TimerFormTest, ASavedClockOpensAgainAsItWasBuilt) {
    ASSERT_TRUE(Drop(QStringLiteral("Muzyka")));
    ASSERT_TRUE(Drop(QStringLiteral("Lista poranna")));
    ASSERT_TRUE(Drop(QStringLiteral("Reklama o")));
    TypeName(QStringLiteral("Próbny żółty"));
    const QString path = ClockPath("próbny.ctm");
    QString suggested;
    Form->SaveFileChooser = [&](const QString& name) {
        suggested = name;
        return path;
    };
    FindChild<QAction>(*Form, "acnClockSaveAs")->trigger();
    EXPECT_EQ(suggested, QStringLiteral("Próbny żółty.ctm"));
    ASSERT_TRUE(QFileInfo::exists(path));
    EXPECT_EQ(Form->windowTitle(), QStringLiteral("Zegar - ") + path);
    EXPECT_FALSE(Form->Clock().Modified);
    const QStringList built = RowNames();

    CloseForm();
    NewForm();
    Form->OpenFileChooser = [&] { return path; };
    FindChild<QAction>(*Form, "acnLoad")->trigger();
    EXPECT_EQ(RowNames(), built);
    EXPECT_EQ(FindChild<QLineEdit>(*Form, "edtName")->text(), QStringLiteral("Próbny żółty"));
    EXPECT_FALSE(FindChild<QAction>(*Form, "acnClockSave")->isEnabled()) << "nothing changed";
    EXPECT_TRUE(Prompt.Errors().isEmpty()) << S(Prompt.Errors());
}

TEST_F(TimerFormTest, SavingWithoutAFileAsksForOne) {
    ASSERT_TRUE(Drop(QStringLiteral("Muzyka")));
    bool asked = false;
    Form->SaveFileChooser = [&](const QString&) {
        asked = true;
        return QString();
    };
    TypeName(QStringLiteral("Nowy"));
    EXPECT_FALSE(Form->Save());
    EXPECT_TRUE(asked);
    EXPECT_TRUE(Form->Clock().Modified);
}

TEST_F(TimerFormTest, ClosingAChangedClockAsksFirst) {
    const struct {
        const char* What;
        const char* Name;
        bool Answer;
        bool Closes;
        QStringList Errors;
    } cases[] = {
        {"no: the edits go", "", false, true, {}},
        {"yes without a name: stays open", "", true, false, {TimerEnterClockName}},
        {"yes with a name, the save dialog cancelled: stays open", "Nowy", true, false, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        ASSERT_TRUE(Drop(QStringLiteral("Muzyka")));
        if (*c.Name)
            TypeName(QString::fromUtf8(c.Name));
        Form->SaveFileChooser = [](const QString&) { return QString(); };
        Prompt.Clear();
        Prompt.QueueAnswers({c.Answer});
        Form->show();
        EXPECT_EQ(Form->close(), c.Closes);
        EXPECT_EQ(Prompt.Questions(), QStringList{TimerSaveChangesQuestion});
        EXPECT_EQ(Prompt.Errors(), c.Errors);
        CloseForm();
        NewForm();
    }
}

TEST_F(TimerFormTest, AnUnchangedClockClosesWithoutAQuestion) {
    Form->show();
    EXPECT_TRUE(Form->close());
    EXPECT_TRUE(Prompt.Questions().isEmpty());
}

TEST_F(TimerFormTest, AnObjectAddedToTheListsIsAvailableAtOnce) {
    auto blank = std::make_unique<TBlankCategory>();
    blank->SetName(QStringLiteral("Żółta cisza"));
    blank->SetPlayTime(5);
    CategoryList->AddObject(std::move(blank));
    EXPECT_TRUE(Drop(QStringLiteral("Żółta cisza")));
}

TEST_F(TimerFormTest, EditOpensTheObjectDialogOnTheSelectedCategoryAndSavesTheList) {
    QListView& objects = Objects();
    auto& model = dynamic_cast<TAvailableObjectsModel&>(*objects.model());
    QAction& edit = *FindChild<QAction>(*Form, "acnCatEdit");
    EXPECT_EQ(edit.shortcut(), QKeySequence(QStringLiteral("Ctrl+E")));
    std::vector<QString> edited;
    Form->ObjectEditor = [&](TBaseClockObject& object) {
        edited.push_back(object.ObjName());
        return true;
    };
    for (int row = 0; row < model.rowCount(); ++row) {
        const QModelIndex index = model.index(row, 0);
        objects.setCurrentIndex(index);
        const bool isBroadcast = model.ObjectAt(index)->ObjType() == otBroadcast;
        EXPECT_EQ(Form->EditSelectedObject(), !isBroadcast) << S(index.data().toString());
    }
    EXPECT_EQ(edited.size(), std::size_t(model.rowCount() - BroadcastList->BroadcastCount()));
    EXPECT_TRUE(ReadFileBytes(Station.Path(CategoryListFileName)).contains("Lista poranna"))
        << "the list written at once";

    // Not while a broadcast row has the focus.
    ASSERT_TRUE(Drop(QStringLiteral("Serwis informacyjny")));
    Form->Tree().FocusRow(Form->Clock().Row(0));
    objects.setCurrentIndex(model.index(model.rowCount() - 1, 0));
    EXPECT_FALSE(Form->EditSelectedObject());
}

// A clock of a category, a list and another category, for editing cells.
class TimerFormCells : public TimerFormTest {
protected:
    void SetUp() override {
        TimerFormTest::SetUp();
        for (const char* name : {"Muzyka", "Lista poranna", "Przeboje"})
            ASSERT_TRUE(Drop(QString::fromUtf8(name)));
    }
    // Opens the cell's editor; `fill` plays the user, then OK is pressed when it is enabled.
    bool EditCell(int row, int column, const std::function<void(QDialog&)>& fill) {
        Form->Tree().DialogRunner = [&](QDialog& dialog) {
            fill(dialog);
            QPushButton* ok = FindChild<QPushButton>(dialog, "btnOK");
            if (ok->isEnabled())
                ok->click();
            return dialog.result() == QDialog::Accepted;
        };
        return Form->Tree().EditCell(RowModel().index(row, column));
    }
    std::vector<int> Hours() const {
        std::vector<int> hours;
        for (const auto& row : Form->Clock().Rows())
            hours.push_back(row->RowHour);
        return hours;
    }
};

TEST_F(TimerFormCells, AFixedHourMovesTheRowsAfterIt) {
    const std::vector<int> before = Hours();
    ASSERT_TRUE(EditCell(1, ccHour, [](QDialog& dialog) {
        FindChild<QCheckBox>(dialog, "chbExact")->setChecked(true);
        QLineEdit& time = *FindChild<QLineEdit>(dialog, "edtTime");
        time.setText(QStringLiteral("001:00:00"));
    }));
    const TClockRows& rows = Form->Clock().Rows();
    EXPECT_TRUE(rows[1]->OwnHour());
    EXPECT_EQ(rows[1]->RowHour, 3600);
    EXPECT_EQ(rows[2]->RowHour, 3600 + rows[1]->RowPlayTime) << "the next row follows it";
    EXPECT_EQ(rows[0]->RowHour, before[0]);
    EXPECT_TRUE(Form->Clock().Modified);
    const QModelIndex hour = RowModel().index(1, ccHour);
    EXPECT_TRUE(hour.data(Qt::FontRole).value<QFont>().bold());
}

TEST_F(TimerFormCells, TypedTimesAreReadWithTheirZeros) {
    const struct {
        int Column;
        const char* Typed;
        int Seconds;
    } cases[] = {
        {ccHour, "010:20:00", 10 * 3600 + 20 * 60},
        {ccHour, "000:00:05", 5},
        {ccTime, "00:04:05", 245},
        {ccTime, "00:10:00", 600},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Typed);
        ASSERT_TRUE(EditCell(1, c.Column, [&](QDialog& dialog) {
            FindChild<QCheckBox>(dialog, "chbExact")->setChecked(true);
            FindChild<QLineEdit>(dialog, "edtTime")->setText(QString::fromLatin1(c.Typed));
        }));
        const TClockObjData& row = *Form->Clock().Row(1);
        EXPECT_EQ(c.Column == ccHour ? row.RowHour : row.RowPlayTime, c.Seconds);
    }
}

TEST_F(TimerFormCells, AnUnfixedHourCannotBeTyped) {
    bool typable = true;
    EditCell(1, ccHour, [&](QDialog& dialog) {
        typable = FindChild<QLineEdit>(dialog, "edtTime")->isEnabled();
    });
    EXPECT_FALSE(typable);
    EXPECT_FALSE(Form->Clock().Modified && Form->Clock().Rows()[1]->OwnHour());
}

TEST_F(TimerFormCells, ACharacteristicIsChosenFromTheOfferedValues) {
    const QStringList offered = Form->Clock().OfferedValues(Form->Clock().Row(0), ccTempo);
    ASSERT_GE(offered.size(), 2);
    ASSERT_TRUE(EditCell(0, ccTempo, [](QDialog& dialog) {
        auto& available = *FindChild<QComboBox>(dialog, "cmbAvailable");
        available.setCurrentIndex(1);
        FindChild<QPushButton>(dialog, "btnAdd")->click();
    }));
    EXPECT_EQ(Form->Clock().Row(0)->CharText(ccTempo), offered[1]);
    EXPECT_TRUE(RowModel().index(0, ccTempo).data(Qt::FontRole).value<QFont>().bold());
}

TEST_F(TimerFormCells, OnlyTheCellsOfTheRowsObjectOpenAnEditor) {
    int opened = 0;
    Form->Tree().DialogRunner = [&](QDialog&) {
        ++opened;
        return false;
    };
    EXPECT_FALSE(Form->Tree().EditCell(RowModel().index(1, ccTempo))) << "a list";
    EXPECT_FALSE(Form->Tree().EditCell(RowModel().index(0, ccName)));
    EXPECT_TRUE(Form->Tree().EditCell(RowModel().index(1, ccTime)));
    EXPECT_EQ(opened, 1);
    Form->SetReadOnly(true);
    EXPECT_FALSE(Form->Tree().EditCell(RowModel().index(0, ccHour))) << "the viewer";
    EXPECT_EQ(opened, 1);
}

TEST_F(TimerFormCells, TheLinkIsSetInPlace) {
    const QModelIndex link = RowModel().index(0, ccAnd);
    ASSERT_TRUE(RowModel().flags(link) & Qt::ItemIsEditable);
    const QString other = link.data().toString() == QLatin1String("AND") ? QStringLiteral("OR")
                                                                         : QStringLiteral("AND");
    ASSERT_TRUE(RowModel().setData(link, other));
    EXPECT_EQ(RowModel().index(0, ccAnd).data().toString(), other);
    EXPECT_FALSE(RowModel().flags(RowModel().index(1, ccAnd)) & Qt::ItemIsEditable) << "a list";
}

TEST_F(TimerFormTest, ABroadcastsLengthIsSetInItsProperties) {
    ASSERT_TRUE(Drop(QStringLiteral("Serwis informacyjny")));
    ASSERT_TRUE(Drop(QStringLiteral("Muzyka")));
    TClockTree& tree = Form->Tree();
    tree.FocusRow(Form->Clock().Row(0));
    tree.RowMenu()->popup({0, 0});
    EXPECT_TRUE(FindChild<QAction>(*tree.RowMenu(), "acnBroadcastProperties")->isVisible());
    EXPECT_FALSE(FindChild<QAction>(*tree.RowMenu(), "acnReklamaOProperties")->isVisible());
    tree.RowMenu()->hide();
    tree.DialogRunner = [](QDialog& dialog) {
        FindChild<QSpinBox>(dialog, "edtMinutes")->setValue(7);
        EXPECT_EQ(FindChild<QLabel>(dialog, "lblEnd")->text(), QStringLiteral("00:07:00"));
        return true;
    };
    ASSERT_TRUE(tree.EditRowProperties());
    EXPECT_EQ(Form->Clock().Row(0)->RowPlayTime, 7 * 60);
    EXPECT_EQ(Form->Clock().Row(1)->RowHour, 7 * 60) << "the next row follows";
}

TEST_F(TimerFormTest, OnlyATitleChangedMakesTheClockSavable) {
    ASSERT_TRUE(Drop(QStringLiteral("Reklama o")));
    TypeName(QStringLiteral("Z reklamą"));
    Form->SaveFileChooser = [this](const QString&) { return ClockPath("reklama.ctm"); };
    ASSERT_TRUE(Form->SaveAs());
    QAction& save = *FindChild<QAction>(*Form, "acnClockSave");
    ASSERT_FALSE(save.isEnabled());
    TClockTree& tree = Form->Tree();
    tree.FocusRow(Form->Clock().Row(0));
    bool okAtFirst = true;
    tree.DialogRunner = [&](QDialog& dialog) {
        QPushButton& ok = *FindChild<QPushButton>(dialog, "btnOK");
        okAtFirst = ok.isEnabled();
        FindChild<QLineEdit>(dialog, "edtTitle")->setText(QStringLiteral("Blok o ósmej"));
        ok.click();
        return dialog.result() == QDialog::Accepted;
    };
    ASSERT_TRUE(tree.EditRowProperties());
    EXPECT_FALSE(okAtFirst) << "OK only after the text changed";
    EXPECT_EQ(Form->Clock().Row(0)->Object()->UserInfo, QStringLiteral("Blok o ósmej"));
    EXPECT_TRUE(save.isEnabled());
}

class TimerFormFromMenu : public TimerFormTest {
protected:
    void SetUp() override {
        TimerFormTest::SetUp();
        ASSERT_TRUE(Drop(QStringLiteral("Muzyka")));
        TypeName(QStringLiteral("Do oglądania"));
        Form->SaveFileChooser = [this](const QString&) { return ClockPath("ogladany.ctm"); };
        ASSERT_TRUE(Form->SaveAs());
        CloseForm();
    }
};

TEST_F(TimerFormFromMenu, TheViewerShowsTheClockAndChangesNothing) {
    TMainForm main;
    main.ClockFileChooser = [this] { return ClockPath("ogladany.ctm"); };
    FindChild<QAction>(main, "meClockView")->trigger();
    Form = main.findChild<TTimerForm*>();
    ASSERT_TRUE(Form);
    EXPECT_TRUE(Form->ReadOnly());
    EXPECT_EQ(RowNames(), QStringList{QStringLiteral("Muzyka")});
    EXPECT_FALSE(Objects().isVisibleTo(Form));
    for (const char* action : {"acnDel", "acnUp", "acnDown", "acnClockSave", "acnClockSaveAs"})
        EXPECT_FALSE(FindChild<QAction>(*Form, action)->isVisible()) << action;
    const std::unique_ptr<QMimeData> data = std::make_unique<QMimeData>();
    data->setData(QStringLiteral("application/x-dobieralnik-clock-object"), "0");
    EXPECT_FALSE(RowModel().canDropMimeData(data.get(), Qt::CopyAction, -1, 0, {}));
    EXPECT_TRUE(Form->close());
    EXPECT_TRUE(Prompt.Questions().isEmpty());
}

TEST_F(TimerFormFromMenu, EditingOpensTheChosenFileAndNewStartsEmpty) {
    TMainForm main;
    main.ClockFileChooser = [this] { return ClockPath("ogladany.ctm"); };
    TTimerForm* edited = main.OpenClockEditor(TMainForm::TClockEditorUse::Edit);
    ASSERT_TRUE(edited);
    EXPECT_FALSE(edited->ReadOnly());
    EXPECT_EQ(edited->Clock().RowCount(), 1);
    TTimerForm* fresh = main.OpenClockEditor(TMainForm::TClockEditorUse::New);
    ASSERT_TRUE(fresh);
    EXPECT_EQ(fresh->Clock().RowCount(), 0);
    EXPECT_EQ(fresh->windowTitle(), TimerClockCaption);
    main.ClockFileChooser = [] { return QString(); };
    EXPECT_EQ(main.OpenClockEditor(TMainForm::TClockEditorUse::Edit), nullptr) << "cancelled";
}

} // namespace
