#include "clocks/uClockObjList.h"

#include "clocks/uClockXml.h"
#include "foundation/HTMLParser.h"
#include "foundation/uAppPaths.h"
#include "foundation/uMsgLog.h"
#include "settings/uArIdList.h"

#include <QFileInfo>
#include <algorithm>

namespace {

const QString kRoot = QStringLiteral("CatList");

const QString kLoadError = QStringLiteral("Błąd podczas ładowania kategorii: %1");
const QString kSaveError = QStringLiteral("Błąd podczas zapisywania kategorii: %1");
const QString kIdsUsedUp = QStringLiteral("Nie można dodać kategorii \"%1\". Wykorzystano już "
                                          "wszystkie numery kategorii (od 0 do %2).");

// The song category of the advertisement blank.
constexpr quint8 kAdvertSCat = 3;

} // namespace

TClockObjList::~TClockObjList() = default;

// --- The file

void TClockObjList::LoadCategories() {
    FModified = false;
    const QString path = AppFilePath(CategoryListFileName);
    if (!QFileInfo::exists(path))
        return;
    THTMLParser parser;
    QString failure;
    const bool whole = LoadTreeDocument(parser, path, kRoot, failure);
    if (!whole)
        LogMessage(msCategoryList, TLogLevel::Error, kLoadError.arg(failure));
    // The objects before a damage are still taken.
    if (const TTagNode* root = FindChild(parser.Root(), kRoot))
        ReadObjects(*root);
    EnsurePredefined();
    // A file that could not be read whole is written again only after a change the user made:
    // the objects past the damage would be lost.
    if (!whole)
        FModified = false;
}

void TClockObjList::ReadObjects(const TTagNode& root) {
    FLastId = IntAttr(root, kListLastIdAttr, -1);
    // A counter past the ordinary ids (or below "none") starts over; the objects raise it again.
    if (FLastId > FirstPredefinedId || FLastId < -1)
        FLastId = -1;
    TTagNodeList elements;
    FindAll(&root, kListObjElement, elements);
    for (const TTagNode* element : elements) {
        std::unique_ptr<TBaseClockObject> object = CreateClockObjectFromNode(*element);
        // Ids from 10000 on belong to broadcasts; a negative one would stand for "none".
        if (!object || object->Id < 0 || object->Id >= FirstInvalidCategoryId)
            continue;
        if (object->Id > FLastId && !IsPredefinedId(object->Id))
            FLastId = object->Id;
        if (TBaseClockObject* added = Insert(std::move(object)))
            added->Owner = this;
    }
}

bool TClockObjList::SaveCategories(bool force) {
    if (!FModified && !force)
        return true;
    const TObjListFile file{CategoryListFileName, kRoot, msCategoryList, kSaveError};
    const bool saved = SaveObjListFile(
        file, FLastId, static_cast<int>(FEntries.size()),
        [this](int index, TTagNode& element) { FEntries[index].Object->SaveToNode(element); });
    // A failed save is not tried again at exit.
    FModified = false;
    return saved;
}

// --- Adding and removing

TBaseClockObject* TClockObjList::AddObject(std::unique_ptr<TBaseClockObject> object, int id) {
    if (!object)
        return nullptr;
    if (id != -1 && (id < 0 || id >= FirstInvalidCategoryId || IndexOfId(id) >= 0))
        return nullptr;
    if (id == -1) {
        // Ids given explicitly may already stand where the counter goes next.
        while (FLastId < LastOrdinaryId && IndexOfId(FLastId + 1) >= 0)
            ++FLastId;
        if (FLastId >= LastOrdinaryId) {
            // NextId would hand out 10000, an id the list cannot keep.
            LogMessage(msCategoryList, TLogLevel::Error,
                       kIdsUsedUp.arg(object->ObjName(), QString::number(LastOrdinaryId)));
            return nullptr;
        }
        id = NextId();
    }
    MakeNameUnique(*object);
    object->Id = id;
    TBaseClockObject* added = Insert(std::move(object));
    NotifyListeners(nkAdded, added);
    added->Owner = this;
    FModified = true;
    return added;
}

