#include "foundation/HTMLParser.h"

#include "foundation/uTextFile.h"

#include <QHash>
#include <algorithm>
#include <utility>

namespace {

QChar AsciiLower(QChar c) {
    return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ? QChar(c.unicode() + 32) : c;
}

QString AsciiLower(const QString& text) {
    QString result = text;
    for (QChar& c : result)
        c = AsciiLower(c);
    return result;
}

// Trimming drops control characters as well as spaces, as the documents were always read.
bool IsTrimmed(QChar c) {
    return c.unicode() <= 0x20;
}

QString TrimControl(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && IsTrimmed(text[first]))
        ++first;
    while (last > first && IsTrimmed(text[last - 1]))
        --last;
    return text.mid(first, last - first);
}

bool IsBreakOrBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r') ||
           c == QLatin1Char('\n');
}

bool IsOneOf(const QString& lowerName, std::initializer_list<const char*> names) {
    for (const char* name : names)
        if (lowerName == QLatin1String(name))
            return true;
    return false;
}

// Elements that end the open element of the same name.
bool ClosesSameName(const QString& lowerName) {
    return IsOneOf(lowerName, {"p", "dt", "dd", "li", "option", "thead", "tfoot", "colgroup", "tr",
                               "th", "td", "body", "html", "head"});
}

// The block elements, which end an open paragraph.
bool ClosesParagraph(const QString& lowerName) {
    return IsOneOf(lowerName, {"p",    "h1",      "h2",     "h3",       "h4",       "h5",
                               "h6",   "ul",      "ol",     "dir",      "menu",     "pre",
                               "dl",   "div",     "center", "noscript", "noframes", "blockquote",
                               "form", "isindex", "hr",     "table",    "fieldset", "address"});
}

// Elements that never have content.
bool IsVoidElement(const QString& lowerName) {
    return IsOneOf(lowerName, {"basefont", "br", "area", "link", "img", "param", "hr", "input",
                               "col", "frame", "isindex", "base", "meta"});
}

// Splits the text of a start tag into the element's name and its attribute entries. Quotes
// group characters and are dropped; "=" pulls the following value into its token.
void SplitTagText(QString text, QString& name, QStringList& attributes) {
    if (text.startsWith(QLatin1Char('<')))
        text.remove(0, 1);
    if (text.endsWith(QLatin1Char('>')))
        text.chop(1);

    bool haveName = false;
    QString token;
    auto endToken = [&] {
        if (token.isEmpty())
            return;
        if (haveName) {
            attributes.append(token);
        } else {
            name = token;
            haveName = true;
        }
        token.clear();
    };

    bool inDouble = false;
    bool inSingle = false;
    const qsizetype length = text.size();
    for (qsizetype i = 0; i < length; ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('"') && !inSingle) {
            inDouble = !inDouble;
        } else if (c == QLatin1Char('\'') && !inDouble) {
            inSingle = !inSingle;
        } else if (inDouble || inSingle) {
            token += c;
        } else if (c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r')) {
            endToken();
        } else if (c == QLatin1Char('\n')) {
            // A bare LF joins what stands on either side of it.
        } else if (c == QLatin1Char('=')) {
            token += c;
            while (i + 1 < length && IsBreakOrBlank(text[i + 1]))
                ++i;
        } else {
            token += c;
        }
    }
    endToken();
}

// Whether the comment text, trailing blanks ignored, ends with "--"; checked without copying so
// a long comment full of ">" stays linear.
bool EndsComment(const QString& chunk) {
    qsizetype end = chunk.size();
    while (end > 0 && IsTrimmed(chunk[end - 1]))
        --end;
    return end >= 2 && chunk[end - 1] == QLatin1Char('-') && chunk[end - 2] == QLatin1Char('-');
}

QString CDataText(const QString& declaration) {
    QString text = declaration;
    text.remove(0, text.startsWith(QLatin1String("[CDATA[")) ? 7 : 6);
    if (text.endsWith(QLatin1String("]]")))
        text.chop(2);
    return TrimControl(text);
}

enum class TScanMode {
    smText,
    smTag,
    smEndTag,
    smComment,
    smDeclaration,
    smDeclarationComment,
    smCData,
    smProcessing,
};

