#include "DialogSteps.h"
#include "FindChild.h"
#include "MainFormDayFixture.h"
#include "StationSnapshot.h"
#include "dayplan/uDayPlayList.h"
#include "foundation/uDateTime.h"
#include "library/uDBMainBase.h"
#include "library/uSongData.h"
#include "settings/uArSeparations.h"
#include "settings/uArTimeRanges.h"
#include "settings/uSettings.h"
#include "support/PlainSqlite.h"
#include "support/TestFiles.h"
#include "ui/restrictions/uHourRangeForm.h"
#include "ui/restrictions/uRestrictionForm.h"
#include "ui/restrictions/uTimeRestDlg.h"
#include "ui/settings/uTimeSeparationForm.h"
#include "ui/stats/uASHistoryForm.h"
#include "ui/stats/uStatistcForm.h"
#include "ui/uResultForm.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTreeView>
#include <deque>
#include <gtest/gtest.h>
#include <set>

// The settings and statistics windows reached from the main window's menus and actions, on
// the demo station.

namespace {

// What one menu item opens.
struct TMenuWindow {
    const char* Action;
    const char* Title;
    // The page the window opens on; empty for a window without pages.
    const char* Page = "";
};

const TMenuWindow MenuWindows[] = {
    {"meSongChars", "Charakterystyki utworu"},
    {"meTimeRestr", "Blokady czasowe"},
    {"meFreqGroups", "Blokady częstotliwości"},
    {"meLabelRestr", "Blokady etykiet"},
    {"meTimeSeparation", "Rozkład czasowy"},
    {"meGlobalRestr", "Konfiguracja programu", "tabGlobalRestr"},
    {"meDefaultRestr", "Konfiguracja programu", "tabDefaultRestr"},
    {"meConfig", "Konfiguracja programu", "tabPaths"},
    {"meImportOpt", "Opcje importu"},
    {"meOrvoDatFile", "Import z plików dat"},
};

// The file a window saved is byte for byte what the settings object writes for what it reads
// back from it.
template <class TSettings> void ExpectWrittenAsTheSettingsWriteIt(const QString& path) {
    const QByteArray saved = ReadFileBytes(path);
    TSettings stored;
    ASSERT_TRUE(stored.Load());
    stored.MarkChanged();
    ASSERT_TRUE(stored.Save());
    EXPECT_EQ(ReadFileBytes(path), saved);
}

TEST_F(MainFormDay, EachSettingsMenuItemOpensItsWindowAndCancelLeavesTheStationAsItWas) {
    const auto before = StationSnapshot(Station.Dir());
    for (const TMenuWindow& item : MenuWindows) {
        SCOPED_TRACE(item.Action);
        QString title, page;
        Form->SettingsRunner = [&](QDialog& dialog) {
            title = dialog.windowTitle();
            if (auto* pages = dialog.findChild<QTabWidget*>(QStringLiteral("PageControl")))
                page = pages->currentWidget()->objectName();
            dialog.reject();
            return false;
        };
        QAction& action = *FindChild<QAction>(*Form, item.Action);
        ASSERT_TRUE(action.isEnabled());
        action.trigger();
        EXPECT_EQ(title, QString::fromUtf8(item.Title));
        EXPECT_EQ(page, QString::fromUtf8(item.Page));
    }
    EXPECT_EQ(StationSnapshot(Station.Dir()), before);
    EXPECT_TRUE(Prompt.Errors().isEmpty()) << Prompt.Errors().join(u'\n').toStdString();
}

TEST_F(MainFormDay, TheSeparationScheduleIsChangedThroughItsMenuItem) {
    std::deque<TStep> steps{[](QDialog& dialog) {
        auto& window = As<TTimeSeparationForm>(dialog);
        FindChild<QSpinBox>(window, "edtCheckDays")->setValue(4);
        FindChild<QSpinBox>(window, "edtHours")->setValue(3);
        FindChild<QPushButton>(window, "btnOK")->click();
        return window.result() == QDialog::Accepted;
    }};
    Form->SettingsRunner = RunSteps(steps);
    FindChild<QAction>(*Form, "meTimeSeparation")->trigger();
    EXPECT_TRUE(steps.empty());

    TArSeparations stored;
    ASSERT_TRUE(stored.Load());
    EXPECT_EQ(stored.BlockDayCount(), 4);
    EXPECT_EQ(stored.Hours(), 3);
    ExpectWrittenAsTheSettingsWriteIt<TArSeparations>(Station.Path(SeparationsFileName));
}

class MainFormTightening : public MainFormDay {
protected:
    // The songs that refer to the blockade in any of their three places.
    std::set<int> SongsOf(int rangeId) const {
        const TPlainSqlite library(MainBase->DatabasePath());
        std::set<int> ids;
        for (const QString& row :
             library.Rows(QStringLiteral("SELECT Song_Id FROM BaseSongs WHERE Time_Rest = %1 OR "
                                         "Time_Rest2 = %1 OR Time_Rest3 = %1")
                              .arg(rangeId)))
            ids.insert(row.toInt());
        return ids;
    }
    // The start minutes of the day's positions that play one of the songs.
    std::vector<int> StartsOf(const std::set<int>& songs) const {
        std::vector<int> minutes;
        for (const TResultSongData* position : Days().PlayList().Positions())
            if (songs.count(position->SongId))
                minutes.push_back(position->Hour / 60000);
        return minutes;
    }
};

TEST_F(MainFormTightening, ABlockadeTightenedInTheWindowsKeepsItsSongsOutOfTheNewHours) {
    const TArTimeRange* night = nullptr;
    for (int i = 0; i < TimeRanges->Count(); ++i)
        if (TimeRanges->Items(i).Name == QStringLiteral("Nie w nocy"))
            night = &TimeRanges->Items(i);
    ASSERT_NE(night, nullptr);
    const int rangeId = night->Id;
    const int hoursBefore = night->HourCount();
    const std::set<int> songs = SongsOf(rangeId);
    ASSERT_FALSE(songs.empty());

    GenerateToday();
    const std::vector<int> before = StartsOf(songs);
    ASSERT_FALSE(before.empty()) << "the night blockade's songs play during the day";
    // The six hours of the day in which they played first; from then on they are blocked there.
    const int from = before.front() / 60 / 6 * 6;
    const int to = from + 6;

    std::deque<TStep> steps{[](QDialog& dialog) {
                                auto& window = As<TRestrictionForm>(dialog);
                                auto& list = *FindChild<QListWidget>(window, "listRanges");
                                const auto found =
                                    list.findItems(QStringLiteral("Nie w nocy"), Qt::MatchExactly);
                                EXPECT_EQ(found.size(), 1);
                                if (found.isEmpty())
                                    return false;
                                list.setCurrentItem(found.first());
                                FindChild<QPushButton>(window, "btnEdit")->click();
                                FindChild<QPushButton>(window, "btnOK")->click(); // "Zamnknij"
                                return window.result() == QDialog::Accepted;
                            },
                            [](QDialog& dialog) {
                                auto& blockade = As<TTimeRestDlg>(dialog);
                                FindChild<QPushButton>(blockade, "btnAddHour")->click();
                                FindChild<QPushButton>(blockade, "btnOK")->click();
                                return blockade.result() == QDialog::Accepted;
                            },
                            [from, to](QDialog& dialog) {
                                auto& hours = As<THourRangeForm>(dialog);
                                FindChild<QSpinBox>(hours, "edtTo")->setValue(to);
                                FindChild<QSpinBox>(hours, "edtFrom")->setValue(from);
                                FindChild<QPushButton>(hours, "btnOK")->click();
                                return hours.result() == QDialog::Accepted;
                            }};
    Form->SettingsRunner = RunSteps(steps);
    FindChild<QAction>(*Form, "meTimeRestr")->trigger();
    ASSERT_TRUE(steps.empty());

    // The tightened blockade is in the file and in force.
    TArTimeRanges stored;
    ASSERT_TRUE(stored.Load());
    ASSERT_NE(stored.FindById(rangeId), nullptr);
    EXPECT_EQ(stored.FindById(rangeId)->HourCount(), hoursBefore + 1);
    ExpectWrittenAsTheSettingsWriteIt<TArTimeRanges>(Station.Path(TimeRangesFileName));
    const TArTimeRange& tightened = *TimeRanges->FindById(rangeId);
    const TDateTime today = DateToDateTime(Today);
    EXPECT_FALSE(tightened.IsFree(before.front(), today)) << "the first play is now blocked";

    Prompt.DefaultAnswer = true;
    FindChild<QAction>(*Form, "acnBack")->trigger();
    ASSERT_EQ(Days().State(), dsFuture);
    FindChild<QAction>(*Form, "acnRand")->trigger();
    ASSERT_EQ(Days().State(), dsPending) << Prompt.Errors().join(u'\n').toStdString();
    for (int minute : StartsOf(songs))
        EXPECT_TRUE(tightened.IsFree(minute, today))
            << "a song of the blockade starts at minute " << minute;
}

TEST_F(MainFormDay, StatystykiShowsTheSelectedRowsWithThePlaysOfThePendingDay) {
    QAction& history = *FindChild<QAction>(*Form, "acnHistory");
    EXPECT_EQ(history.text(), QStringLiteral("Statystyki"));
    EXPECT_EQ(history.shortcut(), QKeySequence(Qt::CTRL | Qt::Key_H));
    EXPECT_FALSE(history.isVisible());
    PlanToday();
    EXPECT_FALSE(history.isVisible()) << "only a generated day has statistics";
    FindChild<QAction>(*Form, "acnRand")->trigger();
    ASSERT_EQ(Days().State(), dsPending);
    EXPECT_TRUE(history.isVisible());
    EXPECT_TRUE(history.isEnabled());

    // The first two songs of the day.
    QTreeView& tree = *Form->ResultView()->Tree();
    int selected = 0;
    std::set<int> songIds;
    for (int row = 0; row < tree.model()->rowCount() && selected < 2; ++row) {
        const TResultSongData& position = Days().PlayList().Position(row);
        if (position.Blank || position.SongId == -1)
            continue;
        tree.selectionModel()->select(tree.model()->index(row, 0),
                                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
        songIds.insert(position.SongId);
        ++selected;
    }
    ASSERT_EQ(selected, 2);

    int opened = 0;
    Form->ResultView()->StatsRunner = [&](QDialog& dialog) {
        ++opened;
        auto& window = As<TASHistoryForm>(dialog);
        const TStatistcForm& songs = window.SongsPage();
        EXPECT_EQ(songs.ItemCount(), static_cast<int>(songIds.size()));
        for (int row = 0; row < songs.ItemCount(); ++row) {
            EXPECT_TRUE(songIds.count(songs.Item(row).Id));
            // Today is not accepted: its plays come from the pending plan file.
            EXPECT_GE(songs.Item(row).Count, 1) << songs.Item(row).Name.toStdString();
        }
        EXPECT_GE(window.ArtistsPage().ItemCount(), 1);
        return false;
    };
    history.trigger();
    EXPECT_EQ(opened, 1);
}

} // namespace
