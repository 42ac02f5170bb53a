#pragma once

#include "library/uStatPeriod.h"
#include "ui/stats/uStatItem.h"
#include "ui/uDialogRunner.h"

#include <QDialog>
#include <QList>
#include <memory>

class QTabWidget;
class TDBMainBase;
class THistoryStats;
class TStatistcForm;

// "Statystyka" for a day's play list: the page "Utwory" with the chosen songs and the page
// "Wykonawcy" with their artists, sharing one play history. A page shown takes over the period
// the director chose on the other one; "Zamknij" on either page closes the window.
class TASHistoryForm final : public QDialog {
    Q_OBJECT
public:
    // Reads the plays of `store`, which must outlive the window.
    explicit TASHistoryForm(TDBMainBase& store, QWidget* parent = nullptr);
    ~TASHistoryForm() override;

    // Runs the window's dialogs (printing a page); replaceable so the window can be driven
    // without a user.
    TDialogRunner DialogRunner = RunModalDialog;

    // Fills both pages and shows the week holding `day` on both.
    void Fill(const QList<TStatEntry>& songs, const QList<TStatEntry>& artists, TDateTime day);

    TStatistcForm& SongsPage() const { return *frmSongs; }
    TStatistcForm& ArtistsPage() const { return *frmArtists; }
    // Shows the page (0 songs, 1 artists), as a click on its tab does.
    void ShowPage(int page);

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    TStatistcForm* Page(int page) const;
    // The page now shown takes over the period of the page shown before.
    void PageChanged(int page);
    void RestorePlacement();
    void SavePlacement() const;

    std::unique_ptr<THistoryStats> FHistory;
    // The period kind and start the pages last agreed on.
    TStatPeriodKind FTakenKind = TStatPeriodKind::Week;
    TDateTime FTakenStart = 0;
    int FShownPage = 0;
    bool FPlaced = false;

    // Named after their members (objectName).
    QTabWidget* pcPages = nullptr;
    TStatistcForm* frmSongs = nullptr;
    TStatistcForm* frmArtists = nullptr;
};
