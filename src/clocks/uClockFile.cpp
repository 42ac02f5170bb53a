#include "clocks/uBroadcastList.h"
#include "clocks/uClock.h"
#include "clocks/uClockMessages.h"
#include "clocks/uClockObjList.h"
#include "clocks/uClockXml.h"
#include "foundation/HTMLParser.h"
#include "foundation/uArUtils.h"
#include "foundation/uMsgLog.h"
#include "foundation/uPrompt.h"
#include "foundation/uXmlEscape.h"

#include <QFileInfo>

// The clock file: root "clock" with one "clObj" per top-level row; a broadcast row holds one
// "brObj" per item. Times are whole seconds.

namespace {

const QString kRoot = QStringLiteral("clock");
const QString kName = QStringLiteral("name");
const QString kRow = QStringLiteral("clObj");
const QString kChildRow = QStringLiteral("brObj");
const QString kHour = QStringLiteral("clHour");
const QString kOwnHour = QStringLiteral("ownHour");
const QString kPlayTime = QStringLiteral("clPlayTime");
const QString kAny = QStringLiteral("any");
const QString kId = QStringLiteral("id");
const QString kExTime = QStringLiteral("exTime");
const QString kUExTime = QStringLiteral("uexTime");
const QString kUserInfo = QStringLiteral("UserInfo");
const QString kChanges = QStringLiteral("changes");
const QString kVal = QStringLiteral("val");

// The attributes of a row element that name its object, in the order they are written.
const QString kObjectAttributes[] = {kId, kExTime, kUExTime, kUserInfo};

bool HasChildElement(const TTagNode& node) {
    for (int i = 0; i < node.ChildCount(); ++i)
        if (node.ChildAt(i)->NodeType == ntElement)
            return true;
    return false;
}

// Ids up to 10000 are the category list's; a row element with children is a broadcast row, and
// the first broadcast (10001) is told apart from the category list only by them.
const TBaseClockObject* FindRowObject(int id, bool hasChildren) {
    if (id < 0)
        return nullptr;
    if (id < FirstBroadcastId || (id == FirstBroadcastId && !hasChildren))
        return CategoryList ? CategoryList->FindById(id) : nullptr;
    return BroadcastList ? BroadcastList->FindBroadcast(id) : nullptr;
}

TPropArray ValueIds(const TTagNode& values) {
    TTagNodeList items;
    FindAll(&values, kVal, items);
    TPropArray ids;
    for (const TTagNode* item : items)
        ids.push_back(IntAttr(*item, kId, -1));
    return ids;
}

// Changed characteristic columns of a row, as elements of value ids.
void SaveChangedChars(const TClockObjData& row, TTagNode& node) {
    for (int column = FirstCharColumn; column <= LastCharColumn; ++column) {
        if (!row.Flags[column])
            continue;
        TTagNode& values = AddElement(node, CharElementName(CharKindOfColumn(column)));
        for (int id : IdsOfCharText(row.CharText(column), column))
            SetIntAttr(AddElement(values, kVal), kId, id);
    }
}

// Flags 3..9 as bits of their numbers.
int ChangesMask(const TClockObjData& row) {
    int mask = 0;
    for (int flag = FirstCharColumn; flag <= rfAnyChanged; ++flag)
        if (row.Flags[flag])
            mask |= 1 << flag;
    return mask;
}

} // namespace

// --- Loading

bool TClock::LoadClockFile(const QString& path) {
    ClearClock();
    ClockPath = path;
    FReadWhole = true;
    if (!QFileInfo::exists(path))
        return true;
    THTMLParser parser;
    QString failure;
    const bool read = LoadTreeDocument(parser, path, kRoot, failure);
    if (!read) {
        FReadWhole = false;
        const QString text = ClockLoadErrorText.arg(failure);
        ShowError(text);
        LogMessage(msClockSave, TLogLevel::Error, text);
    } else if (const TTagNode* root = FindChild(parser.Root(), kRoot)) {
        SetName(XmlUnescape(root->GetAttr(kName)));
        if (FName.isEmpty())
            SetName(FileNameStem(path));
        TTagNodeList elements;
        FindAll(root, kRow, elements);
        for (const TTagNode* element : elements) {
            TClockObjData* row = AddRow(FRows, RowCount(), nullptr);
            LoadRow(*row, *element);
            if (HasChildElement(*element))
                LoadChildRows(*element, *row);
        }
    }
    ShowTotals();
    return read;
}

