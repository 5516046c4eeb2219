#include <gtest/gtest.h>

#include <string>

#include "persistence/XMLInterface.h"

TEST(XMLEscape, AttributeValuesEscapeEightCharactersElementTextThree) {
    const std::string text = "a\"b\r\n\t'<>&";
    EXPECT_EQ(CXMLInterface::EscapeText(text, true), "a&quot;b&#xd;&#xa;&#x9;&apos;&lt;&gt;&amp;");
    EXPECT_EQ(CXMLInterface::EscapeText(text, false), "a\"b\r\n\t'&lt;&gt;&amp;");
    EXPECT_EQ(CXMLInterface::EscapeText("", true), "");
}

// A value that merely starts like a CDATA section used to be copied raw into the file, which
// then could not be read again.
TEST(XMLEscape, OnlyACompleteCdataSectionInElementTextStaysRaw) {
    EXPECT_EQ(CXMLInterface::EscapeText("<![CDATA[a<b]]>", true), "&lt;![CDATA[a&lt;b]]&gt;");
    EXPECT_EQ(CXMLInterface::EscapeText("<![CDATA[a<b]]>", false), "<![CDATA[a<b]]>");
    EXPECT_EQ(CXMLInterface::EscapeText("<![CDATA[a<b", false), "&lt;![CDATA[a&lt;b");
    EXPECT_EQ(CXMLInterface::EscapeText("<![CDATA[a]]>b<c]]>", false), "&lt;![CDATA[a]]&gt;b&lt;c]]&gt;");
    EXPECT_EQ(CXMLInterface::EscapeText("<![CDATA[a]]]]><![CDATA[>b]]>", false), "<![CDATA[a]]]]><![CDATA[>b]]>");
    EXPECT_EQ(CXMLInterface::EscapeText("<![CDATA", false), "&lt;![CDATA");
}

TEST(XMLEscape, CharactersXmlCannotCarryAreReplacedAndCounted) {
    struct Case {
        std::string text;
        std::string escaped;
        int replaced;
    };
    const Case cases[] = {
        {std::string("a\0b", 3), "a b", 1},
        {"\x01\x08\x0B\x0C\x1F", "     ", 5},
        {"\x7F", "\x7F", 0},                          // allowed in XML 1.0
        {"\xC2\x85", "\xC2\x85", 0},                  // C1 controls too
        {"x\xEF\xBF\xBEy\xEF\xBF\xBF", "x y ", 2},    // U+FFFE, U+FFFF
        {"\xEF\xBF\xBD", "\xEF\xBF\xBD", 0},          // a real U+FFFD is kept and not counted
        {"ok\xFF\xC3", "ok\xEF\xBF\xBD\xEF\xBF\xBD", 2},
        {"\xED\xA0\x80", "\xEF\xBF\xBD", 1},           // an encoded surrogate is invalid UTF-8
        {"\xF0\x9F\x98\x80 \xC3\xA9", "\xF0\x9F\x98\x80 \xC3\xA9", 0},
    };
    for (const Case& c : cases) {
        for (bool forAttribute : {true, false}) {
            int replaced = 0;
            EXPECT_EQ(CXMLInterface::EscapeText(c.text, forAttribute, &replaced), c.escaped);
            EXPECT_EQ(replaced, c.replaced);
        }
    }
}

TEST(XMLEscape, TheBuilderCountsReplacementsUntilTheNextDocument) {
    CXMLInterface xml;
    ASSERT_TRUE(xml.AppendElement("A", "t\x01"));
    ASSERT_TRUE(xml.SetAttribute("v", "\x02\xFF"));
    EXPECT_EQ(xml.GetDocumentText(), "<A v=\" \xEF\xBF\xBD\">t </A>\r\n");
    EXPECT_EQ(xml.ReplacedCharacterCount(), 3);
    xml.SetDocument();
    EXPECT_EQ(xml.ReplacedCharacterCount(), 0);
}
