#include "DialogSteps.h"
#include "FindChild.h"
#include "ModelCheck.h"
#include "dayplan/uStores.h"
#include "library/uDBMainBase.h"
#include "library/uEntityEditing.h"
#include "library/uLibraryEntities.h"
#include "support/RecordingPrompt.h"
#include "support/TempStation.h"
#include "support/TestText.h"
#include "ui/library/uFindDialog.h"
#include "ui/library/uLabelDialog.h"
#include "ui/library/uLabelsForm.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

// The label list as the music director uses it: managed from the main menu, and as the
// chooser of a song's label with "Brak etykiety" or "Wybierz etykietę".

namespace {

// In the label dialog: the value, then OK.
TStep EnterValue(QString value) {
    return [value](QDialog& dialog) {
        auto& label = As<TLabelDialog>(dialog);
        FindChild<QLineEdit>(label, "edtValue")->setText(value);
        FindChild<QPushButton>(label, "btnOK")->click();
        return label.result() == QDialog::Accepted;
    };
}

// A library with four labels.
class LabelsFormTest : public ::testing::Test {
protected:
    TTempStation Station;
    TRecordingPrompt Prompt;
    std::unique_ptr<TLabelsForm> Form;
    std::unique_ptr<TModelCheck> Check;
    // What the user does in each dialog the window opens, in order.
    std::deque<TStep> Steps;

    // In the order the list shows them.
    const QStringList Values{U("akustyczne"), U("Łagodne"), U("polskie"), U("Żywe")};

    void SetUp() override {
        Station.CopyDefaultStation();
        ASSERT_TRUE(BringUpStores());
        for (const char* value : {"Żywe", "polskie", "akustyczne", "Łagodne"})
            ASSERT_NE(AddLabel(U(value)), -1);
        Prompt.Clear();
    }
    void TearDown() override {
        Check.reset();
        Form.reset();
        EXPECT_TRUE(Steps.empty()) << "a dialog expected was not opened";
        ReleaseStores();
    }

    TDialogRunner Runner() { return RunSteps(Steps); }

    void Open(TLabelsFormUse use, const QString& current = {}) {
        Check.reset();
        Form = std::make_unique<TLabelsForm>(MainBase.get(), use, current);
        Form->DialogRunner = Runner();
        Check = std::make_unique<TModelCheck>(Grid().model());
        Form->show();
    }

    QTableView& Grid() const { return *FindChild<QTableView>(*Form, "tvLabels"); }
    QAction& Action(const char* name) const { return *FindChild<QAction>(*Form, name); }
    template <class T> T& W(const char* name) const { return *FindChild<T>(*Form, name); }

