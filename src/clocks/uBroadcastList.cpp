#include "clocks/uBroadcastList.h"

#include "clocks/uClockXml.h"
#include "foundation/HTMLParser.h"
#include "foundation/uAppPaths.h"
#include "foundation/uMsgLog.h"
#include "settings/uArIdList.h"

#include <QFileInfo>
#include <algorithm>
#include <climits>

namespace {

const QString kRoot = QStringLiteral("BrList");

const QString kLoadError = QStringLiteral("Błąd podczas ładowania audycji: %1");
const QString kSaveError = QStringLiteral("Błąd podczas zapisywania audycji: %1");

bool KeyLess(int a, int b) {
    return TIdText(a).View() < TIdText(b).View();
}

} // namespace

TBroadcastList::~TBroadcastList() = default;

// --- The file

void TBroadcastList::LoadBroadcasts() {
    FModified = false;
    const QString path = AppFilePath(BroadcastListFileName);
    if (!QFileInfo::exists(path))
        return;
    // After a failed read the list stays in the order it was read in.
    if (ReadFile(path))
        SortByKey();
    FModified = false;
}

bool TBroadcastList::ReadFile(const QString& path) {
    THTMLParser parser;
    QString failure;
    const bool whole = LoadTreeDocument(parser, path, kRoot, failure);
    if (!whole)
        LogMessage(msBroadcastList, TLogLevel::Error, kLoadError.arg(failure));
    // The broadcasts before a damage are still taken; the file is written again only after a
    // change the user made (the list is not marked modified by loading).
    const TTagNode* root = FindChild(parser.Root(), kRoot);
    if (root == nullptr)
        return whole;
    // A counter below the broadcast ids would hand out ids that clocks look up in the category
    // list.
    FLastId = std::max(IntAttr(*root, kListLastIdAttr, BroadcastIdBase), BroadcastIdBase);
    TTagNodeList elements;
    FindAll(root, kListObjElement, elements);
    for (const TTagNode* element : elements) {
        auto broadcast = std::make_unique<TBroadcast>();
        broadcast->LoadFromNode(*element);
        if (TBroadcast* added = Insert(std::move(broadcast)))
            added->Owner = this;
    }
    // Also past the broadcasts the list held before, so a new one never takes a used id.
    for (const TEntry& entry : FEntries)
        FLastId = std::max(FLastId, entry.Id);
    return whole;
}

void TBroadcastList::SortByKey() {
    std::stable_sort(FEntries.begin(), FEntries.end(),
                     [](const TEntry& a, const TEntry& b) { return KeyLess(a.Id, b.Id); });
    FSorted = true;
}

bool TBroadcastList::SaveBroadcasts() {
    if (!FModified)
        return true;
    const TObjListFile file{BroadcastListFileName, kRoot, msBroadcastList, kSaveError};
    const bool saved = SaveObjListFile(
        file, FLastId, static_cast<int>(FEntries.size()),
        [this](int index, TTagNode& element) { FEntries[index].Broadcast->SaveToNode(element); });
    // A failed save is not tried again at exit.
    FModified = false;
    return saved;
}

// --- Adding and removing

TBroadcast* TBroadcastList::AddBroadcast(std::unique_ptr<TBroadcast> broadcast) {
    if (!broadcast)
        return nullptr;
    broadcast->Id = NextBroadcastId();
    TBroadcast* added = Insert(std::move(broadcast));
    if (added == nullptr)
        return nullptr;
    NotifyListeners(nkAdded, added);
    added->Owner = this;
    FModified = true;
    return added;
}

int TBroadcastList::NextBroadcastId() {
    // At the top of the range the id repeats, and the list refuses to take it twice.
    if (FLastId < INT_MAX)
        ++FLastId;
    return FLastId;
}

void TBroadcastList::DeleteBroadcast(int id) {
    TBroadcast* broadcast = FindBroadcast(id);
    if (broadcast == nullptr)
        return;
    NotifyListeners(nkDeleted, broadcast);
    // Looked up again: a listener may have changed the list while it was told.
    const auto it = std::find_if(FEntries.begin(), FEntries.end(), [broadcast](const TEntry& e) {
        return e.Broadcast.get() == broadcast;
    });
    if (it == FEntries.end())
        return;
    const std::unique_ptr<TBroadcast> doomed = std::move(it->Broadcast);
    FEntries.erase(it);
    FModified = true;
}

TBroadcast* TBroadcastList::Insert(std::unique_ptr<TBroadcast> broadcast) {
    const int id = broadcast->Id;
    if (IndexOfId(id) >= 0)
        return nullptr;
    auto pos = FEntries.end();
    if (FSorted)
        pos = std::lower_bound(FEntries.begin(), FEntries.end(), id,
                               [](const TEntry& entry, int key) { return KeyLess(entry.Id, key); });
    TBroadcast* inserted = broadcast.get();
    FEntries.insert(pos, TEntry{id, std::move(broadcast)});
    return inserted;
}

// --- Lookups

TBroadcast* TBroadcastList::BroadcastAt(int index) const {
    return index >= 0 && index < BroadcastCount() ? FEntries[index].Broadcast.get() : nullptr;
}

int TBroadcastList::IndexOfId(int id) const {
    const auto it = std::find_if(FEntries.begin(), FEntries.end(),
                                 [id](const TEntry& entry) { return entry.Id == id; });
    return it == FEntries.end() ? -1 : static_cast<int>(it - FEntries.begin());
}

TBroadcast* TBroadcastList::FindBroadcast(int id) const {
    return BroadcastAt(IndexOfId(id));
}

// --- The process-wide list

void CreateBroadcastList() {
    if (!BroadcastList)
        BroadcastList = std::make_unique<TBroadcastList>();
    BroadcastList->LoadBroadcasts();
}

void FreeBroadcastList() {
    if (!BroadcastList)
        return;
    BroadcastList->SaveBroadcasts();
    BroadcastList.reset();
}
