#include "DialogSteps.h"
#include "FindChild.h"
#include "ModelCheck.h"
#include "foundation/uAppPaths.h"
#include "foundation/uTextFile.h"
#include "import/ImportFixture.h"
#include "import/uImportOptions.h"
#include "library/uSongWindowModel.h"
#include "settings/uArOptions.h"
#include "settings/uCharAliases.h"
#include "ui/import/uCutFieldLenDlg.h"
#include "ui/import/uDatFileListForm.h"
#include "ui/import/uDatFileListModel.h"
#include "ui/import/uImportForm.h"
#include "ui/import/uImportOptionsForm.h"
#include "ui/import/uUnknownOptionForm.h"
#include "ui/uProgressForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QRadioButton>
#include <QTableView>
#include <deque>

// The import as the director runs it: "Import z plików dat", its list window, the questions
// and the options window, over generated ".dat" files written in Windows-1250.

namespace {

// An unknown word's answer in "Nieznana opcja": the radio button to press, and for a
// replacement the value to pick and whether to remember it.
struct TWordAnswer {
    const char* Choice; // rdbAdd, rdbReplace or rdbIgnore
    const char* Value = "";
    bool Always = false;
};

class ImportWindowsTest : public ImportFixture {
protected:
    std::deque<TStep> Steps;
    // What the questions showed, in order.
    QStringList Questions;

    void TearDown() override {
        EXPECT_TRUE(Steps.empty()) << Steps.size() << " windows expected but not opened";
        SetProgressWindowFactory({});
        ImportFixture::TearDown();
    }

    QString DatDir() { return Dir(QStringLiteral("dat")); }

    TImportWindowHooks Hooks(const QString& folder) {
        TImportWindowHooks hooks;
        hooks.Run = RunSteps(Steps);
        hooks.SongWindow.Run = RunSteps(Steps);
        hooks.ChooseDirectory = [folder](QWidget*, const QString&, const QString&) {
            return folder;
        };
        hooks.ChooseFiles = [](QWidget*) { return QStringList(); };
        return hooks;
    }

    // "Import z plików dat": the folder chosen with "Katalog", then "Import".
    void ChooseFolderAndImport() {
        Steps.push_back([](QDialog& dialog) {
            auto& form = As<TImportForm>(dialog);
            FindChild<QPushButton>(form, "btnFolder")->click();
            FindChild<QPushButton>(form, "btnOK")->click();
            return form.result() == QDialog::Accepted;
        });
    }
    // "Import z plików dat": "Opcje importu" first, then the folder and "Import".
    void OpenOptionsThenImportFolder() {
        Steps.push_back([](QDialog& dialog) {
            auto& form = As<TImportForm>(dialog);
            FindChild<QPushButton>(form, "btnOptions")->click();
            FindChild<QPushButton>(form, "btnFolder")->click();
            FindChild<QPushButton>(form, "btnOK")->click();
            return form.result() == QDialog::Accepted;
        });
    }
    // The list window: `look` at it, then "Import".
    void ImportFromList(std::function<void(TDatFileListForm&)> look = {}) {
        Steps.push_back(ActThenClose<TDatFileListForm>(
            [look](TDatFileListForm& list) {
                TModelCheck check(list.Model());
                if (look)
                    look(list);
            },
            true));
    }
    void AnswerWord(TWordAnswer answer) {
        Steps.push_back([this, answer](QDialog& dialog) {
            auto& form = As<TUnknownOptionForm>(dialog);
            Questions.append(FindChild<QLabel>(form, "lblQuestion")->text());
            FindChild<QRadioButton>(form, answer.Choice)->click();
            if (*answer.Value) {
                auto* values = FindChild<QComboBox>(form, "cmbValues");
                values->setCurrentIndex(values->findText(U(answer.Value)));
                EXPECT_NE(values->currentIndex(), -1) << answer.Value;
                FindChild<QCheckBox>(form, "chbAlways")->setChecked(answer.Always);
            }
            FindChild<QPushButton>(form, "btnOK")->click();
            return true;
        });
    }

