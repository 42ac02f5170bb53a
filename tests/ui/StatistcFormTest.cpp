#include "DialogSteps.h"
#include "FindChild.h"
#include "ModelCheck.h"
#include "dayplan/uDayPlayList.h"
#include "dayplan/uStores.h"
#include "foundation/uAppPaths.h"
#include "library/uDBMainBase.h"
#include "library/uSongStore.h"
#include "library/uStatsWriting.h"
#include "settings/uSettings.h"
#include "support/RecordingPrompt.h"
#include "support/TempStation.h"
#include "support/TestFiles.h"
#include "support/TestText.h"
#include "synthetic/uSyntheticLibrary.h"
#include "ui/stats/uASHistoryForm.h"
#include "ui/stats/uShowStats.h"
#include "ui/stats/uStatistcForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTreeView>
#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QScatterSeries>
#include <QtPrintSupport/QPrintDialog>
#include <QtPrintSupport/QPrinter>
#include <SQLiteCpp/Database.h>
#include <algorithm>
#include <deque>
#include <gtest/gtest.h>
#include <memory>

// The statistics window as the music director reads it: the plays of the chosen songs or
// artists over a week or a month, from the accepted days and from a day generated but not yet
// accepted.

namespace {

TDateTime At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    return *TryEncodeDateTime(year, month, day, hour, minute, second, 0);
}

// Points in a fixed order, so lists drawn in any order compare.
QList<QPointF> Sorted(QList<QPointF> points) {
    std::sort(points.begin(), points.end(), [](const QPointF& a, const QPointF& b) {
        return a.x() != b.x() ? a.x() < b.x() : a.y() < b.y();
    });
    return points;
}

std::string Text(const QList<QPointF>& points) {
    QStringList parts;
    for (const QPointF& point : Sorted(points))
        parts.append(QStringLiteral("(%1, %2)").arg(point.x()).arg(point.y(), 0, 'f', 3));
    return S(parts);
}

QList<QPointF> Points(std::initializer_list<QPointF> points) {
    return QList<QPointF>(points);
}

QStringList BarValues(const QBarSet& set) {
    QStringList values;
    for (int i = 0; i < set.count(); ++i)
        values.append(QString::number(set.at(i)));
    return values;
}

constexpr double kLastMinute = 23 + 59 / 60.0;

// A small library; the days up to Friday 2 February 2024 are accepted and Saturday 3 February
// is generated but not accepted yet. The week from Monday 29 January:
//   song A: 29 Jan 13:45, 1 Feb 08:00, 2 Feb 23:59 (stored), 3 Feb 06:30:15 (pending),
//           4 Feb 23:59:30 (pending, in the week's last minute);
//   song B (another artist): 30 Jan 10:00 (stored), 3 Feb 18:00 (pending);
//   song A also on 22 Jan 12:00 (stored, the week before).
class StatistcFormTest : public ::testing::Test {
protected:
    TTempStation Station;
    TRecordingPrompt Prompt;
    std::deque<TStep> Steps;
    int SongA = -1;
    int SongB = -1;
    int ArtistA = -1;
    int ArtistB = -1;
    const TDateTime Week = At(2024, 1, 29);

    void SetUp() override {
        Station.CopyDefaultStation();
        EnsureDirectory(AppFilePath(kPlanDir));
        ASSERT_TRUE(BringUpStores());
        TSyntheticLibraryOptions options;
        options.Songs = 40;
        options.Artists = 10;
        options.Albums = 5;
        options.Labels = 3;
        options.CharCombinations = 10;
        ASSERT_EQ(StoreSyntheticLibrary(TSyntheticLibrary(SyntheticOptionsFromSettings(options))),
                  options.Songs);
        SongA = 1;
        ArtistA = SongArtistId(SongA);
        ASSERT_NE(ArtistA, -1);
        for (int id = 2; id <= options.Songs && SongB == -1; ++id)
            if (SongArtistId(id) != ArtistA)
                SongB = id;
        ASSERT_NE(SongB, -1);
        ArtistB = SongArtistId(SongB);

        Stored(SongA, At(2024, 1, 22, 12));
        Stored(SongA, At(2024, 1, 29, 13, 45));
        Stored(SongB, At(2024, 1, 30, 10));
        Stored(SongA, At(2024, 2, 1, 8));
        Stored(SongA, At(2024, 2, 2, 23, 59));
        Accepted(QDate(2024, 2, 2));
        Pending(QDate(2024, 2, 3),
                {{SongA, At(2024, 2, 3, 6, 30, 15)}, {SongB, At(2024, 2, 3, 18)}});
        Pending(QDate(2024, 2, 4), {{SongA, At(2024, 2, 4, 23, 59, 30)}});
        Prompt.Clear();
    }
    void TearDown() override {
        EXPECT_TRUE(Steps.empty()) << "a dialog expected was not opened";
        ReleaseStores();
    }

