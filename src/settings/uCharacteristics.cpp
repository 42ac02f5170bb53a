#include "settings/uCharacteristics.h"

#include "foundation/HTMLParser.h"
#include "foundation/uArUtils.h"
#include "foundation/uMsgLog.h"
#include "foundation/uXmlEscape.h"
#include "foundation/uXmlWriter.h"

#include <algorithm>

namespace {

const QString& kRootTag = CharacteristicsRootTag;
const QString kCharacterTag = QStringLiteral("character");
const QString kOptTag = QStringLiteral("opt");
const QString kTypeAttr = QStringLiteral("type");
const QString kLastIdAttr = QStringLiteral("lastId");
const QString kIdAttr = QStringLiteral("id");
const QString kValAttr = QStringLiteral("val");

void ReadCharacter(const TTagNode& element, TCharacteristics& chars) {
    const int kind = StrToIntDef(element.GetAttr(kTypeAttr), -1);
    if (!IsCharKind(kind)) {
        LogMessage(msOptions, TLogLevel::Notice,
                   QStringLiteral("Nieznany charakter: %1").arg(kind));
        return;
    }
    TCharValueList& values = chars.Values[kind];
    int maxId = 0;
    TTagNodeList opts;
    FindAll(&element, kOptTag, opts);
    for (const TTagNode* opt : opts) {
        const int id = StrToIntDef(opt->GetAttr(kIdAttr), -1);
        const QString text = XmlUnescape(opt->GetAttr(kValAttr));
        if (text.isEmpty() || id == -1)
            continue;
        values.push_back({text, id});
        maxId = std::max(maxId, id);
    }
    // The counter never falls behind the ids in use, whatever the file says.
    chars.LastIds[kind] = std::max(StrToIntDef(element.GetAttr(kLastIdAttr), maxId), maxId);
}

} // namespace

QString CharKindTag(int kind) {
    switch (kind) {
    case ckType:
        return QStringLiteral("Typ");
    case ckAtmosphere:
        return QStringLiteral("Nastrój");
    case ckTempo:
        return QStringLiteral("Tempo");
    case ckVocal:
        return QStringLiteral("Wokal");
    case ckLanguage:
        return QStringLiteral("Język");
    case ckYears:
        return QStringLiteral("Lata");
    default:
        return {};
    }
}

QString CharKindCaption(int kind) {
    return IsCharKind(kind) ? CharKindTag(kind) : QStringLiteral("Nieznany");
}

void ReadCharacteristics(const TTagNode* documentRoot, TCharacteristics& chars) {
    const TTagNode* root = FindChild(documentRoot, kRootTag);
    if (root == nullptr)
        return;
    TTagNodeList characters;
    FindAll(root, kCharacterTag, characters);
    for (const TTagNode* element : characters)
        ReadCharacter(*element, chars);
}

TLineDocument CharacteristicsDocument(const TCharacteristics& chars) {
    TLineDocument doc;
    doc.Open(kRootTag);
    for (int kind = 0; kind < CharKindCount; ++kind) {
        doc.Open(kCharacterTag,
                 TLineAttrs().Add(kTypeAttr, kind).Add(kLastIdAttr, chars.LastIds[kind]));
        for (const TCharValue& value : chars.Values[kind])
            doc.Element(kOptTag,
                        TLineAttrs().Add(kIdAttr, value.Id).AddEscaped(kValAttr, value.Text));
        doc.Close();
    }
    doc.Close();
    return doc;
}
