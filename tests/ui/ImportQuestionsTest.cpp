#include "DialogSteps.h"
#include "FindChild.h"
#include "import/uCutLongFields.h"
#include "import/uImportChoices.h"
#include "import/uImportRefs.h"
#include "library/uSongData.h"
#include "settings/uCharAliases.h"
#include "settings/uSettings.h"
#include "support/TempStation.h"
#include "support/TestText.h"
#include "ui/import/uCutFieldLenDlg.h"
#include "ui/import/uDialogImportChoices.h"
#include "ui/import/uUnknownOptionForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>
#include <deque>
#include <gtest/gtest.h>

// The two questions of the .dat import as the music director answers them: what to keep of a
// too long text, and what an unknown characteristic word stands for.

namespace {

template <class T> T& W(const QObject& window, const char* name) {
    return *FindChild<T>(window, name);
}

// Escape pressed in the dialog.
void PressEscape(QDialog& dialog) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&dialog, &press);
}

// The question the import asks about a text too long for its field.
TLongTextQuestion LongText(const QString& caption, int maximum, const QString& text) {
    TLongTextQuestion question;
    question.Caption = caption;
    question.Maximum = maximum;
    question.Text = text;
    question.Message = U("Tekst w polu '%1' jest zbyt długi. Maksymalna tekstu w tym polu to %2 "
                         "znaków.")
                           .arg(caption)
                           .arg(maximum);
    question.AutoCut = AutoCutText(text, maximum);
    return question;
}

// Sixty characters with Polish letters, for the 50-character performer.
const QString kLongPerformer = U("Zespół Pieśni i Tańca Śląsk oraz Orkiestra Łódzka 1234567890");

class ImportQuestionsCutTest : public ::testing::Test {
protected:
    TLongTextQuestion Question = LongText(U("Wykonawca"), 50, kLongPerformer);
    TCutFieldLenDlg Dialog{Question};

    void SetUp() override {
        ASSERT_EQ(kLongPerformer.size(), 60);
        Dialog.show();
    }

    void Adjust(const QString& text) {
        W<QRadioButton>(Dialog, "rdbAdjust").click();
        W<QLineEdit>(Dialog, "edtText").setText(text);
    }
    bool OKEnabled() const { return W<QPushButton>(Dialog, "btnOK").isEnabled(); }
    QString Shown(const char* label) const { return W<QLabel>(Dialog, label).text(); }
};

TEST_F(ImportQuestionsCutTest, ShowsTheQuestionWithTheAutomaticCutPreselected) {
    EXPECT_EQ(Dialog.windowTitle(), U("Zbyt długi tekst"));
    EXPECT_EQ(Shown("lblMessage"), U("Tekst w polu 'Wykonawca' jest zbyt długi. Maksymalna tekstu "
                                     "w tym polu to 50 znaków."));
    EXPECT_EQ(Shown("lblResultCaption"), U("Tekst wynikowy:"));
    EXPECT_EQ(W<QRadioButton>(Dialog, "rdbAuto").text(), U("Automatyczne obcięcie tekstu"));
    EXPECT_EQ(W<QRadioButton>(Dialog, "rdbAdjust").text(), U("Dostosuj tekst"));
    EXPECT_EQ(W<QPushButton>(Dialog, "btnOK").text(), U("OK"));

    EXPECT_TRUE(W<QRadioButton>(Dialog, "rdbAuto").isChecked());
    const QString cut = kLongPerformer.left(47) + U("...");
    EXPECT_EQ(Shown("lblResult"), cut);
    EXPECT_EQ(Dialog.ResultText(), cut);
    EXPECT_TRUE(OKEnabled());
    // The edit waits, filled with the whole text, until the user chooses to adjust it.
    EXPECT_FALSE(W<QLineEdit>(Dialog, "edtText").isEnabled());
    EXPECT_EQ(W<QLineEdit>(Dialog, "edtText").text(), kLongPerformer);
    EXPECT_EQ(Shown("lblLength"), U("Aktualna dłogość: 60"));
}

