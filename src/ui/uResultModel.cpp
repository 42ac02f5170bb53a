#include "ui/uResultModel.h"

#include "dayplan/uDayPlayList.h"
#include "dayplan/uPlayListEdits.h"
#include "foundation/uArUtils.h"
#include "settings/uSettings.h"

#include <QColor>
#include <QFont>
#include <optional>

namespace {

struct TColumnInfo {
    const char* Header;
    int Width;
};

const TColumnInfo kColumns[TResultModel::rcColumnCount] = {
    {"Godzina", 90}, {"Kategoria muzyczna", 90}, {"Wykonawca", 150}, {"Tytuł", 200}, {"Czas", 90},
    {"Mix", 70},     {"Kategoria zegara", 0},
};

// The music category, for a position whose category text is not a number.
constexpr int kMusicCategory = 1;

const TArSongCategories* StationCategories() {
    return Options ? &Options->Categories() : nullptr;
}

// The category's colour; nothing when it has none or the station has no categories.
std::optional<QColor> CategoryColor(const TResultSongData& position) {
    const TArSongCategories* categories = StationCategories();
    if (!categories)
        return std::nullopt;
    const TColor color = categories->ColorById(CategoryNumber(position.Category, kMusicCategory));
    if (color == clNone)
        return std::nullopt;
    return QColor::fromRgba(ColorToRgb(color, 0xFFFFFFFF));
}

} // namespace

int TResultModel::ColumnWidth(int column) {
    return column >= 0 && column < rcColumnCount ? kColumns[column].Width : 0;
}

QColor TResultModel::OddRowColor() {
    return QColor(0xEE, 0xEE, 0xEE);
}

TResultModel::TResultModel(TDayPlayList& list, QObject* parent)
    : QAbstractTableModel(parent), FList(list), FRowCount(list.Count()) {}

int TResultModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : FRowCount;
}

int TResultModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rcColumnCount;
}

TResultSongData* TResultModel::PositionAt(int row) const {
    if (row < 0 || row >= FRowCount || row >= FList.Count())
        return nullptr;
    return &FList.Position(row);
}

QVariant TResultModel::data(const QModelIndex& index, int role) const {
    const TResultSongData* position = index.isValid() ? PositionAt(index.row()) : nullptr;
    if (!position)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return Text(*position, index.column());
    case Qt::BackgroundRole:
        return Background(*position, index.row(), index.column());
    case Qt::ForegroundRole:
        return Foreground(*position, index.column());
    case Qt::FontRole:
        if (position->OwnHour) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    default:
        return {};
    }
}

QVariant TResultModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= rcColumnCount)
        return {};
    return QString::fromUtf8(kColumns[section].Header);
}

QVariant TResultModel::Text(const TResultSongData& position, int column) const {
    switch (column) {
    case rcHour:
        return FormatDurationMs(position.Hour, true);
    case rcCategory: {
        const TArSongCategories* categories = StationCategories();
        return categories ? categories->NameById(CategoryNumber(position.Category, kMusicCategory))
                          : QString();
    }
    case rcArtist:
        return position.ArtistName;
    case rcTitle:
        return position.Title;
    case rcTime:
        return FormatDurationMs(position.DbTime, false);
    case rcMix:
        return position.Mixed == -1 ? QString() : FormatDurationMs(position.Mixed, false);
    case rcClockCategory:
        return position.CategoryName;
    default:
        return {};
    }
}

QVariant TResultModel::Background(const TResultSongData& position, int row, int column) const {
    if (column == rcHour)
        if (const auto color = CategoryColor(position))
            return *color;
    if (row % 2 == 1)
        return OddRowColor();
    return {};
}

QVariant TResultModel::Foreground(const TResultSongData& position, int column) const {
    // Dark category colours would swallow black digits.
    if (column == rcHour)
        if (const auto color = CategoryColor(position); color && color->lightness() < 110)
            return QColor(Qt::white);
    return {};
}

void TResultModel::Reload() {
    beginResetModel();
    FRowCount = FList.Count();
    endResetModel();
}

void TResultModel::ShowAppended() {
    // A list emptied behind the model's back is shown anew as a whole.
    if (FList.Count() < FRowCount) {
        Reload();
        return;
    }
    if (FList.Count() == FRowCount)
        return;
    beginInsertRows({}, FRowCount, FList.Count() - 1);
    FRowCount = FList.Count();
    endInsertRows();
}

int TResultModel::MoveUp(int row) {
    if (row <= 0 || row >= FRowCount)
        return -1;
    beginMoveRows({}, row, row, {}, row - 1);
    MovePositionUp(FList, row);
    endMoveRows();
    AllRowsChanged();
    return row - 1;
}

int TResultModel::MoveDown(int row) {
    if (row < 0 || row + 1 >= FRowCount)
        return -1;
    // Qt names the destination as the row the moved one goes before.
    beginMoveRows({}, row, row, {}, row + 2);
    MovePositionDown(FList, row);
    endMoveRows();
    AllRowsChanged();
    return row + 1;
}

int TResultModel::Delete(int row) {
    if (row < 0 || row >= FRowCount)
        return -1;
    // The rows around it change only once the view knows the row is gone.
    const int removedHour = FList.Position(row).Hour;
    beginRemoveRows({}, row, row);
    FList.RemoveRow(row);
    FRowCount = FList.Count();
    endRemoveRows();
    const int focus = ClosePositionGap(FList, row, removedHour);
    AllRowsChanged();
    return focus;
}

int TResultModel::InsertAfter(int after, std::unique_ptr<TResultSongData> position) {
    if (!position || after < -1 || after >= FRowCount || (after == -1 && FRowCount > 0))
        return -1;
    beginInsertRows({}, after + 1, after + 1);
    const int row = PutPositionAfter(FList, after, std::move(position));
    FRowCount = FList.Count();
    endInsertRows();
    ChainInsertedPosition(FList, row);
    AllRowsChanged();
    return row;
}

int TResultModel::Edit(int row, const TPositionEdit& edit) {
    if (!ApplyPositionEdit(FList, row, edit))
        return -1;
    AllRowsChanged();
    return row;
}

void TResultModel::AllRowsChanged() {
    if (FRowCount > 0)
        emit dataChanged(index(0, 0), index(FRowCount - 1, rcColumnCount - 1));
}
