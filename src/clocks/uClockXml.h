#pragma once

#include <QString>
#include <functional>

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

// The names every object list file uses below its top element.
inline const QString kListLastIdAttr = QStringLiteral("lastId");
inline const QString kListObjElement = QStringLiteral("obj");

// How an object list (the category list, the broadcast list) is kept in its file.
struct TObjListFile {
    QString FileName;  // in the program directory
    QString RootName;  // the top element, which carries the last handed-out id
    QString LogSource; // the message log's source of the list
    QString SaveError; // the list's message on a failed save; "%1" the file error
};

// Writes an object list over its file: the top element with "lastId", then one "obj" element
// for each of `count` objects, filled by `saveObject(index, element)`. A failure is logged
// with the list's message.
bool SaveObjListFile(const TObjListFile& file, int lastId, int count,
                     const std::function<void(int index, TTagNode& element)>& saveObject);
