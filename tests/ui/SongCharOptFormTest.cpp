#include "DialogSteps.h"
#include "FindChild.h"
#include "StationSnapshot.h"
#include "settings/uSettings.h"
#include "support/RecordingPrompt.h"
#include "support/TempStation.h"
#include "support/TestText.h"
#include "ui/settings/uNewCharPropForm.h"
#include "ui/settings/uSongCharOptForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <deque>
#include <gtest/gtest.h>

// "Charakterystyki utworu" as the music director uses it: values added, edited and removed on
// a copy of the lists that OK saves, with the year dialog of "Lata".

namespace {

// What the lists hold, as "text=id".
QStringList Listed(const TCharValueList& values) {
    QStringList texts;
    for (const TCharValue& value : values)
        texts.append(QStringLiteral("%1=%2").arg(value.Text).arg(value.Id));
    return texts;
}

template <class T> T& W(const QObject& window, const char* name) {
    return *FindChild<T>(window, name);
}

// In the value dialog: the text typed, then OK; answers whether the dialog closed.
TStep TypeValue(QString text) {
    return [text](QDialog& dialog) {
        auto& form = As<TNewCharPropForm>(dialog);
        W<QLineEdit>(form, "edtValue").setText(text);
        W<QPushButton>(form, "btnOK").click();
        return form.result() == QDialog::Accepted;
    };
}

// In the value dialog: checked by `check`, then cancelled.
TStep Inspect(std::function<void(TNewCharPropForm&)> check) {
    return [check](QDialog& dialog) {
        check(As<TNewCharPropForm>(dialog));
        return false;
    };
}

// In the year dialog: a year, or a range, then OK.
TStep PickYears(bool range, int from, int to) {
    return [=](QDialog& dialog) {
        auto& form = As<TNewCharPropForm>(dialog);
        W<QCheckBox>(form, "chbRange").setChecked(range);
        if (range) {
            W<QSpinBox>(form, "edtFrom").setValue(from);
            W<QSpinBox>(form, "edtTo").setValue(to);
        } else {
            W<QSpinBox>(form, "edtYear").setValue(from);
        }
        W<QPushButton>(form, "btnOK").click();
        return form.result() == QDialog::Accepted;
    };
}

class SongCharOptFormTest : public ::testing::Test {
protected:
    TTempStation Station;
    TRecordingPrompt Prompt;
    std::unique_ptr<TSongCharOptForm> Form;
    // What the user does in each dialog the window opens, in order.
    std::deque<TStep> Steps;

    void SetUp() override {
        Station.CopyDefaultStation();
        InitOptions();
        Prompt.Clear();
        Form = std::make_unique<TSongCharOptForm>(*Options);
        Form->DialogRunner = RunSteps(Steps);
        Form->show();
    }
    void TearDown() override {
        Form.reset();
        EXPECT_TRUE(Steps.empty()) << "a dialog expected was not opened";
        DoneOptions();
    }