TEST_F(ImportQuestionsCutTest, AdjustingFollowsTheTypedText) {
    W<QRadioButton>(Dialog, "rdbAdjust").click();
    EXPECT_TRUE(W<QLineEdit>(Dialog, "edtText").isEnabled());
    // Still the whole text: too long, so the result is its first 50 characters.
    EXPECT_FALSE(OKEnabled());
    EXPECT_EQ(Shown("lblResult"), kLongPerformer.left(50));
    EXPECT_EQ(Dialog.ResultText(), kLongPerformer.left(50));

    const struct {
        QString Typed;
        bool Valid;
    } cases[] = {
        {QString(), false},
        {U("Śląsk"), true},
        {kLongPerformer.left(50), true},
        {kLongPerformer.left(51), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(S(c.Typed));
        W<QLineEdit>(Dialog, "edtText").setText(c.Typed);
        EXPECT_EQ(Shown("lblLength"), U("Aktualna dłogość: ") + QString::number(c.Typed.size()));
        EXPECT_EQ(OKEnabled(), c.Valid);
        EXPECT_EQ(Dialog.ResultText(), c.Typed.left(50));
        EXPECT_EQ(Shown("lblResult"), c.Typed.left(50));
    }

    // Back to the automatic cut: valid again whatever was typed.
    W<QRadioButton>(Dialog, "rdbAuto").click();
    EXPECT_FALSE(W<QLineEdit>(Dialog, "edtText").isEnabled());
    EXPECT_TRUE(OKEnabled());
    EXPECT_EQ(Dialog.ResultText(), Question.AutoCut);
}

TEST_F(ImportQuestionsCutTest, CannotBeClosedWhileTheTextIsUnusable) {
    for (const QString& typed : {QString(), kLongPerformer.left(51)}) {
        SCOPED_TRACE(S(typed));
        Adjust(typed);
        PressEscape(Dialog);
        EXPECT_TRUE(Dialog.isVisible());
        EXPECT_FALSE(Dialog.close());
        EXPECT_TRUE(Dialog.isVisible());
        W<QPushButton>(Dialog, "btnOK").click(); // disabled: no effect
        EXPECT_TRUE(Dialog.isVisible());
    }
}

TEST_F(ImportQuestionsCutTest, ClosingAUsableAnswerKeepsIt) {
    Adjust(U("Śląsk"));
    PressEscape(Dialog);
    EXPECT_FALSE(Dialog.isVisible());
    EXPECT_EQ(Dialog.result(), QDialog::Accepted);
    EXPECT_EQ(Dialog.ResultText(), U("Śląsk"));
}

TEST_F(ImportQuestionsCutTest, ClosingTheAutomaticCutKeepsIt) {
    EXPECT_TRUE(Dialog.close());
    EXPECT_EQ(Dialog.result(), QDialog::Accepted);
    EXPECT_EQ(Dialog.ResultText(), Question.AutoCut);
}

TEST(ImportQuestionsCutLayout, AWideResultIsNotClipped) {
    // 50 of the widest letter: the widest text a 50-character field gives.
    const QString text = QString(60, QLatin1Char('W'));
    TCutFieldLenDlg dialog(LongText(U("Tytuł"), 50, text));
    dialog.show();
    W<QRadioButton>(dialog, "rdbAdjust").click();
    QApplication::processEvents();
    EXPECT_GE(dialog.width(), 420);
    auto& result = W<QLabel>(dialog, "lblResult");
    EXPECT_GE(result.contentsRect().width(),
              QFontMetrics(result.font()).horizontalAdvance(text.left(50)));
}

// --- "Nieznana opcja"

// The default station's characteristics.
class StationOptionsTest : public ::testing::Test {
protected:
    TTempStation Station;

    void SetUp() override {
        Station.CopyDefaultStation();
        InitOptions();
    }
    void TearDown() override { DoneOptions(); }
};

class ImportQuestionsUnknownTest : public StationOptionsTest {
protected:
    static const TCharValueList& Moods() { return *Options->CharValues(ckAtmosphere); }
    static QString Question() { return UnknownValueQuestion(ckAtmosphere, U("Wesoły")); }
};

bool SameAnswer(const TUnknownValueAnswer& a, const TUnknownValueAnswer& b) {
    return a.Action == b.Action && a.ValueId == b.ValueId && a.Always == b.Always;
}

TEST_F(ImportQuestionsUnknownTest, ShowsTheWordWithAddingPreselected) {
    TUnknownOptionForm form(Moods(), Question());
    EXPECT_EQ(form.windowTitle(), U("Nieznana opcja"));
    EXPECT_EQ(W<QLabel>(form, "lblQuestion").text(),
              U("Znaleziono nieznaną opcję: Nastrój: Wesoły"));
    EXPECT_EQ(W<QRadioButton>(form, "rdbAdd").text(), U("Dodaj do listy"));
    EXPECT_EQ(W<QRadioButton>(form, "rdbReplace").text(), U("Zastąp wartością"));
    EXPECT_EQ(W<QCheckBox>(form, "chbAlways").text(), U("Zawsze zastępuj tą wartością"));
    EXPECT_EQ(W<QRadioButton>(form, "rdbIgnore").text(), U("Zignoruj"));

    EXPECT_TRUE(W<QRadioButton>(form, "rdbAdd").isChecked());
    EXPECT_TRUE(W<QRadioButton>(form, "rdbReplace").isEnabled());
    EXPECT_FALSE(W<QComboBox>(form, "cmbValues").isEnabled());
    EXPECT_FALSE(W<QCheckBox>(form, "chbAlways").isEnabled());
    EXPECT_TRUE(SameAnswer(form.Answer(), {uaAdd, -1, false}));

    // The kind's values in list order, the first preselected.
    auto& values = W<QComboBox>(form, "cmbValues");
    ASSERT_EQ(values.count(), static_cast<int>(Moods().size()));
    for (int index = 0; index < values.count(); ++index) {
        EXPECT_EQ(values.itemText(index), Moods()[index].Text);
        EXPECT_EQ(values.itemData(index).toInt(), Moods()[index].Id);
    }
    EXPECT_EQ(values.currentIndex(), 0);
}

TEST_F(ImportQuestionsUnknownTest, AnswersTheChosenAction) {
    const struct {
        const char* Choice;
        int ValueIndex; // chosen in the drop-down, -1 untouched
        bool Always;
        TUnknownValueAction Action;
        bool AnswersAlways;
    } cases[] = {
        {"rdbAdd", -1, false, uaAdd, false},
        {"rdbReplace", -1, false, uaReplace, false},
        {"rdbReplace", 2, true, uaReplace, true},
        {"rdbIgnore", -1, false, uaIgnore, false},
        // Ticked, then another choice: the box belongs to replacing only.
        {"rdbIgnore", 2, true, uaIgnore, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.Choice) + " " + std::to_string(c.ValueIndex));
        TUnknownOptionForm form(Moods(), Question());
        form.show();
        W<QRadioButton>(form, "rdbReplace").click();
        if (c.ValueIndex >= 0)
            W<QComboBox>(form, "cmbValues").setCurrentIndex(c.ValueIndex);
        W<QCheckBox>(form, "chbAlways").setChecked(c.Always);
        W<QRadioButton>(form, c.Choice).click();
        const bool replace = c.Action == uaReplace;
        EXPECT_EQ(W<QComboBox>(form, "cmbValues").isEnabled(), replace);
        EXPECT_EQ(W<QCheckBox>(form, "chbAlways").isEnabled(), replace);
        const int id = replace ? Moods()[c.ValueIndex < 0 ? 0 : c.ValueIndex].Id : -1;
        EXPECT_TRUE(SameAnswer(form.Answer(), {c.Action, id, c.AnswersAlways}));
        W<QPushButton>(form, "btnOK").click();
        EXPECT_EQ(form.result(), QDialog::Accepted);
    }
}

