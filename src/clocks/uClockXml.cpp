#include "clocks/uClockXml.h"

#include "foundation/HTMLParser.h"
#include "foundation/uAppPaths.h"
#include "foundation/uArUtils.h"
#include "foundation/uMsgLog.h"
#include "foundation/uWholeFile.h"
#include "foundation/uXmlWriter.h"

TTagNode& AddElement(TTagNode& parent, const QString& name) {
    return static_cast<TTagNode&>(*parent.AddChild(NewElement(name)));
}

void SetIntAttr(TTagNode& node, const QString& name, int value) {
    node.SetAttr(name, QString::number(value));
}

void SetBoolAttr(TTagNode& node, const QString& name, bool value) {
    node.SetAttr(name, BoolToText(value));
}

int IntAttr(const TTagNode& node, const QString& name, int def) {
    return StrToIntDef(node.GetAttr(name), def);
}

bool BoolAttr(const TTagNode& node, const QString& name, bool def) {
    return TextToBool(node.GetAttr(name), def);
}

bool LoadTreeDocument(THTMLParser& parser, const QString& path, const QString& rootName,
                      QString& failure) {
    QString error;
    if (LoadWholeDocument(parser, path, false, rootName, &error))
        return true;
    failure = FileLoadErrorText(path, error);
    return false;
}

bool SaveTreeDocument(const THierarchyNode* root, const QString& path, QString& failure) {
    QString error;
    if (SaveNodeToFile(root, path, &error))
        return true;
    failure = FileSaveErrorText(path, error);
    return false;
}

bool SaveObjListFile(const TObjListFile& file, int lastId, int count,
                     const std::function<void(int index, TTagNode& element)>& saveObject) {
    THTMLParser document;
    TTagNode& root = AddElement(*document.Root(), file.RootName);
    SetIntAttr(root, kListLastIdAttr, lastId);
    for (int index = 0; index < count; ++index)
        saveObject(index, AddElement(root, kListObjElement));
    QString failure;
    if (SaveTreeDocument(document.Root(), AppFilePath(file.FileName), failure))
        return true;
    LogMessage(file.LogSource, TLogLevel::Error, file.SaveError.arg(failure));
    return false;
}
