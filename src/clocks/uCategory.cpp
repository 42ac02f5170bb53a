#include "clocks/uCategory.h"

#include "clocks/uClockObjList.h"
#include "clocks/uClockXml.h"
#include "foundation/HTMLParser.h"
#include "foundation/uXmlEscape.h"
#include "settings/uSettings.h"

#include <algorithm>

namespace {

// The options' own value; used only while the settings are not up (tools, tests).
constexpr int kOptionsDefaultPlayTime = 210;

const QString kObjType = QStringLiteral("objType");
const QString kObjName = QStringLiteral("objName");
const QString kExTime = QStringLiteral("exTime");
const QString kId = QStringLiteral("id");
const QString kSCat = QStringLiteral("sCat");
const QString kRest = QStringLiteral("rest");
const QString kHPrior = QStringLiteral("hprior");
const QString kUExTime = QStringLiteral("uexTime");
const QString kSepEnb = QStringLiteral("sepEnb");
const QString kPred = QStringLiteral("pred");
const QString kUserInfo = QStringLiteral("UserInfo");
const QString kPlayTime = QStringLiteral("playTime");
const QString kProp = QStringLiteral("prop");
const QString kRepList = QStringLiteral("repList");
const QString kRndList = QStringLiteral("rndList");
const QString kItem = QStringLiteral("Item");
const QString kSongId = QStringLiteral("songId");
const QString kInfo = QStringLiteral("info");
const QString kMasterId = QStringLiteral("masterId");
const QString kHour = QStringLiteral("hour");
const QString kOwnHour = QStringLiteral("ownHour");
const QString kOwnTime = QStringLiteral("ownTime");
const QString kMstType = QStringLiteral("mstType");

// Byte fields keep the low 8 bits of a larger number, as they always have.
quint8 ByteAttr(const TTagNode& node, const QString& name, int def) {
    return static_cast<quint8>(IntAttr(node, name, def));
}

} // namespace

int DefaultObjPlayTime() {
    return Options ? Options->DefaultPlayTime() : kOptionsDefaultPlayTime;
}

// --- TBaseClockObject

TBaseClockObject::~TBaseClockObject() {
    // The items outlive their master only as numbers.
    for (TBroadcastItem* item : FListeners)
        item->FMaster = nullptr;
}

QString TBaseClockObject::GetName() const {
    return FObjName;
}

void TBaseClockObject::SetName(const QString& name) {
    Store(FObjName, name);
}

void TBaseClockObject::SetExTime(bool value) {
    Store(FExTime, value);
}

void TBaseClockObject::SetSCat(quint8 value) {
    Store(FSCat, value);
}

void TBaseClockObject::SetRest(bool value) {
    Store(FRest, value);
}

void TBaseClockObject::SetHPrior(bool value) {
    Store(FHPrior, value);
}

void TBaseClockObject::SetSepEnb(quint8 value) {
    Store(FSepEnb, value);
}

void TBaseClockObject::Changed() {
    if (auto* list = dynamic_cast<TClockObjList*>(Owner))
        list->NotifyListeners(nkChanged, this);
}

void TBaseClockObject::UpdateListeners() {
    // A copy: an item may be destroyed by a window that hears of its change.
    const std::vector<TBroadcastItem*> items = FListeners;
    for (TBroadcastItem* item : items)
        if (std::find(FListeners.begin(), FListeners.end(), item) != FListeners.end())
            item->MasterChanged(*this);
}

void TBaseClockObject::LoadFromNode(const TTagNode& node) {
    Id = IntAttr(node, kId, -1);
    FObjName = XmlUnescape(node.GetAttr(kObjName));
    FExTime = BoolAttr(node, kExTime, FExTime);
    FSCat = ByteAttr(node, kSCat, FSCat);
    FRest = BoolAttr(node, kRest, FRest);
    FHPrior = BoolAttr(node, kHPrior, FHPrior);
    UExTime = BoolAttr(node, kUExTime, UExTime);
    FSepEnb = ByteAttr(node, kSepEnb, smDefault);
    Pred = BoolAttr(node, kPred, false);
    UserInfo = node.GetAttr(kUserInfo);
}

