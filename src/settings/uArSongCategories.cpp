#include "settings/uArSongCategories.h"

#include "foundation/HTMLParser.h"
#include "foundation/uAppPaths.h"
#include "foundation/uArUtils.h"
#include "foundation/uMsgLog.h"
#include "foundation/uTextFile.h"
#include "foundation/uWholeFile.h"
#include "foundation/uXmlEscape.h"
#include "foundation/uXmlWriter.h"

#include <QFile>
#include <algorithm>

namespace {

const QString kFileName = QStringLiteral("dnkat.xml");
const QString kRootTag = QStringLiteral("dnCat");
const QString kCategoriesTag = QStringLiteral("categories");
const QString kAttributionTag = QStringLiteral("attribution");
const QString kCatTag = QStringLiteral("Cat");
const QString kItemTag = QStringLiteral("Item");

constexpr int kNoMixId = 255;
constexpr int kOwnMixPoint = 255;

bool IsCategoryId(int id) {
    return id >= 0 && id < TArSongCategories::NoIndex;
}

// The id of a mix piece "5" or "5(3)" and its overlap, each cut to a byte as the matrix holds.
struct TMixPiece {
    int Id;
    int Value;
};

TMixPiece ParseMixPiece(const QString& piece) {
    const qsizetype open = piece.indexOf(QLatin1Char('('));
    if (open < 0)
        return {StrToIntDef(piece, kNoMixId) & 0xFF, kOwnMixPoint};
    const qsizetype close = piece.indexOf(QLatin1Char(')'), open + 1);
    const QString value = close < 0 ? QString() : piece.mid(open + 1, close - open - 1);
    return {StrToIntDef(piece.left(open), kNoMixId) & 0xFF,
            StrToIntDef(value, kOwnMixPoint) & 0xFF};
}

QString AttributionKey(int id) {
    return QString::number(id);
}

} // namespace

// --- TCategoryAttribution

void TCategoryAttribution::AddItem(int id) {
    if (id > 0)
        Items.Add(id);
}

// --- Categories

bool TArSongCategories::AddCategory(const TArSongCat& category) {
    if (!IsCategoryId(category.Id) || Count() >= MaxCategories)
        return false;
    FItems.push_back(category);
    if (!category.Visible)
        FHidden.set(category.Id);
    if (category.Db)
        FDb.set(category.Id);
    return true;
}

int TArSongCategories::IndexById(int id) const {
    const auto found = std::find_if(FItems.begin(), FItems.end(),
                                    [id](const TArSongCat& item) { return item.Id == id; });
    return found == FItems.end() ? NoIndex : static_cast<int>(found - FItems.begin());
}

QString TArSongCategories::NameById(int id) const {
    const int index = IndexById(id);
    return index == NoIndex ? QString() : NameAt(index);
}

QString TArSongCategories::ShortNameById(int id) const {
    const int index = IndexById(id);
    return index == NoIndex ? QString() : ShortNameAt(index);
}

TColor TArSongCategories::ColorById(int id) const {
    const int index = IndexById(id);
    return index == NoIndex ? clWhite : ColorAt(index);
}

int TArSongCategories::IdByName(const QString& name) const {
    constexpr int kMusicCategory = 1;
    if (name.isEmpty())
        return kMusicCategory;
    for (const TArSongCat& item : FItems)
        if (item.Name.compare(name, Qt::CaseInsensitive) == 0)
            return item.Id;
    return kMusicCategory;
}

bool TArSongCategories::IsHidden(int id) const {
    return IsCategoryId(id) && FHidden.test(id);
}

bool TArSongCategories::IsDb(int id) const {
    return IsCategoryId(id) && FDb.test(id);
}

void TArSongCategories::ListDbCategories(QList<TCategoryEntry>& list) const {
    for (const TArSongCat& item : FItems)
        if (IsDb(item.Id))
            list.append({item.Name, item.Id});
}

// --- Mix matrix

void TArSongCategories::SetMixSize(int n) {
    FMixSize = std::clamp(n, 0, MaxCategories);
    FCanMix.assign(static_cast<size_t>(FMixSize) * FMixSize, false);
    FMixValue.assign(static_cast<size_t>(FMixSize) * FMixSize, 0);
}

bool TArSongCategories::InMatrix(int row, int column) const {
    return row >= 0 && row < FMixSize && column >= 0 && column < FMixSize;
}