// One pass of the reader over a text, building below the document node.
class TMarkupScanner {
public:
    TMarkupScanner(THTMLParser& parser, TTagNode& root, bool trimText)
        : FParser(parser), FRoot(root), FTrimText(trimText) {}

    void Run(const QString& text);
    bool EndedInside() const { return !FOpen.empty() || FMode != TScanMode::smText; }

private:
    struct TOpenElement {
        QString LowerName;
        TTagNode* Element;
    };

    void OnLessThan();
    void OnGreaterThan(QChar previous);
    void StartElement(bool closedInTag);
    void EndElement();
    void FinishComment();
    void FinishDeclaration();
    void FinishProcessing();

    TTagNode& Current() const { return FOpen.empty() ? FRoot : *FOpen.back().Element; }
    TTagNode* Append(const QString& name, TNodeType nodeType);
    void Push(const QString& lowerName, TTagNode* element);
    TTagNode* Pop();
    void Closed(TTagNode& element);
    void Warn(const QString& warning);

    THTMLParser& FParser;
    TTagNode& FRoot;
    const bool FTrimText;
    TScanMode FMode = TScanMode::smText;
    QString FChunk;
    std::vector<TOpenElement> FOpen;
    // How many elements of each name are open, so an end tag knows at once whether it closes
    // anything (a deep stack and many stray end tags would otherwise cost quadratic time).
    QHash<QString, int> FOpenCount;
};

void TMarkupScanner::Run(const QString& text) {
    const qsizetype length = text.size();
    QChar previous;
    for (qsizetype i = 0; i < length; ++i) {
        const QChar c = text[i];
        const QChar next = i + 1 < length ? text[i + 1] : QChar();
        const bool afterTagOpen = FMode == TScanMode::smTag && previous == QLatin1Char('<');
        switch (c.unicode()) {
        case '<':
            OnLessThan();
            break;
        case '!':
            if (afterTagOpen) {
                const QChar second = i + 2 < length ? text[i + 2] : QChar();
                const bool comment = next == QLatin1Char('-') && second == QLatin1Char('-');
                FMode = comment ? TScanMode::smComment : TScanMode::smDeclaration;
                FChunk.clear();
            } else {
                FChunk += c;
            }
            break;
        case '?':
            if (afterTagOpen) {
                FMode = TScanMode::smProcessing;
                FChunk.clear();
            } else if (FMode != TScanMode::smProcessing) {
                FChunk += c;
            }
            break;
        case '/':
            if (afterTagOpen) {
                FMode = TScanMode::smEndTag;
                FChunk.clear();
            } else if (!(FMode == TScanMode::smTag && next == QLatin1Char('>'))) {
                FChunk += c;
            }
            break;
        case '-':
            FChunk += c;
            if (FMode == TScanMode::smDeclaration && IsBreakOrBlank(previous) &&
                next == QLatin1Char('-'))
                FMode = TScanMode::smDeclarationComment;
            else if (FMode == TScanMode::smDeclarationComment && next == QLatin1Char('-'))
                FMode = TScanMode::smDeclaration;
            break;
        case '[':
            FChunk += c;
            if (FMode == TScanMode::smDeclaration)
                FMode = TScanMode::smCData;
            break;
        case ']':
            FChunk += c;
            if (FMode == TScanMode::smCData && next == QLatin1Char('>'))
                FMode = TScanMode::smDeclaration;
            break;
        case '>':
            OnGreaterThan(previous);
            break;
        default:
            FChunk += c;
            break;
        }
        previous = c;
    }
    // A pending chunk is left out and open elements simply end here.
}

void TMarkupScanner::OnLessThan() {
    switch (FMode) {
    case TScanMode::smTag:
        Warn(QStringLiteral("'<' inside a tag"));
        return;
    case TScanMode::smComment:
    case TScanMode::smDeclarationComment:
    case TScanMode::smCData:
        FChunk += QLatin1Char('<');
        return;
    default:
        break;
    }
    if (!FChunk.isEmpty()) {
        const QString text = FTrimText ? TrimControl(FChunk) : FChunk;
        if (!text.isEmpty())
            Append(TextNodeName, ntText)->Text = text;
    }
    FChunk.clear();
    FMode = TScanMode::smTag;
}

