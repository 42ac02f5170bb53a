#include "foundation/HTMLParser.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A compact picture of a tree: elements as Name[attr|attr]/(children), with "/" marking an
// element closed in its own tag; text as 'text'; the other nodes in braces.
QString Dump(const THierarchyNode* node);

QString DumpChildren(const THierarchyNode* node) {
    QStringList parts;
    for (int i = 0; i < node->ChildCount(); ++i)
        parts.append(Dump(node->ChildAt(i)));
    return parts.join(QLatin1Char(' '));
}

QString Dump(const THierarchyNode* node) {
    const auto* tag = dynamic_cast<const TTagNode*>(node);
    switch (node->NodeType) {
    case ntText:
        return QLatin1Char('\'') + tag->Text + QLatin1Char('\'');
    case ntComment:
        return QStringLiteral("{comment %1|%2}").arg(node->Name, tag->Text);
    case ntDeclaration:
        return QStringLiteral("{decl %1|%2}").arg(node->Name, tag->Text);
    case ntCData:
        return QStringLiteral("{cdata %1}").arg(tag->Text);
    default:
        break;
    }
    QString text = node->Name;
    if (!tag->Attributes.isEmpty())
        text += QLatin1Char('[') + tag->Attributes.join(QLatin1Char('|')) + QLatin1Char(']');
    if (tag->IsEmptyElement)
        text += QLatin1Char('/');
    if (node->ChildCount() > 0)
        text += QLatin1Char('(') + DumpChildren(node) + QLatin1Char(')');
    return text;
}

QString ParseAndDump(const QString& text, bool trimText = false) {
    THTMLParser parser;
    parser.Parse(text, trimText);
    return DumpChildren(parser.Root());
}

struct TParseCase {
    const char* Title;
    const char* Input;
    const char* Expected;
    bool TrimText = false;
};

class ParserRecovery : public testing::TestWithParam<TParseCase> {};

TEST_P(ParserRecovery, BuildsTheExpectedTree) {
    const TParseCase& c = GetParam();
    EXPECT_EQ(ParseAndDump(QString::fromUtf8(c.Input), c.TrimText), QString::fromUtf8(c.Expected))
        << c.Title;
}

const TParseCase kDocumentCases[] = {
    {"nested elements", "<a><b/></a>", "a(b/)"},
    {"last byte is the root's end tag", "<root><item id=\"1\"/><item id=\"2\"/></root>",
     "root(item[id=1]/ item[id=2]/)"},
    {"quotes of both kinds are dropped", "<a x=\"1\" y='2'>", "a[x=1|y=2]"},
    {"letter case of names is kept", "<Item Id=\"1\"/>", "Item[Id=1]/"},
    {"text between tags is a node", "<a>hi</a>", "a('hi')"},
    {"text is kept raw", "<a>&amp;</a>", "a('&amp;')"},
    {"blank text is kept without trimming", "<a> <b/> </a>", "a(' ' b/ ' ')"},
    {"trimming drops blank text", "<a>\r\n  <b/>\r\n</a>", "a(b/)", true},
    {"trimming trims text", "<a> hi \t</a>", "a('hi')", true},
    {"text after the last tag is dropped", "<a/>tail", "a/"},
    {"an unterminated tag is dropped", "<a><b", "a"},
    {"a truncated document keeps what came before the cut", "<r><i n=\"1\"/><i n=\"2\"/><i n",
     "r(i[n=1]/ i[n=2]/)"},
};
INSTANTIATE_TEST_SUITE_P(Documents, ParserRecovery, testing::ValuesIn(kDocumentCases));

