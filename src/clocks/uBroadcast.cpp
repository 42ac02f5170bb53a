#include "clocks/uBroadcastList.h"
#include "clocks/uClockObjList.h"
#include "clocks/uClockXml.h"
#include "foundation/HTMLParser.h"
#include "foundation/uArUtils.h"
#include "foundation/uXmlEscape.h"

#include <cstdlib>

namespace {

const QString kItemElement = QStringLiteral("bObj");
const QString kHour = QStringLiteral("hour");
const QString kBegin = QStringLiteral("begin");
const QString kEnd = QStringLiteral("end");
const QString kExactEnd = QStringLiteral("exactEnd");
const QString kObjType = QStringLiteral("objType");
const QString kUserInfo = QStringLiteral("UserInfo");

TDateTime TimeFromSeconds(const TTagNode& node, const QString& name) {
    return SecondsToDateTime(IntAttr(node, name, SecsPerDay));
}

// Only broadcast items make sense in a broadcast: other kinds have no hour to lay them out by.
std::unique_ptr<TBroadcastItem> BroadcastItemFromNode(const TTagNode& node) {
    if (IntAttr(node, kObjType, -1) != otBroadcastItem)
        return nullptr;
    auto item = std::make_unique<TBroadcastItem>();
    LoadBroadcastItemFromNode(*item, node);
    return item;
}

} // namespace

// --- TBroadcast

TBroadcast::TBroadcast() {
    InitObjType();
}

TBroadcast::~TBroadcast() = default;

QString TBroadcast::GetName() const {
    if (!IsPinned())
        return ObjName();
    return QStringLiteral("%1 (%2 - %3)")
        .arg(ObjName(), FormatDurationHMS(BeginSeconds()), FormatDurationHMS(EndSeconds()));
}

int TBroadcast::GetPlayTime() const {
    // Whole seconds of each end first: a difference of two day fractions can fall a hair short
    // of the whole second it stands for.
    return IsPinned() ? std::abs(EndSeconds() - BeginSeconds()) : FLength;
}

void TBroadcast::SetName(const QString& name) {
    if (name == ObjName())
        return;
    TBaseClockObject::SetName(name);
    if (auto* list = dynamic_cast<TBroadcastList*>(Owner))
        list->NotifyListeners(nkChanged, this);
}

void TBroadcast::LoadFromNode(const TTagNode& node) {
    TBaseClockObject::LoadFromNode(node);
    ClearItems();
    TTagNodeList elements;
    FindAll(&node, kItemElement, elements);
    for (const TTagNode* element : elements)
        if (std::unique_ptr<TBroadcastItem> item = BroadcastItemFromNode(*element))
            AddItem(std::move(item), element->GetAttr(kHour));
    BeginTime = TimeFromSeconds(node, kBegin);
    EndTime = TimeFromSeconds(node, kEnd);
    ExactEnd = BoolAttr(node, kExactEnd, ExactEnd);
    RecalcLength();
}

void TBroadcast::SaveToNode(TTagNode& node) const {
    TBaseClockObject::SaveToNode(node);
    for (const TEntry& entry : FItems)
        SaveBroadcastItemToNode(*entry.Item, AddElement(node, kItemElement));
    SetIntAttr(node, kBegin, BeginSeconds());
    SetIntAttr(node, kEnd, EndSeconds());
    SetBoolAttr(node, kExactEnd, ExactEnd);
}

void TBroadcast::Assign(const TBaseClockObject& source) {
    CopyBroadcast(source, true);
}

void TBroadcast::CopyBroadcast(const TBaseClockObject& source, bool fillFromMaster) {
    if (&source == this)
        return;
    TBaseClockObject::Assign(source);
    ClearItems();
    const auto* from = dynamic_cast<const TBroadcast*>(&source);
    if (from != nullptr) {
        for (const TEntry& entry : from->FItems) {
            auto item = std::make_unique<TBroadcastItem>();
            item->Assign(*entry.Item);
            if (const TBaseClockObject* master =
                    CategoryList ? CategoryList->FindById(item->MasterId()) : nullptr) {
                item->SetName(master->ObjName());
                if (fillFromMaster)
                    for (int kind = 0; kind < CharKindCount; ++kind)
                        if (item->Properties.Array(kind).empty())
                            item->Properties.Array(kind) = master->Properties.Array(kind);
            }
            item->Broadcast = this;
            FItems.push_back({entry.Key, std::move(item)});
        }
        BeginTime = from->BeginTime;
        EndTime = from->EndTime;
        ExactEnd = from->ExactEnd;
    }
    FLength = source.GetPlayTime();
}

TBroadcastItem* TBroadcast::ItemAt(int index) const {
    return index >= 0 && index < ItemCount() ? FItems[index].Item.get() : nullptr;
}

QString TBroadcast::ItemKey(int index) const {
    return index >= 0 && index < ItemCount() ? FItems[index].Key : QString();
}

TBroadcastItem* TBroadcast::AddItem(std::unique_ptr<TBroadcastItem> item, const QString& key) {
    if (!item)
        return nullptr;
    TBroadcastItem* added = item.get();
    FItems.push_back({key, std::move(item)});
    RecalcLength();
    return added;
}

void TBroadcast::ClearItems() {
    FItems.clear();
    RecalcLength();
}

void TBroadcast::RecalcLength() {
    if (FItems.empty()) {
        FLength = 0;
        return;
    }
    const TBroadcastItem& first = *FItems.front().Item;
    const TBroadcastItem& last = *FItems.back().Item;
    FLength = last.Hour + last.GetPlayTime() - first.Hour;
}

// --- Completeness and the item form

bool IsComplete(const TBroadcast* broadcast) {
    if (broadcast == nullptr || broadcast->ItemCount() == 0 || !CategoryList)
        return false;
    for (int i = 0; i < broadcast->ItemCount(); ++i)
        if (CategoryList->FindById(broadcast->ItemAt(i)->MasterId()) == nullptr)
            return false;
    return true;
}

void SaveBroadcastItemToNode(const TBroadcastItem& item, TTagNode& node) {
    item.SaveToNode(node);
    node.SetAttr(kUserInfo, XmlEscape(item.UserInfo));
}

void LoadBroadcastItemFromNode(TBroadcastItem& item, const TTagNode& node) {
    item.LoadFromNode(node);
    item.UserInfo = XmlUnescape(node.GetAttr(kUserInfo));
}