void TMarkupScanner::OnGreaterThan(QChar previous) {
    switch (FMode) {
    case TScanMode::smTag:
        StartElement(previous == QLatin1Char('/'));
        break;
    case TScanMode::smEndTag:
        EndElement();
        break;
    case TScanMode::smComment:
        if (!EndsComment(FChunk)) {
            FChunk += QLatin1Char('>');
            return;
        }
        FinishComment();
        break;
    case TScanMode::smDeclaration:
        FinishDeclaration();
        break;
    case TScanMode::smCData:
        FChunk += QLatin1Char('>');
        return;
    case TScanMode::smProcessing:
        FinishProcessing();
        break;
    case TScanMode::smText:
    case TScanMode::smDeclarationComment:
        Warn(QStringLiteral("stray '>'"));
        return;
    }
    FChunk.clear();
    FMode = TScanMode::smText;
}

void TMarkupScanner::StartElement(bool closedInTag) {
    QString name;
    QStringList attributes;
    SplitTagText(FChunk, name, attributes);
    const QString lowerName = AsciiLower(name);

    if (!FOpen.empty() && FOpen.back().LowerName == lowerName && ClosesSameName(lowerName))
        Closed(*Pop());
    if (!FOpen.empty() && FOpen.back().LowerName == QLatin1String("p") &&
        ClosesParagraph(lowerName))
        Closed(*Pop());

    TTagNode* element = Append(name, ntElement);
    element->Attributes = std::move(attributes);
    if (closedInTag || IsVoidElement(lowerName)) {
        element->IsEmptyElement = true;
        Closed(*element);
    } else {
        Push(lowerName, element);
    }
}

void TMarkupScanner::EndElement() {
    const QString lowerName = AsciiLower(FChunk);
    if (FOpenCount.value(lowerName) == 0) {
        Warn(QStringLiteral("end tag of an element that is not open: ") + FChunk);
        return;
    }
    for (;;) {
        const bool found = FOpen.back().LowerName == lowerName;
        Closed(*Pop());
        if (found)
            return;
    }
}

void TMarkupScanner::FinishComment() {
    TTagNode* comment = Append(QString(), ntComment);
    QString text = TrimControl(FChunk);
    if (text.startsWith(QLatin1String("--"))) {
        text.remove(0, 2);
        if (text.endsWith(QLatin1String("--")))
            text.chop(2);
        text = TrimControl(text);
        comment->Name = CommentNodeName;
    }
    comment->Text = text;
}

void TMarkupScanner::FinishDeclaration() {
    const QString declaration = TrimControl(FChunk);
    if (declaration.startsWith(QLatin1String("[CDATA"))) {
        Append(CDataNodeName, ntCData)->Text = CDataText(declaration);
        return;
    }
    const qsizetype space = declaration.indexOf(QLatin1Char(' '));
    TTagNode* node = Append(
        QLatin1Char('!') + declaration.left(space < 0 ? declaration.size() : space), ntDeclaration);
    if (space >= 0)
        node->Text = declaration.mid(space + 1);
}

void TMarkupScanner::FinishProcessing() {
    const QString instruction = TrimControl(FChunk);
    TTagNode* node = Append(QString(), ntDeclaration);
    const qsizetype space = instruction.indexOf(QLatin1Char(' '));
    if (space < 0)
        return;
    node->Name = QLatin1Char('?') + instruction.left(space);
    node->Text = instruction.mid(space + 1) + QLatin1Char('?');
}

TTagNode* TMarkupScanner::Append(const QString& name, TNodeType nodeType) {
    auto node = std::make_unique<TTagNode>(name, nodeType);
    TTagNode* added = node.get();
    Current().AddChild(std::move(node));
    return added;
}

void TMarkupScanner::Push(const QString& lowerName, TTagNode* element) {
    FOpen.push_back({lowerName, element});
    ++FOpenCount[lowerName];
}

TTagNode* TMarkupScanner::Pop() {
    TOpenElement top = std::move(FOpen.back());
    FOpen.pop_back();
    auto count = FOpenCount.find(top.LowerName);
    if (--count.value() == 0)
        FOpenCount.erase(count);
    return top.Element;
}

void TMarkupScanner::Closed(TTagNode& element) {
    if (FParser.OnHTMLTag)
        FParser.OnHTMLTag(FParser, element);
}

void TMarkupScanner::Warn(const QString& warning) {
    if (FParser.OnSyntaxWarning)
        FParser.OnSyntaxWarning(FParser, warning);
}

} // namespace