    TDialogRunner Runner() { return RunSteps(Steps); }

    // A play of an accepted day, as accepting it records it.
    void Stored(int songId, TDateTime at) {
        const TDateTimeParts parts = SplitDateTime(at);
        const auto day = static_cast<TDateTime>(parts.Days);
        const int minute = parts.MSecOfDay / 60000;
        ASSERT_TRUE(AddSongStats(*MainBase, songId, minute, day));
        ASSERT_TRUE(AddArtistStats(*MainBase, SongArtistId(songId), minute, day));
    }
    static void Accepted(const QDate& day) {
        const QString path = PlanFilePath(pkHistory, day);
        EnsureDirectory(QFileInfo(path).path());
        ASSERT_TRUE(WriteFileBytes(path, QByteArray()));
    }
    struct TPlay {
        int SongId;
        TDateTime At;
    };
    // A generated day's plan file with the plays.
    static void Pending(const QDate& day, std::initializer_list<TPlay> plays) {
        TDayPlayList list;
        for (const TPlay& play : plays) {
            auto position = std::make_unique<TResultSongData>();
            ASSERT_TRUE(ReadSong(*position, play.SongId));
            position->SongId = play.SongId;
            position->ArtistId = SongArtistId(play.SongId);
            position->Hour = SplitDateTime(play.At).MSecOfDay;
            list.Append(std::move(position));
        }
        EnsureDirectory(QFileInfo(PlanFilePath(pkCurrent, day)).path());
        ASSERT_TRUE(list.SavePlanDay(day));
    }

    QList<TStatEntry> SongsAB() const {
        return {{QStringLiteral("Zespół A - Pierwszy"), SongA}, {U("Ąbel B - Drugi"), SongB}};
    }

    // The window's item list, checked by Qt's model rules while the test runs.
    static QAbstractItemModel* Items(const TStatistcForm& form) {
        return FindChild<QTreeView>(form, "Tree")->model();
    }
    static QVariant Cell(const TStatistcForm& form, int row, int column,
                         int role = Qt::DisplayRole) {
        QAbstractItemModel* model = Items(form);
        return model->data(model->index(row, column), role);
    }
    static int Row(const TStatistcForm& form, const QString& name) {
        for (int row = 0; row < form.ItemCount(); ++row)
            if (form.Item(row).Name == name)
                return row;
        ADD_FAILURE() << "no item " << S(name);
        return -1;
    }
    static QChart& PlaysChart(const TStatistcForm& form) {
        return *FindChild<QChartView>(form, "Chart")->chart();
    }
    static QCategoryAxis& DayAxis(const TStatistcForm& form) {
        return *FindChild<QCategoryAxis>(PlaysChart(form), "seriesDate");
    }
    static QString PeriodText(const TStatistcForm& form) {
        return FindChild<QLineEdit>(form, "edtDate")->text();
    }
    static QBarSeries* Bars(const TStatistcForm& form) {
        const QList<QAbstractSeries*> series =
            FindChild<QChartView>(form, "BarChart")->chart()->series();
        return series.isEmpty() ? nullptr : qobject_cast<QBarSeries*>(series.first());
    }
};

