#include "clocks/uClock.h"

#include "clocks/uBroadcastList.h"
#include "clocks/uClockMessages.h"
#include "clocks/uClockObjList.h"
#include "foundation/uArUtils.h"
#include "foundation/uPrompt.h"
#include "library/uDBCollation.h"

#include <algorithm>

namespace {

QString HourText(int seconds) {
    return FormatDurationHMS(seconds);
}

const TBroadcast* BroadcastOf(const TClockObjData& row) {
    return dynamic_cast<const TBroadcast*>(row.Object());
}

// A broadcast keeps to its own begin in a clock once it has one.
bool IsPinnedBroadcastRow(const TClockObjData& row) {
    const TBroadcast* broadcast = BroadcastOf(row);
    return broadcast != nullptr && broadcast->HasBegin();
}

} // namespace

// --- Fixed starts

std::optional<int> FixedStartBefore(const TClockRows& rows, int index) {
    for (int i = std::min(index, static_cast<int>(rows.size())) - 1; i >= 0; --i) {
        const TClockObjData& row = *rows[i];
        for (auto child = row.Children.rbegin(); child != row.Children.rend(); ++child)
            if ((*child)->OwnHour())
                return (*child)->RowHour;
        if (row.OwnHour() || i == 0)
            return row.RowHour;
    }
    return std::nullopt;
}

std::optional<int> FixedStartFrom(const TClockRows& rows, int index) {
    for (int i = std::max(index, 0); i < static_cast<int>(rows.size()); ++i) {
        const TClockObjData& row = *rows[i];
        if (row.OwnHour())
            return row.RowHour;
        for (const auto& child : row.Children)
            if (child->OwnHour())
                return child->RowHour;
    }
    return std::nullopt;
}

// --- Life and rows

TClock::TClock(TClockMode mode) : FMode(mode) {
    if (CategoryList)
        CategoryList->AddListener(this);
    if (BroadcastList)
        BroadcastList->AddListener(this);
}

TClock::~TClock() {
    if (CategoryList)
        CategoryList->RemoveListener(this);
    if (BroadcastList)
        BroadcastList->RemoveListener(this);
}

void TClock::SetName(const QString& name) {
    FName = name.left(MaxClockNameLength);
}

TClockObjData* TClock::Row(int index) const {
    return index >= 0 && index < RowCount() ? FRows[index].get() : nullptr;
}

TClockRows& TClock::SiblingsOf(const TClockObjData* row) {
    return row != nullptr && row->Parent != nullptr ? row->Parent->Children : FRows;
}

const TClockRows& TClock::SiblingsOf(const TClockObjData* row) const {
    return const_cast<TClock*>(this)->SiblingsOf(row);
}

int TClock::IndexOfRow(const TClockObjData* row) const {
    if (row == nullptr)
        return -1;
    const TClockRows& rows = SiblingsOf(row);
    const auto it = std::find_if(rows.begin(), rows.end(),
                                 [row](const auto& entry) { return entry.get() == row; });
    return it == rows.end() ? -1 : static_cast<int>(it - rows.begin());
}

TClockObjData* TClock::PreviousRow(const TClockObjData* row) const {
    const int index = IndexOfRow(row);
    return index > 0 ? SiblingsOf(row)[index - 1].get() : nullptr;
}

TClockObjData* TClock::NextRow(const TClockObjData* row) const {
    const int index = IndexOfRow(row);
    const TClockRows& rows = SiblingsOf(row);
    return index >= 0 && index + 1 < static_cast<int>(rows.size()) ? rows[index + 1].get()
                                                                   : nullptr;
}

TClockObjData* TClock::AddRow(TClockRows& rows, int index, TClockObjData* parent) {
    auto row = std::make_unique<TClockObjData>();
    row->Parent = parent;
    row->SetPlayTime(0);
    TClockObjData* added = row.get();
    rows.insert(rows.begin() + std::clamp(index, 0, static_cast<int>(rows.size())), std::move(row));
    return added;
}

int TClock::LevelStart(const TClockObjData& row) {
    return row.Parent != nullptr ? row.Parent->RowHour : 0;
}

void TClock::ClearClock() {
    FRows.clear();
    ShowTotals();
}

// --- Start hours

void TClock::SetStart(TClockObjData& row, int hour) {
    row.RowHour = hour;
    if (row.Children.empty())
        return;
    TClockObjData& first = *row.Children.front();
    first.RowHour = hour;
    RecalcHours(&first);
}