TEST_F(ImportQuestionsUnknownTest, ReplacingNeedsAValue) {
    TUnknownOptionForm form(TCharValueList{}, Question());
    EXPECT_FALSE(W<QRadioButton>(form, "rdbReplace").isEnabled());
    EXPECT_TRUE(W<QRadioButton>(form, "rdbAdd").isChecked());
    EXPECT_TRUE(SameAnswer(form.Answer(), {uaAdd, -1, false}));
}

TEST_F(ImportQuestionsUnknownTest, OnlyOKClosesIt) {
    TUnknownOptionForm form(Moods(), Question());
    form.show();
    PressEscape(form);
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(form.close());
    EXPECT_TRUE(form.isVisible());
    W<QPushButton>(form, "btnOK").click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Accepted);
}

TEST_F(ImportQuestionsUnknownTest, ALongWordIsNotClipped) {
    const QString word = QString(50, QLatin1Char('W'));
    TUnknownOptionForm form(Moods(), UnknownValueQuestion(ckAtmosphere, word));
    form.show();
    QApplication::processEvents();
    EXPECT_GE(form.width(), 420);
    auto& question = W<QLabel>(form, "lblQuestion");
    EXPECT_GE(question.contentsRect().width(),
              QFontMetrics(question.font()).horizontalAdvance(word));
}

