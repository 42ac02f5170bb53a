#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

// The markup tree and the lenient reader every settings, clock and plan document goes through.
// The reader never fails on malformed markup: it recovers silently and the document readers fall
// back to defaults for whatever they do not find.

enum TNodeType : int {
    ntDocument = 0,    // the root of a parsed document; no name
    ntElement = 1,     // an element; Name as written
    ntText = 2,        // character data between tags; Name "PCDATA"
    ntComment = 3,     // Name "!"
    ntDeclaration = 4, // "<!DOCTYPE ...>" or "<?xml ...?>"; Name "!" or "?" and the first word
    ntCData = 5,       // Name "CDATA"
};

inline const QString TextNodeName = QStringLiteral("PCDATA");
inline const QString CommentNodeName = QStringLiteral("!");
inline const QString CDataNodeName = QStringLiteral("CDATA");

// A node of an ordered tree that owns its children. Freeing a node frees its subtree; deep
// subtrees are freed without recursion, so input-controlled depth cannot exhaust the stack.
class THierarchyNode {
public:
    THierarchyNode() = default;
    explicit THierarchyNode(const QString& name, TNodeType nodeType = ntDocument);
    virtual ~THierarchyNode();
    THierarchyNode(const THierarchyNode&) = delete;
    THierarchyNode& operator=(const THierarchyNode&) = delete;

    QString Name;
    TNodeType NodeType = ntDocument;

    virtual THierarchyNode* GetParent() const { return FParent; }
    // Moves an attached node to the end of another parent's children. Moving to the same parent,
    // to no parent, under itself or under one of its own descendants does nothing (the last would
    // make a cycle); returns whether the node moved. A detached node belongs to whoever holds its
    // unique_ptr, so it is attached with AddChild instead.
    virtual bool SetParent(THierarchyNode* newParent);
    // nullptr when the index is out of range.
    virtual THierarchyNode* ChildAt(int index) const;
    // Appends a detached node and returns it.
    virtual THierarchyNode* AddChild(std::unique_ptr<THierarchyNode> child);
    // Appends, then moves the child to the index (clamped to the valid range).
    virtual THierarchyNode* InsertChild(int index, std::unique_ptr<THierarchyNode> child);
    // Appends a new node of this node's own class.
    virtual THierarchyNode* AddNewChild(const QString& name, int nodeType);
    // Detaches a direct child and hands it over; nullptr when it is not a child of this node.
    virtual std::unique_ptr<THierarchyNode> RemoveChild(THierarchyNode* child);

    int ChildCount() const { return static_cast<int>(FChildren.size()); }
    // Frees the children and resets the node's own content (type, text, attributes).
    void Clear();
    void FreeChildren();
    // The number of ancestors; a root has level 0.
    int Level() const;
    // The index of the first direct child with the name, ASCII letter case ignored; -1 when none.
    int IndexOfChild(const QString& name) const;

protected:
    virtual std::unique_ptr<THierarchyNode> CreateNode(const QString& name,
                                                       TNodeType nodeType) const;
    virtual void ClearContent();

private:
    bool IsAncestorOf(const THierarchyNode* node) const;
    int IndexOf(const THierarchyNode* child) const;

    THierarchyNode* FParent = nullptr;
    std::vector<std::unique_ptr<THierarchyNode>> FChildren;
};

// The only node class the reader creates.
class TTagNode : public THierarchyNode {
public:
    TTagNode() = default;
    explicit TTagNode(const QString& name, TNodeType nodeType = ntElement);

    QString Text;
    // One entry per attribute in document order, "name=value"; one written without "=" stays a
    // bare word.
    QStringList Attributes;
    // The element was closed in its own start tag.
    bool IsEmptyElement = false;

    // The text after the first "=" of the first entry named so (letter case ignored); empty
    // when there is none.
    QString GetAttr(const QString& name) const;
    // Replaces the first entry named so, or appends one; an empty value removes the entry, so an
    // empty attribute is never written.
    void SetAttr(const QString& name, const QString& value);

    // The tree typed as tag nodes; nullptr for anything else (or out of range).
    TTagNode* TagParent() const;
    TTagNode* TagChild(int index) const;

protected:
    std::unique_ptr<THierarchyNode> CreateNode(const QString& name,
                                               TNodeType nodeType) const override;
    void ClearContent() override;
};

// A non-owning ordered list of nodes: the results of a query.
class TTagNodeList {
public:
    void Clear() { FItems.clear(); }
    void Add(TTagNode* node) { FItems.push_back(node); }
    int Count() const { return static_cast<int>(FItems.size()); }
    // nullptr when the index is out of range.
    TTagNode* Item(int index) const;
    // Ignored when the index is out of range.
    void Delete(int index);

    auto begin() const { return FItems.begin(); }
    auto end() const { return FItems.end(); }

private:
    std::vector<TTagNode*> FItems;
};

class THTMLParser;
// Raised when an element is closed.
using THTMLTagNotifyEvent = std::function<void(THTMLParser& parser, TTagNode& node)>;
// Raised at every piece of markup the reader had to recover from.
using TSyntaxWarningEvent = std::function<void(THTMLParser& parser, const QString& warning)>;

class THTMLParser {
public:
    THTMLParser();
    ~THTMLParser();
    THTMLParser(const THTMLParser&) = delete;
    THTMLParser& operator=(const THTMLParser&) = delete;

    // The document node (type ntDocument) holding the parsed top-level nodes.
    TTagNode* Root() const { return FRoot.get(); }
    bool Busy() const { return FBusy; }

    // Handlers must not change the tree while a parse runs.
    THTMLTagNotifyEvent OnHTMLTag;
    TSyntaxWarningEvent OnSyntaxWarning;

    // Rebuilds Root from the text. Never fails; a call made while a parse runs returns at once.
    // With trimText, text between tags is trimmed and dropped when nothing is left of it.
    void Parse(const QString& text, bool trimText = false);
    // Whether the last parse ended inside a tag, a comment or a declaration, or with an element
    // still open: the mark of a document cut off before its end.
    bool EndedInside() const { return FEndedInside; }
    // Reads the whole Windows-1250 file, then parses it. When the file cannot be read, returns
    // false with the reason in error and leaves Root as it was.
    bool LoadFromFile(const QString& path, bool trimText, QString* error);

private:
    std::unique_ptr<TTagNode> FRoot;
    bool FBusy = false;
    bool FEndedInside = false;
};

// The first direct child element (or other tag node) whose Name equals the name, ASCII letter
// case ignored; nullptr when there is none.
TTagNode* FindChild(const TTagNode* node, const QString& name);
// Clears the list, then adds every descendant of the node (depth-first, each node before its own
// descendants) whose Name equals the name, ASCII letter case ignored; an empty name or "*"
// matches every node.
void FindAll(const TTagNode* node, const QString& name, TTagNodeList& list);
// The elements (no comments or declarations) below the node named so, as FindAll finds them:
// a start tag left open by hand nests the elements after it, and they are still found.
std::vector<const TTagNode*> ElementsBelow(const TTagNode* node, const QString& name);
// A new detached element.
std::unique_ptr<TTagNode> NewElement(const QString& name);

// Markup names compare without regard to ASCII letter case only.
bool SameMarkupName(const QString& a, const QString& b);