bool SameMarkupName(const QString& a, const QString& b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (AsciiLower(a[i]) != AsciiLower(b[i]))
            return false;
    return true;
}

// --- THierarchyNode

THierarchyNode::THierarchyNode(const QString& name, TNodeType nodeType)
    : Name(name), NodeType(nodeType) {}

THierarchyNode::~THierarchyNode() {
    FreeChildren();
}

bool THierarchyNode::SetParent(THierarchyNode* newParent) {
    if (FParent == nullptr || newParent == nullptr || newParent == FParent || newParent == this ||
        IsAncestorOf(newParent))
        return false;
    newParent->AddChild(FParent->RemoveChild(this));
    return true;
}

THierarchyNode* THierarchyNode::ChildAt(int index) const {
    if (index < 0 || index >= ChildCount())
        return nullptr;
    return FChildren[static_cast<size_t>(index)].get();
}

THierarchyNode* THierarchyNode::AddChild(std::unique_ptr<THierarchyNode> child) {
    if (!child)
        return nullptr;
    child->FParent = this;
    FChildren.push_back(std::move(child));
    return FChildren.back().get();
}

THierarchyNode* THierarchyNode::InsertChild(int index, std::unique_ptr<THierarchyNode> child) {
    THierarchyNode* added = AddChild(std::move(child));
    if (added == nullptr)
        return nullptr;
    const int target = std::clamp(index, 0, ChildCount() - 1);
    std::rotate(FChildren.begin() + target, FChildren.end() - 1, FChildren.end());
    return added;
}

THierarchyNode* THierarchyNode::AddNewChild(const QString& name, int nodeType) {
    return AddChild(CreateNode(name, static_cast<TNodeType>(nodeType)));
}

std::unique_ptr<THierarchyNode> THierarchyNode::RemoveChild(THierarchyNode* child) {
    const int index = IndexOf(child);
    if (index < 0)
        return nullptr;
    std::unique_ptr<THierarchyNode> removed = std::move(FChildren[static_cast<size_t>(index)]);
    FChildren.erase(FChildren.begin() + index);
    removed->FParent = nullptr;
    return removed;
}

void THierarchyNode::Clear() {
    FreeChildren();
    ClearContent();
}

void THierarchyNode::FreeChildren() {
    // Flattened first, so every node is destroyed with no children left below it.
    std::vector<std::unique_ptr<THierarchyNode>> pending = std::move(FChildren);
    FChildren.clear();
    while (!pending.empty()) {
        std::unique_ptr<THierarchyNode> node = std::move(pending.back());
        pending.pop_back();
        for (auto& child : node->FChildren)
            pending.push_back(std::move(child));
        node->FChildren.clear();
    }
}

int THierarchyNode::Level() const {
    int level = 0;
    for (const THierarchyNode* node = FParent; node != nullptr; node = node->FParent)
        ++level;
    return level;
}

int THierarchyNode::IndexOfChild(const QString& name) const {
    for (int i = 0; i < ChildCount(); ++i)
        if (SameMarkupName(FChildren[static_cast<size_t>(i)]->Name, name))
            return i;
    return -1;
}

std::unique_ptr<THierarchyNode> THierarchyNode::CreateNode(const QString& name,
                                                           TNodeType nodeType) const {
    return std::make_unique<THierarchyNode>(name, nodeType);
}

void THierarchyNode::ClearContent() {
    NodeType = ntDocument;
}

bool THierarchyNode::IsAncestorOf(const THierarchyNode* node) const {
    for (; node != nullptr; node = node->FParent)
        if (node == this)
            return true;
    return false;
}

int THierarchyNode::IndexOf(const THierarchyNode* child) const {
    if (child == nullptr || child->FParent != this)
        return -1;
    for (int i = 0; i < ChildCount(); ++i)
        if (FChildren[static_cast<size_t>(i)].get() == child)
            return i;
    return -1;
}

// --- TTagNode

TTagNode::TTagNode(const QString& name, TNodeType nodeType) : THierarchyNode(name, nodeType) {}

QString TTagNode::GetAttr(const QString& name) const {
    for (const QString& entry : Attributes) {
        const qsizetype separator = entry.indexOf(QLatin1Char('='));
        if (separator >= 0 &&
            QStringView(entry).left(separator).compare(name, Qt::CaseInsensitive) == 0)
            return entry.mid(separator + 1);
    }
    return QString();
}