TEST_F(StatistcFormTest, EachPlayIsAPointAtItsDayAndTimeOfDay) {
    TStatistcForm form(*MainBase, TStatKind::Songs);
    TModelCheck check(Items(form));
    form.AddItems(SongsAB());
    form.ShowPeriod(At(2024, 1, 31, 15));

    EXPECT_EQ(PeriodText(form), U("29.01.2024 - 4.02.2024"));
    EXPECT_EQ(S(DayAxis(form).categoriesLabels()),
              "29.01.2024|30.01.2024|31.01.2024|1.02.2024|2.02.2024|3.02.2024|4.02.2024");
    const int a = Row(form, U("Zespół A - Pierwszy"));
    const int b = Row(form, U("Ąbel B - Drugi"));
    // The pending plays are there, the one in the week's last minute too.
    EXPECT_EQ(Text(form.Points(a)),
              Text(Points({{0, 13.75}, {3, 8}, {4, kLastMinute}, {5, 6.5}, {6, kLastMinute}})));
    EXPECT_EQ(Text(form.Points(b)), Text(Points({{1, 10}, {5, 18}})));
    EXPECT_EQ(Cell(form, a, 2).toInt(), 5);
    EXPECT_EQ(Cell(form, b, 2).toInt(), 2);
    EXPECT_EQ(form.Item(a).Count, 5);
    EXPECT_EQ(S(Items(form)->headerData(1, Qt::Horizontal).toString()), S(U("Utwór")));
    EXPECT_EQ(S(Items(form)->headerData(2, Qt::Horizontal).toString()), S(U("Ilość")));
    // Drawn under the hourglass, which is off again.
    EXPECT_GT(Prompt.BusyChanges, 0);
    EXPECT_FALSE(Prompt.BusyCursor);
    EXPECT_TRUE(Prompt.Boxes.isEmpty());
}

TEST_F(StatistcFormTest, AnArtistsPlaysAreThoseOfAllItsSongs) {
    TStatistcForm form(*MainBase, TStatKind::Artists);
    TModelCheck check(Items(form));
    form.AddItems({{QStringLiteral("A"), ArtistA}, {QStringLiteral("B"), ArtistB}});
    form.ShowPeriod(Week);

    EXPECT_EQ(S(Items(form)->headerData(1, Qt::Horizontal).toString()), "Wykonawca");
    EXPECT_EQ(Text(form.Points(0)),
              Text(Points({{0, 13.75}, {3, 8}, {4, kLastMinute}, {5, 6.5}, {6, kLastMinute}})));
    EXPECT_EQ(Cell(form, 1, 2).toInt(), 2);
}

TEST_F(StatistcFormTest, ItemsAreSortedByNameAndColouredInTheOrderGiven) {
    TStatistcForm form(*MainBase, TStatKind::Songs);
    TModelCheck check(Items(form));
    form.AddItems({{U("Żuk - Z"), SongA},
                   {U("ala - A"), SongB},
                   {U("Bolek - B"), SongA},
                   {U("ala - A"), SongA}});
    form.ShowPeriod(Week);

    QStringList names;
    for (int row = 0; row < form.ItemCount(); ++row)
        names.append(Cell(form, row, 1).toString());
    EXPECT_EQ(S(names), S(U("ala - A|ala - A|Bolek - B|Żuk - Z")));
    const struct {
        int Row;
        const char* Color;
        int Count;
    } expected[] = {{0, "#00ffff", 2}, {1, "#ffff00", 5}, {2, "#00ff00", 5}, {3, "#008000", 5}};
    for (const auto& e : expected) {
        SCOPED_TRACE(e.Row);
        EXPECT_EQ(S(form.Item(e.Row).Color.name()), e.Color);
        EXPECT_EQ(S(form.Item(e.Row).Series->color().name()), e.Color);
        EXPECT_EQ(Cell(form, e.Row, 2).toInt(), e.Count);
    }
    EXPECT_EQ(S(StatItemColor(13).name()), "#ffffff");
    EXPECT_EQ(S(StatItemColor(19).name()), "#000000");
}