    void ChooseKind(int kind) { W<QComboBox>(*Form, "cmbChars").setCurrentIndex(kind); }
    QListWidget& List() const { return W<QListWidget>(*Form, "listProps"); }
    QStringList Shown() const {
        QStringList texts;
        for (int row = 0; row < List().count(); ++row)
            texts.append(QStringLiteral("%1=%2")
                             .arg(List().item(row)->text())
                             .arg(List().item(row)->data(Qt::UserRole).toInt()));
        return texts;
    }
    void GoTo(const char* text) {
        const auto found = List().findItems(U(text), Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << text;
        List().setCurrentItem(found.first());
    }
    void Click(const char* button) { W<QPushButton>(*Form, button).click(); }
    bool OKEnabled() const { return W<QPushButton>(*Form, "btnOK").isEnabled(); }

    // The characteristics as "charakterystyki.xml" now holds them.
    static std::unique_ptr<TArOptions> Saved() {
        auto saved = std::make_unique<TArOptions>();
        saved->LoadCharacteristics();
        return saved;
    }
};

TEST_F(SongCharOptFormTest, ShowsTheValuesOfTheChosenKind) {
    EXPECT_EQ(Form->windowTitle(), U("Charakterystyki utworu"));
    auto& kinds = W<QComboBox>(*Form, "cmbChars");
    QStringList tags;
    for (int index = 0; index < kinds.count(); ++index)
        tags.append(kinds.itemText(index));
    EXPECT_EQ(tags,
              QStringList({U("Typ"), U("Nastrój"), U("Tempo"), U("Wokal"), U("Język"), U("Lata")}));
    EXPECT_EQ(Shown(), Listed(*Options->CharValues(ckType)));
    ChooseKind(ckTempo);
    EXPECT_EQ(Shown(), QStringList({U("Wolne=1"), U("Średnie=2"), U("Szybkie=3")}));
    EXPECT_EQ(List().currentRow(), 0);
    EXPECT_TRUE(W<QLabel>(*Form, "lblWarning").isVisible());
    EXPECT_EQ(W<QLabel>(*Form, "lblWarning").text(),
              U("Uwaga! Usunięcie opcji może zdesynchronizować bazę danych."));
    EXPECT_FALSE(OKEnabled());
}

TEST_F(SongCharOptFormTest, AnAddedValueIsSavedUnderTheNextIdOnOK) {
    ChooseKind(ckTempo);
    Steps.push_back(Inspect([](TNewCharPropForm& dialog) {
        EXPECT_EQ(dialog.windowTitle(), U("Nowa opcja"));
        EXPECT_EQ(dialog.findChild<QWidget*>(QStringLiteral("pnlYear")), nullptr);
        const auto labels = dialog.findChildren<QLabel*>();
        ASSERT_EQ(labels.size(), 1);
        EXPECT_EQ(labels.first()->text(), U("Tempo:"));
        auto& ok = W<QPushButton>(dialog, "btnOK");
        EXPECT_FALSE(ok.isEnabled());
        W<QLineEdit>(dialog, "edtValue").setText(QStringLiteral("   "));
        EXPECT_FALSE(ok.isEnabled());
        W<QLineEdit>(dialog, "edtValue").setText(QStringLiteral("x"));
        EXPECT_TRUE(ok.isEnabled());
    }));
    Click("btnAdd");
    EXPECT_FALSE(OKEnabled());

    Steps.push_back(TypeValue(U("  Żwawe ")));
    Click("btnAdd");
    EXPECT_EQ(Shown().last(), U("Żwawe=4"));
    EXPECT_EQ(List().currentItem()->text(), U("Żwawe"));
    EXPECT_TRUE(OKEnabled());
    // Not in the options before OK.
    EXPECT_EQ(Options->LastCharId(ckTempo), 3);

    W<QPushButton>(*Form, "btnOK").click();
    EXPECT_EQ(Form->result(), QDialog::Accepted);
    const auto saved = Saved();
    EXPECT_EQ(Listed(*saved->CharValues(ckTempo)),
              QStringList({U("Wolne=1"), U("Średnie=2"), U("Szybkie=3"), U("Żwawe=4")}));
    EXPECT_EQ(saved->LastCharId(ckTempo), 4);
    EXPECT_EQ(Listed(*saved->CharValues(ckType)), Listed(*Options->CharValues(ckType)));
    EXPECT_TRUE(Prompt.Boxes.isEmpty()) << S(Prompt.Errors());
}

TEST_F(SongCharOptFormTest, ADeletedValuesIdIsNeverHandedOutAgain) {
    ChooseKind(ckTempo);
    GoTo("Szybkie");
    Click("btnDelete");
    EXPECT_EQ(Shown(), QStringList({U("Wolne=1"), U("Średnie=2")}));
    EXPECT_TRUE(Prompt.Boxes.isEmpty()) << "removed without a question";
    EXPECT_TRUE(OKEnabled());
    Steps.push_back(TypeValue(U("Szybkie")));
    Click("btnAdd");
    EXPECT_EQ(Shown(), QStringList({U("Wolne=1"), U("Średnie=2"), U("Szybkie=4")}));

    W<QPushButton>(*Form, "btnOK").click();
    const auto saved = Saved();
    EXPECT_EQ(Listed(*saved->CharValues(ckTempo)),
              QStringList({U("Wolne=1"), U("Średnie=2"), U("Szybkie=4")}));
    EXPECT_EQ(saved->LastCharId(ckTempo), 4);
}

TEST_F(SongCharOptFormTest, ATextAlreadyListedIsRefusedWithTheDialogKeptOpen) {
    ChooseKind(ckTempo);
    Steps.push_back([](QDialog& dialog) {
        EXPECT_FALSE(TypeValue(U("ŚREDNIE"))(dialog));
        return TypeValue(U("Umiarkowane"))(dialog);
    });
    Click("btnAdd");
    EXPECT_EQ(Prompt.Errors(), QStringList({U("Opcja \"ŚREDNIE\" już istnieje.")}));
    EXPECT_EQ(Shown(),
              QStringList({U("Wolne=1"), U("Średnie=2"), U("Szybkie=3"), U("Umiarkowane=4")}));
}

TEST_F(SongCharOptFormTest, EditingKeepsTheIdAndMayChangeOnlyTheLetterCase) {
    ChooseKind(ckTempo);
    GoTo("Średnie");
    Steps.push_back([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), U("Edycja opcji"));
        EXPECT_EQ(W<QLineEdit>(dialog, "edtValue").text(), U("Średnie"));
        EXPECT_FALSE(TypeValue(U("wolne"))(dialog));
        return TypeValue(U("ŚREDNIE"))(dialog);
    });
    List().itemDoubleClicked(List().currentItem());
    EXPECT_EQ(Prompt.Errors(), QStringList({U("Opcja \"wolne\" już istnieje.")}));
    EXPECT_EQ(Shown(), QStringList({U("Wolne=1"), U("ŚREDNIE=2"), U("Szybkie=3")}));
    EXPECT_EQ(List().currentItem()->text(), U("ŚREDNIE"));