const TParseCase kTagTextCases[] = {
    {"LF between name and attribute fuses them", "<a\nid=\"1\"/>", "aid=1/"},
    {"CR LF between name and attribute separates them", "<a\r\nid=\"1\"/>", "a[id=1]/"},
    {"tab separates", "<a\tid=\"1\"/>", "a[id=1]/"},
    {"'>' in a value ends the tag; the rest becomes text", "<a v=\"x>y\"/><b/>",
     "a[v=x]('y\"/' b/)"},
    {"spaces before '=' split the attribute", "<a x = \"1\">", "a[x|=1]"},
    {"blanks after '=' are skipped", "<a x= \"1\" y=\n\t'2'>", "a[x=1|y=2]"},
    {"a quote left open runs to the end of the tag", "<a x=\"1 y=2>", "a[x=1 y=2]"},
    {"double quotes inside single quotes stay", "<a x='say \"hi\"'/>", "a[x=say \"hi\"]/"},
    {"single quotes inside double quotes stay", "<a x=\"it's\"/>", "a[x=it's]/"},
    {"blanks inside quotes stay", "<a x=\"1 \n 2\"/>", "a[x=1 \n 2]/"},
    {"a bare word stays an entry", "<a disabled x=1>", "a[disabled|x=1]"},
    {"'/' before '>' with a space marks an empty element", "<a />", "a/"},
    {"'/' not right before '>' is an attribute", "<a / >", "a[/]"},
    {"'<' inside a tag is ignored", "<a<b>", "ab"},
    {"an empty tag is an element without a name", "<>x</><b/>", "('x') b/"},
};
INSTANTIATE_TEST_SUITE_P(TagText, ParserRecovery, testing::ValuesIn(kTagTextCases));

const TParseCase kNestingCases[] = {
    {"void elements never open", "<br><p>x", "br/ p"},
    {"void elements in any letter case", "<IMG src=x>text<b>", "IMG[src=x]/ 'text' b"},
    {"a p closes the open p", "<p>one<p>two</p>", "p('one') p('two')"},
    {"a block element closes the open p", "<p>a<div>b</div>", "p('a') div('b')"},
    {"an inline element stays inside p", "<p>a<span>b</span></p>", "p('a' span('b'))"},
    {"li closes li", "<ul><li>a<li>b</ul>", "ul(li('a') li('b'))"},
    {"only the same name on top is closed", "<table><tr><td>1<td>2<tr><td>3</table>",
     "table(tr(td('1') td('2' tr(td('3')))))"},
    {"an end tag matches in any letter case", "<Item></ITEM><x/>", "Item x/"},
    {"an end tag closes everything above its element", "<a><b><c></a><d/>", "a(b(c)) d/"},
    {"a stray end tag is ignored", "<a></b><c/></a>", "a(c/)"},
    {"an end tag is not trimmed", "<a></a ><b/>", "a(b/)"},
    {"a stray '>' in text is dropped", "a > b<x/>", "'a  b' x/"},
};
INSTANTIATE_TEST_SUITE_P(Nesting, ParserRecovery, testing::ValuesIn(kNestingCases));

const TParseCase kSpecialNodeCases[] = {
    {"comment", "<a><!-- hi --></a>", "a({comment !|hi})"},
    {"'>' and '<' inside a comment", "<!-- a > <b> -->", "{comment !|a > <b>}"},
    {"empty comment", "<!---->", "{comment !|}"},
    {"unterminated comment is dropped", "<a/><!-- x", "a/"},
    {"declaration", "<!DOCTYPE html><r/>", "{decl !DOCTYPE|html} r/"},
    {"declaration without text", "<!>", "{decl !|}"},
    {"a single dash does not start a comment", "<!-x->", "{decl !-x-|}"},
    {"comment inside a declaration", "<!DOCTYPE x -- a > b -- >", "{decl !DOCTYPE|x -- a  b --}"},
    {"internal subset of a declaration", "<!DOCTYPE r [ <!ENTITY e \"v\"> ]><r/>",
     "{decl !DOCTYPE|r [ <!ENTITY e \"v\"> ]} r/"},
    {"CDATA", "<a><![CDATA[ x<y>z ]]></a>", "a({cdata x<y>z})"},
    {"CDATA with a single bracket inside", "<![CDATA[a]b]]>", "{cdata a]b}"},
    {"XML declaration", "<?xml version=\"1.0\"?>\r\n<root/>",
     "{decl ?xml|version=\"1.0\"?} '\r\n' root/"},
    {"question marks inside an instruction are dropped", "<?a b?c?>", "{decl ?a|bc?}"},
    {"an instruction without a space has no name", "<?php?>", "{decl |}"},
};
INSTANTIATE_TEST_SUITE_P(SpecialNodes, ParserRecovery, testing::ValuesIn(kSpecialNodeCases));