TEST_F(StatistcFormTest, ASingleItemHasNoCheckBoxAndIsAlwaysShown) {
    TStatistcForm form(*MainBase, TStatKind::Songs);
    TModelCheck check(Items(form));
    form.AddItems({{QStringLiteral("A"), SongA}});
    form.ShowPeriod(Week);

    QAbstractItemModel* model = Items(form);
    const QModelIndex name = model->index(0, 1);
    EXPECT_FALSE(model->flags(name).testFlag(Qt::ItemIsUserCheckable));
    EXPECT_FALSE(model->data(name, Qt::CheckStateRole).isValid());
    EXPECT_FALSE(model->setData(name, Qt::Unchecked, Qt::CheckStateRole));
    EXPECT_TRUE(form.Item(0).Shown);
    EXPECT_TRUE(PlaysChart(form).series().contains(form.Item(0).Series));
}

TEST_F(StatistcFormTest, UntickingAnItemHidesItsPointsAndTickingShowsTheCurrentPeriod) {
    TStatistcForm form(*MainBase, TStatKind::Songs);
    TModelCheck check(Items(form));
    form.AddItems(SongsAB());
    form.ShowPeriod(Week);
    QAbstractItemModel* model = Items(form);
    const int a = Row(form, U("Zespół A - Pierwszy"));
    const QModelIndex name = model->index(a, 1);
    EXPECT_TRUE(model->flags(name).testFlag(Qt::ItemIsUserCheckable));
    EXPECT_EQ(model->data(name, Qt::CheckStateRole).toInt(), Qt::Checked);

    ASSERT_TRUE(model->setData(name, Qt::Unchecked, Qt::CheckStateRole));
    EXPECT_FALSE(form.Item(a).Shown);
    EXPECT_EQ(model->data(name, Qt::CheckStateRole).toInt(), Qt::Unchecked);
    EXPECT_FALSE(PlaysChart(form).series().contains(form.Item(a).Series));
    EXPECT_EQ(PlaysChart(form).series().size(), 1);

    // Hidden while the week before is chosen: ticked again, it shows that week's play.
    FindChild<QPushButton>(form, "btnDown")->click();
    ASSERT_TRUE(model->setData(name, Qt::Checked, Qt::CheckStateRole));
    EXPECT_TRUE(PlaysChart(form).series().contains(form.Item(a).Series));
    EXPECT_EQ(Text(form.Points(a)), Text(Points({{0, 12}})));
    EXPECT_EQ(Cell(form, a, 2).toInt(), 1);
}

TEST_F(StatistcFormTest, TheButtonsTheKindAndThePickerChooseThePeriod) {
    TStatistcForm form(*MainBase, TStatKind::Songs);
    form.AddItems({{QStringLiteral("A"), SongA}});
    form.ShowPeriod(At(2024, 2, 4, 23));
    auto* up = FindChild<QPushButton>(form, "btnUp");
    auto* down = FindChild<QPushButton>(form, "btnDown");
    auto* kind = FindChild<QComboBox>(form, "cmbTimeRange");
    auto* picker = FindChild<QDateEdit>(form, "btnDate");
    auto* label = FindChild<QLabel>(form, "lblTimeRange");
    EXPECT_EQ(S(kind->itemText(0)), S(U("Tydzień")));
    EXPECT_EQ(S(kind->itemText(1)), S(U("Miesiąc")));
    EXPECT_EQ(S(label->text()), S(U("Tydzień:")));
    EXPECT_TRUE(FindChild<QLineEdit>(form, "edtDate")->isReadOnly());
    EXPECT_EQ(picker->date(), QDate(2024, 1, 29));

    up->click();
    EXPECT_EQ(S(PeriodText(form)), "5.02.2024 - 11.02.2024");
    EXPECT_EQ(form.Item(0).Count, 0);
    down->click();
    down->click();
    EXPECT_EQ(S(PeriodText(form)), "22.01.2024 - 28.01.2024");
    EXPECT_EQ(picker->date(), QDate(2024, 1, 22));
    EXPECT_EQ(Text(form.Points(0)), Text(Points({{0, 12}})));

    kind->setCurrentIndex(1);
    EXPECT_EQ(S(label->text()), S(U("Miesiąc:")));
    EXPECT_EQ(S(PeriodText(form)), S(U("styczeń 2024")));
    EXPECT_EQ(DayAxis(form).categoriesLabels().size(), 31);
    EXPECT_EQ(Text(form.Points(0)), Text(Points({{21, 12}, {28, 13.75}})));
    up->click();
    EXPECT_EQ(S(PeriodText(form)), "luty 2024");
    EXPECT_EQ(Text(form.Points(0)),
              Text(Points({{0, 8}, {1, kLastMinute}, {2, 6.5}, {3, kLastMinute}})));

    picker->setDate(QDate(2024, 3, 20));
    EXPECT_EQ(S(PeriodText(form)), "marzec 2024");
    EXPECT_EQ(picker->date(), QDate(2024, 3, 1));
    // Back to weeks from the month's first day.
    kind->setCurrentIndex(0);
    EXPECT_EQ(S(PeriodText(form)), "26.02.2024 - 3.03.2024");
    EXPECT_EQ(DayAxis(form).categoriesLabels().size(), 7);
}

