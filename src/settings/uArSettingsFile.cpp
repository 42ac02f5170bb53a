#include "settings/uArSettingsFile.h"

#include "foundation/HTMLParser.h"
#include "foundation/uAppPaths.h"
#include "foundation/uMsgLog.h"
#include "foundation/uWholeFile.h"
#include "foundation/uXmlWriter.h"

#include <QFileInfo>

namespace {

QString ShownName(const QString& fileName, const QString& path, TFileNaming naming) {
    return naming == TFileNaming::fnFullPath ? path : fileName;
}

} // namespace

bool LoadSettingsDocument(THTMLParser& parser, const QString& fileName, TFileNaming naming,
                          const QString& rootName) {
    const QString path = AppFilePath(fileName);
    const QString shown = ShownName(fileName, path, naming);
    if (!QFileInfo::exists(path)) {
        LogMessage(msOptions, 1, MissingFileText(shown));
        return false;
    }
    QString error;
    if (!LoadWholeDocument(parser, path, false, rootName, &error)) {
        LogMessage(msOptions, 2, FileLoadErrorText(shown, error));
        return false;
    }
    return true;
}

bool SaveSettingsDocument(const TLineDocument& doc, const QString& fileName, TFileNaming naming) {
    const QString path = AppFilePath(fileName);
    QString error;
    if (doc.SaveToFile(path, &error))
        return true;
    LogMessage(msOptions, 2, FileSaveErrorText(ShownName(fileName, path, naming), error));
    return false;
}