void TArSongCategories::ParseMix(int row, const QString& text) {
    if (!InMatrix(row, 0))
        return;
    for (int column = 0; column < FMixSize; ++column) {
        FCanMix[CellIndex(row, column)] = false;
        FMixValue[CellIndex(row, column)] = kOwnMixPoint;
    }
    for (const QString& piece : text.split(QLatin1Char(','))) {
        const TMixPiece mix = ParseMixPiece(piece);
        const int column = IndexById(mix.Id);
        if (column == NoIndex || !InMatrix(row, column))
            continue;
        FCanMix[CellIndex(row, column)] = true;
        FMixValue[CellIndex(row, column)] = static_cast<quint8>(mix.Value);
    }
}

bool TArSongCategories::CanMix(int row, int column) const {
    return InMatrix(row, column) && FCanMix[CellIndex(row, column)];
}

int TArSongCategories::MixValue(int row, int column) const {
    return InMatrix(row, column) ? FMixValue[CellIndex(row, column)] : 0;
}

// --- Attribution

const TCategoryAttribution* TArSongCategories::AttributionById(int id) const {
    for (const auto& record : FAttribution)
        if (record->Id == id)
            return record.get();
    return nullptr;
}

bool TArSongCategories::AddAttribution(std::unique_ptr<TCategoryAttribution> record) {
    if (!record || AttributionById(record->Id) != nullptr)
        return false;
    // Kept in the order of the ids' decimal texts, as the file has always listed them.
    const QString key = AttributionKey(record->Id);
    const auto place = std::upper_bound(
        FAttribution.begin(), FAttribution.end(), key,
        [](const QString& wanted, const auto& item) { return wanted < AttributionKey(item->Id); });
    FAttribution.insert(place, std::move(record));
    return true;
}

// --- Draw parameters

void TArSongCategories::SetCutHPrior(bool value) {
    if (value == FCutHPrior)
        return;
    FCutHPrior = value;
    MarkChanged();
}

void TArSongCategories::SetCanCut(bool value) {
    if (value == FCanCut)
        return;
    FCanCut = value;
    MarkChanged();
}

// --- Loading

void TArSongCategories::Clear() {
    FItems.clear();
    FHidden.reset();
    FDb.reset();
    SetMixSize(0);
    FAttribution.clear();
}

bool TArSongCategories::Load() {
    const QString path = AppFilePath(kFileName);
    if (!QFile::exists(path)) {
        LogMessage(msOptions, TLogLevel::Severe, MissingFileText(path));
        return false;
    }
    THTMLParser parser;
    QString error;
    // What stands before a damage is still taken; the file is written again only when the
    // categories are changed.
    const bool whole = LoadWholeDocument(parser, path, false, kRootTag, &error);
    if (!whole)
        LogMessage(msOptions, TLogLevel::Error, FileLoadErrorText(path, error));
    const TTagNode* root = FindChild(parser.Root(), kRootTag);
    if (root == nullptr)
        return whole;

    Clear();
    FMixCSong = TextToBool(root->GetAttr(QStringLiteral("mixCSong")), FMixCSong);
    FCutHPrior = TextToBool(root->GetAttr(QStringLiteral("cutHPrior")), FCutHPrior);
    FCanCut = TextToBool(root->GetAttr(QStringLiteral("canCut")), FCanCut);

    if (const TTagNode* categories = FindChild(root, kCategoriesTag)) {
        if (!ReadCategories(categories, error)) {
            LogMessage(msOptions, TLogLevel::Error, FileLoadErrorText(path, error));
            NoteUnreadFile(path);
            return false;
        }
    }
    if (const TTagNode* attribution = FindChild(root, kAttributionTag))
        ReadAttribution(attribution);
    for (int index = 0; index < Count(); ++index)
        ParseMix(index, At(index).Mix);
    return whole;
}

