#include "cli/uCliDay.h"
#include "cli/uCliMain.h"
#include "foundation/uArUtils.h"
#include "settings/uSettings.h"

namespace {

// One line per position: start, category, performer, title, length, separated by tabs.
void WriteLine(QTextStream& out, const QStringList& fields) {
    out << fields.join(QLatin1Char('\t')) << Qt::endl;
}

void ShowPlayList(TDayLifecycle& days, QTextStream& out) {
    for (const TResultSongData* position : days.PlayList().Positions()) {
        const QString category = position->CategoryName.isEmpty()
                                     ? Options->Categories().NameById(position->Category.toInt())
                                     : position->CategoryName;
        WriteLine(out, {FormatDurationMs(position->Hour, true), category, position->ArtistName,
                        position->Title, FormatDurationMs(position->PlayTime, false)});
    }
}

void ShowHistory(TDayLifecycle& days, QTextStream& out) {
    for (const TDayHistoryRow& row : days.History().Rows())
        WriteLine(out, {row.Hour, QString(), row.Artist, row.Title, row.Time});
}

void ShowClock(TDayLifecycle& days, QTextStream& out) {
    for (const auto& row : days.DayClock().Rows())
        WriteLine(out, {FormatDurationMs(row->RowHour * 1000, true), row->Name(), QString(),
                        QString(), FormatDurationMs(row->RowPlayTime * 1000, false)});
}

} // namespace

int CliShow(TCliContext& context) {
    TCliDayHost host;
    return RunDayCommand(
        context, 1, host,
        [&](TDayLifecycle& days, const QDate&) {
            switch (days.State()) {
            case dsPending:
                ShowPlayList(days, context.Out);
                break;
            case dsHistory:
                ShowHistory(days, context.Out);
                break;
            case dsFuture:
                ShowClock(days, context.Out);
                break;
            default:
                break;
            }
            return int(ceDone);
        },
        false);
}