void TClockObjList::MakeNameUnique(TBaseClockObject& object) const {
    const QString base = object.ObjName();
    for (int n = 1; FindByName(object.ObjName()) != nullptr; ++n)
        object.SetName(QStringLiteral("%1 (%2)").arg(base, QString::number(n)));
}

int TClockObjList::NextId() {
    ++FLastId;
    if (FLastId >= FirstPredefinedId)
        FLastId = FirstInvalidCategoryId;
    return FLastId;
}

void TClockObjList::DeleteById(int id) {
    const int index = IndexOfId(id);
    if (index >= 0)
        DeleteAt(index);
}

void TClockObjList::DeleteAt(int index) {
    TBaseClockObject* object = ObjectAt(index);
    if (object == nullptr)
        return;
    NotifyListeners(nkDeleted, object);
    // Looked up again: a listener may have changed the list while it was told.
    const auto it = std::find_if(FEntries.begin(), FEntries.end(), [object](const TEntry& entry) {
        return entry.Object.get() == object;
    });
    if (it == FEntries.end())
        return;
    const std::unique_ptr<TBaseClockObject> doomed = std::move(it->Object);
    FEntries.erase(it);
    FModified = true;
}

void TClockObjList::EnsurePredefined() {
    if (TBaseClockObject* existing = FindById(AdvertBlankId)) {
        existing->SetName(AdvertBlankName);
        return;
    }
    auto blank = std::make_unique<TBlankCategory>();
    blank->SetName(AdvertBlankName);
    blank->Pred = true;
    blank->Info = QLatin1Char('"') + AdvertBlankName + QLatin1Char('"');
    blank->SetExTime(false);
    blank->SetSCat(kAdvertSCat);
    AddObject(std::move(blank), AdvertBlankId);
}

bool TClockObjList::IsPredefined(int id) const {
    if (!IsPredefinedId(id))
        return false;
    const TBaseClockObject* object = FindById(id);
    return object != nullptr && object->Pred;
}

// --- Lookups

TBaseClockObject* TClockObjList::ObjectAt(int index) const {
    return index >= 0 && index < Count() ? FEntries[index].Object.get() : nullptr;
}

int TClockObjList::PositionOf(int id) const {
    const TIdText wanted(id);
    const auto pos = std::lower_bound(FEntries.begin(), FEntries.end(), wanted.View(),
                                      [](const TEntry& entry, std::string_view text) {
                                          return TIdText(entry.Key).View() < text;
                                      });
    return static_cast<int>(pos - FEntries.begin());
}

int TClockObjList::IndexOfId(int id) const {
    const int pos = PositionOf(id);
    return pos < Count() && FEntries[pos].Key == id ? pos : -1;
}

TBaseClockObject* TClockObjList::FindById(int id) const {
    return ObjectAt(IndexOfId(id));
}

TBaseClockObject* TClockObjList::FindByName(const QString& name) const {
    for (const TEntry& entry : FEntries)
        if (entry.Object->ObjName() == name)
            return entry.Object.get();
    return nullptr;
}

QString TClockObjList::NameOfId(int id) const {
    const TBaseClockObject* object = FindById(id);
    return object != nullptr ? object->ObjName() : QString();
}

TBaseClockObject* TClockObjList::Insert(std::unique_ptr<TBaseClockObject> object) {
    const int id = object->Id;
    const int pos = PositionOf(id);
    if (pos < Count() && FEntries[pos].Key == id)
        return nullptr;
    TBaseClockObject* inserted = object.get();
    FEntries.insert(FEntries.begin() + pos, TEntry{id, std::move(object)});
    return inserted;
}

// --- The process-wide list

void CreateCategoryList() {
    if (!CategoryList)
        CategoryList = std::make_unique<TClockObjList>();
    CategoryList->LoadCategories();
}

void FreeCategoryList() {
    if (!CategoryList)
        return;
    CategoryList->SaveCategories(false);
    CategoryList.reset();
}

QString CategoryNameOfId(int id) {
    return CategoryList ? CategoryList->NameOfId(id) : QString();
}