bool TArSongCategories::ReadCategories(const TTagNode* categories, QString& error) {
    TTagNodeList items;
    FindAll(categories, kItemTag, items);
    // Items beyond the matrix size are left out: their indexes could not be told from "none".
    const int used = std::min(items.Count(), MaxCategories);
    SetMixSize(used);
    for (int i = 0; i < used; ++i) {
        const TTagNode* item = items.Item(i);
        const int id = StrToIntDef(item->GetAttr(QStringLiteral("id")), -1);
        if (!IsCategoryId(id))
            continue;
        TArSongCat category;
        category.Id = id;
        category.Name = XmlUnescape(item->GetAttr(QStringLiteral("name")));
        category.ShortName = XmlUnescape(item->GetAttr(QStringLiteral("shortName")));
        const QString colorText = item->GetAttr(QStringLiteral("color"));
        if (!colorText.isEmpty()) {
            const std::optional<TColor> color = StringToColor(colorText);
            if (!color) {
                error = QStringLiteral("\"%1\" nie jest poprawnym kolorem").arg(colorText);
                return false;
            }
            category.Color = *color;
        }
        category.Mix = item->GetAttr(QStringLiteral("mix"));
        category.Visible = StrToIntDef(item->GetAttr(QStringLiteral("visible")), 1) == 1;
        category.Db = StrToIntDef(item->GetAttr(QStringLiteral("db")), 0) == 1;
        AddCategory(category);
    }
    return true;
}

void TArSongCategories::ReadAttribution(const TTagNode* attribution) {
    TTagNodeList cats;
    FindAll(attribution, kCatTag, cats);
    for (const TTagNode* cat : cats) {
        TTagNodeList items;
        FindAll(cat, kItemTag, items);
        if (items.Count() == 0)
            continue;
        auto record = std::make_unique<TCategoryAttribution>();
        record->Id = StrToIntDef(cat->GetAttr(QStringLiteral("id")), -1);
        record->DefItem = StrToIntDef(cat->GetAttr(QStringLiteral("defItem")), -1);
        record->Descr = cat->GetAttr(QStringLiteral("descr"));
        for (const TTagNode* item : items)
            record->AddItem(StrToIntDef(item->GetAttr(QStringLiteral("id")), -1));
        if (record->DefItem == -1 && record->Items.Count() > 0)
            record->DefItem = record->Items.Items(0);
        AddAttribution(std::move(record));
    }
}

// --- Saving

QStringList TArSongCategories::DocumentLines() const {
    TLineDocument document;
    document.Open(kRootTag, TLineAttrs()
                                .Add(QStringLiteral("mixCSong"), BoolToText(FMixCSong))
                                .Add(QStringLiteral("cutHPrior"), BoolToText(FCutHPrior))
                                .Add(QStringLiteral("canCut"), BoolToText(FCanCut)));
    document.Open(kCategoriesTag);
    const QString itemIndent(2 * document.Depth(), QLatin1Char(' '));
    for (const TArSongCat& item : FItems) {
        TLineAttrs attrs;
        attrs.AddEscaped(QStringLiteral("name"), item.Name)
            .AddEscaped(QStringLiteral("shortName"), item.ShortName)
            .Add(QStringLiteral("id"), item.Id)
            .Add(QStringLiteral("color"), ColorToString(item.Color))
            .Add(QStringLiteral("mix"), item.Mix);
        QString text = attrs.Text().mid(1);
        // Each optional attribute also shifts the text by a space; the files in use have
        // always looked so, and a save without changes must leave them byte for byte.
        if (IsHidden(item.Id))
            text = QLatin1Char(' ') + text + QLatin1String(" visible=\"0\"");
        if (IsDb(item.Id))
            text = QLatin1Char(' ') + text + QLatin1String(" db=\"1\"");
        document.AddLine(itemIndent + QLatin1Char('<') + kItemTag + QLatin1Char(' ') + text +
                         QLatin1String("/>"));
    }
    document.Close();
    document.Open(kAttributionTag);
    for (const auto& record : FAttribution) {
        document.Open(kCatTag, TLineAttrs()
                                   .Add(QStringLiteral("id"), record->Id)
                                   .Add(QStringLiteral("descr"), record->Descr)
                                   .Add(QStringLiteral("defItem"), record->DefItem));
        for (int id : record->Items)
            document.Element(kItemTag, TLineAttrs().Add(QStringLiteral("id"), id));
        document.Close();
    }
    document.Close();
    document.Close();
    return document.Lines();
}

bool TArSongCategories::Save() {
    if (!FChanged)
        return true;
    FChanged = false;
    const QString path = AppFilePath(kFileName);
    QString error;
    if (!WriteTextLines(path, DocumentLines(), &error)) {
        LogMessage(msOptions, TLogLevel::Error, FileSaveErrorText(path, error));
        return false;
    }
    return true;
}
