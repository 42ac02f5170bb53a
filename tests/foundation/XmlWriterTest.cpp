#include "foundation/HTMLParser.h"
#include "foundation/uXmlEscape.h"
#include "foundation/uXmlWriter.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TTagNode* AddElement(TTagNode* parent, const QString& name) {
    return static_cast<TTagNode*>(parent->AddChild(NewElement(name)));
}

TTagNode* AddNode(TTagNode* parent, TNodeType type, const QString& name, const QString& text) {
    auto* node = static_cast<TTagNode*>(parent->AddNewChild(name, type));
    node->Text = text;
    return node;
}

// A fresh document with one top element, the way the tree-style documents are built.
class TreeWriting : public testing::Test {
protected:
    void SetUp() override { Top = AddElement(Parser.Root(), QStringLiteral("CatList")); }

    QString Text() const { return NodeToText(Parser.Root()); }

    THTMLParser Parser;
    TTagNode* Top = nullptr;
};

TEST_F(TreeWriting, ListWithTwoEmptyChildrenGivesFiveLines) {
    Top->SetAttr(QStringLiteral("lastId"), QStringLiteral("5"));
    AddElement(Top, QStringLiteral("obj"));
    AddElement(Top, QStringLiteral("obj"));
    EXPECT_EQ(Text(), QStringLiteral("\r\n"
                                     "  <CatList lastId=\"5\">\r\n"
                                     "    <obj/>\r\n"
                                     "    <obj/>\r\n"
                                     "  </CatList>\r\n"));
}

TEST_F(TreeWriting, AttributesAreWrittenUnescapedInTheirOrder) {
    Top->SetAttr(QStringLiteral("b"), QStringLiteral("2"));
    Top->SetAttr(QStringLiteral("a"), QStringLiteral("x<y&z"));
    Top->SetAttr(QStringLiteral("empty"), QString());
    Top->SetAttr(QStringLiteral("q"), QStringLiteral("say \"hi\""));
    Top->Attributes.append(QStringLiteral("bare"));
    Top->SetAttr(QStringLiteral("b"), QStringLiteral("3"));
    EXPECT_EQ(Text(),
              QStringLiteral("\r\n  <CatList b=\"3\" a=\"x<y&z\" q='say \"hi\"' bare/>\r\n"));
}

TEST_F(TreeWriting, AnOnlyTextChildStaysOnTheElementsLine) {
    AddNode(Top, ntText, TextNodeName, QStringLiteral("a<b"));
    EXPECT_EQ(Text(), QStringLiteral("\r\n  <CatList>a&lt;b</CatList>\r\n"));
}

TEST_F(TreeWriting, TextAmongOtherChildrenHasItsOwnLine) {
    AddNode(Top, ntText, TextNodeName, QStringLiteral("first"));
    AddElement(Top, QStringLiteral("obj"));
    AddNode(Top, ntText, TextNodeName, QStringLiteral(" \r\n  "));
    AddNode(Top, ntText, TextNodeName, QStringLiteral("\t"));
    EXPECT_EQ(Text(), QStringLiteral("\r\n  <CatList>\r\n"
                                     "    first\r\n"
                                     "    <obj/>\r\n"
                                     "    \t\r\n"
                                     "  </CatList>\r\n"));
}

TEST_F(TreeWriting, ABlankOnlyTextChildLeavesAnEmptyPair) {
    AddNode(Top, ntText, TextNodeName, QStringLiteral("\r\n  "));
    EXPECT_EQ(Text(), QStringLiteral("\r\n  <CatList></CatList>\r\n"));
}

TEST_F(TreeWriting, CommentsDeclarationsAndCDataGetTheirForms) {
    AddNode(Top, ntComment, CommentNodeName, QStringLiteral("note"));
    AddNode(Top, ntDeclaration, QStringLiteral("!DOCTYPE"), QStringLiteral("html"));
    AddNode(Top, ntDeclaration, QStringLiteral("!EMPTY"), QString());
    AddNode(Top, ntCData, CDataNodeName, QStringLiteral("x<y"));
    EXPECT_EQ(Text(), QStringLiteral("\r\n  <CatList>\r\n"
                                     "    <!-- note -->\r\n"
                                     "    <!DOCTYPE html>\r\n"
                                     "    <!EMPTY>\r\n"
                                     "    <![CDATA[x<y]]>\r\n"
                                     "  </CatList>\r\n"));
}

TEST_F(TreeWriting, ADetachedElementStartsAtColumnZero) {
    auto element = NewElement(QStringLiteral("obj"));
    AddElement(element.get(), QStringLiteral("item"));
    EXPECT_EQ(NodeToText(element.get()), QStringLiteral("<obj>\r\n  <item/>\r\n</obj>\r\n"));
    EXPECT_TRUE(NodeToText(nullptr).isEmpty());
}