    W<QPushButton>(*Form, "btnOK").click();
    EXPECT_EQ(Listed(*Saved()->CharValues(ckTempo)),
              QStringList({U("Wolne=1"), U("ŚREDNIE=2"), U("Szybkie=3")}));
}

TEST_F(SongCharOptFormTest, YearsArePickedAsAYearOrARangeThatNeverTurnsRound) {
    ChooseKind(ckYears);
    Steps.push_back(Inspect([](TNewCharPropForm& dialog) {
        auto& year = W<QSpinBox>(dialog, "edtYear");
        auto& from = W<QSpinBox>(dialog, "edtFrom");
        auto& to = W<QSpinBox>(dialog, "edtTo");
        auto& range = W<QCheckBox>(dialog, "chbRange");
        EXPECT_EQ(range.text(), U("Zakres"));
        EXPECT_EQ(dialog.findChild<QLineEdit*>(QStringLiteral("edtValue")), nullptr);
        EXPECT_EQ(year.value(), 1980);
        EXPECT_EQ(from.value(), 1980);
        EXPECT_EQ(to.value(), 1990);
        for (QSpinBox* box : {&year, &from, &to}) {
            EXPECT_EQ(box->minimum(), 1900);
            EXPECT_EQ(box->maximum(), 2100);
        }
        EXPECT_TRUE(year.isVisibleTo(&dialog));
        EXPECT_FALSE(from.isVisibleTo(&dialog));
        EXPECT_EQ(dialog.Value(), U("1980"));

        range.setChecked(true);
        EXPECT_FALSE(year.isVisibleTo(&dialog));
        EXPECT_TRUE(from.isVisibleTo(&dialog) && to.isVisibleTo(&dialog));
        EXPECT_EQ(dialog.Value(), U("1980 - 1990"));
        from.setValue(1995);
        EXPECT_EQ(to.value(), 1995);
        EXPECT_EQ(dialog.Value(), U("1995")) << "equal ends are the year alone";
        to.setValue(1970);
        EXPECT_EQ(from.value(), 1970);
        to.setValue(1979);
        EXPECT_EQ(dialog.Value(), U("1970 - 1979"));
    }));
    Click("btnAdd");

    Steps.push_back(PickYears(false, 1977, 0));
    Steps.push_back(PickYears(true, 2030, 2039));
    Steps.push_back(PickYears(true, 1980, 1989)); // listed already
    Click("btnAdd");
    Click("btnAdd");
    Click("btnAdd");
    EXPECT_EQ(Prompt.Errors(), QStringList({U("Opcja \"1980 - 1989\" już istnieje.")}));
    const QStringList shown = Shown();
    EXPECT_EQ(shown.mid(shown.size() - 2), QStringList({U("1977=11"), U("2030 - 2039=12")}));
}