void TTagNode::SetAttr(const QString& name, const QString& value) {
    for (qsizetype i = 0; i < Attributes.size(); ++i) {
        const QString& entry = Attributes[i];
        const qsizetype separator = entry.indexOf(QLatin1Char('='));
        if (separator < 0 ||
            QStringView(entry).left(separator).compare(name, Qt::CaseInsensitive) != 0)
            continue;
        if (value.isEmpty())
            Attributes.removeAt(i);
        else
            Attributes[i] = name + QLatin1Char('=') + value;
        return;
    }
    if (!value.isEmpty())
        Attributes.append(name + QLatin1Char('=') + value);
}

TTagNode* TTagNode::TagParent() const {
    return dynamic_cast<TTagNode*>(GetParent());
}

TTagNode* TTagNode::TagChild(int index) const {
    return dynamic_cast<TTagNode*>(ChildAt(index));
}

std::unique_ptr<THierarchyNode> TTagNode::CreateNode(const QString& name,
                                                     TNodeType nodeType) const {
    return std::make_unique<TTagNode>(name, nodeType);
}

void TTagNode::ClearContent() {
    THierarchyNode::ClearContent();
    Text.clear();
    Attributes.clear();
    IsEmptyElement = false;
}

// --- TTagNodeList

TTagNode* TTagNodeList::Item(int index) const {
    if (index < 0 || index >= Count())
        return nullptr;
    return FItems[static_cast<size_t>(index)];
}

void TTagNodeList::Delete(int index) {
    if (index >= 0 && index < Count())
        FItems.erase(FItems.begin() + index);
}

// --- THTMLParser

THTMLParser::THTMLParser() : FRoot(std::make_unique<TTagNode>(QString(), ntDocument)) {}

THTMLParser::~THTMLParser() = default;

void THTMLParser::Parse(const QString& text, bool trimText) {
    if (FBusy)
        return;
    FBusy = true;
    // Reset even when a handler throws, or the parser would refuse every later call.
    struct TBusyReset {
        bool& Flag;
        ~TBusyReset() { Flag = false; }
    } reset{FBusy};
    FRoot->Clear();
    TMarkupScanner scanner(*this, *FRoot, trimText);
    scanner.Run(text);
    FEndedInside = scanner.EndedInside();
}

bool THTMLParser::LoadFromFile(const QString& path, bool trimText, QString* error) {
    QString text;
    if (!ReadTextFile(path, text, error))
        return false;
    Parse(text, trimText);
    return true;
}

// --- Queries

TTagNode* FindChild(const TTagNode* node, const QString& name) {
    if (node == nullptr)
        return nullptr;
    for (int i = 0; i < node->ChildCount(); ++i) {
        TTagNode* child = node->TagChild(i);
        if (child != nullptr && SameMarkupName(child->Name, name))
            return child;
    }
    return nullptr;
}

void FindAll(const TTagNode* node, const QString& name, TTagNodeList& list) {
    list.Clear();
    if (node == nullptr)
        return;
    const bool matchAll = name.isEmpty() || name == QLatin1String("*");
    // Pending nodes in reverse order, so the walk pops them in document order.
    std::vector<THierarchyNode*> pending;
    for (int i = node->ChildCount() - 1; i >= 0; --i)
        pending.push_back(node->ChildAt(i));
    while (!pending.empty()) {
        THierarchyNode* current = pending.back();
        pending.pop_back();
        auto* tag = dynamic_cast<TTagNode*>(current);
        if (tag != nullptr && (matchAll || SameMarkupName(tag->Name, name)))
            list.Add(tag);
        for (int i = current->ChildCount() - 1; i >= 0; --i)
            pending.push_back(current->ChildAt(i));
    }
}

std::vector<const TTagNode*> ElementsBelow(const TTagNode* node, const QString& name) {
    TTagNodeList found;
    FindAll(node, name, found);
    std::vector<const TTagNode*> elements;
    for (const TTagNode* tag : found)
        if (tag->NodeType == ntElement)
            elements.push_back(tag);
    return elements;
}

std::unique_ptr<TTagNode> NewElement(const QString& name) {
    return std::make_unique<TTagNode>(name, ntElement);
}
