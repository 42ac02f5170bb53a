#include "FindChild.h"
#include "ResultFormFixture.h"
#include "ui/uResultItemEditForm.h"
#include "ui/uResultModel.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// Types digits into a masked box from `position` on, as the user would.
void Type(QLineEdit& edit, int position, const QString& digits) {
    edit.setCursorPosition(position);
    for (QChar digit : digits) {
        const auto key = static_cast<Qt::Key>(Qt::Key_0 + digit.digitValue());
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(digit));
        QCoreApplication::sendEvent(&edit, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(digit));
        QCoreApplication::sendEvent(&edit, &release);
    }
}

class ResultFormEditTest : public ResultFormFixture {
protected:
    void SetUp() override {
        ResultFormFixture::SetUp();
        Show({{kMusic, Ms(10), Ms(3)},
              {kMusic, Ms(13), Ms(3)},
              {kAdvert, Ms(16), Ms(3)},
              {kMusic, Ms(20), Ms(3), true}});
        TResultSongData& song = List.Position(1);
        song.Path = QStringLiteral("/muzyka/");
        song.SetFileName(QStringLiteral("b.mp3"));
    }

    // Opens the edit window on the row; `fill` plays the user, and OK is pressed when it is
    // enabled by then.
    bool EditRow(int row, const std::function<void(TResultItemEditForm&)>& fill) {
        bool okEnabled = false;
        Form->EditWindowRunner = [&](TResultItemEditForm& form) {
            fill(form);
            okEnabled = FindChild<QPushButton>(form, "btnOK")->isEnabled();
            if (okEnabled)
                FindChild<QPushButton>(form, "btnOK")->click();
            return form.result() == QDialog::Accepted;
        };
        Form->FocusRow(row);
        Form->EditPosition();
        return okEnabled;
    }
};

TEST_F(ResultFormEditTest, WindowShowsThePosition) {
    List.Position(1).OwnHour = true;
    List.Position(2).Blank = true;
    List.Position(2).Title = QStringLiteral("Blok reklam");
    struct TCase {
        int Row;
        bool TitleBox; // a blank's text is edited in place of the title
        bool FileBox;  // only music points at an audio file
    } cases[] = {{1, false, true}, {2, true, false}};
    for (const TCase& c : cases) {
        const TResultSongData& position = List.Position(c.Row);
        TResultItemEditForm form(position);
        EXPECT_EQ(form.windowTitle(), QStringLiteral("Edycja utworu"));
        EXPECT_EQ(FindChild<QLabel>(form, "lblArtist")->text(), position.ArtistName);
        EXPECT_EQ(FindChild<QLabel>(form, "lblTitle")->isHidden(), c.TitleBox) << c.Row;
        EXPECT_EQ(FindChild<QLineEdit>(form, "edtInfo")->isHidden(), !c.TitleBox) << c.Row;
        EXPECT_EQ(FindChild<QLineEdit>(form, "edtInfo")->text(), position.Title);
        EXPECT_EQ(FindChild<QLineEdit>(form, "edtHour")->text(),
                  c.Row == 1 ? QStringLiteral("00:13:00.000") : QStringLiteral("00:16:00.000"));
        EXPECT_EQ(FindChild<QCheckBox>(form, "chbHour")->isChecked(), position.OwnHour);
        EXPECT_EQ(FindChild<QCheckBox>(form, "chbHour")->text(),
                  QStringLiteral("Dokładna godzina"));
        EXPECT_EQ(FindChild<QLineEdit>(form, "edtTime")->text(), QStringLiteral("03:00.000"));
        EXPECT_EQ(FindChild<QLineEdit>(form, "edtFileName")->isHidden(), !c.FileBox) << c.Row;
        EXPECT_EQ(FindChild<QLabel>(form, "lblFileName")->isHidden(), !c.FileBox) << c.Row;
        EXPECT_EQ(FindChild<QLineEdit>(form, "edtFileName")->text(), position.FullFileName());
        EXPECT_FALSE(FindChild<QPushButton>(form, "btnOK")->isEnabled());
    }
}

TEST_F(ResultFormEditTest, OkNeedsANewTimeStartOrFile) {
    struct TCase {
        const char* Name;
        std::function<void(TResultItemEditForm&)> Fill;
        bool Enabled;
    } cases[] = {
        {"only the fixed-hour mark",
         [](auto& form) { FindChild<QCheckBox>(form, "chbHour")->setChecked(true); }, false},
        {"only a blank's text",
         [](auto& form) { FindChild<QLineEdit>(form, "edtInfo")->setText(QStringLiteral("x")); },
         false},
        {"the time",
         [](auto& form) { Type(*FindChild<QLineEdit>(form, "edtTime"), 0, QStringLiteral("02")); },
         true},
        {"the start",
         [](auto& form) { Type(*FindChild<QLineEdit>(form, "edtHour"), 3, QStringLiteral("14")); },
         true},
        {"the file",
         [](auto& form) {
             FindChild<QLineEdit>(form, "edtFileName")->setText(QStringLiteral("/a/c.mp3"));
         },
         true},
    };
    for (const TCase& c : cases) {
        TResultItemEditForm form(List.Position(1));
        c.Fill(form);
        EXPECT_EQ(FindChild<QPushButton>(form, "btnOK")->isEnabled(), c.Enabled) << c.Name;
    }
}

