// The core of the XML converters: paragraphs, element trees as text and back, legal names,
// and the UTF-8 files they write.
#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

#include "ConversionFixture.h"
#include "XmlLint.h"
#include "conversion/framework/ScriptFile.h"
#include "conversion/xml/XMLConverter.h"
#include "model/XMLElement.h"
#include "platform/MessageBuffer.h"

namespace {

using Attributes = std::vector<std::pair<std::string, std::string>>;

// An element that owns the children given.
CXMLElement* Element(const std::string& name, const std::string& text = {}, const Attributes& attributes = {},
                     const std::vector<CXMLElement*>& children = {}) {
    auto* element = new CXMLElement(name);
    element->SetValue(text);
    for (const auto& [attribute, value] : attributes) element->GetAttributes().Add(new CXMLAttribute(attribute, value));
    for (CXMLElement* child : children) element->GetChildren().Add(child);
    return element;
}

class XmlConverterCoreTest : public ConversionTest {
protected:
    CXMLConverter converter{XmlConverterMode::SmurfObjectMaps};
};

TEST(XhtmlParagraphs, EscapeTheTextAndCloseOneParagraphPerLine) {
    const std::pair<const char*, const char*> cases[] = {
        {"", ""},
        {"a<b\r\nc", "<p>a&lt;b</p>\n<p>c</p>\n"},
        {"one", "<p>one</p>\n"},
        {"x\ny & z>", "<p>x</p>\n<p>y &amp; z&gt;</p>\n"},
        {"end\r\n", "<p>end</p>\n<p></p>\n"},
    };
    for (const auto& [text, paragraphs] : cases) EXPECT_EQ(CXMLConverter::ToXhtmlParagraphs(text), paragraphs) << text;
}

TEST_F(XmlConverterCoreTest, IndentedTreesLineUpClosingTagsWithTheirOpeningTags) {
    std::unique_ptr<CXMLElement> tree(
        Element("root", "", {{"a", "1"}, {"b", "x\"y"}},
                {Element("child", "text"), Element("empty"),
                 Element("group", "", {}, {Element("leaf", "", {{"k", "v"}}), Element("deeper", "", {}, {Element("z")})})}));
    EXPECT_EQ(converter.WriteElementTree(tree.get(), true),
              "<root a=\"1\" b=\"x&quot;y\">\r\n"
              "   <child>text</child>\r\n"
              "   <empty/>\r\n"
              "   <group>\r\n"
              "      <leaf k=\"v\"/>\r\n"
              "      <deeper>\r\n"
              "         <z/>\r\n"
              "      </deeper>\r\n"
              "   </group>\r\n"
              "</root>\r\n");
    EXPECT_EQ(converter.WriteElementTree(tree.get(), false).find("\r\n   <"), std::string::npos)
        << "without indent the document's lines stay as they are";

    std::unique_ptr<CXMLElement> single(Element("single"));
    EXPECT_EQ(converter.WriteElementTree(single.get(), true), "<single/>\r\n");
    EXPECT_EQ(converter.WriteElementTree(nullptr, true), "");
}

TEST_F(XmlConverterCoreTest, TextOverSeveralLinesKeepsItsBytesAndTheIndentOfWhatFollows) {
    std::unique_ptr<CXMLElement> tree(
        Element("root", "", {}, {Element("note", "first\r\n  second\nthird"), Element("after")}));
    EXPECT_EQ(converter.WriteElementTree(tree.get(), true),
              "<root>\r\n"
              "   <note>first\r\n"
              "  second\nthird</note>\r\n"
              "   <after/>\r\n"
              "</root>\r\n");
}

TEST_F(XmlConverterCoreTest, TreesWithoutMixedContentReadBackEqual) {
    std::vector<std::unique_ptr<CXMLElement>> trees;
    trees.emplace_back(Element("smurfData", "", {},
                               {Element("application", "Calc & Co"), Element("description", "<sum> \"total\""),
                                Element("extra", "", {{"kind", "a'b"}, {"order", "2"}},
                                        {Element("x", "1"), Element("y", "")}),
                                Element("smurfType", "Ünïcode €")}));
    trees.emplace_back(Element("only", "a text"));
    trees.emplace_back(Element("a", "", {{"z", ""}, {"y", "tab\there\r\nnext"}}, {Element("b", "", {}, {Element("c")})}));
    for (const auto& tree : trees) {
        for (const bool indent : {false, true}) {
            const std::string text = converter.WriteElementTree(tree.get(), indent);
            std::unique_ptr<CXMLElement> back = converter.ParseElementTree(text);
            ASSERT_NE(back, nullptr) << text;
            EXPECT_TRUE(back->IsEqual(tree.get())) << text;
        }
    }
}

TEST_F(XmlConverterCoreTest, UnreadableTextGivesNoTreeAndTheReadersMessage) {
    ClearGlobalMessage();
    EXPECT_EQ(converter.ParseElementTree("<a><b></a>"), nullptr);
    EXPECT_FALSE(GetGlobalMessageBuffer().empty());
    EXPECT_EQ(converter.ParseElementTree(""), nullptr);
    EXPECT_EQ(GetGlobalMessageBuffer(), "Element tag not found");
}

TEST(XmlName, CharactersANameCannotHoldBecomeUnderscores) {
    const std::pair<const char*, const char*> cases[] = {
        {"smurfType", "smurfType"}, {"a-b.c_d:e", "a-b.c_d:e"}, {"1st", "_1st"},     {"-x", "_-x"},
        {"two words", "two_words"}, {"a<b>", "a_b_"},         {"", "_"},             {"<", "_"},
        {"Größe", "Größe"},         {"a×b", "a_b"},           {"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},
    };
    for (const auto& [name, legal] : cases) EXPECT_EQ(MakeXmlName(name), legal) << name;
}

TEST_F(XmlConverterCoreTest, TreesWithIllegalNamesStillWriteWellFormedXml) {
    std::unique_ptr<CXMLElement> tree(
        Element("my data", "", {{"1a", "v"}, {"ok", "w"}}, {Element("x\"><evil", "t"), Element("", "u")}));
    ScriptFile file(folder_ / "tree.xml", ScriptEncoding::Utf8, LineEnd::Lf);
    file.Write(converter.WriteElementTree(tree.get(), true));
    ASSERT_TRUE(file.Commit());
    EXPECT_TRUE(PassesXmlLint(folder_ / "tree.xml"));
}

TEST_F(XmlConverterCoreTest, Utf8FilesHaveNoByteOrderMarkAndOnlyValidSequences) {
    ScriptFile file(folder_ / "a.xml", ScriptEncoding::Utf8, LineEnd::Lf);
    file.WriteLine("é€");
    file.Write("bad \xC3 byte");
    EXPECT_EQ(file.EncodedBytes(), "é€\nbad \xEF\xBF\xBD byte");
}

}  // namespace