void TClock::RecalcHours(TClockObjData* row) {
    const int index = IndexOfRow(row);
    if (index < 0)
        return;
    TClockRows& rows = SiblingsOf(row);
    for (std::size_t i = index + 1; i < rows.size(); ++i) {
        if (rows[i]->OwnHour())
            break;
        SetStart(*rows[i], rows[i - 1]->EndHour());
    }
}

void TClock::RecalcFrom(TClockObjData* row) {
    RecalcHours(row);
    AfterHoursChanged();
}

void TClock::AfterHoursChanged() {
    // An end the user set loses its hold once the begin has moved past it.
    if (FBroadcastEnd && FBroadcastBegin && *FBroadcastEnd < *FBroadcastBegin)
        FBroadcastEnd.reset();
    ShowTotals();
}

void TClock::ShowTotals() const {
    if (OnShowTotals)
        OnShowTotals();
}

void TClock::Touch() {
    Modified = true;
    ShowTotals();
}

int TClock::ClockTotalTime() const {
    if (FRows.empty())
        return 0;
    return FRows.back()->EndHour() - FRows.front()->RowHour;
}

// --- Inserting

TClockObjData* TClock::InsertObjects(const TBaseClockObject& object, TClockObjData* target,
                                     TInsertPosition position) {
    // Rows are dropped between top-level rows only, never among a broadcast's items.
    if (target != nullptr && (target->Parent != nullptr || IndexOfRow(target) < 0))
        return nullptr;
    const auto* broadcast = dynamic_cast<const TBroadcast*>(&object);
    if (broadcast != nullptr && FMode == cmBroadcast)
        return nullptr;
    const int index =
        target == nullptr ? RowCount() : IndexOfRow(target) + (position == ipAfter ? 1 : 0);
    if (broadcast != nullptr && !CanPlaceBroadcast(*broadcast, index))
        return nullptr;
    std::unique_ptr<TBaseClockObject> copy = MakeClockCopy(object);
    if (!copy)
        return nullptr;

    TClockObjData* row = AddRow(FRows, index, nullptr);
    const int kind = copy->ObjType();
    InitRow(*row, kind, std::move(copy));
    PlaceNewRow(*row, index);
    RecalcHours(row);
    if (broadcast != nullptr)
        AddBroadcastChildren(*row);
    AfterHoursChanged();
    Touch();
    return row;
}

// The anchors are the fixed rows around the drop position: a pinned broadcast must begin after
// the one before and end by the one after.
bool TClock::CanPlaceBroadcast(const TBroadcast& broadcast, int index) const {
    if (!IsComplete(&broadcast)) {
        ShowError(BroadcastIncompleteText);
        return false;
    }
    if (!broadcast.HasBegin())
        return true;
    const int begin = broadcast.BeginSeconds();
    if (const std::optional<int> before = FixedStartBefore(FRows, index);
        before && begin <= *before) {
        ShowError(ClockHourNotLaterText.arg(HourText(begin), HourText(*before)));
        return false;
    }
    if (const std::optional<int> after = FixedStartFrom(FRows, index);
        after && broadcast.EndSeconds() - 1 >= *after) {
        ShowError(BroadcastDoesNotFitText.arg(HourText(broadcast.GetPlayTime()), HourText(*after)));
        return false;
    }
    return true;
}

void TClock::PlaceNewRow(TClockObjData& row, int index) {
    const TBroadcast* broadcast = BroadcastOf(row);
    const TClockObjData* previous = index > 0 ? FRows[index - 1].get() : nullptr;
    const auto fixAt = [&row](int hour) {
        row.SetOwnHour(true);
        row.RowHour = hour;
    };
    if (broadcast != nullptr && (previous == nullptr || broadcast->HasBegin())) {
        fixAt(broadcast->HasBegin() ? broadcast->BeginSeconds() : 0);
        return;
    }
    if (previous != nullptr) {
        const TBroadcast* before = BroadcastOf(*previous);
        if (before != nullptr && before->HasEnd())
            fixAt(before->EndSeconds());
        else
            row.RowHour = previous->EndHour();
        return;
    }
    if (FMode == cmBroadcast && FBroadcastBegin)
        fixAt(*FBroadcastBegin);
}

