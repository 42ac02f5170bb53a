#pragma once

#include <QString>

class THTMLParser;
class THierarchyNode;
class TTagNode;

// Small helpers shared by the tree-style documents of clock objects: the category list, the
// broadcast list and the clock files.

// Appends a new element to the parent and returns it.
TTagNode& AddElement(TTagNode& parent, const QString& name);

// Numbers in decimal, booleans as "1"/"0".
void SetIntAttr(TTagNode& node, const QString& name, int value);
void SetBoolAttr(TTagNode& node, const QString& name, bool value);
// The decimal integer of the attribute, or `def` when it is missing or not a number.
int IntAttr(const TTagNode& node, const QString& name, int def);
// "1"/"true" and "0"/"false" in any letter case, else `def`.
bool BoolAttr(const TTagNode& node, const QString& name, bool def);

// Parses the whole file, a document whose top element is `rootName`. When it cannot be read
// whole returns false with the standard file-error text (naming the path) in `failure`, to be
// put into the list's own message; the parser then holds what could be read of it.
bool LoadTreeDocument(THTMLParser& parser, const QString& path, const QString& rootName,
                      QString& failure);
// Writes the tree over the file; as above on failure.
bool SaveTreeDocument(const THierarchyNode* root, const QString& path, QString& failure);
