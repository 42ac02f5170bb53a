#pragma once

#include <QString>
#include <QStringList>

class THierarchyNode;

// The two ways the program writes its markup documents.

// --- Tree style: a node tree serialized as a whole ---

// The tree as text, every line ending in CR LF. A document node gives an empty first line and
// its elements start two spaces in, two more per level. Attribute values are written as they
// stand (escape free texts before setting them); text nodes go through XmlEscape, and text
// nodes of nothing but spaces, CR and LF are left out.
QString NodeToText(const THierarchyNode* root);
// Writes NodeToText(root) to the file (Windows-1250, replacing it whole).
bool SaveNodeToFile(const THierarchyNode* root, const QString& path, QString* error);

// --- Line-template style: lines built one by one ---

// The attributes of one line, in order, each written name="value" with the value as given.
class TLineAttrs {
public:
    TLineAttrs& Add(const QString& name, const QString& value);
    TLineAttrs& Add(const QString& name, int value);
    // For the free texts the user types.
    TLineAttrs& AddEscaped(const QString& name, const QString& text);

    bool IsEmpty() const { return FText.isEmpty(); }
    // ` a="1" b="x"`: each attribute preceded by one space.
    const QString& Text() const { return FText; }

private:
    QString FText;
};

// A document built line by line: the root at column 0, two more spaces for every open element.
class TLineDocument {
public:
    // `<name a="1">`, and what follows is one level deeper.
    void Open(const QString& name, const TLineAttrs& attrs = {});
    // `</name>` for the innermost open element.
    void Close();
    // `<name a="1"/>`: an element without children.
    void Element(const QString& name, const TLineAttrs& attrs = {});
    // A line written exactly as given (a comment line, a line of a fixed format).
    void AddLine(const QString& line);

    int Depth() const { return static_cast<int>(FOpen.size()); }
    const QStringList& Lines() const { return FLines; }
    // Writes the lines, each followed by CR LF, replacing the file whole.
    bool SaveToFile(const QString& path, QString* error) const;

private:
    QString Indent() const;

    QStringList FLines;
    QStringList FOpen;
};