    QStringList Listed() const {
        QStringList values;
        for (int row = 0; row < Grid().model()->rowCount(); ++row)
            values.append(Grid().model()->index(row, 0).data().toString());
        return values;
    }
    QString Current() const { return Grid().currentIndex().data().toString(); }
    void GoTo(const char* value) {
        Grid().setCurrentIndex(Grid().model()->index(Listed().indexOf(U(value)), 0));
    }
    // Which of "Nowa", "Edycja", "Usuń", "Szukaj" and "OK" are enabled, as "NEDSO" with "-" for
    // a disabled one.
    std::string Enabled() const {
        std::string flags;
        for (auto [name, flag] :
             {std::pair{"acnNew", 'N'}, {"acnEdit", 'E'}, {"acnDelete", 'D'}, {"acnFind", 'S'}})
            flags += Action(name).isEnabled() ? flag : '-';
        flags += W<QPushButton>("btnOK").isEnabled() ? 'O' : '-';
        return flags;
    }
};

TEST_F(LabelsFormTest, ManagedFromTheMainMenuWithoutTheChoicePanel) {
    Open(TLabelsFormUse::Manage);
    EXPECT_EQ(Form->windowTitle(), U("Etykiety"));
    EXPECT_EQ(Listed(), Values);
    EXPECT_EQ(W<QLabel>("lblCount").text(), U("Liczba etykiet: 4"));
    EXPECT_FALSE(W<QGroupBox>("gbChoice").isVisibleTo(Form.get()));
    EXPECT_FALSE(W<QPushButton>("btnCancel").isVisibleTo(Form.get()));
    EXPECT_EQ(W<QPushButton>("btnOK").text(), U("OK"));
    EXPECT_TRUE(Grid().isEnabled());
    EXPECT_EQ(Current(), U("akustyczne"));
    EXPECT_EQ(Enabled(), "NEDSO");
    const struct {
        const char* Name;
        const char* Text;
        const char* Shortcut;
    } actions[] = {{"acnNew", "Nowa", "Ins"},
                   {"acnEdit", "Edycja", "Ctrl+E"},
                   {"acnDelete", "Usuń", "Del"},
                   {"acnFind", "Szukaj", "Ctrl+F"}};
    for (const auto& action : actions) {
        EXPECT_EQ(Action(action.Name).text(), U(action.Text));
        EXPECT_EQ(Action(action.Name).shortcut().toString(), U(action.Shortcut));
    }
}

TEST_F(LabelsFormTest, ChoosingStartsAtTheCurrentValueOrAtNoLabel) {
    const struct {
        const char* Current;
        bool NoLabel;
        const char* Row;
        std::string Enabled;
    } cases[] = {{"", true, "akustyczne", "----O"},
                 {"POLSKIE", false, "polskie", "NEDSO"},
                 {"łagodne", false, "Łagodne", "NEDSO"},
                 // A value the library no longer has: the first label.
                 {"rock", false, "akustyczne", "NEDSO"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Current);
        Open(TLabelsFormUse::Choose, U(c.Current));
        EXPECT_TRUE(W<QGroupBox>("gbChoice").isVisibleTo(Form.get()));
        EXPECT_EQ(W<QRadioButton>("rbNoLabel").text(), U("Brak etykiety"));
        EXPECT_EQ(W<QRadioButton>("rbChooseLabel").text(), U("Wybierz etykietę"));
        EXPECT_EQ(W<QRadioButton>("rbNoLabel").isChecked(), c.NoLabel);
        EXPECT_EQ(W<QRadioButton>("rbChooseLabel").isChecked(), !c.NoLabel);
        EXPECT_EQ(Grid().isEnabled(), !c.NoLabel);
        EXPECT_EQ(Current(), U(c.Row));
        EXPECT_EQ(Enabled(), c.Enabled);
    }
}

TEST_F(LabelsFormTest, ChooseLabelGivesTheLabelOrNone) {
    // "Wybierz etykietę" and another label.
    Steps.push_back([](QDialog& dialog) {
        auto& form = As<TLabelsForm>(dialog);
        FindChild<QRadioButton>(form, "rbChooseLabel")->setChecked(true);
        auto& grid = *FindChild<QTableView>(form, "tvLabels");
        EXPECT_TRUE(grid.isEnabled());
        grid.setCurrentIndex(grid.model()->index(3, 0));
        FindChild<QPushButton>(form, "btnOK")->click();
        return form.result() == QDialog::Accepted;
    });
    int id = -1;
    QString value;
    EXPECT_TRUE(ChooseLabel(MainBase.get(), QString(), id, value, nullptr, Runner()));
    EXPECT_EQ(id, LabelIdOf(U("Żywe")));
    EXPECT_EQ(value, U("Żywe"));

    // "Brak etykiety" gives -1 and nothing, whatever the list stands on.
    Steps.push_back([](QDialog& dialog) {
        auto& form = As<TLabelsForm>(dialog);
        FindChild<QRadioButton>(form, "rbNoLabel")->setChecked(true);
        EXPECT_FALSE(FindChild<QTableView>(form, "tvLabels")->isEnabled());
        FindChild<QPushButton>(form, "btnOK")->click();
        return form.result() == QDialog::Accepted;
    });
    EXPECT_TRUE(ChooseLabel(MainBase.get(), value, id, value, nullptr, Runner()));
    EXPECT_EQ(id, -1);
    EXPECT_EQ(value, QString());

    // "Anuluj" changes nothing.
    id = 5;
    value = U("polskie");
    Steps.push_back([](QDialog&) { return false; });
    EXPECT_FALSE(ChooseLabel(MainBase.get(), value, id, value, nullptr, Runner()));
    EXPECT_EQ(id, 5);
    EXPECT_EQ(value, U("polskie"));
}

TEST_F(LabelsFormTest, TheEditsWorkOnlyWithWybierzEtykieteAndALabel) {
    Open(TLabelsFormUse::Choose, U("polskie"));
    EXPECT_EQ(Enabled(), "NEDSO");
    W<QRadioButton>("rbNoLabel").setChecked(true);
    EXPECT_EQ(Enabled(), "----O");
    // Their keys do nothing either.
    Form->DeleteCurrent();
    Form->RenameCurrent();
    Form->CreateLabel();
    EXPECT_TRUE(Prompt.Questions().isEmpty());
    W<QRadioButton>("rbChooseLabel").setChecked(true);
    EXPECT_EQ(Enabled(), "NEDSO");

    // Without labels only "Nowa" is left, and there is nothing to choose.
    Prompt.QueueAnswers({true, true, true, true});
    for (int i = 0; i < 4; ++i)
        Action("acnDelete").trigger();
    EXPECT_TRUE(Listed().isEmpty());
    EXPECT_EQ(W<QLabel>("lblCount").text(), U("Liczba etykiet: 0"));
    EXPECT_EQ(Enabled(), "N----");
    W<QRadioButton>("rbNoLabel").setChecked(true);
    EXPECT_EQ(Enabled(), "----O");
}

TEST_F(LabelsFormTest, TheLabelDialogTakesThirtyCharactersWithoutAStar) {
    const struct {
        const char* Typed;
        const char* Value;
        bool Ok;
    } cases[] = {{"", "", false},
                 {"rock*", "rock", true},
                 {"*", "", false},
                 {"   ", "", false},
                 {"ąęśćżźńół ĄĘŚĆŻŹŃÓŁ", "ąęśćżźńół ĄĘŚĆŻŹŃÓŁ", true},
                 {"123456789012345678901234567890XYZ", "123456789012345678901234567890", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Typed);
        TLabelDialog dialog;
        EXPECT_EQ(dialog.windowTitle(), U("Etykieta"));
        auto& field = *FindChild<QLineEdit>(dialog, "edtValue");
        // Typed a character at a time: what the field refuses never gets in.
        for (const QChar ch : U(c.Typed))
            field.insert(QString(ch));
        EXPECT_EQ(dialog.Value(), U(c.Value));
        EXPECT_EQ(FindChild<QPushButton>(dialog, "btnOK")->isEnabled(), c.Ok);
    }
}

TEST_F(LabelsFormTest, NewAndRenamedLabelsAreCheckedAndStoodOn) {
    Open(TLabelsFormUse::Manage);
    // Another label's value in another letter case is refused; the dialog stays open.
    Steps.push_back([this](QDialog& dialog) {
        EXPECT_EQ(FindChild<QLineEdit>(dialog, "edtValue")->text(), QString());
        EXPECT_FALSE(EnterValue(U("ŻYWE"))(dialog));
        EXPECT_EQ(Prompt.Errors(), QStringList{U("Podana etykieta już istnieje.")});
        return EnterValue(U("Nastrojowe"))(dialog);
    });
    Action("acnNew").trigger();
    EXPECT_NE(LabelIdOf(U("Nastrojowe")), -1);
    EXPECT_EQ(Listed().size(), 5);
    EXPECT_EQ(W<QLabel>("lblCount").text(), U("Liczba etykiet: 5"));
    EXPECT_EQ(Current(), U("Nastrojowe"));

    // "Edycja" starts at the value; its own value in other letters is no clash.
    GoTo("Łagodne");
    const int id = LabelIdOf(U("Łagodne"));
    Steps.push_back([](QDialog& dialog) {
        EXPECT_EQ(FindChild<QLineEdit>(dialog, "edtValue")->text(), U("Łagodne"));
        return EnterValue(U("ŁAGODNE"))(dialog);
    });
    Action("acnEdit").trigger();
    EXPECT_EQ(GetLabelValue(id), U("ŁAGODNE"));
    EXPECT_EQ(Current(), U("ŁAGODNE"));

    // A double click renames too, and the list follows the label to its new place.
    Steps.push_back(EnterValue(U("Zimne")));
    const QRect row = Grid().visualRect(Grid().currentIndex());
    QTest::mouseClick(Grid().viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseDClick(Grid().viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_EQ(GetLabelValue(id), U("Zimne"));
    EXPECT_EQ(Listed(),
              (QStringList{U("akustyczne"), U("Nastrojowe"), U("polskie"), U("Zimne"), U("Żywe")}));
    EXPECT_EQ(Current(), U("Zimne"));

    // "Anuluj" renames nothing.
    Steps.push_back([](QDialog& dialog) {
        FindChild<QLineEdit>(dialog, "edtValue")->setText(U("Inne"));
        return false;
    });
    Action("acnEdit").trigger();
    EXPECT_EQ(GetLabelValue(id), U("Zimne"));
}

TEST_F(LabelsFormTest, DeleteAsksAndStandsOnTheNextLabel) {
    Open(TLabelsFormUse::Manage);
    GoTo("Łagodne");
    const int id = LabelIdOf(U("Łagodne"));
    Prompt.QueueAnswers({false});
    Action("acnDelete").trigger();
    EXPECT_EQ(Prompt.Questions(), QStringList{kDeleteLabelQuestion});
    EXPECT_EQ(GetLabelValue(id), U("Łagodne"));

    Prompt.QueueAnswers({true});
    Action("acnDelete").trigger();
    EXPECT_EQ(GetLabelValue(id), QString());
    EXPECT_EQ(Listed(), (QStringList{U("akustyczne"), U("polskie"), U("Żywe")}));
    EXPECT_EQ(Current(), U("polskie"));

    // The last label leaves the list on the new last one.
    GoTo("Żywe");
    Prompt.QueueAnswers({true});
    Action("acnDelete").trigger();
    EXPECT_EQ(Current(), U("polskie"));
    EXPECT_EQ(W<QLabel>("lblCount").text(), U("Liczba etykiet: 2"));
}

TEST_F(LabelsFormTest, SearchStandsOnTheFirstValueBeginningWithTheText) {
    Open(TLabelsFormUse::Choose, U("akustyczne"));
    const struct {
        const char* Text;
        const char* Current;
        const char* Message;
    } cases[] = {{"ła", "Łagodne", nullptr},
                 {"ŻY", "Żywe", nullptr},
                 {"P", "polskie", nullptr},
                 {"rock", "polskie", "Nie znaleziono etykiety \"rock\"."},
                 {"godne", "polskie", "Nie znaleziono etykiety \"godne\"."}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text);
        Prompt.Clear();
        Steps.push_back([text = U(c.Text)](QDialog& dialog) {
            auto& find = As<TFindDialog>(dialog);
            EXPECT_EQ(FindChild<QLabel>(find, "lblCaption")->text(), U("Etykieta:"));
            FindChild<QLineEdit>(find, "edtFind")->setText(text);
            FindChild<QPushButton>(find, "btnFind")->click();
            return find.result() == QDialog::Accepted;
        });
        Action("acnFind").trigger();
        EXPECT_EQ(Current(), U(c.Current));
        EXPECT_EQ(Prompt.Texts(TBoxKind::bkInformation),
                  c.Message ? QStringList{U(c.Message)} : QStringList{});
    }
}

} // namespace