// --- The import asking through the dialogs

class ImportQuestionsChoicesTest : public StationOptionsTest {
protected:
    QWidget ImportWindow;
    std::deque<TStep> Steps;
    std::unique_ptr<TDialogImportChoices> Choices;

    void SetUp() override {
        StationOptionsTest::SetUp();
        Choices = std::make_unique<TDialogImportChoices>(*Options, &ImportWindow);
        Choices->DialogRunner = RunSteps(Steps);
    }
    void TearDown() override {
        EXPECT_TRUE(Steps.empty()) << "a dialog expected was not opened";
        StationOptionsTest::TearDown();
    }

    // Over the import window; `act` answers, then OK.
    template <class T> void Expect(std::function<void(T&)> act) {
        Steps.push_back([this, act](QDialog& dialog) {
            auto& typed = As<T>(dialog);
            EXPECT_EQ(typed.parentWidget(), &ImportWindow);
            act(typed);
            W<QPushButton>(typed, "btnOK").click();
            return typed.result() == QDialog::Accepted;
        });
    }
};

TEST_F(ImportQuestionsChoicesTest, LongFieldsTakeTheAnswers) {
    TSongData song;
    song.ArtistName = kLongPerformer;
    song.Title = U("Krótki");
    song.Code = U("ABCDEFGHIJKL");
    Expect<TCutFieldLenDlg>([](TCutFieldLenDlg& dialog) {
        EXPECT_TRUE(W<QLabel>(dialog, "lblMessage").text().contains(U("'Wykonawca'")));
        W<QRadioButton>(dialog, "rdbAdjust").click();
        W<QLineEdit>(dialog, "edtText").setText(U("Śląsk"));
    });
    // The code keeps the automatic cut, the dialog closed instead of OK.
    Steps.push_back([](QDialog& dialog) {
        EXPECT_TRUE(W<QLabel>(dialog, "lblMessage").text().contains(U("'Kod'")));
        dialog.close();
        return dialog.result() == QDialog::Accepted;
    });
    CutLongFields(song, *Choices);
    EXPECT_EQ(song.ArtistName, U("Śląsk"));
    EXPECT_EQ(song.Title, U("Krótki"));
    EXPECT_EQ(song.Code, U("ABCDEFG..."));
}

TEST_F(ImportQuestionsChoicesTest, AWordReplacedAlwaysIsNotAskedAgain) {
    TCharAliases aliases;
    TImportRefs refs(aliases, *Choices);
    const int calm = Options->CharValueId(ckAtmosphere, U("Spokojny"));
    Expect<TUnknownOptionForm>([](TUnknownOptionForm& form) {
        EXPECT_EQ(W<QLabel>(form, "lblQuestion").text(),
                  U("Znaleziono nieznaną opcję: Nastrój: Wyciszony"));
        W<QRadioButton>(form, "rdbReplace").click();
        auto& values = W<QComboBox>(form, "cmbValues");
        values.setCurrentIndex(values.findText(U("Spokojny")));
        W<QCheckBox>(form, "chbAlways").setChecked(true);
    });
    EXPECT_EQ(refs.ResolveCharValue(ckAtmosphere, U("Wyciszony")), calm);
    EXPECT_EQ(refs.ResolveCharValue(ckAtmosphere, U("wyciszony")), calm);
}

TEST_F(ImportQuestionsChoicesTest, AValueAddedInTheRunIsOfferedNext) {
    TCharAliases aliases;
    TImportRefs refs(aliases, *Choices);
    Expect<TUnknownOptionForm>([](TUnknownOptionForm&) {}); // "Dodaj do listy" as it stands
    Expect<TUnknownOptionForm>([](TUnknownOptionForm& form) {
        auto& values = W<QComboBox>(form, "cmbValues");
        EXPECT_EQ(values.itemText(values.count() - 1), U("Zadumany"));
        W<QRadioButton>(form, "rdbIgnore").click();
    });
    const int added = refs.ResolveCharValue(ckAtmosphere, U("Zadumany"));
    EXPECT_EQ(Options->CharValueName(ckAtmosphere, added), U("Zadumany"));
    EXPECT_EQ(refs.ResolveCharValue(ckAtmosphere, U("Posępny")), -1);
}

} // namespace