// Written, read back and written again: the same text, so the same tree.
TEST_F(TreeWriting, WhatIsWrittenParsesBackToTheSameTree) {
    const QString name = QStringLiteral("Zespół \"Łódź\" & <przyjaciele> 'na żywo'");
    Top->SetAttr(QStringLiteral("lastId"), QStringLiteral("12"));
    AddNode(Top, ntComment, CommentNodeName, QStringLiteral("lista"));
    TTagNode* obj = AddElement(Top, QStringLiteral("obj"));
    obj->SetAttr(QStringLiteral("id"), QStringLiteral("7"));
    obj->SetAttr(QStringLiteral("name"), XmlEscape(name));
    obj->SetAttr(QStringLiteral("quoted"), QStringLiteral("a \"b\""));
    TTagNode* props = AddElement(obj, QStringLiteral("props"));
    AddElement(props, QStringLiteral("prop"))->SetAttr(QStringLiteral("v"), QStringLiteral("1"));
    AddNode(AddElement(obj, QStringLiteral("note")), ntText, TextNodeName,
            QStringLiteral("wolny tekst"));
    AddElement(Top, QStringLiteral("obj"))->SetAttr(QStringLiteral("id"), QStringLiteral("8"));
    const QString written = Text();

    THTMLParser reader;
    reader.Parse(written);
    EXPECT_EQ(NodeToText(reader.Root()), written);

    TTagNodeList objs;
    FindAll(FindChild(reader.Root(), QStringLiteral("CatList")), QStringLiteral("obj"), objs);
    ASSERT_EQ(objs.Count(), 2);
    EXPECT_EQ(XmlUnescape(objs.Item(0)->GetAttr(QStringLiteral("name"))), name);
    EXPECT_EQ(objs.Item(0)->GetAttr(QStringLiteral("quoted")), QStringLiteral("a \"b\""));
    EXPECT_EQ(objs.Item(1)->GetAttr(QStringLiteral("id")), QStringLiteral("8"));
}

TEST(TreeWritingDepth, DeepTreesAreWrittenWithoutRecursionAndBoundedIndent) {
    constexpr int depth = 100000;
    THTMLParser parser;
    parser.Parse(QStringLiteral("<a>").repeated(depth));
    const QString text = NodeToText(parser.Root());
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    // The empty first line, depth start tags (the innermost empty), depth - 1 end tags, and
    // what follows the last line end.
    ASSERT_EQ(lines.size(), 2 * depth + 1);
    EXPECT_EQ(lines[1], QStringLiteral("  <a>"));
    EXPECT_EQ(lines[depth], QString(64, u' ') + QStringLiteral("<a/>"));
    EXPECT_EQ(lines[2 * depth - 1], QStringLiteral("  </a>"));
}

TEST(TreeWritingFile, SavesAsWindows1250) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kategorie.xml"));
    THTMLParser parser;
    TTagNode* top = AddElement(parser.Root(), QStringLiteral("CatList"));
    AddElement(top, QStringLiteral("obj"))->SetAttr(QStringLiteral("name"), QStringLiteral("Łza"));
    QString error;
    ASSERT_TRUE(SaveNodeToFile(parser.Root(), path, &error)) << error.toStdString();
    EXPECT_EQ(ReadFileBytes(path), QByteArray("\r\n  <CatList>\r\n    <obj name=\"\xA3za\"/>\r\n"
                                              "  </CatList>\r\n"));
}

// --- Line templates

TEST(LineDocument, IndentsTwoSpacesPerOpenElement) {
    TLineDocument doc;
    doc.AddLine(QStringLiteral("<!-- nagłówek -->"));
    doc.Open(QStringLiteral("groups"), TLineAttrs().Add(QStringLiteral("lastId"), 3));
    doc.Element(QStringLiteral("group"),
                TLineAttrs()
                    .Add(QStringLiteral("id"), -1)
                    .AddEscaped(QStringLiteral("name"), QStringLiteral("Rock & \"Pop\""))
                    .Add(QStringLiteral("ids"), QStringLiteral("1,2"))
                    .Add(QStringLiteral("empty"), QString()));
    doc.Open(QStringLiteral("range"));
    EXPECT_EQ(doc.Depth(), 2);
    doc.Element(QStringLiteral("Item"));
    doc.Close();
    doc.Close();
    doc.Close(); // nothing left open: ignored
    EXPECT_EQ(doc.Lines(),
              (QStringList{
                  "<!-- nagłówek -->",
                  "<groups lastId=\"3\">",
                  "  <group id=\"-1\" name=\"Rock &amp; &quot;Pop&quot;\" ids=\"1,2\" empty=\"\"/>",
                  "  <range>",
                  "    <Item/>",
                  "  </range>",
                  "</groups>",
              }));
}

TEST(LineDocument, SavesLinesWithCrLfAsWindows1250) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("grupy.xml"));
    TLineDocument doc;
    doc.Open(QStringLiteral("groups"));
    doc.Element(QStringLiteral("group"),
                TLineAttrs().AddEscaped(QStringLiteral("name"), QStringLiteral("Żółw")));
    doc.Close();
    QString error;
    ASSERT_TRUE(doc.SaveToFile(path, &error)) << error.toStdString();
    EXPECT_EQ(ReadFileBytes(path),
              QByteArray("<groups>\r\n  <group name=\"\xAF\xF3\xB3w\"/>\r\n</groups>\r\n"));

    THTMLParser parser;
    ASSERT_TRUE(parser.LoadFromFile(path, false, &error));
    TTagNode* group =
        FindChild(FindChild(parser.Root(), QStringLiteral("groups")), QStringLiteral("group"));
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(XmlUnescape(group->GetAttr(QStringLiteral("name"))), QStringLiteral("Żółw"));
}

} // namespace