TEST(Parser, NodesCarryTheirTypesAndNames) {
    THTMLParser parser;
    parser.Parse(QStringLiteral("<!--c--><a>t<![CDATA[d]]></a>"));
    TTagNode* comment = parser.Root()->TagChild(0);
    TTagNode* element = parser.Root()->TagChild(1);
    EXPECT_EQ(parser.Root()->NodeType, ntDocument);
    EXPECT_EQ(comment->NodeType, ntComment);
    EXPECT_EQ(comment->Name, QStringLiteral("!"));
    EXPECT_EQ(element->NodeType, ntElement);
    EXPECT_FALSE(element->IsEmptyElement);
    EXPECT_EQ(element->TagChild(0)->NodeType, ntText);
    EXPECT_EQ(element->TagChild(0)->Name, QStringLiteral("PCDATA"));
    EXPECT_EQ(element->TagChild(1)->NodeType, ntCData);
    EXPECT_EQ(element->TagChild(1)->Name, QStringLiteral("CDATA"));
}

TEST(Parser, ParsingAgainReplacesTheTree) {
    THTMLParser parser;
    parser.Parse(QStringLiteral("<a/><b/>"));
    parser.Parse(QStringLiteral("<c/>"));
    EXPECT_EQ(DumpChildren(parser.Root()), QStringLiteral("c/"));
    parser.Parse(QString());
    EXPECT_EQ(parser.Root()->ChildCount(), 0);
}

TEST(Parser, RaisesTheTagEventAsElementsClose) {
    THTMLParser parser;
    QStringList closed;
    parser.OnHTMLTag = [&](THTMLParser&, TTagNode& node) { closed.append(node.Name); };
    parser.Parse(QStringLiteral("<a><b/><c></c><br><p>x<p>y</a><open>"));
    // The first p is closed by the second; elements open at the end raise nothing.
    EXPECT_EQ(closed, (QStringList{"b", "c", "br", "p", "p", "a"}));
}

TEST(Parser, WarnsAboutWhatItRecoversFrom) {
    struct TCase {
        const char* Input;
        int Warnings;
    };
    const TCase cases[] = {
        {"<a><b/></a>", 0}, {"a>b", 1}, {"<a<b>", 1}, {"<a></x>", 1}, {"<!x -- > -- >", 1},
    };
    for (const TCase& c : cases) {
        THTMLParser parser;
        int warnings = 0;
        parser.OnSyntaxWarning = [&](THTMLParser&, const QString&) { ++warnings; };
        parser.Parse(QString::fromUtf8(c.Input));
        EXPECT_EQ(warnings, c.Warnings) << c.Input;
    }
}

TEST(Parser, ANestedParseReturnsAtOnce) {
    THTMLParser parser;
    bool busyInside = false;
    parser.OnHTMLTag = [&](THTMLParser& p, TTagNode&) {
        busyInside = p.Busy();
        p.Parse(QStringLiteral("<other/>"));
    };
    parser.Parse(QStringLiteral("<a><b/></a>"));
    EXPECT_TRUE(busyInside);
    EXPECT_FALSE(parser.Busy());
    EXPECT_EQ(DumpChildren(parser.Root()), QStringLiteral("a(b/)"));
}

// Depth is input-controlled: nothing may recurse on it.
TEST(Parser, DeepNestingIsParsedQueriedAndFreed) {
    constexpr int depth = 200000;
    QString text = QStringLiteral("<a>").repeated(depth) + QStringLiteral("<leaf/>");
    // Stray end tags against the deep stack stay cheap.
    text += QStringLiteral("</nothing>").repeated(depth);
    {
        THTMLParser parser;
        parser.Parse(text);
        TTagNodeList all;
        FindAll(parser.Root(), QStringLiteral("*"), all);
        ASSERT_EQ(all.Count(), depth + 1);
        EXPECT_EQ(all.Item(depth)->Name, QStringLiteral("leaf"));
        EXPECT_EQ(all.Item(depth)->Level(), depth + 1);
        parser.Parse(text); // frees the first tree
    }
    THTMLParser parser;
    parser.Parse(text + QStringLiteral("</a>").repeated(depth));
    EXPECT_EQ(parser.Root()->ChildCount(), 1);
}

TEST(Parser, LoadsAWindows1250File) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("doc.xml"));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("\r\n  <CatList>\r\n    <obj name=\"\xA3\xF3"
                   "d\x9F\"/>\r\n  </CatList>\r\n");
    }
    THTMLParser parser;
    QString error;
    ASSERT_TRUE(parser.LoadFromFile(path, false, &error)) << error.toStdString();
    TTagNode* obj =
        FindChild(FindChild(parser.Root(), QStringLiteral("CatList")), QStringLiteral("obj"));
    ASSERT_NE(obj, nullptr);
    EXPECT_EQ(obj->GetAttr(QStringLiteral("name")), QStringLiteral("Łódź"));
}

