#include <gtest/gtest.h>

#include <string>

#include "persistence/XMLInterface.h"

TEST(XMLScanner, CommentsInstructionsAndTextBetweenElementsAreSkipped) {
    CXMLInterface xml;
    ASSERT_TRUE(xml.SetDocument("<?xml version=\"1.0\"?>\n<!-- lead -->\n<a><!-- c --><?pi x?><b/></a>trailing <junk"));
    ASSERT_TRUE(xml.FindElement("a"));
    ASSERT_TRUE(xml.FindChildElement());
    EXPECT_EQ(xml.GetCurrentChildName(), "b");
    EXPECT_FALSE(xml.FindChildElement());  // b is the only child
    EXPECT_EQ(xml.GetParseError(), "");
}

TEST(XMLScanner, MalformedDocumentsFailWithTheirReason) {
    const std::pair<const char*, const char*> cases[] = {
        {"<a></b>", "End tag does not correspond to a"},
        {"<a>", "Element tag not found"},
        {"<a b=\"1\"", "End of tag not found"},
        {"no tag at all", "Element tag not found"},
        {"<\"a\">", "Tag starts with quote"},
        {"<a><", "Abrupt end within tag"},
        {"<a>x<b", "End of tag not found"},
        {"<a></a", "End tag not completed for element a"},
        {"<a><b/>x", "Element tag not found"},
        {"<a><!-- open", "End of tag not found"},
        {"</a>", "Element tag not found"},
        {"<A></a>", "End tag does not correspond to A"},  // names compare with case
    };
    for (const auto& [text, reason] : cases) {
        CXMLInterface xml;
        EXPECT_FALSE(xml.SetDocument(text)) << text;
        EXPECT_EQ(xml.GetParseError(), reason) << text;
        EXPECT_EQ(xml.GetDocumentText(), text);
        EXPECT_FALSE(xml.FindElement()) << text;  // the index is empty
    }
}

TEST(XMLScanner, ElementDataDecodesTheWriterReferencesAndKeepsCdataVerbatim) {
    CXMLInterface xml;
    ASSERT_TRUE(xml.SetDocument(
        "<r>"
        "<cdata><![CDATA[a<b & &amp;]]></cdata>"
        "<refs> x&amp;y&lt;&gt;&apos;&quot;&#xd;&#xa;&#x9; </refs>"
        "<other>&#65;&#X41;&nbsp;&amp</other>"
        "<parent><child/></parent>"
        "<empty/>"
        "</r>"));
    ASSERT_TRUE(xml.FindElement());
    auto dataOf = [&](const char* name) {
        xml.ResetPosition();
        xml.FindElement();
        return xml.FindChildElement(name) ? xml.GetCurrentChildData() : std::string("<missing>");
    };
    EXPECT_EQ(dataOf("cdata"), "a<b & &amp;");
    EXPECT_EQ(dataOf("refs"), " x&y<>'\"\r\n\t ");
    EXPECT_EQ(dataOf("other"), "&#65;&#X41;&nbsp;&amp");  // only the eight the writer uses
    EXPECT_EQ(dataOf("parent"), "");
    EXPECT_EQ(dataOf("empty"), "");
}

TEST(XMLScanner, AttributesNeedDoubleQuotesAndMatchWithCase) {
    CXMLInterface xml;
    ASSERT_TRUE(xml.SetDocument("<e Name=\"a&lt;b&#xa;\" plain=b single='c' empty=\"\" last=\"x\"/>"));
    ASSERT_TRUE(xml.FindElement());
    EXPECT_EQ(xml.GetCurrentAttribute("Name"), "a<b\n");
    EXPECT_EQ(xml.GetCurrentAttribute("name"), "");
    EXPECT_EQ(xml.GetCurrentAttribute("plain"), "");
    EXPECT_EQ(xml.GetCurrentAttribute("single"), "");
    EXPECT_EQ(xml.GetCurrentAttribute("empty"), "");
    EXPECT_EQ(xml.GetCurrentAttribute("last"), "x");
    EXPECT_EQ(xml.GetCurrentAttribute("e"), "");  // the tag name is no attribute
}

TEST(XMLScanner, AttributeIterationGivesNamesInOrderAndRawValuesByName) {
    CXMLInterface xml;
    ASSERT_TRUE(xml.SetDocument("<r><e a=\"1\" b=\"x&amp;y\" c=\"3\">t</e></r>"));
    ASSERT_TRUE(xml.FindElement() && xml.FindChildElement("e"));

    std::string names;
    for (std::string n = xml.GetNextChildAttributeName(true); !n.empty(); n = xml.GetNextChildAttributeName(false))
        names += n + ":" + xml.GetNextChildAttributeName(false, n) + " ";
    EXPECT_EQ(names, "a:1 b:x&amp;y c:3 ");
    EXPECT_EQ(xml.GetNextChildAttributeName(false), "");  // stays at the end of the start tag

    EXPECT_EQ(xml.GetNextChildAttributeName(true, "c"), "3");
    EXPECT_EQ(xml.GetNextChildAttributeName(false, "a"), "");  // searched from the cursor on
}

TEST(XMLScanner, NavigationWalksChildrenByNameAndKeepsTheDepth) {
    CXMLInterface xml;
    ASSERT_TRUE(xml.SetDocument("<r><w id=\"1\"><t/></w><x/><w id=\"2\"/></r>"));
    EXPECT_FALSE(xml.LeaveElement());
    ASSERT_TRUE(xml.FindChildElement("w"));  // finds the top element first
    EXPECT_EQ(xml.GetCurrentName(), "r");
    EXPECT_EQ(xml.GetCurrentChildAttribute("id"), "1");
    ASSERT_TRUE(xml.FindChildElement("w"));
    EXPECT_EQ(xml.GetCurrentChildAttribute("id"), "2");
    EXPECT_FALSE(xml.FindChildElement("w"));
    EXPECT_EQ(xml.GetCurrentChildAttribute("id"), "2");  // a failed search keeps the cursor

    xml.ResetPosition();
    ASSERT_TRUE(xml.FindElement("r"));
    ASSERT_TRUE(xml.EnterChild());
    EXPECT_EQ(xml.GetCurrentName(), "w");
    ASSERT_TRUE(xml.EnterChild());
    EXPECT_EQ(xml.GetCurrentName(), "t");
    EXPECT_FALSE(xml.EnterChild());  // t is empty
    ASSERT_TRUE(xml.LeaveElement());
    ASSERT_TRUE(xml.LeaveElement());
    EXPECT_EQ(xml.GetCurrentName(), "r");
    EXPECT_FALSE(xml.LeaveElement());
    EXPECT_FALSE(xml.FindElement());  // one top element
}

TEST(XMLScanner, DeepAndLargeDocumentsParseWithoutExhaustingTheStack) {
    constexpr int kDepth = 200000;
    std::string text;
    for (int i = 0; i < kDepth; ++i) text += "<n>";
    for (int i = 0; i < kDepth; ++i) text += "</n>";
    CXMLInterface xml;
    ASSERT_TRUE(xml.SetDocument(text)) << xml.GetParseError();
    int depth = 0;
    ASSERT_TRUE(xml.FindElement());
    while (xml.EnterChild()) ++depth;
    EXPECT_EQ(depth, kDepth - 1);
}
