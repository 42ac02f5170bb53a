#pragma once

#include "library/uStatPeriod.h"
#include "ui/stats/uStatItem.h"
#include "ui/uDialogRunner.h"

#include <QDialog>
#include <QList>
#include <QPointF>
#include <functional>
#include <memory>

class QCategoryAxis;
class QChartView;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QSplitter;
class QStackedWidget;
class QTreeView;
class TDBMainBase;
class THistoryStats;
class TStatItemsModel;

// "Statystyka": when the chosen songs or artists were played during one week or one month, as
// points on a chart (the day across, the time of day up) and as a list of the items with their
// numbers of plays; or, at the director's choice, as bars of the plays per day.
class TStatistcForm final : public QDialog {
    Q_OBJECT
public:
    // A window of its own, reading the plays of `store` (which must outlive it).
    TStatistcForm(TDBMainBase& store, TStatKind kind, QWidget* parent = nullptr);
    // A page of a hosting window without a border of its own, sharing the host's history.
    TStatistcForm(THistoryStats& history, TStatKind kind, QWidget* page);
    ~TStatistcForm() override;

    // Runs the print dialog; replaceable so the window can be driven without a user.
    TDialogRunner DialogRunner = RunModalDialog;
    // Set by a hosting window: "Zamknij" (and Escape) close the host instead.
    std::function<void()> OnClose;

    // Each entry becomes an item with the next colour, shown; the list is sorted by name. Drawn
    // at once when a period is shown already.
    void AddItems(const QList<TStatEntry>& entries);
    // Shows the period of the current kind that holds `day`.
    void ShowPeriod(TDateTime day);
    // Switches to the kind and shows its period holding `day`, drawing once.
    void ShowPeriodOf(TStatPeriodKind kind, TDateTime day);
    // Prints the chart shown ("btnName").
    void Print();

    TStatKind Kind() const { return FKind; }
    TStatPeriodKind PeriodKind() const;
    const TStatPeriod& Period() const { return FPeriod; }
    // The items in the list's order.
    int ItemCount() const;
    const TStatItem& Item(int row) const;
    // The points of the item as its series holds them.
    QList<QPointF> Points(int row) const;
    // How many times the plays were drawn.
    int Draws() const { return FDraws; }

    void reject() override;
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    TStatistcForm(TStatKind kind, QWidget* parent, bool embedded);
    void CreateLayout();
    void ConnectControls();
    // Reads the plays of every item in the period and puts them on the chart.
    void DrawPlays();
    // An item's plays; nothing once `failure` holds the store's error, which a failed read sets.
    void DrawItem(TStatItem& item, QString& failure);
    void UpdateDailyBars();
    void ShowItem(int row, bool shown);
    void SetPeriodKindSilently(TStatPeriodKind kind);
    void RestorePlacement();
    void SavePlacement() const;

    TStatKind FKind;
    bool FEmbedded;
    std::unique_ptr<THistoryStats> FOwnHistory;
    THistoryStats* FHistory = nullptr;
    TStatItemsModel* FModel = nullptr;
    TStatPeriod FPeriod;
    bool FPeriodShown = false;
    bool FPlaced = false;
    bool FBarsStale = true;
    int FCreated = 0;
    int FDraws = 0;

    // Named after their members (objectName).
    QComboBox* cmbTimeRange = nullptr;
    QLabel* lblTimeRange = nullptr;
    QLineEdit* edtDate = nullptr;
    QPushButton* btnDown = nullptr;
    QPushButton* btnUp = nullptr;
    QDateEdit* btnDate = nullptr;
    QCheckBox* chbDailyBars = nullptr;
    QPushButton* btnName = nullptr;
    QStackedWidget* stkCharts = nullptr;
    QChartView* Chart = nullptr;
    QCategoryAxis* seriesDate = nullptr;
    QChartView* BarChart = nullptr;
    QSplitter* splStats = nullptr;
    QTreeView* Tree = nullptr;
    QPushButton* btnClose = nullptr;
};

// Texts of the statistics window.
inline const QString kStatsPrintFailed = QStringLiteral("Nie można rozpocząć drukowania wykresu.");
