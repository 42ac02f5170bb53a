#include "settings/uArDisabledLabels.h"

#include "foundation/HTMLParser.h"
#include "foundation/uArUtils.h"
#include "foundation/uXmlEscape.h"
#include "foundation/uXmlWriter.h"
#include "settings/uArSettingsFile.h"

#include <algorithm>

namespace {

const QString kRootTag = QStringLiteral("labels");
const QString kLabTag = QStringLiteral("lab");
const QString kIdAttr = QStringLiteral("id");
const QString kValAttr = QStringLiteral("val");

// The longest entity name the unescaping reads.
constexpr qsizetype kMaxEntityLength = 10;

bool IsEntityChar(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
           c == u'#';
}

// The length of the entity reference "&...;" at pos when it is one the unescaping knows, else 0.
qsizetype KnownEntityAt(const QString& text, qsizetype pos) {
    qsizetype end = pos + 1;
    while (end < text.size() && end - pos - 1 < kMaxEntityLength && IsEntityChar(text[end]))
        ++end;
    if (end == pos + 1 || end >= text.size() || text[end] != u';')
        return 0;
    const qsizetype length = end - pos + 1;
    const QString reference = text.mid(pos, length);
    // An unknown reference comes back without its "&".
    return XmlUnescape(reference) == reference.mid(1) ? 0 : length;
}

// Label texts used to be written unescaped, so an older file may hold a bare "&" ("R&B"): only
// complete entity references are decoded, every other "&" stays as it was typed.
QString DecodeLabelText(const QString& text) {
    QString decoded;
    qsizetype done = 0;
    qsizetype amp = text.indexOf(u'&');
    while (amp >= 0) {
        const qsizetype length = KnownEntityAt(text, amp);
        if (length == 0) {
            amp = text.indexOf(u'&', amp + 1);
            continue;
        }
        decoded += QStringView(text).sliced(done, amp - done);
        decoded += XmlUnescape(text.mid(amp, length));
        done = amp + length;
        amp = text.indexOf(u'&', done);
    }
    decoded += QStringView(text).sliced(done);
    return decoded;
}

bool TextBefore(const TDisabledLabel& a, const TDisabledLabel& b) {
    return QString::compare(a.Text, b.Text, Qt::CaseInsensitive) < 0;
}

} // namespace

bool TArDisabledLabels::Load() {
    std::vector<TDisabledLabel> labels;
    THTMLParser parser;
    const bool read =
        LoadSettingsDocument(parser, DisabledLabelsFileName, TFileNaming::fnFullPath, kRootTag);
    if (const TTagNode* root = FindChild(parser.Root(), kRootTag)) {
        TTagNodeList elements;
        FindAll(root, kLabTag, elements);
        for (const TTagNode* element : elements)
            labels.push_back({DecodeLabelText(element->GetAttr(kValAttr)),
                              StrToIntDef(element->GetAttr(kIdAttr), -1)});
    }
    SetLabels(std::move(labels));
    FChanged = false;
    return read;
}

bool TArDisabledLabels::Save() {
    if (!FChanged)
        return true;
    TLineDocument doc;
    doc.Open(kRootTag);
    for (const TDisabledLabel& label : FLabels)
        doc.Element(kLabTag, TLineAttrs().Add(kIdAttr, label.Id).AddEscaped(kValAttr, label.Text));
    doc.Close();
    const bool written = SaveSettingsDocument(doc, DisabledLabelsFileName, TFileNaming::fnFullPath);
    FChanged = false;
    return written;
}

bool TArDisabledLabels::IsDisabled(int labelId) const {
    return labelId != -1 && std::binary_search(FIds.begin(), FIds.end(), labelId);
}

void TArDisabledLabels::Replace(std::vector<TDisabledLabel> labels) {
    SetLabels(std::move(labels));
    FChanged = true;
}

void TArDisabledLabels::SetLabels(std::vector<TDisabledLabel> labels) {
    std::stable_sort(labels.begin(), labels.end(), TextBefore);
    FLabels = std::move(labels);
    FIds.clear();
    for (const TDisabledLabel& label : FLabels)
        FIds.push_back(label.Id);
    std::sort(FIds.begin(), FIds.end());
}
