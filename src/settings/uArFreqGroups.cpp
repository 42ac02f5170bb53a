#include "settings/uArFreqGroups.h"

#include "foundation/HTMLParser.h"
#include "foundation/uArUtils.h"
#include "foundation/uXmlEscape.h"
#include "foundation/uXmlWriter.h"
#include "settings/uArSettingsFile.h"

namespace {

const QString kRootTag = QStringLiteral("groups");
const QString kGroupTag = QStringLiteral("group");
const QString kLastIdAttr = QStringLiteral("lastId");
const QString kDefSongGrAttr = QStringLiteral("defSongGr");
const QString kDefArtGrAttr = QStringLiteral("defArtGr");
const QString kGlobSongGrAttr = QStringLiteral("globSongGr");
const QString kGlobArtGrAttr = QStringLiteral("globArtGr");
const QString kIdAttr = QStringLiteral("id");
const QString kNameAttr = QStringLiteral("name");
const QString kFreqAttr = QStringLiteral("freq");
const QString kFPeriodAttr = QStringLiteral("fperiod");
const QString kMaxAttr = QStringLiteral("max");
const QString kMPeriodAttr = QStringLiteral("mperiod");
const QString kReadOnlyAttr = QStringLiteral("readOnly");

} // namespace

// --- TArFreqGroup

int TArFreqGroup::MaxPeriodHours() const {
    if (Max == -1)
        return -1;
    switch (MPeriod) {
    case mpHour:
        return 1;
    case mpDay:
        return 24;
    case mpWeek:
        return 7 * 24;
    case mpMonth:
        return 30 * 24;
    default:
        return -1;
    }
}

void TArFreqGroup::LoadFromNode(const TTagNode& element) {
    Reset();
    Id = StrToIntDef(element.GetAttr(kIdAttr), Id);
    Name = XmlUnescape(element.GetAttr(kNameAttr));
    Freq = StrToIntDef(element.GetAttr(kFreqAttr), Freq);
    FPeriod = StrToIntDef(element.GetAttr(kFPeriodAttr), FPeriod);
    Max = StrToIntDef(element.GetAttr(kMaxAttr), Max);
    MPeriod = StrToIntDef(element.GetAttr(kMPeriodAttr), MPeriod);
    ReadOnly = TextToBool(element.GetAttr(kReadOnlyAttr), ReadOnly);
}

void TArFreqGroup::SaveToList(TLineDocument& doc) const {
    doc.Element(kGroupTag, TLineAttrs()
                               .Add(kIdAttr, Id)
                               .AddEscaped(kNameAttr, Name)
                               .Add(kFreqAttr, Freq)
                               .Add(kFPeriodAttr, FPeriod)
                               .Add(kMaxAttr, Max)
                               .Add(kMPeriodAttr, MPeriod)
                               .Add(kReadOnlyAttr, BoolToText(ReadOnly)));
}

// --- TArFreqGroups

bool TArFreqGroups::Load() {
    THTMLParser parser;
    const bool read =
        LoadSettingsDocument(parser, FreqGroupsFileName, TFileNaming::fnFileName, kRootTag);
    const TTagNode* root = FindChild(parser.Root(), kRootTag);
    if (root != nullptr) {
        FDefSongGr = StrToIntDef(root->GetAttr(kDefSongGrAttr), -1);
        FDefArtGr = StrToIntDef(root->GetAttr(kDefArtGrAttr), -1);
        FGlobSongGr = StrToIntDef(root->GetAttr(kGlobSongGrAttr), -1);
        FGlobArtGr = StrToIntDef(root->GetAttr(kGlobArtGrAttr), -1);
        AddLoaded(*root, kGroupTag, StrToIntDef(root->GetAttr(kLastIdAttr), 0));
    }
    ClearChanged();
    return read;
}

bool TArFreqGroups::Save() {
    if (!Changed())
        return true;
    TLineDocument doc;
    doc.Open(kRootTag, TLineAttrs()
                           .Add(kLastIdAttr, LastId())
                           .Add(kDefSongGrAttr, FDefSongGr)
                           .Add(kDefArtGrAttr, FDefArtGr)
                           .Add(kGlobSongGrAttr, FGlobSongGr)
                           .Add(kGlobArtGrAttr, FGlobArtGr));
    for (int i = 0; i < Count(); ++i)
        Items(i).SaveToList(doc);
    doc.Close();
    const bool written = SaveSettingsDocument(doc, FreqGroupsFileName, TFileNaming::fnFileName);
    ClearChanged();
    return written;
}

void TArFreqGroups::SetGroupId(int& field, int id) {
    if (field == id)
        return;
    field = id;
    MarkChanged();
}
