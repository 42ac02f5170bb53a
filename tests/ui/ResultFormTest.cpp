#include "ResultFormFixture.h"
#include "ui/uResultBlankMenu.h"
#include "ui/uResultExportDialog.h"
#include "ui/uResultItemEditForm.h"
#include "ui/uResultModel.h"
#include "ui/uResultPrint.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QFont>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QPrinter>
#include <QTreeView>

namespace {

class ResultFormTest : public ResultFormFixture {
protected:
    QVariant Cell(int row, int column, int role = Qt::DisplayRole) const {
        return Form->Model()->index(row, column).data(role);
    }
    QStringList MenuTexts(const QMenu& menu) const {
        QStringList texts;
        for (const QAction* action : menu.actions())
            texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
        return texts;
    }
    void SelectRows(std::initializer_list<int> rows) {
        for (int row : rows)
            Form->Tree()->selectionModel()->select(Form->Model()->index(row, 0),
                                                   QItemSelectionModel::Select |
                                                       QItemSelectionModel::Rows);
    }
};

TEST_F(ResultFormTest, ColumnsShowThePositions) {
    Show({{kMusic, Ms(10), Ms(3), false, 4000}, {kAdvert, Ms(13), Ms(1, 30)}});
    List.Position(1).Category = QStringLiteral("x"); // read as the music category
    List.Position(1).Blank = true;
    List.Position(1).ArtistName.clear();

    const char* headers[] = {"Godzina", "Kategoria muzyczna", "Wykonawca", "Tytuł", "Czas",
                             "Mix",     "Kategoria zegara"};
    const int widths[] = {90, 90, 150, 200, 90, 70};
    ASSERT_EQ(Form->Model()->columnCount(), 7);
    for (int column = 0; column < 7; ++column) {
        EXPECT_EQ(Form->Model()->headerData(column, Qt::Horizontal).toString(),
                  QString::fromUtf8(headers[column]));
        // Never narrower than usual; wider only where the font would clip the texts.
        if (column < 6) {
            EXPECT_GE(Form->Tree()->header()->sectionSize(column), widths[column]) << column;
            EXPECT_GE(Form->Tree()->header()->sectionSize(column),
                      Form->Tree()->header()->fontMetrics().horizontalAdvance(
                          QString::fromUtf8(headers[column])))
                << column;
        }
    }
    const QStringList first = {QStringLiteral("00:10:00.000"), QStringLiteral("Muzyka"),
                               QStringLiteral("Wykonawca 0"),  QStringLiteral("A"),
                               QStringLiteral("03:00.000"),    QStringLiteral("00:04.000"),
                               QStringLiteral("Przeboje")};
    const QStringList second = {QStringLiteral("00:13:00.000"),
                                QStringLiteral("Muzyka"),
                                QString(),
                                QStringLiteral("B"),
                                QStringLiteral("01:30.000"),
                                QString(), // no mix known
                                QStringLiteral("Przeboje")};
    for (int column = 0; column < 7; ++column) {
        EXPECT_EQ(Cell(0, column).toString(), first[column]) << column;
        EXPECT_EQ(Cell(1, column).toString(), second[column]) << column;
    }
    EXPECT_EQ(Form->windowTitle(), QStringLiteral("Rezultat"));
    EXPECT_EQ(Form->Tree()->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(Form->Tree()->selectionMode(), QAbstractItemView::ExtendedSelection);
}

TEST_F(ResultFormTest, OddRowsAreShadedAndTheHourCellShowsTheCategoryColour) {
    Show({{kMusic, Ms(10), Ms(3)},
          {kMusic, Ms(13), Ms(3), true},
          {kJingle, Ms(16), Ms(3)},
          {kJingle, Ms(17), Ms(3)},
          {kAdvert, Ms(18), Ms(3)}});
    const QColor shade(0xEE, 0xEE, 0xEE);
    for (int row = 0; row < 5; ++row) {
        const QVariant background = Cell(row, TResultModel::rcTitle, Qt::BackgroundRole);
        if (row % 2)
            EXPECT_EQ(background.value<QColor>(), shade) << row;
        else
            EXPECT_FALSE(background.isValid()) << row;
    }
    EXPECT_EQ(Cell(0, 0, Qt::BackgroundRole).value<QColor>(), QColor(255, 255, 0));
    EXPECT_EQ(Cell(1, 0, Qt::BackgroundRole).value<QColor>(), QColor(255, 255, 0));
    // A category without a colour leaves the row's own background.
    EXPECT_FALSE(Cell(2, 0, Qt::BackgroundRole).isValid());
    EXPECT_EQ(Cell(3, 0, Qt::BackgroundRole).value<QColor>(), shade);
    // Digits stay readable on a dark category colour.
    EXPECT_EQ(Cell(4, 0, Qt::BackgroundRole).value<QColor>(), QColor(0, 0, 128));
    EXPECT_EQ(Cell(4, 0, Qt::ForegroundRole).value<QColor>(), QColor(Qt::white));
    EXPECT_FALSE(Cell(0, 0, Qt::ForegroundRole).isValid());

    EXPECT_TRUE(Cell(1, TResultModel::rcTitle, Qt::FontRole).value<QFont>().bold());
    EXPECT_FALSE(Cell(0, TResultModel::rcTitle, Qt::FontRole).value<QFont>().bold());
}

TEST_F(ResultFormTest, EnablingFollowsFocusAndSelection) {
    struct TCase {
        const char* Name;
        int Focus;
        std::initializer_list<int> AlsoSelected;
        bool Up, Down, Delete, Edit, Add;
    } cases[] = {
        {"nothing focused", -1, {}, false, false, false, false, false},
        {"first row", 0, {}, false, true, true, true, true},
        {"middle row", 1, {}, true, true, true, true, true},
        {"last row", 3, {}, true, false, true, true, true},
        {"two rows selected", 1, {2}, false, false, false, false, true},
    };
    Show(FourRows());
    for (const TCase& c : cases) {
        Form->Tree()->selectionModel()->clear();
        Form->FocusRow(c.Focus);
        SelectRows(c.AlsoSelected);
        EXPECT_EQ(Form->FocusedRow(), c.Focus) << c.Name;
        EXPECT_EQ(Form->CanMoveUp(), c.Up) << c.Name;
        EXPECT_EQ(Form->CanMoveDown(), c.Down) << c.Name;
        EXPECT_EQ(Form->CanDelete(), c.Delete) << c.Name;
        EXPECT_EQ(Form->EditAction()->isEnabled(), c.Edit) << c.Name;
        EXPECT_EQ(Form->PlayAction()->isEnabled(), c.Edit) << c.Name;
        EXPECT_EQ(Form->CanAddItem(), c.Add) << c.Name;
        EXPECT_EQ(Form->AddNewAction()->isEnabled(), c.Add) << c.Name;
    }
}

TEST_F(ResultFormTest, AnEmptyViewTakesNewItems) {
    Show({});
    EXPECT_TRUE(Form->CanAddItem());
    EXPECT_FALSE(Form->CanDelete());
    EXPECT_EQ(Form->SelectedCount(), 0);
}

TEST_F(ResultFormTest, StateChangesAreAnnounced) {
    Show(FourRows());
    int announced = 0;
    QObject::connect(Form.get(), &TResultForm::StateChanged, [&] { ++announced; });
    Form->FocusRow(2);
    EXPECT_GT(announced, 0);
    announced = 0;
    Form->MoveUp();
    EXPECT_GT(announced, 0);
    announced = 0;
    List.ClearView();
    Form->Reload();
    EXPECT_GT(announced, 0);
    EXPECT_EQ(Form->Model()->rowCount(), 0);
}

TEST_F(ResultFormTest, MovedRowStaysFocused) {
    Show({{kMusic, Ms(10), Ms(3)},
          {kMusic, Ms(13), Ms(2)},
          {kMusic, Ms(15), Ms(4), true},
          {kMusic, Ms(19), Ms(1)}});
    Form->FocusRow(1);
    Form->MoveDown();
    EXPECT_EQ(Titles(), QStringLiteral("ACBD"));
    EXPECT_EQ(Form->FocusedRow(), 2);
    EXPECT_EQ(Form->SelectedCount(), 1);
    // The fixed row keeps its start; the moved one and the rest follow it.
    EXPECT_EQ(Hours(), (std::vector<int>{Ms(10), Ms(15), Ms(19), Ms(21)}));
    EXPECT_EQ(Cell(2, 0).toString(), QStringLiteral("00:19:00.000"));

    Form->MoveUp();
    Form->MoveUp();
    EXPECT_EQ(Titles(), QStringLiteral("BACD"));
    EXPECT_EQ(Form->FocusedRow(), 0);
    Form->MoveUp(); // the first row stays
    EXPECT_EQ(Titles(), QStringLiteral("BACD"));
}

TEST_F(ResultFormTest, DeletingAsksAndFocusesTheNextRow) {
    Show(FourRows());
    Form->FocusRow(1);
    Prompt.QueueAnswers({false, true});
    Form->DeletePosition();
    EXPECT_EQ(Titles(), QStringLiteral("ABCD"));
    Form->DeletePosition();
    EXPECT_EQ(Prompt.Questions(), QStringList(2, QStringLiteral("Czy usunąć utwór z play listy?")));
    EXPECT_EQ(Titles(), QStringLiteral("ACD"));
    EXPECT_EQ(Hours(), (std::vector<int>{Ms(10), Ms(13), Ms(16)}));
    EXPECT_EQ(Form->FocusedRow(), 1);
    EXPECT_EQ(Cell(1, 0).toString(), QStringLiteral("00:13:00.000"));

    // The last row gives the focus to the one before it.
    Prompt.DefaultAnswer = true;
    Form->FocusRow(2);
    Form->DeletePosition();
    EXPECT_EQ(Titles(), QStringLiteral("AC"));
    EXPECT_EQ(Form->FocusedRow(), 1);

    // Nothing focused, nothing asked.
    Prompt.Clear();
    Form->Tree()->selectionModel()->clear();
    Form->DeletePosition();
    EXPECT_TRUE(Prompt.Boxes.isEmpty());
    EXPECT_EQ(List.Count(), 2);
}

TEST_F(ResultFormTest, PopupMenuHasTheViewsItems) {
    Show(FourRows());
    EXPECT_EQ(MenuTexts(*Form->PopupMenu()),
              (QStringList{QStringLiteral("Przesuń w &górę"), QStringLiteral("&Przesuń w dół"),
                           QStringLiteral("-"), QStringLiteral("&Dodaj"), QStringLiteral("&Usuń"),
                           QStringLiteral("&Edytuj"), QStringLiteral("&Graj"), QStringLiteral("-"),
                           QStringLiteral("Statystyki"), QStringLiteral("-"),
                           QStringLiteral("D&rukuj")}));
    EXPECT_EQ(Form->EditAction()->shortcut(), QKeySequence(Qt::Key_Enter));
    EXPECT_EQ(Form->PlayAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    EXPECT_EQ(Form->PlayAction()->toolTip(), QStringLiteral("Odwarzanie utworu"));
    EXPECT_EQ(Form->StatisticAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_H));

    // The host's actions take the places of the move and delete items.
    QAction up(QStringLiteral("Przesuń w &górę (okno)"));
    QAction del(QStringLiteral("&Usuń (okno)"));
    Form->BindHostActions(&up, nullptr, &del);
    const QList<QAction*> items = Form->PopupMenu()->actions();
    EXPECT_EQ(items[0], &up);
    EXPECT_EQ(items[1]->text(), QStringLiteral("&Przesuń w dół"));
    EXPECT_EQ(items[4], &del);
    EXPECT_EQ(items.size(), 11);
}

TEST_F(ResultFormTest, AddMenuFollowsTheBlanksOfTheCategoryList) {
    Show(FourRows());
    // "Nowy utwór", a separator, then the blanks.
    const QStringList texts = MenuTexts(*Form->AddMenu());
    ASSERT_GE(texts.size(), 2);
    EXPECT_EQ(texts.mid(0, 2), (QStringList{QStringLiteral("Nowy utwór"), QStringLiteral("-")}));
    const auto blanks = [this] { return MenuTexts(*Form->AddMenu()).mid(2); };
    // Ids in the order of their texts: "0" before "9901"; the basic category gets no item.
    EXPECT_EQ(blanks(), (QStringList{QStringLiteral("Cisza"), QStringLiteral("Reklama o")}));

    TBaseClockObject* added = CategoryList->AddObject(Blank("Jingle & spot", 10), 20);
    auto basic = std::make_unique<TCategory>();
    basic->SetName(QStringLiteral("Ballady"));
    CategoryList->AddObject(std::move(basic), 21);
    EXPECT_EQ(blanks(), (QStringList{QStringLiteral("Cisza"), QStringLiteral("Reklama o"),
                                     QStringLiteral("Jingle && spot")}));

    added->SetName(QStringLiteral("Spot"));
    CategoryList->NotifyListeners(nkChanged, added);
    EXPECT_EQ(Form->BlankMenu().ItemOf(added->Id)->text(), QStringLiteral("Spot"));

    CategoryList->DeleteById(kSilenceId);
    EXPECT_EQ(blanks(), (QStringList{QStringLiteral("Reklama o"), QStringLiteral("Spot")}));

    // A changed object that is a blank but has no item gets one.
    TBaseClockObject* advert = CategoryList->FindById(AdvertBlankId);
    delete Form->BlankMenu().ItemOf(AdvertBlankId);
    CategoryList->NotifyListeners(nkChanged, advert);
    EXPECT_EQ(blanks(), (QStringList{QStringLiteral("Spot"), QStringLiteral("Reklama o")}));

    // The view stops listening when it goes.
    Form.reset();
    CategoryList->AddObject(Blank("Po", 5), 22);
}

TEST_F(ResultFormTest, ChosenBlankIsInsertedAfterTheFocusedRow) {
    Show(FourRows());
    Form->FocusRow(0);
    Form->BlankMenu().ItemOf(kSilenceId)->trigger();
    ASSERT_EQ(List.Count(), 5);
    const TResultSongData& blank = List.Position(1);
    EXPECT_TRUE(blank.Blank);
    EXPECT_EQ(blank.Title, QStringLiteral("Blok Cisza"));
    EXPECT_EQ(blank.CategoryName, QStringLiteral("Cisza"));
    EXPECT_EQ(blank.CatId, kSilenceId);
    EXPECT_EQ(Form->FocusedRow(), 1);
    // Music mixes into adverts with 4 s: the blank starts that much earlier, and the rest
    // follows its end.
    EXPECT_EQ(List.Position(0).Mixed, 4000);
    EXPECT_EQ(Cell(0, TResultModel::rcMix).toString(), QStringLiteral("00:04.000"));
    EXPECT_EQ(Hours(),
              (std::vector<int>{Ms(10), Ms(13) - 4000, Ms(13, 26), Ms(16, 26), Ms(19, 26)}));
    EXPECT_EQ(Cell(2, 0).toString(), QStringLiteral("00:13:26.000"));
}

TEST_F(ResultFormTest, BlankIntoAnEmptyListStartsTheDay) {
    Show({});
    Form->InsertBlank(static_cast<TBlankCategory&>(*CategoryList->FindById(kSilenceId)));
    ASSERT_EQ(Form->Model()->rowCount(), 1);
    EXPECT_EQ(List.Position(0).Hour, 0);
    EXPECT_EQ(Form->FocusedRow(), 0);
}

TEST_F(ResultFormTest, GeneratedItemsShowAtOnce) {
    Show({});
    Form->AddResultItem({.Start = Ms(5),
                         .CatId = kSilenceId,
                         .Info = QStringLiteral("Blok"),
                         .Category = kAdvert,
                         .OwnHour = true,
                         .Duration = Ms(1),
                         .Time = Ms(1)});
    ASSERT_EQ(Form->Model()->rowCount(), 1);
    EXPECT_EQ(Cell(0, TResultModel::rcTitle).toString(), QStringLiteral("Blok"));
    EXPECT_EQ(Cell(0, TResultModel::rcClockCategory).toString(), QStringLiteral("Cisza"));

    // A list emptied behind the view's back before a new run shows only the new items.
    List.Append(std::make_unique<TResultSongData>());
    Form->Reload();
    List.ClearView();
    Form->AddResultItem({.CatId = AdvertBlankId,
                         .Info = QStringLiteral("Nowy"),
                         .Category = kAdvert,
                         .Duration = Ms(1),
                         .Time = Ms(1)});
    ASSERT_EQ(Form->Model()->rowCount(), 1);
    EXPECT_EQ(Cell(0, TResultModel::rcTitle).toString(), QStringLiteral("Nowy"));
}

TEST_F(ResultFormTest, PlayingShowsWhyAPositionCannotBePlayed) {
    Show(FourRows());
    List.Position(1).Path = Station.Dir();
    List.Position(1).FileName = QStringLiteral("brak.mp3");
    Form->FocusRow(0);
    Form->PlayAction()->trigger();
    Form->FocusRow(1);
    QKeyEvent ctrlP(QEvent::KeyPress, Qt::Key_P, Qt::ControlModifier, QStringLiteral("\x10"));
    QCoreApplication::sendEvent(Form->Tree(), &ctrlP);
    EXPECT_EQ(Prompt.Errors(),
              (QStringList{QStringLiteral("Brak zdefiniowanego pliku muzycznego dla tego utworu."),
                           QStringLiteral("Nie mozna odtworzyć utworu. Plik \"%1/brak.mp3\" nie "
                                          "istnieje.")
                               .arg(Station.Dir())}));
}

TEST_F(ResultFormTest, EnterAndDoubleClickOpenTheEditWindow) {
    Show(FourRows());
    int opened = 0;
    Form->EditWindowRunner = [&](TResultItemEditForm&) {
        ++opened;
        return false;
    };
    Form->FocusRow(2);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(Form->Tree(), &enter);
    EXPECT_EQ(opened, 1);
    emit Form->Tree()->doubleClicked(Form->Model()->index(2, 1));
    EXPECT_EQ(opened, 2);
    EXPECT_EQ(Hours(), (std::vector<int>{Ms(10), Ms(13), Ms(16), Ms(19)}));
}

TEST_F(ResultFormTest, PrintingRendersTheRowsAsShown) {
    Show({{kMusic, Ms(10), Ms(3), true}, {kAdvert, Ms(13), Ms(1)}});
    List.Position(0).Title = QStringLiteral("Łąka <na> żółto");
    // The user dragged "Tytuł" to the front and hid "Mix".
    Form->Tree()->header()->moveSection(TResultModel::rcTitle, 0);
    Form->Tree()->header()->hideSection(TResultModel::rcMix);
    const QString html = ResultRowsHtml(*Form->Tree());
    EXPECT_LT(html.indexOf(QStringLiteral("Tytuł")), html.indexOf(QStringLiteral("Godzina")));
    EXPECT_FALSE(html.contains(QStringLiteral(">Mix<")));
    EXPECT_TRUE(html.contains(QStringLiteral("Łąka &lt;na&gt; żółto")));
    EXPECT_TRUE(html.contains(QStringLiteral("font-weight:bold")));
    EXPECT_TRUE(html.contains(QStringLiteral("background-color:#ffff00")));
    EXPECT_TRUE(html.contains(QStringLiteral("background-color:#eeeeee")));

    const QString pdf = Station.Path(QStringLiteral("lista.pdf"));
    Form->PrinterChooser = [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    };
    Form->Print();
    EXPECT_GT(QFileInfo(pdf).size(), 0);

    // A cancelled printer dialog prints nothing.
    const QString other = Station.Path(QStringLiteral("inna.pdf"));
    Form->PrinterChooser = [&](QPrinter& printer) {
        printer.setOutputFileName(other);
        return false;
    };
    Form->Print();
    EXPECT_FALSE(QFileInfo::exists(other));
}

TEST_F(ResultFormTest, ExportDialogOffersBothFilters) {
    Show({});
    QStringList asked;
    Form->ExportFileChooser = [&](const QString& dir, const QString& name, int index) {
        asked << dir << name << QString::number(index);
        return QStringLiteral("/tmp/x.txt");
    };
    EXPECT_EQ(Form->ChooseExportFile(QStringLiteral("/tmp"), QStringLiteral("20240506.txt"), 2),
              QStringLiteral("/tmp/x.txt"));
    EXPECT_EQ(asked, (QStringList{QStringLiteral("/tmp"), QStringLiteral("20240506.txt"),
                                  QStringLiteral("2")}));

    for (int index : {1, 2}) {
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        PrepareExportDialog(dialog, Station.Dir(), QStringLiteral("dzien"), index);
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Zapisz jako..."));
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(dialog.nameFilters(),
                  (QStringList{QStringLiteral("*.mix"), QStringLiteral("*.txt")}));
        EXPECT_EQ(dialog.selectedNameFilter(),
                  index == 1 ? QStringLiteral("*.mix") : QStringLiteral("*.txt"));
        EXPECT_EQ(dialog.defaultSuffix(),
                  index == 1 ? QStringLiteral("mix") : QStringLiteral("txt"));
        // Choosing the other entry changes the extension a bare name gets.
        emit dialog.filterSelected(index == 1 ? QStringLiteral("*.txt") : QStringLiteral("*.mix"));
        EXPECT_EQ(dialog.defaultSuffix(),
                  index == 1 ? QStringLiteral("txt") : QStringLiteral("mix"));
    }
}

TEST_F(ResultFormTest, BottomPanelCanBeHidden) {
    Show({});
    Form->show();
    auto* panel = Form->findChild<QWidget*>(QStringLiteral("pnlBottom"));
    ASSERT_TRUE(panel);
    EXPECT_TRUE(panel->isVisible());
    Form->SetBottomPanelVisible(false);
    EXPECT_FALSE(panel->isVisible());
}

} // namespace