TEST_F(SongCharOptFormTest, AYearValueIsEditedFromWhatItSays) {
    struct TCase {
        const char* Value;
        bool Range;
        int From;
        int To;
    };
    const TCase cases[] = {
        {"1980 - 1989", true, 1980, 1989},
        {"2024", false, 2024, 2024},
    };
    ChooseKind(ckYears);
    for (const TCase& c : cases) {
        GoTo(c.Value);
        Steps.push_back(Inspect([&c](TNewCharPropForm& dialog) {
            EXPECT_EQ(dialog.windowTitle(), U("Edycja opcji"));
            EXPECT_EQ(W<QCheckBox>(dialog, "chbRange").isChecked(), c.Range) << c.Value;
            if (c.Range) {
                EXPECT_EQ(W<QSpinBox>(dialog, "edtFrom").value(), c.From) << c.Value;
                EXPECT_EQ(W<QSpinBox>(dialog, "edtTo").value(), c.To) << c.Value;
            } else {
                EXPECT_EQ(W<QSpinBox>(dialog, "edtYear").value(), c.From) << c.Value;
            }
            EXPECT_EQ(dialog.Value(), U(c.Value));
        }));
        Click("btnEdit");
    }
}

TEST_F(SongCharOptFormTest, SynchronisationOnlySaysItIsMissing) {
    Click("btnSync");
    EXPECT_EQ(Prompt.Texts(TBoxKind::bkInformation),
              QStringList({U("Funkcja nie zaimplementowana. Powoduje wyswietlenie wszystkich "
                             "pozycji z bazy danych (utworów) które mają nieznaną opcję danej "
                             "charakterystyki i umożliwia jej zmianę.")}));
    EXPECT_FALSE(OKEnabled());
}

TEST_F(SongCharOptFormTest, EditAndDeleteNeedAValue) {
    ChooseKind(ckTempo);
    for (int left = 3; left > 0; --left)
        Click("btnDelete");
    EXPECT_TRUE(Shown().isEmpty());
    EXPECT_FALSE(W<QPushButton>(*Form, "btnEdit").isEnabled());
    EXPECT_FALSE(W<QPushButton>(*Form, "btnDelete").isEnabled());
    EXPECT_TRUE(W<QPushButton>(*Form, "btnAdd").isEnabled());
}

// Through the menu's entry: Cancel drops every change and writes nothing.
TEST(SongCharOptFormEntryTest, CancelLeavesTheOptionsAndTheFileAsTheyWere) {
    TTempStation station;
    station.CopyDefaultStation();
    TRecordingPrompt prompt;
    InitOptions();
    const auto before = StationSnapshot(station.Dir());
    const QStringList tempo = Listed(*Options->CharValues(ckTempo));
    std::deque<TStep> steps;
    steps.push_back([&steps](QDialog& dialog) {
        auto& form = As<TSongCharOptForm>(dialog);
        W<QComboBox>(form, "cmbChars").setCurrentIndex(ckTempo);
        W<QPushButton>(form, "btnDelete").click();
        steps.push_front(TypeValue(U("Nowe")));
        W<QPushButton>(form, "btnAdd").click();
        form.reject();
        return false;
    });
    EXPECT_FALSE(EditSongCharacteristics(nullptr, RunSteps(steps)));
    EXPECT_TRUE(steps.empty());
    EXPECT_EQ(Listed(*Options->CharValues(ckTempo)), tempo);
    EXPECT_EQ(Options->LastCharId(ckTempo), 3);
    EXPECT_EQ(StationSnapshot(station.Dir()), before);
    DoneOptions();
}

TEST(SongCharOptFormEntryTest, OKThroughTheEntrySavesAndAnswersTrue) {
    TTempStation station;
    station.CopyDefaultStation();
    TRecordingPrompt prompt;
    InitOptions();
    std::deque<TStep> steps;
    steps.push_back([](QDialog& dialog) {
        auto& form = As<TSongCharOptForm>(dialog);
        W<QComboBox>(form, "cmbChars").setCurrentIndex(ckVocal);
        W<QPushButton>(form, "btnDelete").click();
        W<QPushButton>(form, "btnOK").click();
        return form.result() == QDialog::Accepted;
    });
    const int vocals = static_cast<int>(Options->CharValues(ckVocal)->size());
    EXPECT_TRUE(EditSongCharacteristics(nullptr, RunSteps(steps)));
    EXPECT_EQ(static_cast<int>(Options->CharValues(ckVocal)->size()), vocals - 1);
    TArOptions saved;
    saved.LoadCharacteristics();
    EXPECT_EQ(Listed(*saved.CharValues(ckVocal)), Listed(*Options->CharValues(ckVocal)));
    DoneOptions();
}

} // namespace
