#include "ui/report/uReportPositionsModel.h"

#include "foundation/uArUtils.h"
#include "ui/report/uReportColors.h"

namespace {

TDayRule RuleOfColumn(int column) {
    return static_cast<TDayRule>(column - TReportPositionsModel::colFirstRule);
}

QString ResultText(const std::optional<TRuleResult>& result) {
    if (!result)
        return {};
    switch (*result) {
    case TRuleResult::Ok:
        return QStringLiteral("ok");
    case TRuleResult::Broken:
        return QStringLiteral("złamana");
    case TRuleResult::Relaxed:
        return QStringLiteral("rozluźniona");
    }
    return {};
}

// Short enough that all seven rules fit beside the song; the whole caption is the tip.
QString ShortCaption(TDayRule rule) {
    switch (rule) {
    case TDayRule::Category:
        return QStringLiteral("Kategoria");
    case TDayRule::Labels:
        return QStringLiteral("Etykiety");
    case TDayRule::TimeBlockades:
        return QStringLiteral("Bl. czasowe");
    case TDayRule::SongFrequency:
        return QStringLiteral("Częst. utworu");
    case TDayRule::ArtistFrequency:
        return QStringLiteral("Częst. wyk.");
    case TDayRule::Separation:
        return QStringLiteral("Rozkład");
    case TDayRule::Characteristics:
        return QStringLiteral("Charakt.");
    }
    return {};
}

bool AnyResult(const TRuleChecks& checks, TRuleResult wanted) {
    for (const auto& result : checks)
        if (result == wanted)
            return true;
    return false;
}

} // namespace

TReportPositionsModel::TReportPositionsModel(const TDayReport& report, QObject* parent)
    : QAbstractTableModel(parent), FReport(report) {}

int TReportPositionsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(FReport.Positions.size());
}

int TReportPositionsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : colFirstRule + DayRuleCount;
}

bool TReportPositionsModel::HasRemarks(int row) const {
    if (row < 0 || row >= rowCount())
        return false;
    const TRuleChecks& checks = FReport.Positions[static_cast<size_t>(row)].Checks;
    return AnyResult(checks, TRuleResult::Broken) || AnyResult(checks, TRuleResult::Relaxed);
}

QVariant TReportPositionsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const TPositionReport& position = FReport.Positions[static_cast<size_t>(index.row())];
    const int column = index.column();
    if (role == Qt::BackgroundRole) {
        if (column >= colFirstRule) {
            const auto& result = position.Checks[static_cast<int>(RuleOfColumn(column))];
            return result ? ResultBackground(*result) : QVariant();
        }
        if (AnyResult(position.Checks, TRuleResult::Broken))
            return ResultBackground(TRuleResult::Broken);
        if (AnyResult(position.Checks, TRuleResult::Relaxed))
            return ResultBackground(TRuleResult::Relaxed);
        return {};
    }
    if (role == Qt::TextAlignmentRole && column >= colFirstRule)
        return int(Qt::AlignCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (column) {
    case colStart:
        return FormatDurationMs(position.StartMs, true);
    case colEnd:
        return FormatDurationMs(position.EndMs, true);
    case colSlot:
        return position.Slot;
    case colArtist:
        return position.Artist;
    case colTitle:
        return position.Title;
    default:
        return ResultText(position.Checks[static_cast<int>(RuleOfColumn(column))]);
    }
}

QVariant TReportPositionsModel::headerData(int section, Qt::Orientation orientation,
                                           int role) const {
    if (orientation != Qt::Horizontal || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    if (section >= colFirstRule && section < columnCount())
        return role == Qt::ToolTipRole ? DayRuleCaption(RuleOfColumn(section))
                                       : ShortCaption(RuleOfColumn(section));
    if (role != Qt::DisplayRole)
        return {};
    switch (section) {
    case colStart:
        return QStringLiteral("Start");
    case colEnd:
        return QStringLiteral("Koniec");
    case colSlot:
        return QStringLiteral("Slot zegara");
    case colArtist:
        return QStringLiteral("Wykonawca");
    case colTitle:
        return QStringLiteral("Tytuł");
    default:
        return {};
    }
}
