#include "foundation/uXmlWriter.h"

#include "foundation/HTMLParser.h"
#include "foundation/uTextFile.h"
#include "foundation/uXmlEscape.h"

#include <algorithm>
#include <vector>

namespace {

const QLatin1String kLineEnd("\r\n");

// Indentation stops growing at this depth. No document of the program comes near it, and it
// keeps the text of a hostile, deeply nested tree linear in the size of the tree.
constexpr int kMaxIndentLevel = 32;

QString TreeIndent(int level) {
    return QString(2 * std::clamp(level, 0, kMaxIndentLevel), u' ');
}

bool IsBlankText(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) {
        return c == QLatin1Char(' ') || c == QLatin1Char('\r') || c == QLatin1Char('\n');
    });
}

const TTagNode* AsTag(const THierarchyNode* node) {
    return dynamic_cast<const TTagNode*>(node);
}

bool IsTextNode(const THierarchyNode* node) {
    return node != nullptr && node->NodeType == ntText;
}

QString TextOf(const THierarchyNode* node) {
    const TTagNode* tag = AsTag(node);
    return tag != nullptr ? tag->Text : QString();
}

void AppendAttribute(QString& out, const QString& entry) {
    out += QLatin1Char(' ');
    const qsizetype separator = entry.indexOf(QLatin1Char('='));
    if (separator < 0) {
        out += entry;
        return;
    }
    const QStringView value = QStringView(entry).mid(separator + 1);
    const QChar quote = value.contains(QLatin1Char('"')) ? QLatin1Char('\'') : QLatin1Char('"');
    out += QStringView(entry).left(separator);
    out += QLatin1Char('=');
    out += quote;
    out += value;
    out += quote;
}

// Writes the start tag and reports whether the element's only child is a text node, which then
// goes on the same line.
bool AppendStartTag(QString& out, const THierarchyNode* element, int level) {
    out += TreeIndent(level);
    out += QLatin1Char('<');
    out += element->Name;
    if (const TTagNode* tag = AsTag(element))
        for (const QString& entry : tag->Attributes)
            AppendAttribute(out, entry);
    if (element->ChildCount() == 0) {
        out += QLatin1String("/>");
        out += kLineEnd;
        return false;
    }
    out += QLatin1Char('>');
    const bool inlineText = element->ChildCount() == 1 && IsTextNode(element->ChildAt(0));
    if (!inlineText)
        out += kLineEnd;
    return inlineText;
}

void AppendEndTag(QString& out, const THierarchyNode* element, int level, bool inlineText) {
    if (!inlineText)
        out += TreeIndent(level);
    out += QLatin1String("</");
    out += element->Name;
    out += QLatin1Char('>');
    out += kLineEnd;
}

// Everything but elements and the document node: one line (or nothing, for a blank text).
void AppendLeaf(QString& out, const THierarchyNode* node, int level, bool inlineText) {
    const QString text = TextOf(node);
    switch (node->NodeType) {
    case ntText:
        if (IsBlankText(text))
            return;
        if (inlineText) {
            out += XmlEscape(text);
            return;
        }
        out += TreeIndent(level) + XmlEscape(text);
        break;
    case ntComment:
        out += TreeIndent(level) + QLatin1String("<!-- ") + text + QLatin1String(" -->");
        break;
    case ntDeclaration:
        out += TreeIndent(level) + QLatin1Char('<') + node->Name;
        if (!text.isEmpty())
            out += QLatin1Char(' ') + text;
        out += QLatin1Char('>');
        break;
    case ntCData:
        out += TreeIndent(level) + QLatin1String("<![CDATA[") + text + QLatin1String("]]>");
        break;
    default:
        return;
    }
    out += kLineEnd;
}

struct TWriteFrame {
    const THierarchyNode* Node;
    int Level;
    bool InlineText;
    int NextChild = 0;
};

} // namespace

QString NodeToText(const THierarchyNode* root) {
    QString out;
    if (root == nullptr)
        return out;
    // An explicit stack: the depth of a parsed tree is whatever its input says.
    std::vector<TWriteFrame> open;
    auto enter = [&](const THierarchyNode* node, int level, bool inlineText) {
        if (node->NodeType == ntDocument) {
            out += kLineEnd;
            open.push_back({node, level, false});
        } else if (node->NodeType == ntElement) {
            const bool childInline = AppendStartTag(out, node, level);
            if (node->ChildCount() > 0)
                open.push_back({node, level, childInline});
        } else {
            AppendLeaf(out, node, level, inlineText);
        }
    };

    enter(root, root->Level(), false);
    while (!open.empty()) {
        TWriteFrame& frame = open.back();
        if (frame.NextChild < frame.Node->ChildCount()) {
            const THierarchyNode* child = frame.Node->ChildAt(frame.NextChild++);
            const int level = frame.Level + 1;
            const bool inlineText = frame.InlineText;
            enter(child, level, inlineText); // may grow `open`, so `frame` is not used after it
            continue;
        }
        if (frame.Node->NodeType == ntElement)
            AppendEndTag(out, frame.Node, frame.Level, frame.InlineText);
        open.pop_back();
    }
    return out;
}

bool SaveNodeToFile(const THierarchyNode* root, const QString& path, QString* error) {
    return WriteTextFile(path, NodeToText(root), error);
}

// --- TLineAttrs

TLineAttrs& TLineAttrs::Add(const QString& name, const QString& value) {
    FText += QLatin1Char(' ') + name + QLatin1String("=\"") + value + QLatin1Char('"');
    return *this;
}

TLineAttrs& TLineAttrs::Add(const QString& name, int value) {
    return Add(name, QString::number(value));
}

TLineAttrs& TLineAttrs::AddEscaped(const QString& name, const QString& text) {
    return Add(name, XmlEscape(text));
}

// --- TLineDocument

void TLineDocument::Open(const QString& name, const TLineAttrs& attrs) {
    FLines.append(Indent() + QLatin1Char('<') + name + attrs.Text() + QLatin1Char('>'));
    FOpen.append(name);
}

void TLineDocument::Close() {
    if (FOpen.isEmpty())
        return;
    const QString name = FOpen.takeLast();
    FLines.append(Indent() + QLatin1String("</") + name + QLatin1Char('>'));
}

void TLineDocument::Element(const QString& name, const TLineAttrs& attrs) {
    FLines.append(Indent() + QLatin1Char('<') + name + attrs.Text() + QLatin1String("/>"));
}

void TLineDocument::AddLine(const QString& line) {
    FLines.append(line);
}

bool TLineDocument::SaveToFile(const QString& path, QString* error) const {
    return WriteTextLines(path, FLines, error);
}

QString TLineDocument::Indent() const {
    return QString(2 * FOpen.size(), u' ');
}
