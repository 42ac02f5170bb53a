#include "settings/uArDrawSettings.h"

#include "foundation/HTMLParser.h"
#include "foundation/uAppPaths.h"
#include "foundation/uArUtils.h"
#include "foundation/uXmlWriter.h"
#include "settings/uArSettingsFile.h"

#include <QFileInfo>

namespace {

const QString kRootTag = QStringLiteral("draw");
const QString kRelaxAttr = QStringLiteral("relax");

} // namespace

bool TArDrawSettings::Load() {
    FRelax = false;
    FChanged = false;
    // Stations made before the setting existed have no file: they keep stopping, unasked.
    if (!QFileInfo::exists(AppFilePath(DrawSettingsFileName)))
        return false;
    THTMLParser parser;
    if (!LoadSettingsDocument(parser, DrawSettingsFileName, TFileNaming::fnFullPath, kRootTag))
        return false;
    if (const TTagNode* root = FindChild(parser.Root(), kRootTag))
        FRelax = TextToBool(root->GetAttr(kRelaxAttr), false);
    return true;
}

bool TArDrawSettings::Save() {
    if (!FChanged)
        return true;
    TLineDocument doc;
    doc.Element(kRootTag, TLineAttrs().Add(kRelaxAttr, BoolToText(FRelax)));
    const bool written = SaveSettingsDocument(doc, DrawSettingsFileName, TFileNaming::fnFullPath);
    FChanged = false;
    return written;
}

void TArDrawSettings::SetRelaxWhenNoCandidate(bool value) {
    if (FRelax == value)
        return;
    FRelax = value;
    FChanged = true;
}
