#include "ui/stats/uShowStats.h"

#include "ui/stats/uASHistoryForm.h"
#include "ui/stats/uStatistcForm.h"

namespace {

TDateTime DayOrToday(TDateTime day) {
    return day == 0 ? Today() : day;
}

} // namespace

bool LimitStatEntries(QList<TStatEntry>& entries) {
    TStatEntries limited;
    const bool shown = CollectStatEntries(
        static_cast<int>(entries.size()),
        [&entries](int row) { return std::optional<TStatEntry>(entries[row]); }, limited);
    if (shown)
        entries = limited;
    return shown;
}

void ShowStats(TDBMainBase& store, TStatKind kind, const QList<TStatEntry>& items, TDateTime day,
               QWidget* parent, const TDialogRunner& run) {
    QList<TStatEntry> shown = items;
    if (shown.isEmpty() || !LimitStatEntries(shown))
        return;
    TStatistcForm form(store, kind, parent);
    if (run)
        form.DialogRunner = run;
    form.AddItems(shown);
    form.ShowPeriod(DayOrToday(day));
    form.DialogRunner(form);
}

void ShowPlayListStats(TDBMainBase& store, const QList<TStatEntry>& songs,
                       const QList<TStatEntry>& artists, TDateTime day, QWidget* parent,
                       const TDialogRunner& run) {
    if (songs.isEmpty() && artists.isEmpty())
        return;
    TASHistoryForm form(store, parent);
    if (run)
        form.DialogRunner = run;
    form.Fill(songs, artists, DayOrToday(day));
    form.DialogRunner(form);
}