void TClock::AddBroadcastChildren(TClockObjData& row) {
    auto& broadcast = static_cast<TBroadcast&>(*row.RowObject);
    int start = row.RowHour;
    for (int i = 0; i < broadcast.ItemCount(); ++i) {
        const TBroadcastItem& item = *broadcast.ItemAt(i);
        std::unique_ptr<TBaseClockObject> copy = MakeClockCopy(item);
        static_cast<TBroadcastItem&>(*copy).Broadcast = &broadcast;
        TClockObjData* child = AddRow(row.Children, i, &row);
        InitRow(*child, item.MstType, std::move(copy));
        child->SetOwnHour(item.OwnHour || (i == 0 && row.OwnHour()));
        child->RowHour = child->OwnHour() && broadcast.HasBegin() ? item.Hour : start;
        start = child->EndHour();
    }
}

// --- Deleting and moving

bool TClock::DeleteRow(TClockObjData* row) {
    const int index = IndexOfRow(row);
    if (index < 0 || row->Parent != nullptr)
        return false;
    if (!AskYesNo(ConfirmRowDeleteText))
        return false;
    FRows.erase(FRows.begin() + index);
    if (TClockObjData* from = index > 0 ? Row(index - 1) : Row(index))
        RecalcHours(from);
    AfterHoursChanged();
    Touch();
    return true;
}

bool TClock::MoveRowUp(TClockObjData* row) {
    const int index = IndexOfRow(row);
    if (index < 1)
        return false;
    TClockRows& rows = SiblingsOf(row);
    TClockObjData& a = *row;
    TClockObjData& b = *rows[index - 1];
    if (a.OwnHour()) {
        if (b.OwnHour()) {
            ShowError(
                RowCannotMoveText.arg(HourText(a.RowHour), MoveBeforeWord, HourText(b.RowHour)));
            return false;
        }
        SetStart(b, a.EndHour());
    } else {
        SetStart(a, index >= 2 ? rows[index - 2]->EndHour() : LevelStart(a));
        // A fixed first row at midnight is only where every clock starts anyway.
        const bool bKeepsStart =
            b.OwnHour() && !(b.RowHour == LevelStart(b) && !IsPinnedBroadcastRow(b));
        if (!bKeepsStart) {
            b.SetOwnHour(false);
            SetStart(b, a.EndHour());
        }
    }
    std::swap(rows[index], rows[index - 1]);
    RecalcHours(&b);
    AfterHoursChanged();
    Touch();
    return true;
}

bool TClock::MoveRowDown(TClockObjData* row) {
    const int index = IndexOfRow(row);
    TClockRows& rows = SiblingsOf(row);
    if (index < 0 || index + 1 >= static_cast<int>(rows.size()))
        return false;
    TClockObjData& a = *row;
    TClockObjData& b = *rows[index + 1];
    if (a.OwnHour()) {
        if (b.OwnHour()) {
            ShowError(
                RowCannotMoveText.arg(HourText(a.RowHour), MoveAfterWord, HourText(b.RowHour)));
            return false;
        }
        std::swap(rows[index], rows[index + 1]);
        if (index == 0)
            SetStart(b, LevelStart(b));
        else
            RecalcHours(rows[index - 1].get());
    } else {
        if (!b.OwnHour())
            SetStart(b, index > 0 ? rows[index - 1]->EndHour() : a.RowHour);
        SetStart(a, b.EndHour());
        std::swap(rows[index], rows[index + 1]);
    }
    // The rows after the moved one follow it up to the next fixed row; a fixed row there keeps
    // its hour.
    RecalcHours(&a);
    AfterHoursChanged();
    Touch();
    return true;
}

// --- Available objects

std::vector<TBaseClockObject*> TClock::AvailableObjects() const {
    // In Polish alphabetical order, as the director reads names ("Łagodne" after "Lata 90.").
    const auto byName = [](const TBaseClockObject* x, const TBaseClockObject* y) {
        return ComparePolishTexts(x->GetName(), y->GetName()) < 0;
    };
    std::vector<TBaseClockObject*> broadcasts;
    if (FMode != cmBroadcast && BroadcastList)
        for (int i = 0; i < BroadcastList->BroadcastCount(); ++i)
            broadcasts.push_back(BroadcastList->BroadcastAt(i));
    std::vector<TBaseClockObject*> others;
    if (CategoryList)
        for (int i = 0; i < CategoryList->Count(); ++i) {
            TBaseClockObject* object = CategoryList->ObjectAt(i);
            if (std::find(SelectableObjKinds.begin(), SelectableObjKinds.end(),
                          object->ObjType()) != SelectableObjKinds.end())
                others.push_back(object);
        }
    std::stable_sort(broadcasts.begin(), broadcasts.end(), byName);
    std::stable_sort(others.begin(), others.end(), byName);
    broadcasts.insert(broadcasts.end(), others.begin(), others.end());
    return broadcasts;
}