TEST_F(StatistcFormTest, TheBarsShowThePlaysOfEachDay) {
    TStatistcForm form(*MainBase, TStatKind::Songs);
    form.AddItems(SongsAB());
    form.ShowPeriod(Week);
    auto* bars = FindChild<QCheckBox>(form, "chbDailyBars");
    auto* charts = FindChild<QStackedWidget>(form, "stkCharts");
    // The points are the first view.
    EXPECT_FALSE(bars->isChecked());
    EXPECT_EQ(charts->currentWidget(), FindChild<QChartView>(form, "Chart"));

    bars->setChecked(true);
    EXPECT_EQ(charts->currentWidget(), FindChild<QChartView>(form, "BarChart"));
    QBarSeries* series = Bars(form);
    ASSERT_NE(series, nullptr);
    ASSERT_EQ(series->count(), 2);
    // In the list's order: B's name sorts first.
    EXPECT_EQ(S(series->barSets()[0]->label()), S(U("Ąbel B - Drugi")));
    EXPECT_EQ(S(BarValues(*series->barSets()[0])), "0|1|0|0|0|1|0");
    EXPECT_EQ(S(BarValues(*series->barSets()[1])), "1|0|0|1|1|1|1");
    EXPECT_EQ(S(FindChild<QBarCategoryAxis>(*FindChild<QChartView>(form, "BarChart")->chart(),
                                            "axisBarDays")
                    ->categories()),
              "29.01.2024|30.01.2024|31.01.2024|1.02.2024|2.02.2024|3.02.2024|4.02.2024");

    // Hidden items have no bars; another period redraws them.
    ASSERT_TRUE(Items(form)->setData(Items(form)->index(0, 1), Qt::Unchecked, Qt::CheckStateRole));
    ASSERT_EQ(Bars(form)->count(), 1);
    EXPECT_EQ(S(Bars(form)->barSets()[0]->label()), S(U("Zespół A - Pierwszy")));
    FindChild<QPushButton>(form, "btnDown")->click();
    EXPECT_EQ(S(BarValues(*Bars(form)->barSets()[0])), "1|0|0|0|0|0|0");
}

TEST_F(StatistcFormTest, ShowStatsOpensTheWeekOfTheDayAndRemembersThePlacement) {
    Steps.push_back([this](QDialog& dialog) {
        auto& form = As<TStatistcForm>(dialog);
        EXPECT_EQ(S(form.windowTitle()), "Statystyka");
        EXPECT_GE(form.minimumWidth(), 400);
        EXPECT_GE(form.minimumHeight(), 400);
        EXPECT_EQ(form.ItemCount(), 2);
        EXPECT_EQ(S(PeriodText(form)), "29.01.2024 - 4.02.2024");
        form.show();
        form.resize(640, 500);
        FindChild<QPushButton>(form, "btnClose")->click();
        EXPECT_FALSE(form.isVisible());
        return false;
    });
    ShowStats(*MainBase, TStatKind::Songs, SongsAB(), At(2024, 2, 1), nullptr, Runner());
    EXPECT_FALSE(
        UserSettings()->value(QStringLiteral("StatistcForm/Geometry")).toByteArray().isEmpty());
}