    QString WriteSong(const char* file, const char* performer, const char* title,
                      const QStringList& more = {}) {
        return WriteSongDat(U(file), U(performer), U(title), more);
    }
    bool Import() { return ImportDatFiles(nullptr, Hooks(DatDir())); }

    // The stored song with every page of its window read.
    std::optional<TBaseSong> StoredSong(const char* performer, const char* title) {
        const int artist = FindArtist(U(performer), false);
        const auto row = MainBase->BaseSongsTable().Locate(QStringLiteral("Art_Id;Title"),
                                                           {artist, U(title)}, lmCaseInsensitive);
        const auto stored =
            row ? TSongWindowModel::ForSong(*MainBase, static_cast<int>(row->RowId())) : nullptr;
        if (!stored)
            return std::nullopt;
        for (int page = 0; page < SongPageCount; ++page)
            stored->LoadPage(static_cast<TSongPage>(page));
        return stored->Song();
    }
    int Songs() {
        TDBTable& table = MainBase->BaseSongsTable();
        return table.RecordCount() - (table.Locate(table.KeyField(), {-1}) ? 1 : 0);
    }
    QStringList AliasLines(int kind) {
        return TextLines(DecodeCp1250(ReadFileBytes(AppFilePath(CharAliasFileName(kind)))));
    }
};

TEST_F(ImportWindowsTest, AFolderIsImportedThroughTheWindows) {
    Touch(DatDir(), U("01 Łąka.mp3"));
    WriteSong("01 Łąka.dat", "Zespół Żółw", "Łąka o świcie",
              {U("Typ=A - Gęsty pop"), U("Nas=Zadumany"), U("Nar=Kaszubski"), U("Tmc=Leniwe"),
               U("Tmi=leniwe"), U("Tmo=Pędzące"), U("Gen=Szept"), U("Tot=3:25.500")});
    WriteDat(DatDir(), U("02 bez tytułu.dat"), {U("Wyk=Ktoś")});
    WriteSong("03 Duplikat.dat", "Zespół Żółw", "Łąka o świcie ");
    WriteSong("04 Niechciany.dat", "Ktoś Inny", "Nie teraz");

    ChooseFolderAndImport();
    ImportFromList([](TDatFileListForm& list) {
        TDatFileListModel& model = *list.Model();
        ASSERT_EQ(model.rowCount(), 4);
        const auto cell = [&model](int row, int column) {
            return S(model.data(model.index(row, column), Qt::DisplayRole).toString());
        };
        EXPECT_EQ(cell(0, TDatFileListModel::colArtist), "Zespół Żółw");
        EXPECT_EQ(cell(0, TDatFileListModel::colTitle), "Łąka o świcie");
        EXPECT_EQ(cell(0, TDatFileListModel::colDatFile), "01 Łąka.dat");
        EXPECT_EQ(cell(0, TDatFileListModel::colAudioFile), "01 Łąka.mp3");
        EXPECT_EQ(cell(0, TDatFileListModel::colStatus), "OK");
        EXPECT_EQ(cell(1, TDatFileListModel::colDatFile), "02 bez tytułu.dat");
        EXPECT_EQ(cell(1, TDatFileListModel::colStatus), "Błąd w pliku");
        EXPECT_FALSE(model.flags(model.index(1, 0)) & Qt::ItemIsUserCheckable);
        EXPECT_EQ(cell(2, TDatFileListModel::colStatus), "Brak pliku muzycznego");
        // The unwanted song is unticked, as a click on its box does.
        const QModelIndex unwanted = model.index(3, TDatFileListModel::colImport);
        ASSERT_TRUE(model.flags(unwanted) & Qt::ItemIsUserCheckable);
        EXPECT_TRUE(model.setData(unwanted, Qt::Unchecked, Qt::CheckStateRole));
        EXPECT_EQ(model.TickedCount(), 2);
    });
    // Every kind of word the import resolves, in the order it asks.
    AnswerWord({"rdbAdd"});                      // Typ: "Gęsty pop"
    AnswerWord({"rdbReplace", "Spokojny"});      // Nastrój, this time only
    AnswerWord({"rdbIgnore"});                   // Język
    AnswerWord({"rdbAdd"});                      // Tempo: "Leniwe", then known for Tmi
    AnswerWord({"rdbReplace", "Szybkie", true}); // Tempo: "Pędzące", remembered
    AnswerWord({"rdbAdd"});                      // Wokal

    EXPECT_TRUE(Import());
    EXPECT_EQ(Questions, (QStringList{U("Znaleziono nieznaną opcję: Typ: Gęsty pop"),
                                      U("Znaleziono nieznaną opcję: Nastrój: Zadumany"),
                                      U("Znaleziono nieznaną opcję: Język: Kaszubski"),
                                      U("Znaleziono nieznaną opcję: Tempo: Leniwe"),
                                      U("Znaleziono nieznaną opcję: Tempo: Pędzące"),
                                      U("Znaleziono nieznaną opcję: Wokal: Szept")}));
    EXPECT_EQ(Prompt.Texts(TBoxKind::bkInformation),
              QStringList{U("Utwór Zespół Żółw - Łąka o świcie  już jest wpisany do bazy.")});
    EXPECT_EQ(Songs(), 1);
    const auto song = StoredSong("Zespół Żółw", "Łąka o świcie");
    ASSERT_TRUE(song);
    EXPECT_EQ(S(song->FileName), "01 Łąka.mp3");
    EXPECT_EQ(song->SongTime, 205500);
    EXPECT_EQ(song->CharType, CharId(ckType, "Gęsty pop"));
    EXPECT_EQ(song->Atmosphere, CharId(ckAtmosphere, "Spokojny"));
    EXPECT_EQ(song->Language, -1);
    EXPECT_EQ(song->Tempo, CharId(ckTempo, "Leniwe"));
    EXPECT_EQ(song->TempoIn, song->Tempo);
    EXPECT_EQ(song->TempoOut, CharId(ckTempo, "Szybkie"));
    EXPECT_EQ(song->Vocal, CharId(ckVocal, "Szept"));
    EXPECT_NE(song->Vocal, -1);
    EXPECT_EQ(AliasLines(ckTempo), QStringList{U("Pędzące=Szybkie")});
    EXPECT_TRUE(AliasLines(ckAtmosphere).isEmpty());
    // The values added are saved with the characteristics.
    TArOptions saved;
    saved.LoadCharacteristics();
    EXPECT_EQ(saved.CharValueId(ckVocal, U("Szept")), song->Vocal);
}

TEST_F(ImportWindowsTest, AReplacementRememberedInOneRunResolvesTheWordInTheNext) {
    WriteSong("1.dat", "Raz", "Pierwszy", {U("Nas=Zadumany")});
    ChooseFolderAndImport();
    ImportFromList();
    AnswerWord({"rdbReplace", "Melancholijny", true});
    EXPECT_TRUE(Import());
    EXPECT_EQ(AliasLines(ckAtmosphere), QStringList{U("Zadumany=Melancholijny")});

    QFile::remove(QDir(DatDir()).filePath(U("1.dat")));
    WriteSong("2.dat", "Dwa", "Drugi", {U("Nas=ZADUMANY")});
    ChooseFolderAndImport();
    ImportFromList(); // and no question: a step left over or missing fails the test
    EXPECT_TRUE(Import());
    const auto second = StoredSong("Dwa", "Drugi");
    ASSERT_TRUE(second);
    EXPECT_EQ(second->Atmosphere, CharId(ckAtmosphere, "Melancholijny"));
}

TEST_F(ImportWindowsTest, OptionsSetInTheImportWindowHoldForThisAndTheNextRun) {
    Touch(Dir(QStringLiteral("muzyka")), U("Pierwszy.mp2"));
    WriteSong("Pierwszy.dat", "Raz", "Pierwszy", {U("Kod=KOD-1"), U("Jak=Dobra")});
    const QString music = Station.Path(QStringLiteral("muzyka"));
    OpenOptionsThenImportFolder();
    Steps.push_back(ActThenClose<TImportOptionsForm>(
        [](TImportOptionsForm& options) {
            FindChild<QPushButton>(options, "btnAdd")->click(); // the chooser gives `music`
            FindChild<QComboBox>(options, "cmbMap1")->setCurrentText(U("Kod"));
            FindChild<QComboBox>(options, "cmbMap2")->setCurrentText(U("Jakość"));
        },
        true));
    ImportFromList([](TDatFileListForm& list) {
        EXPECT_EQ(
            S(list.Model()
                  ->data(list.Model()->index(0, TDatFileListModel::colAudioFile), Qt::DisplayRole)
                  .toString()),
            "Pierwszy.mp2");
    });
    TImportWindowHooks hooks = Hooks(DatDir());
    int chooserCalls = 0;
    hooks.ChooseDirectory = [&](QWidget*, const QString&, const QString&) {
        // First the options' "Dodaj", then the import window's "Katalog".
        return ++chooserCalls == 1 ? music : DatDir();
    };
    EXPECT_TRUE(ImportDatFiles(nullptr, hooks));
    const auto first = StoredSong("Raz", "Pierwszy");
    ASSERT_TRUE(first);
    EXPECT_EQ(first->Label1Id, FindLabel(U("KOD-1"), false));
    EXPECT_EQ(first->Label2Id, FindLabel(U("Dobra"), false));
    EXPECT_NE(first->Label1Id, -1);

    // The next run reads the options kept in the per-user settings, and its window shows them.
    QFile::remove(QDir(DatDir()).filePath(U("Pierwszy.dat")));
    WriteSong("Drugi.dat", "Dwa", "Drugi", {U("Kod=KOD-2")});
    OpenOptionsThenImportFolder();
    Steps.push_back(ActThenClose<TImportOptionsForm>(
        [](TImportOptionsForm& options) {
            EXPECT_EQ(S(FindChild<QComboBox>(options, "cmbMap1")->currentText()), "Kod");
            EXPECT_EQ(S(FindChild<QComboBox>(options, "cmbMap2")->currentText()), "Jakość");
        },
        false));
    ImportFromList();
    EXPECT_TRUE(Import());
    const auto second = StoredSong("Dwa", "Drugi");
    ASSERT_TRUE(second);
    EXPECT_EQ(second->Label1Id, FindLabel(U("KOD-2"), false));
    EXPECT_EQ(LoadImportOptions().Paths, QStringList{music});
}

TEST_F(ImportWindowsTest, ALongTextIsAdjustedAndASongCorrectedBeforeItIsStored) {
    const std::string longName(60, 'W');
    WriteSong("1.dat", longName.c_str(), "Pierwotny tytuł");
    ChooseFolderAndImport();
    Steps.push_back([](QDialog& dialog) {
        auto& cut = As<TCutFieldLenDlg>(dialog);
        FindChild<QRadioButton>(cut, "rdbAdjust")->click();
        FindChild<QLineEdit>(cut, "edtText")->setText(U("Wykonawca skrócony"));
        FindChild<QPushButton>(cut, "btnOK")->click();
        return true;
    });
    Steps.push_back(ActThenClose<TDatFileListForm>(
        [](TDatFileListForm& list) {
            auto* grid = FindChild<QTableView>(list, "gridFiles");
            TDatFileListModel& model = *list.Model();
            EXPECT_EQ(S(model.data(model.index(0, TDatFileListModel::colArtist), Qt::DisplayRole)
                            .toString()),
                      "Wykonawca skrócony");
            emit grid->doubleClicked(model.index(0, TDatFileListModel::colTitle));
            EXPECT_EQ(S(model.data(model.index(0, TDatFileListModel::colTitle), Qt::DisplayRole)
                            .toString()),
                      "Poprawiony tytuł");
        },
        true));
    // The song window the double click opens.
    Steps.push_back([](QDialog& dialog) {
        QLineEdit& title = *FindChild<QLineEdit>(dialog, "edtTitle");
        title.selectAll();
        title.insert(U("Poprawiony tytuł")); // as typed: the window hears edits only
        FindChild<QPushButton>(dialog, "btnOK")->click();
        return dialog.result() == QDialog::Accepted;
    });
    EXPECT_TRUE(Import());
    EXPECT_TRUE(StoredSong("Wykonawca skrócony", "Poprawiony tytuł"));
    EXPECT_EQ(Songs(), 1);
}

TEST_F(ImportWindowsTest, CancelInTheListStoresNothingAndBringsTheImportWindowBack) {
    WriteSong("1.dat", "Raz", "Pierwszy");
    int importWindowRuns = 0;
    Steps.push_back([&](QDialog& dialog) {
        auto& form = As<TImportForm>(dialog);
        ++importWindowRuns;
        EXPECT_FALSE(FindChild<QPushButton>(form, "btnOK")->isEnabled());
        FindChild<QPushButton>(form, "btnFolder")->click();
        EXPECT_EQ(FindChild<QListView>(form, "listFiles")->model()->rowCount(), 1);
        FindChild<QPushButton>(form, "btnOK")->click();
        // Still open after the list's "Anuluj": the user may choose again, or give up.
        EXPECT_EQ(form.result(), QDialog::Rejected);
        form.reject();
        return false;
    });
    Steps.push_back(ActThenClose<TDatFileListForm>([](TDatFileListForm&) {}, false));
    EXPECT_FALSE(Import());
    EXPECT_EQ(importWindowRuns, 1);
    EXPECT_EQ(Songs(), 0);
}

TEST_F(ImportWindowsTest, AFolderWithoutDatFilesIsSaidSo) {
    Touch(DatDir(), U("nie dat.txt"));
    Steps.push_back([](QDialog& dialog) {
        auto& form = As<TImportForm>(dialog);
        FindChild<QPushButton>(form, "btnFolder")->click();
        EXPECT_FALSE(FindChild<QPushButton>(form, "btnOK")->isEnabled());
        form.reject();
        return false;
    });
    EXPECT_FALSE(Import());
    EXPECT_EQ(Prompt.Texts(TBoxKind::bkInformation),
              QStringList{U("W katalogu \"") + DatDir() + U("\" nie ma plików dat.")});
}

// "Przerwij" pressed while the third song's question is open: the third song is finished and
// stored whole, the ones after it are not touched.
TEST_F(ImportWindowsTest, StoppingInTheProgressWindowKeepsTheSongsBeforeTheStopWhole) {
    for (int i = 1; i <= 5; ++i)
        WriteSongDat(QStringLiteral("%1.dat").arg(i), U("Zespół"),
                     QStringLiteral("Utwór %1").arg(i),
                     {i == 3 ? U("Nas=Nieznany") : QString(), U("Tot=3:00.000")});
    SetProgressWindowFactory(TProgressForm::Factory());
    ChooseFolderAndImport();
    ImportFromList();
    Steps.push_back([](QDialog& dialog) {
        auto& form = As<TUnknownOptionForm>(dialog);
        TProgressForm* progress = nullptr;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* candidate = qobject_cast<TProgressForm*>(window);
                candidate && candidate->isVisible())
                progress = candidate;
        EXPECT_NE(progress, nullptr);
        if (progress)
            FindChild<QPushButton>(*progress, "btnCancel")->click();
        FindChild<QRadioButton>(form, "rdbIgnore")->click();
        FindChild<QPushButton>(form, "btnOK")->click();
        return true;
    });
    EXPECT_TRUE(Import());
    EXPECT_EQ(Prompt.Texts(TBoxKind::bkInformation),
              QStringList{U("Import przerwany. Zapisano 3 z 5 zaznaczonych utworów.")});
    EXPECT_EQ(Songs(), 3);
    for (int i = 1; i <= 3; ++i) {
        const auto song =
            StoredSong("Zespół", QStringLiteral("Utwór %1").arg(i).toUtf8().constData());
        ASSERT_TRUE(song) << i;
        EXPECT_EQ(song->SongTime, 180000);
    }
    EXPECT_FALSE(StoredSong("Zespół", "Utwór 4"));
}

} // namespace