void TClock::LoadRow(TClockObjData& row, const TTagNode& element) {
    const TBaseClockObject* source =
        FindRowObject(IntAttr(element, kId, -1), HasChildElement(element));
    if (source != nullptr) {
        std::unique_ptr<TBaseClockObject> copy = MakeClockCopy(*source);
        copy->SetExTime(BoolAttr(element, kExTime, copy->ExTime()));
        const int kind = copy->ObjType();
        InitRow(row, kind, std::move(copy));
        row.RowObject->UExTime = BoolAttr(element, kUExTime, row.RowObject->UExTime);
        row.RowObject->UserInfo = XmlUnescape(element.GetAttr(kUserInfo));
    } else {
        row.RowObject.reset();
        row.SetAny(true);
        for (const QString& name : kObjectAttributes) {
            const QString value = element.GetAttr(name);
            if (!value.isEmpty())
                row.KeptAttributes.append(name + QLatin1Char('=') + value);
        }
    }
    if (const QString any = element.GetAttr(kAny); !any.isEmpty())
        row.SetAny(TextToBool(any, row.Any()));
    if (const QString playTime = element.GetAttr(kPlayTime); !playTime.isEmpty()) {
        row.SetPlayTime(StrToIntDef(playTime, row.RowPlayTime));
        row.SetOwnPlayTime(true);
    }
    row.SetOwnHour(BoolAttr(element, kOwnHour, false));
    row.RowHour = IntAttr(element, kHour, 0);
    for (int column = FirstCharColumn; column <= LastCharColumn; ++column) {
        const TTagNode* values = FindChild(&element, CharElementName(CharKindOfColumn(column)));
        if (values == nullptr)
            continue;
        row.Flags[column] = true;
        row.CharText(column) = CharTextOfIds(ValueIds(*values), column);
    }
}

void TClock::LoadChildRows(const TTagNode& element, TClockObjData& parent) {
    auto* broadcast = dynamic_cast<TBroadcast*>(parent.Object());
    TTagNodeList elements;
    FindAll(&element, kChildRow, elements);
    for (const TTagNode* childElement : elements) {
        auto item = std::make_unique<TBroadcastItem>();
        LoadBroadcastItemFromNode(*item, *childElement);
        item->Hour = IntAttr(*childElement, kHour, 0);
        item->OwnHour = BoolAttr(*childElement, kOwnHour, false);
        item->SetPlayTime(IntAttr(*childElement, kPlayTime, item->GetPlayTime()));
        item->Broadcast = broadcast;
        const int hour = item->Hour;
        const bool ownHour = item->OwnHour;
        const int image = item->MstType;
        TClockObjData* child = AddRow(parent.Children, parent.Children.size(), &parent);
        InitRow(*child, image, std::move(item));
        child->RowHour = hour;
        child->SetOwnHour(ownHour);
        const int changes = IntAttr(*childElement, kChanges, 0);
        for (int flag = FirstCharColumn; flag <= rfAnyChanged; ++flag)
            child->Flags[flag] = (changes & (1 << flag)) != 0;
    }
}

// --- Saving

bool TClock::SaveClockFile(const QString& path, bool force) {
    if (!force && !Modified)
        return true;
    THTMLParser document;
    TTagNode& root = AddElement(*document.Root(), kRoot);
    // The name is typed by the user; unescaped, a ">" in it would end the tag.
    root.SetAttr(kName, XmlEscape(FName));
    for (const auto& row : FRows)
        SaveRow(*row, AddElement(root, kRow));
    QString failure;
    if (SaveTreeDocument(document.Root(), path, failure))
        return true;
    const QString text = ClockSaveErrorText.arg(failure);
    ShowError(text);
    LogMessage(msClockSave, TLogLevel::Error, text);
    return false;
}

void TClock::SaveRow(TClockObjData& row, TTagNode& node) {
    const TBaseClockObject* object = row.Object();
    SetIntAttr(node, kHour, row.RowHour);
    SetBoolAttr(node, kOwnHour, row.OwnHour());
    if (row.OwnPlayTime() || (object != nullptr && object->UExTime))
        SetIntAttr(node, kPlayTime, row.RowPlayTime);
    if (object == nullptr || row.Any() != object->Properties.Any)
        SetBoolAttr(node, kAny, row.Any());
    if (object != nullptr) {
        SetIntAttr(node, kId, object->Id);
        SetBoolAttr(node, kExTime, object->ExTime());
        SetBoolAttr(node, kUExTime, object->UExTime);
        node.SetAttr(kUserInfo, XmlEscape(object->UserInfo));
    } else {
        // What the row was read with, so the clock still refers to the object once it is back.
        for (const QString& entry : row.KeptAttributes) {
            const qsizetype separator = entry.indexOf(QLatin1Char('='));
            node.SetAttr(entry.left(separator), entry.mid(separator + 1));
        }
    }
    SaveChangedChars(row, node);
    for (const auto& child : row.Children)
        SaveChildRow(*child, AddElement(node, kChildRow));
}

void TClock::SaveChildRow(TClockObjData& row, TTagNode& node) {
    auto* item = dynamic_cast<TBroadcastItem*>(row.Object());
    if (item == nullptr)
        return;
    // The item carries the row's choices, so the element holds them. Its hour is the row's too,
    // as reading takes it: the clock then reads and saves back to the same text.
    item->Hour = row.RowHour;
    for (int column = FirstCharColumn; column <= LastCharColumn; ++column)
        if (row.Flags[column])
            item->Properties.Array(CharKindOfColumn(column)) =
                IdsOfCharText(row.CharText(column), column);
    item->Properties.Any = row.Any();
    SaveBroadcastItemToNode(*item, node);
    SetIntAttr(node, kHour, row.RowHour);
    SetBoolAttr(node, kOwnHour, row.OwnHour());
    SetIntAttr(node, kChanges, ChangesMask(row));
}
