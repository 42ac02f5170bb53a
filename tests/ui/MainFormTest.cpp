#include "FindChild.h"
#include "foundation/uAppPaths.h"
#include "support/RecordingPrompt.h"
#include "support/TempStation.h"
#include "support/TestFiles.h"
#include "ui/uMainForm.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <gtest/gtest.h>

namespace {

TEST(MainForm, IsTitledAndMakesThePlanDirectoryOnly) {
    TTempStation station;
    TMainForm form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Dobieralnik"));
    EXPECT_TRUE(QFileInfo(station.Path(QStringLiteral("Plan"))).isDir());
    for (const char* dir : {"Plan/Historia", "Plan/Biezacy", "Plan/Plan"})
        EXPECT_FALSE(QFileInfo::exists(station.Path(QString::fromLatin1(dir)))) << dir;
}

TEST(MainForm, TheBaseMenuComesFirstAndLeadsToTheSongs) {
    TTempStation station;
    TMainForm form;
    EXPECT_EQ(form.menuBar()->actions().value(0)->text(), QStringLiteral("&Baza"));
    const QMenu& songs = *FindChild<QMenu>(form, "meBase")->actions().value(0)->menu();
    EXPECT_EQ(songs.title(), QStringLiteral("&Utwory"));
    EXPECT_EQ(songs.actions(), (QList<QAction*>{FindChild<QAction>(form, "meSongsNew"),
                                                FindChild<QAction>(form, "meSongsBrowse")}));
    EXPECT_EQ(FindChild<QAction>(form, "meSongsNew")->text(), QStringLiteral("&Nowy"));
    EXPECT_EQ(FindChild<QAction>(form, "meSongsBrowse")->text(), QStringLiteral("&Przegladaj"));
    QStringList items;
    for (const QAction* item : FindChild<QMenu>(form, "meBase")->actions())
        items.append(item->text());
    EXPECT_EQ(items, (QStringList{QStringLiteral("&Utwory"), QStringLiteral("&Wykonawcy"),
                                  QStringLiteral("&Etykiety"), QStringLiteral("&Import")}));
    const QMenu& import = *FindChild<QMenu>(form, "meBase")->actions().value(3)->menu();
    EXPECT_EQ(import.actions(), QList<QAction*>{FindChild<QAction>(form, "meOrvoDatFile")});
    EXPECT_EQ(FindChild<QAction>(form, "meOrvoDatFile")->text(), QStringLiteral("Plik &Orvo dat"));
}

TEST(MainForm, TheClockMenuLeadsToBroadcastsCategoriesAndClocks) {
    TTempStation station;
    TMainForm form;
    QStringList items;
    for (const QAction* item : FindChild<QMenu>(form, "meClock")->actions())
        items.append(item->text());
    EXPECT_EQ(items,
              (QStringList{QStringLiteral("&Audycje"), QStringLiteral("&Kategorie"),
                           QStringLiteral("&Zegary"), QStringLiteral("&Charakterystyki utworów")}));
    QStringList clocks;
    for (const QAction* item :
         FindChild<QMenu>(form, "meClock")->actions().value(2)->menu()->actions())
        clocks.append(item->text());
    EXPECT_EQ(clocks, (QStringList{QStringLiteral("&Nowy"), QStringLiteral("&Edycja"),
                                   QStringLiteral("&Oglądaj")}));
}

TEST(MainForm, TheMenusComeInOrderWithTheBlockadesAndOptions) {
    TTempStation station;
    TMainForm form;
    const auto texts = [](const QList<QAction*>& actions) {
        QStringList texts;
        for (const QAction* action : actions)
            if (!action->isSeparator())
                texts.append(action->text());
        return texts;
    };
    QStringList bar = texts(form.menuBar()->actions());
    bar.removeAll(QStringLiteral("&Widok")); // the docked clock's, once it is made
    EXPECT_EQ(bar, (QStringList{QStringLiteral("&Baza"), QStringLiteral("&Zegar"),
                                QStringLiteral("Blo&kady"), QStringLiteral("&Operacje"),
                                QStringLiteral("&Opcje"), QStringLiteral("&Narzędzia"),
                                QStringLiteral("&Pomoc")}));
    EXPECT_EQ(texts(FindChild<QMenu>(form, "meRestrictions")->actions()),
              (QStringList{
                  QStringLiteral("Blokady &czasowe"), QStringLiteral("Blokady c&zęstotliwościowe"),
                  QStringLiteral("Blokady &etykiet"), QStringLiteral("&Rozkład czasowy"),
                  QStringLiteral("Blokady &globalne"), QStringLiteral("Blokady &domyślne")}));
    EXPECT_EQ(texts(FindChild<QMenu>(form, "meOptions")->actions()),
              (QStringList{QStringLiteral("&Import"), QStringLiteral("&Konfiguracja")}));
}

TEST(MainForm, ALibraryThatCannotOpenEndsTheProgramWritingNoSettings) {
    TTempStation station;
    station.CopyDefaultStation();
    QFile blocker(station.Path(QStringLiteral("Data"))); // a file where the library belongs
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QByteArray blockades = ReadFileBytes(station.Path(QStringLiteral("blokady.xml")));
    TRecordingPrompt prompt;
    {
        TMainForm form;
        form.show();
        form.FirstActivation();
        ASSERT_EQ(prompt.Errors().size(), 1);
        EXPECT_TRUE(
            prompt.Errors().first().startsWith(QStringLiteral("Błąd podczas initializacji: ")));
        EXPECT_FALSE(form.StoresUp());
        EXPECT_EQ(form.Days(), nullptr);
        EXPECT_FALSE(form.isVisible()) << "the window closed";
        EXPECT_FALSE(FindChild<QAction>(form, "acnNext")->isEnabled());
    }
    EXPECT_EQ(ReadFileBytes(station.Path(QStringLiteral("blokady.xml"))), blockades);
}

TEST(MainForm, KeepsItsPlaceInTheMainWndSection) {
    TTempStation station;
    {
        TMainForm form;
        form.resize(777, 555);
        form.show();
        form.close();
    }
    EXPECT_TRUE(UserSettings()->contains(QStringLiteral("MainWnd/Geometry")));
    TMainForm again;
    EXPECT_EQ(again.size(), QSize(777, 555));
}

} // namespace
