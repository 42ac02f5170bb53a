#include "settings/uArSeparations.h"

#include "foundation/HTMLParser.h"
#include "foundation/uArUtils.h"
#include "foundation/uDateTime.h"
#include "foundation/uXmlWriter.h"
#include "settings/uArSettingsFile.h"

#include <algorithm>

namespace {

const QString kRootTag = QStringLiteral("schedule");
const QString kDefActiveAttr = QStringLiteral("defActive");
const QString kNoBlockDayCountAttr = QStringLiteral("noBlockDayCount");
const QString kBlockDayCountAttr = QStringLiteral("blockDayCount");
const QString kHoursAttr = QStringLiteral("hours");

constexpr qint64 kMsPerMinute = 60 * 1000;
constexpr qint64 kLastMinuteOfDay = 23 * 60 + 59;

} // namespace

bool TArSeparations::Load() {
    THTMLParser parser;
    const bool read =
        LoadSettingsDocument(parser, SeparationsFileName, TFileNaming::fnFullPath, kRootTag);
    if (const TTagNode* root = FindChild(parser.Root(), kRootTag)) {
        FDefActive = TextToBool(root->GetAttr(kDefActiveAttr), FDefActive);
        FNoBlockDayCount = StrToIntDef(root->GetAttr(kNoBlockDayCountAttr), 1);
        FBlockDayCount = StrToIntDef(root->GetAttr(kBlockDayCountAttr), 1);
        FHours = StrToIntDef(root->GetAttr(kHoursAttr), 1);
    }
    FChanged = false;
    return read;
}

bool TArSeparations::Save() {
    if (!FChanged)
        return true;
    TLineDocument doc;
    doc.Open(kRootTag, TLineAttrs()
                           .Add(kDefActiveAttr, BoolToText(FDefActive))
                           .Add(kNoBlockDayCountAttr, FNoBlockDayCount)
                           .Add(kBlockDayCountAttr, FBlockDayCount)
                           .Add(kHoursAttr, FHours));
    doc.Close();
    const bool written = SaveSettingsDocument(doc, SeparationsFileName, TFileNaming::fnFullPath);
    FChanged = false;
    return written;
}

void TArSeparations::SetDefActive(bool value) {
    if (FDefActive == value)
        return;
    FDefActive = value;
    FChanged = true;
}

TSeparationWindow TArSeparations::WindowAround(int startMinute) const {
    // 64-bit: the hours come from a file and may be anything.
    const qint64 span = static_cast<qint64>(FHours) * 60;
    const qint64 from = std::max<qint64>(startMinute - span, 0);
    const qint64 to = startMinute + span;
    return {static_cast<int>(std::min<qint64>(from * kMsPerMinute, MSecsPerDay - 1)),
            to > kLastMinuteOfDay ? MSecsPerDay - 1
                                  : static_cast<int>(std::max<qint64>(to, 0) * kMsPerMinute)};
}

void TArSeparations::SetCount(int& field, int value) {
    if (field == value)
        return;
    field = value;
    FChanged = true;
}