TEST(Parser, AFileThatCannotBeReadIsReportedAndLeavesTheTree) {
    QTemporaryDir dir;
    THTMLParser parser;
    parser.Parse(QStringLiteral("<kept/>"));
    QString error;
    EXPECT_FALSE(parser.LoadFromFile(dir.filePath(QStringLiteral("missing.xml")), false, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(DumpChildren(parser.Root()), QStringLiteral("kept/"));
}

// --- Queries

class Queries : public testing::Test {
protected:
    void SetUp() override {
        Parser.Parse(QStringLiteral("<root><Item n=\"1\"><item n=\"2\"/></Item>text"
                                    "<group><ITEM n=\"3\"/></group></root>"));
        Root = FindChild(Parser.Root(), QStringLiteral("root"));
        ASSERT_NE(Root, nullptr);
    }

    QStringList Numbers(const QString& name) {
        TTagNodeList list;
        FindAll(Root, name, list);
        QStringList numbers;
        for (TTagNode* node : list)
            numbers.append(node->GetAttr(QStringLiteral("n")));
        return numbers;
    }

    THTMLParser Parser;
    TTagNode* Root = nullptr;
};

TEST_F(Queries, FindAllMatchesAnyLetterCaseDepthFirst) {
    EXPECT_EQ(Numbers(QStringLiteral("Item")), (QStringList{"1", "2", "3"}));
    EXPECT_EQ(Numbers(QStringLiteral("group")), (QStringList{""}));
    EXPECT_TRUE(Numbers(QStringLiteral("none")).isEmpty());
}

TEST_F(Queries, StarOrAnEmptyNameMatchesEveryNode) {
    const QStringList all{"1", "2", "", "", "3"}; // Item, item, text, group, ITEM
    EXPECT_EQ(Numbers(QStringLiteral("*")), all);
    EXPECT_EQ(Numbers(QString()), all);
}

TEST_F(Queries, FindAllClearsTheListFirst) {
    TTagNodeList list;
    list.Add(Root);
    FindAll(Root, QStringLiteral("group"), list);
    EXPECT_EQ(list.Count(), 1);
    FindAll(nullptr, QStringLiteral("group"), list);
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(Queries, FindChildLooksAtDirectChildrenOnly) {
    EXPECT_EQ(FindChild(Root, QStringLiteral("ITEM"))->GetAttr(QStringLiteral("n")),
              QStringLiteral("1"));
    EXPECT_NE(FindChild(Root, QStringLiteral("Group")), nullptr);
    EXPECT_EQ(FindChild(Root, QStringLiteral("nothing")), nullptr);
    EXPECT_EQ(FindChild(nullptr, QStringLiteral("root")), nullptr);
    EXPECT_EQ(Root->IndexOfChild(QStringLiteral("GROUP")), 2);
    EXPECT_EQ(Root->IndexOfChild(QStringLiteral("nothing")), -1);
}

TEST(NodeList, OutOfRangeIndexesAreHarmless) {
    TTagNode a, b;
    TTagNodeList list;
    list.Add(&a);
    list.Add(&b);
    EXPECT_EQ(list.Item(-1), nullptr);
    EXPECT_EQ(list.Item(2), nullptr);
    list.Delete(5);
    list.Delete(-1);
    EXPECT_EQ(list.Count(), 2);
    list.Delete(0);
    EXPECT_EQ(list.Item(0), &b);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

// --- Attributes

TEST(Attributes, LookupTakesTheFirstEntryOfTheNameInAnyLetterCase) {
    TTagNode node;
    node.Attributes = QStringList{"id=1", "ID=2", "bare", "x=a=b", "empty="};
    struct TCase {
        const char* Name;
        const char* Value;
    };
    const TCase cases[] = {
        {"id", "1"},   {"Id", "1"},     {"x", "a=b"}, {"bare", ""},
        {"empty", ""}, {"missing", ""}, {"", ""},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(node.GetAttr(QString::fromUtf8(c.Name)), QString::fromUtf8(c.Value)) << c.Name;
}

TEST(Attributes, SettingReplacesAppendsOrRemoves) {
    TTagNode node;
    node.Attributes = QStringList{"id=1", "ID=2", "bare"};
    node.SetAttr(QStringLiteral("Id"), QStringLiteral("5"));
    node.SetAttr(QStringLiteral("name"), QStringLiteral("x"));
    EXPECT_EQ(node.Attributes, (QStringList{"Id=5", "ID=2", "bare", "name=x"}));
    node.SetAttr(QStringLiteral("id"), QString());
    EXPECT_EQ(node.GetAttr(QStringLiteral("id")), QStringLiteral("2"));
    node.SetAttr(QStringLiteral("other"), QString());
    EXPECT_EQ(node.Attributes, (QStringList{"ID=2", "bare", "name=x"}));
}

// --- The tree

class Tree : public testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"a", "b", "c"})
            Root.AddNewChild(QString::fromLatin1(name), ntElement);
    }
    THierarchyNode* Child(int i) const { return Root.ChildAt(i); }

    TTagNode Root{QString(), ntDocument};
};

TEST_F(Tree, NewChildrenAreTagNodesOfTheGivenType) {
    ASSERT_NE(Root.TagChild(0), nullptr);
    EXPECT_EQ(Root.TagChild(0)->NodeType, ntElement);
    EXPECT_EQ(Root.TagChild(0)->TagParent(), &Root);
    EXPECT_EQ(Child(3), nullptr);
    EXPECT_EQ(Child(-1), nullptr);
    EXPECT_EQ(NewElement(QStringLiteral("x"))->NodeType, ntElement);
}

TEST_F(Tree, InsertPutsTheChildAtTheIndex) {
    Root.InsertChild(1, NewElement(QStringLiteral("x")));
    Root.InsertChild(0, NewElement(QStringLiteral("first")));
    Root.InsertChild(99, NewElement(QStringLiteral("last")));
    EXPECT_EQ(DumpChildren(&Root), QStringLiteral("first a x b c last"));
    EXPECT_EQ(Root.TagChild(2)->GetParent(), &Root);
}

TEST_F(Tree, SetParentMovesToTheEndOfTheNewParent) {
    THierarchyNode* a = Child(0);
    THierarchyNode* c = Child(2);
    EXPECT_TRUE(a->SetParent(c));
    EXPECT_EQ(DumpChildren(&Root), QStringLiteral("b c(a)"));
    EXPECT_EQ(a->Level(), 2);
    EXPECT_EQ(a->GetParent(), c);
}

TEST_F(Tree, SetParentRefusesWhatWouldBreakTheTree) {
    THierarchyNode* a = Child(0);
    THierarchyNode* inner = a->AddNewChild(QStringLiteral("inner"), ntElement);
    EXPECT_FALSE(a->SetParent(&Root)); // the same parent
    EXPECT_FALSE(a->SetParent(a));
    EXPECT_FALSE(a->SetParent(inner)); // would make a cycle
    EXPECT_FALSE(a->SetParent(nullptr));
    EXPECT_EQ(DumpChildren(&Root), QStringLiteral("a(inner) b c"));
}

TEST_F(Tree, RemoveChildHandsTheNodeOver) {
    THierarchyNode* b = Child(1);
    std::unique_ptr<THierarchyNode> removed = Root.RemoveChild(b);
    ASSERT_EQ(removed.get(), b);
    EXPECT_EQ(removed->GetParent(), nullptr);
    EXPECT_EQ(removed->Level(), 0);
    EXPECT_EQ(DumpChildren(&Root), QStringLiteral("a c"));
    EXPECT_EQ(Root.RemoveChild(b), nullptr);
    TTagNode stranger;
    EXPECT_EQ(Root.RemoveChild(&stranger), nullptr);
}

TEST_F(Tree, ClearFreesChildrenAndContent) {
    Root.Text = QStringLiteral("t");
    Root.Attributes = QStringList{"a=1"};
    Root.NodeType = ntElement;
    Root.IsEmptyElement = true;
    Root.Clear();
    EXPECT_EQ(Root.ChildCount(), 0);
    EXPECT_TRUE(Root.Text.isEmpty());
    EXPECT_TRUE(Root.Attributes.isEmpty());
    EXPECT_EQ(Root.NodeType, ntDocument);
    EXPECT_FALSE(Root.IsEmptyElement);
}

} // namespace
