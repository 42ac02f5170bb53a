// The lenient markup reader, the tree writer and the escaping on arbitrary bytes read as a
// Windows-1250 document. Nothing may crash, hang or blow up, whatever the input.
#include "foundation/HTMLParser.h"
#include "foundation/uTextFile.h"
#include "foundation/uXmlEscape.h"
#include "foundation/uXmlWriter.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text =
        DecodeCp1250(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));

    THTMLParser parser;
    int tagEvents = 0;
    parser.OnHTMLTag = [&](THTMLParser& p, TTagNode&) {
        ++tagEvents;
        p.Parse(text); // a nested parse must return at once
    };
    parser.OnSyntaxWarning = [](THTMLParser&, const QString&) {};
    parser.Parse(text, size > 0 && (data[0] & 1) != 0);

    TTagNodeList all;
    FindAll(parser.Root(), QStringLiteral("*"), all);
    for (TTagNode* node : all) {
        (void)node->GetAttr(QStringLiteral("id"));
        (void)FindChild(node, node->Name);
    }
    const QString written = NodeToText(parser.Root());

    // Whatever is escaped reads back as it was, except code 1, which is written as "&nbsp;".
    QString plain = text;
    plain.remove(QChar(1));
    if (XmlUnescape(XmlEscape(plain)) != plain)
        std::abort();
    (void)XmlUnescape(text);
    (void)XmlUnescape(written);
    (void)tagEvents;
    return 0;
}