void TBaseClockObject::SaveToNode(TTagNode& node) const {
    SetIntAttr(node, kObjType, FObjType);
    node.SetAttr(kObjName, XmlEscape(FObjName));
    SetBoolAttr(node, kExTime, FExTime);
    SetIntAttr(node, kId, Id);
    SetIntAttr(node, kSCat, FSCat);
    SetBoolAttr(node, kRest, FRest);
    SetBoolAttr(node, kHPrior, FHPrior);
    SetBoolAttr(node, kUExTime, UExTime);
    SetIntAttr(node, kSepEnb, FSepEnb);
    if (Pred)
        SetBoolAttr(node, kPred, true);
    node.SetAttr(kUserInfo, UserInfo); // an empty text is not written
}

void TBaseClockObject::Assign(const TBaseClockObject& source) {
    Id = source.Id;
    FExTime = source.FExTime;
    FObjName = source.FObjName;
    FSCat = source.FSCat;
    Properties = source.Properties;
    FRest = source.FRest;
    FHPrior = source.FHPrior;
    FSepEnb = source.FSepEnb;
    Pred = source.Pred;
    UserInfo = source.UserInfo;
}

// --- TTimedClockObject

void TTimedClockObject::SavePlayTime(TTagNode& node) const {
    SetIntAttr(node, kPlayTime, FPlayTime);
}

void TTimedClockObject::LoadPlayTime(const TTagNode& node, int def) {
    FPlayTime = IntAttr(node, kPlayTime, def);
}

// --- TCategory

void TCategory::LoadFromNode(const TTagNode& node) {
    TTimedClockObject::LoadFromNode(node);
    LoadPlayTime(node, DefaultObjPlayTime());
    if (const TTagNode* prop = FindChild(&node, kProp))
        Properties.LoadFromNode(*prop);
}

void TCategory::SaveToNode(TTagNode& node) const {
    TTimedClockObject::SaveToNode(node);
    SavePlayTime(node);
    Properties.SaveToNode(AddElement(node, kProp));
}

void TCategory::Assign(const TBaseClockObject& source) {
    TTimedClockObject::Assign(source);
    AssignPlayTime(source);
}

// --- TDetailPlayList

void TDetailPlayList::AddSong(int songId) {
    if (songId != -1)
        FSongs.push_back(songId);
}

void TDetailPlayList::SetRepList(bool value) {
    Store(FRepList, value);
}

void TDetailPlayList::SetRndList(bool value) {
    Store(FRndList, value);
}

void TDetailPlayList::LoadFromNode(const TTagNode& node) {
    TTimedClockObject::LoadFromNode(node);
    LoadPlayTime(node, DefaultObjPlayTime());
    FRepList = BoolAttr(node, kRepList, true);
    FRndList = BoolAttr(node, kRndList, false);
    ClearSongs();
    TTagNodeList items;
    FindAll(&node, kItem, items);
    for (const TTagNode* item : items)
        AddSong(IntAttr(*item, kSongId, -1));
}

void TDetailPlayList::SaveToNode(TTagNode& node) const {
    TTimedClockObject::SaveToNode(node);
    SavePlayTime(node);
    SetBoolAttr(node, kRepList, FRepList);
    SetBoolAttr(node, kRndList, FRndList);
    for (int songId : FSongs)
        SetIntAttr(AddElement(node, kItem), kSongId, songId);
}

void TDetailPlayList::Assign(const TBaseClockObject& source) {
    TTimedClockObject::Assign(source);
    if (const auto* list = dynamic_cast<const TDetailPlayList*>(&source)) {
        FSongs = list->FSongs;
        FRndList = list->FRndList;
        FRepList = list->FRepList;
    }
    AssignPlayTime(source);
}

// --- TBlankCategory

TBlankCategory::TBlankCategory() {
    InitObjType();
    SetExTime(true);
}