TEST_F(StatistcFormTest, MoreThanTwentyEntriesAreAskedDownToTwenty) {
    QList<TStatEntry> many;
    for (int i = 0; i < 25; ++i)
        many.append({QStringLiteral("Utwór %1").arg(i, 2, 10, QLatin1Char('0')), i + 1});
    const QString question =
        U("Zostanie pokazane jedynie 20 pozycji z pośród zaznaczonych. Czy kontynuować?");

    // No: no window.
    Prompt.QueueAnswers({false});
    ShowStats(*MainBase, TStatKind::Songs, many, Week, nullptr, Runner());
    EXPECT_EQ(Prompt.Questions(), QStringList({question}));

    // Yes: the first twenty.
    Prompt.Clear();
    Prompt.QueueAnswers({true});
    Steps.push_back([](QDialog& dialog) {
        auto& form = As<TStatistcForm>(dialog);
        EXPECT_EQ(form.ItemCount(), 20);
        EXPECT_EQ(S(form.Item(19).Name), "Utwór 19");
        return false;
    });
    ShowStats(*MainBase, TStatKind::Songs, many, Week, nullptr, Runner());
    EXPECT_EQ(Prompt.Questions(), QStringList({question}));

    // The list as given: cut on Yes, left on No, untouched without a question.
    QList<TStatEntry> entries = many;
    Prompt.Clear();
    Prompt.QueueAnswers({true, false});
    EXPECT_TRUE(LimitStatEntries(entries));
    EXPECT_EQ(entries.size(), 20);
    entries = many;
    EXPECT_FALSE(LimitStatEntries(entries));
    entries.resize(20);
    EXPECT_TRUE(LimitStatEntries(entries));
    EXPECT_EQ(entries.size(), 20);
    EXPECT_EQ(Prompt.Questions().size(), 2);
}

TEST_F(StatistcFormTest, PrintingSendsTheChartToThePrinterChosen) {
    const QString pdf = Station.Path(QStringLiteral("wykres.pdf"));
    TStatistcForm form(*MainBase, TStatKind::Songs);
    form.DialogRunner = Runner();
    form.AddItems(SongsAB());
    form.ShowPeriod(Week);
    form.resize(700, 500);
    // Cancelled: nothing printed.
    Steps.push_back([](QDialog& dialog) {
        As<QPrintDialog>(dialog);
        return false;
    });
    Steps.push_back([pdf](QDialog& dialog) {
        QPrinter* printer = As<QPrintDialog>(dialog).printer();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        return true;
    });
    auto* print = FindChild<QPushButton>(form, "btnName");
    print->click();
    EXPECT_FALSE(QFileInfo::exists(pdf));
    print->click();
    EXPECT_GT(QFileInfo(pdf).size(), 0);
    EXPECT_TRUE(Prompt.Boxes.isEmpty());
}

TEST_F(StatistcFormTest, AStoreThatCannotAnswerIsReportedAndTheWindowStays) {
    TStatistcForm form(*MainBase, TStatKind::Songs);
    form.AddItems(SongsAB());
    MainBase->Connection().exec("DROP TABLE Stats");
    form.ShowPeriod(Week);
    // One box for the lot.
    ASSERT_EQ(Prompt.Errors().size(), 1);
    EXPECT_TRUE(Prompt.Errors()[0].startsWith(U("Błąd bazy danych: \"")));
    // The pending plays are not shown on their own as if they were all.
    for (int row : {0, 1}) {
        EXPECT_EQ(form.Item(row).Count, 0);
        EXPECT_TRUE(form.Points(row).isEmpty());
    }
    EXPECT_FALSE(Prompt.BusyCursor);
}

// The two-page window for a day's play list.
class ASHistoryFormTest : public StatistcFormTest {
protected:
    // Opens the window on the week of `day`, does `what` with it and closes it.
    void Open(TDateTime day, const std::function<void(TASHistoryForm&)>& what) {
        Steps.push_back([what](QDialog& dialog) {
            what(As<TASHistoryForm>(dialog));
            return false;
        });
        ShowPlayListStats(*MainBase, SongsAB(), {{QStringLiteral("A"), ArtistA}}, day, nullptr,
                          Runner());
    }
};

