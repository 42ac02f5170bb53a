#include "clocks/uObjProperties.h"

#include "clocks/uClockXml.h"
#include "foundation/HTMLParser.h"
#include "settings/uSettings.h"

#include <stdexcept>

namespace {

const QString kAny = QStringLiteral("any");
const QString kLab1 = QStringLiteral("lab1");
const QString kLab2 = QStringLiteral("lab2");
const QString kVal = QStringLiteral("val");
const QString kId = QStringLiteral("id");

} // namespace

TPropArray& TObjProperties::Array(int kind) {
    switch (kind) {
    case ckType:
        return PropType;
    case ckAtmosphere:
        return Atmosphere;
    case ckTempo:
        return Tempo;
    case ckVocal:
        return Vocal;
    case ckLanguage:
        return Language;
    case ckYears:
        return Years;
    default:
        throw std::out_of_range("characteristic kind");
    }
}

const TPropArray& TObjProperties::Array(int kind) const {
    return const_cast<TObjProperties*>(this)->Array(kind);
}

void TObjProperties::SaveToNode(TTagNode& node) const {
    SetBoolAttr(node, kAny, Any);
    node.SetAttr(kLab1, Lab1);
    node.SetAttr(kLab2, Lab2);
    for (const TCharElement& element : CharElements) {
        TTagNode& values = AddElement(node, QLatin1String(element.Name));
        for (int id : Array(element.Kind))
            SetIntAttr(AddElement(values, kVal), kId, id);
    }
}

void TObjProperties::LoadFromNode(const TTagNode& node) {
    Any = BoolAttr(node, kAny, Any);
    Lab1 = node.GetAttr(kLab1);
    Lab2 = node.GetAttr(kLab2);
    for (const TCharElement& element : CharElements) {
        const TTagNode* values = FindChild(&node, QLatin1String(element.Name));
        if (values == nullptr)
            continue;
        TTagNodeList items;
        FindAll(values, kVal, items);
        TPropArray& array = Array(element.Kind);
        array.clear();
        // A malformed id stays in the array as -1, a value no song has.
        for (const TTagNode* item : items)
            array.push_back(IntAttr(*item, kId, -1));
    }
}

QString CharElementName(int kind) {
    for (const TCharElement& element : CharElements)
        if (element.Kind == kind)
            return QLatin1String(element.Name);
    return QString();
}

QString PropertiesText(const TPropArray& values, int kind) {
    QString text;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const QString name = Options ? Options->CharValueName(kind, values[i]) : QString();
        if (name.isEmpty())
            continue;
        text += name;
        if (i + 1 < values.size())
            text += QLatin1Char(',');
    }
    return text;
}