void TBlankCategory::LoadFromNode(const TTagNode& node) {
    TTimedClockObject::LoadFromNode(node);
    LoadPlayTime(node, GetPlayTime());
    Info = XmlUnescape(node.GetAttr(kInfo));
}

void TBlankCategory::SaveToNode(TTagNode& node) const {
    TTimedClockObject::SaveToNode(node);
    SavePlayTime(node);
    node.SetAttr(kInfo, XmlEscape(Info));
}

void TBlankCategory::Assign(const TBaseClockObject& source) {
    TTimedClockObject::Assign(source);
    AssignPlayTime(source);
    if (const auto* blank = dynamic_cast<const TBlankCategory*>(&source))
        Info = blank->Info;
}

// --- TBroadcastItem

TBroadcastItem::TBroadcastItem() {
    InitObjType();
    Id = -1;
    MstType = otBroadcastItem;
}

TBroadcastItem::~TBroadcastItem() {
    LeaveMaster();
}

void TBroadcastItem::LeaveMaster() {
    if (FMaster == nullptr)
        return;
    auto& items = FMaster->FListeners;
    items.erase(std::remove(items.begin(), items.end(), this), items.end());
    FMaster = nullptr;
}

void TBroadcastItem::SetMasterId(int id) {
    if (id == FMasterId)
        return;
    LeaveMaster();
    FMasterId = id;
    if (TBaseClockObject* master = CategoryList ? CategoryList->FindById(id) : nullptr) {
        master->FListeners.push_back(this);
        FMaster = master;
    }
}

void TBroadcastItem::StoreMasterId(int id) {
    LeaveMaster();
    FMasterId = id;
}

void TBroadcastItem::MasterChanged(const TBaseClockObject& master) {
    if (!OwnTime)
        FPlayTime = master.GetPlayTime();
    MstType = master.ObjType();
    SetName(master.ObjName());
}

void TBroadcastItem::LoadFromNode(const TTagNode& node) {
    TBaseClockObject::LoadFromNode(node);
    OwnTime = BoolAttr(node, kOwnTime, false);
    StoreMasterId(IntAttr(node, kMasterId, -1));
    FPlayTime = IntAttr(node, kPlayTime, -1);
    Hour = IntAttr(node, kHour, -1);
    OwnHour = BoolAttr(node, kOwnHour, false);
    MstType = IntAttr(node, kMstType, otBroadcastItem);
    Properties.LoadFromNode(node);
}

void TBroadcastItem::SaveToNode(TTagNode& node) const {
    TBaseClockObject::SaveToNode(node);
    SetIntAttr(node, kMasterId, FMasterId);
    SetIntAttr(node, kPlayTime, FPlayTime);
    SetIntAttr(node, kHour, Hour);
    SetBoolAttr(node, kOwnHour, OwnHour);
    SetBoolAttr(node, kOwnTime, OwnTime);
    SetIntAttr(node, kMstType, MstType);
    Properties.SaveToNode(node);
}

void TBroadcastItem::Assign(const TBaseClockObject& source) {
    TBaseClockObject::Assign(source);
    if (const auto* item = dynamic_cast<const TBroadcastItem*>(&source)) {
        MstType = item->MstType;
        Hour = item->Hour;
        OwnHour = item->OwnHour;
        OwnTime = item->OwnTime;
        SetPlayTime(item->GetPlayTime());
        StoreMasterId(item->FMasterId);
    }
}

// --- Factories

std::unique_ptr<TBaseClockObject> CreateClockObject(int kind) {
    switch (kind) {
    case otCategory:
        return std::make_unique<TCategory>();
    case otPlayList:
        return std::make_unique<TDetailPlayList>();
    case otBlank:
        return std::make_unique<TBlankCategory>();
    case otBroadcastItem:
        return std::make_unique<TBroadcastItem>();
    default:
        return nullptr;
    }
}

std::unique_ptr<TBaseClockObject> CreateClockObjectFromNode(const TTagNode& node) {
    std::unique_ptr<TBaseClockObject> object = CreateClockObject(IntAttr(node, kObjType, -1));
    if (object)
        object->LoadFromNode(node);
    return object;
}