TEST_F(ASHistoryFormTest, BothPagesShowTheWeekOfTheDay) {
    Open(At(2024, 2, 1), [](TASHistoryForm& form) {
        auto* pages = FindChild<QTabWidget>(form, "pcPages");
        EXPECT_EQ(S(form.windowTitle()), "Statystyka");
        EXPECT_EQ(S(pages->tabText(0)), "Utwory");
        EXPECT_EQ(S(pages->tabText(1)), "Wykonawcy");
        EXPECT_EQ(form.SongsPage().Kind(), TStatKind::Songs);
        EXPECT_EQ(form.ArtistsPage().Kind(), TStatKind::Artists);
        EXPECT_EQ(form.SongsPage().ItemCount(), 2);
        EXPECT_EQ(S(PeriodText(form.SongsPage())), "29.01.2024 - 4.02.2024");
        EXPECT_EQ(S(PeriodText(form.ArtistsPage())), "29.01.2024 - 4.02.2024");
        // A single artist: no check box.
        EXPECT_FALSE(Items(form.ArtistsPage())
                         ->flags(Items(form.ArtistsPage())->index(0, 1))
                         .testFlag(Qt::ItemIsUserCheckable));
        EXPECT_EQ(form.ArtistsPage().Item(0).Count, 5);
    });
}

struct TTakeOverCase {
    const char* What;
    // What the director does on the songs page before turning to the artists page.
    std::function<void(TStatistcForm&)> Change;
    const char* ArtistsPeriod;
    int ArtistsDraws; // drawn again on turning
};

TEST_F(ASHistoryFormTest, ThePageTurnedToTakesOverThePeriodChosen) {
    const auto kind = [](TStatistcForm& page, int index) {
        FindChild<QComboBox>(page, "cmbTimeRange")->setCurrentIndex(index);
    };
    const TTakeOverCase cases[] = {
        {"nothing", [](TStatistcForm&) {}, "1.01.2024 - 7.01.2024", 0},
        {"the start", [](TStatistcForm& page) { FindChild<QPushButton>(page, "btnUp")->click(); },
         "8.01.2024 - 14.01.2024", 1},
        // The week of 1 January begins with the month.
        {"the kind", [kind](TStatistcForm& page) { kind(page, 1); }, "styczeń 2024", 1},
        {"both",
         [kind](TStatistcForm& page) {
             FindChild<QPushButton>(page, "btnDown")->click();
             kind(page, 1);
         },
         "grudzień 2023", 1},
    };
    for (const TTakeOverCase& c : cases) {
        SCOPED_TRACE(c.What);
        Open(At(2024, 1, 3), [&c](TASHistoryForm& form) {
            const int draws = form.ArtistsPage().Draws();
            c.Change(form.SongsPage());
            form.ShowPage(1);
            EXPECT_EQ(S(PeriodText(form.ArtistsPage())), c.ArtistsPeriod);
            EXPECT_EQ(form.ArtistsPage().Draws() - draws, c.ArtistsDraws);
            EXPECT_EQ(form.ArtistsPage().PeriodKind(), form.SongsPage().PeriodKind());
            // Turning back without a change keeps the songs page as it is.
            const int songDraws = form.SongsPage().Draws();
            form.ShowPage(0);
            EXPECT_EQ(form.SongsPage().Draws(), songDraws);
        });
    }
}

TEST_F(ASHistoryFormTest, ClosingEitherPageClosesTheWindow) {
    for (int page : {0, 1}) {
        SCOPED_TRACE(page);
        Open(Week, [page](TASHistoryForm& form) {
            form.show();
            form.ShowPage(page);
            TStatistcForm& shown = page == 0 ? form.SongsPage() : form.ArtistsPage();
            FindChild<QPushButton>(shown, "btnClose")->click();
            EXPECT_FALSE(form.isVisible());
            EXPECT_TRUE(shown.isVisibleTo(&form));
        });
    }
    EXPECT_FALSE(
        UserSettings()->value(QStringLiteral("ASHistoryForm/Geometry")).toByteArray().isEmpty());
}

TEST_F(ASHistoryFormTest, NothingChosenOpensNothing) {
    ShowPlayListStats(*MainBase, {}, {}, Week, nullptr, Runner());
    ShowStats(*MainBase, TStatKind::Artists, {}, Week, nullptr, Runner());
}

} // namespace