TEST_F(ResultFormEditTest, MasksRefuseImpossibleDigits) {
    struct TCase {
        bool Hour; // the start box, else the time box
        int Position;
        const char* Typed;
        const char* Text;
    } cases[] = {
        {true, 0, "3", "00:13:00.000"},  {true, 0, "2", "20:13:00.000"},
        {true, 0, "24", "20:13:00.000"}, {true, 0, "23", "23:13:00.000"},
        {true, 0, "19", "19:13:00.000"}, {true, 3, "6", "00:13:00.000"},
        {true, 6, "7", "00:13:00.000"},  {true, 6, "59", "00:13:59.000"},
        {false, 0, "6", "03:00.000"},    {false, 0, "59", "59:00.000"},
        {false, 3, "6", "03:00.000"},    {false, 3, "45", "03:45.000"},
        {false, 6, "987", "03:00.987"},
    };
    for (const TCase& c : cases) {
        TResultItemEditForm form(List.Position(1));
        QLineEdit& edit = c.Hour ? *FindChild<QLineEdit>(form, "edtHour")
                                 : *FindChild<QLineEdit>(form, "edtTime");
        Type(edit, c.Position, QString::fromLatin1(c.Typed));
        EXPECT_EQ(edit.text(), QString::fromLatin1(c.Text)) << c.Typed << " at " << c.Position;
    }
}

TEST_F(ResultFormEditTest, NewStartShiftsTheRowsUpToTheFixedOne) {
    ASSERT_TRUE(EditRow(1, [](TResultItemEditForm& form) {
        Type(*FindChild<QLineEdit>(form, "edtHour"), 3, QStringLiteral("14"));
        FindChild<QCheckBox>(form, "chbHour")->setChecked(true);
    }));
    EXPECT_EQ(Hours(), (std::vector<int>{Ms(10), Ms(14), Ms(17), Ms(20)}));
    EXPECT_TRUE(List.Position(1).OwnHour);
    EXPECT_EQ(Form->Model()->index(2, 0).data().toString(), QStringLiteral("00:17:00.000"));
    EXPECT_EQ(Form->FocusedRow(), 1);
}

TEST_F(ResultFormEditTest, NewTimeKeepsTheFile) {
    ASSERT_TRUE(EditRow(1, [](TResultItemEditForm& form) {
        Type(*FindChild<QLineEdit>(form, "edtTime"), 0, QStringLiteral("02"));
    }));
    const TResultSongData& song = List.Position(1);
    EXPECT_EQ(song.SongTime, Ms(2));
    EXPECT_FALSE(song.HasPlayFile);
    EXPECT_EQ(song.FullFileName(), QStringLiteral("/muzyka/b.mp3"));
    EXPECT_EQ(Hours(), (std::vector<int>{Ms(10), Ms(13), Ms(15), Ms(20)}));
    EXPECT_TRUE(Prompt.Boxes.isEmpty());
}

TEST_F(ResultFormEditTest, LongerThanTheLibraryAsksFirst) {
    Prompt.QueueAnswers({false});
    ASSERT_TRUE(EditRow(1, [](TResultItemEditForm& form) {
        Type(*FindChild<QLineEdit>(form, "edtTime"), 0, QStringLiteral("04"));
        FindChild<QLineEdit>(form, "edtFileName")->setText(QStringLiteral("/inne/c.mp3"));
    }));
    EXPECT_EQ(Prompt.Questions(),
              QStringList{QStringLiteral(
                  "Nowy czas dźwięku (04:00.000), jest dłuższy niż czas tego dżwięku zapisany w "
                  "bazie danych (03:00.000). Czy na pewno chcesz zmienić czas tego dżwięku?")});
    // No keeps the length; the new file is taken all the same.
    EXPECT_EQ(List.Position(1).SongTime, Ms(3));
    EXPECT_EQ(List.Position(1).FullFileName(), QStringLiteral("/inne/c.mp3"));
    EXPECT_TRUE(List.Position(1).HasPlayFile);
}

TEST_F(ResultFormEditTest, CancelChangesNothing) {
    Form->EditWindowRunner = [](TResultItemEditForm& form) {
        Type(*FindChild<QLineEdit>(form, "edtHour"), 3, QStringLiteral("14"));
        FindChild<QPushButton>(form, "btnCancel")->click();
        return form.result() == QDialog::Accepted;
    };
    Form->FocusRow(1);
    Form->EditPosition();
    EXPECT_EQ(Hours(), (std::vector<int>{Ms(10), Ms(13), Ms(16), Ms(20)}));
}

} // namespace
