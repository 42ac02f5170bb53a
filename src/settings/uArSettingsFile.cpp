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
        LogMessage(msOptions, TLogLevel::Notice, MissingFileText(shown));
        return false;
    }
    QString error;
    if (!LoadWholeDocument(parser, path, false, rootName, &error)) {
        LogMessage(msOptions, TLogLevel::Error, FileLoadErrorText(shown, error));
        return false;
    }
    return true;
}

bool SaveSettingsDocument(const TLineDocument& doc, const QString& fileName, TFileNaming naming) {
    const QString path = AppFilePath(fileName);
    QString error;
    if (doc.SaveToFile(path, &error))
        return true;
    LogMessage(msOptions, TLogLevel::Error,
               FileSaveErrorText(ShownName(fileName, path, naming), error));
    return false;
}
