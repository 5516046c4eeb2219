#include <gtest/gtest.h>

#include <string>

#include "persistence/XMLInterface.h"

namespace {

// The tree as the reader sees it: names, attributes (by iteration, values decoded) and texts,
// depth first. Walking a built document and the same text parsed afresh must agree, or the
// builder's stored positions have drifted from its text.
std::string Describe(CXMLInterface& xml) {
    std::string out;
    xml.ResetPosition();
    if (!xml.FindElement()) return out;
    int depth = 0;
    for (;;) {
        out += std::string(static_cast<size_t>(depth) * 2, ' ') + xml.GetCurrentName();
        for (std::string name = xml.GetNextAttributeName(true); !name.empty(); name = xml.GetNextAttributeName(false))
            out += " " + name + "=" + xml.GetCurrentAttribute(name);
        out += " [" + xml.GetCurrentData() + "]\n";
        if (xml.EnterChild()) {
            ++depth;
            continue;
        }
        while (!xml.FindElement()) {
            if (!xml.LeaveElement()) return out;
            --depth;
        }
    }
}

void ExpectIndexMatchesText(CXMLInterface& built) {
    CXMLInterface reparsed;
    ASSERT_TRUE(reparsed.SetDocument(built.GetDocumentText())) << reparsed.GetParseError();
    EXPECT_EQ(Describe(built), Describe(reparsed));
}

}  // namespace

TEST(XMLBuilder, ChildOfAnEmptyElementOpensItAndAttributesAreEscaped) {
    CXMLInterface xml;
    ASSERT_TRUE(xml.AppendElement("A", ""));
    EXPECT_EQ(xml.GetDocumentText(), "<A/>\r\n");
    ASSERT_TRUE(xml.AppendChildElement("B", "x"));
    ASSERT_TRUE(xml.SetChildAttribute("k", "1<2"));
    const std::string expected = "<A>\r\n<B k=\"1&lt;2\">x</B>\r\n</A>\r\n";
    EXPECT_EQ(xml.GetDocumentText(), expected);

    EXPECT_FALSE(xml.AppendElement("C", ""));  // one top element only
    EXPECT_EQ(xml.GetDocumentText(), expected);
    ExpectIndexMatchesText(xml);
}

// Attributes added to elements that already have children and followers, and children added in
// the middle, all move the positions after them; the index must keep up with every edit.
TEST(XMLBuilder, InterleavedEditsKeepTheIndexInStepWithTheText) {
    CXMLInterface xml;
    ASSERT_TRUE(xml.AppendElement("TASK", ""));
    ASSERT_TRUE(xml.AppendChildElement("STEP", ""));
    ASSERT_TRUE(xml.AppendChildElement("STEP", ""));
    ASSERT_TRUE(xml.EnterChild());  // into the second STEP
    ASSERT_TRUE(xml.AppendChildElement("ACT", ""));
    ASSERT_TRUE(xml.SetChildAttribute("ID", "a\"1\""));
    ASSERT_TRUE(xml.EnterChild());
    ASSERT_TRUE(xml.AppendChildElement("ARG", "v"));
    ASSERT_TRUE(xml.LeaveElement());
    ASSERT_TRUE(xml.SetAttribute("ID", "s2"));  // the second STEP, after its subtree was built
    ASSERT_TRUE(xml.AppendElement("STEP", ""));  // a third STEP as the next sibling
    ASSERT_TRUE(xml.SetAttribute("ID", "s3"));
    ASSERT_TRUE(xml.LeaveElement());
    ASSERT_TRUE(xml.SetAttribute("Name", "T\r\n1"));  // the top element, last of all
    xml.ResetPosition();
    ASSERT_TRUE(xml.FindElement() && xml.FindChildElement("STEP"));
    ASSERT_TRUE(xml.SetChildAttribute("ID", "s1"));  // the first STEP, with siblings after it

    EXPECT_EQ(xml.GetDocumentText(),
              "<TASK Name=\"T&#xd;&#xa;1\">\r\n"
              "<STEP ID=\"s1\"/>\r\n"
              "<STEP ID=\"s2\">\r\n"
              "<ACT ID=\"a&quot;1&quot;\">\r\n"
              "<ARG>v</ARG>\r\n"
              "</ACT>\r\n"
              "</STEP>\r\n"
              "<STEP ID=\"s3\"/>\r\n"
              "</TASK>\r\n");
    ExpectIndexMatchesText(xml);
}

TEST(XMLBuilder, AChildGoesAfterTheCurrentChildOrAfterTheLastOne) {
    CXMLInterface xml;
    ASSERT_TRUE(xml.SetDocument("<R><B/><C/></R>"));
    ASSERT_TRUE(xml.FindElement());
    ASSERT_TRUE(xml.AppendChildElement("Z", ""));  // no current child: after the last
    xml.ResetPosition();
    ASSERT_TRUE(xml.FindElement() && xml.FindChildElement("B"));
    ASSERT_TRUE(xml.AppendChildElement("X", "1"));  // after B
    EXPECT_EQ(xml.GetDocumentText(), "<R><B/><X>1</X>\r\n<C/><Z/>\r\n</R>");
    ExpectIndexMatchesText(xml);
}

TEST(XMLBuilder, NothingToWriteOnIsRefused) {
    CXMLInterface xml;
    EXPECT_FALSE(xml.AppendChildElement("B", ""));
    EXPECT_FALSE(xml.SetAttribute("a", "1"));
    ASSERT_TRUE(xml.AppendElement("A", ""));
    EXPECT_FALSE(xml.SetChildAttribute("a", "1"));
    EXPECT_EQ(xml.GetDocumentText(), "<A/>\r\n");
}

TEST(XMLBuilder, OptionalAttributesAreWrittenOnlyWhenTheyDifferFromTheDefault) {
    CXMLInterface xml;
    ASSERT_TRUE(xml.AppendElement("E", ""));
    EXPECT_EQ(xml.SetIntAttribute("n", 5, 5), 0);
    EXPECT_EQ(xml.SetIntAttribute("m", -1, 0), 1);
    EXPECT_EQ(xml.SetStringAttribute("s", "abc", "abc"), 0);
    EXPECT_EQ(xml.SetStringAttribute("t", "ABC", "abc"), 1);  // letter case counts
    EXPECT_EQ(xml.SetBoolAttribute("b", true, true), 0);
    EXPECT_EQ(xml.SetBoolAttribute("c", false, true), 1);
    EXPECT_EQ(xml.SetBoolAttribute("d", true, false), 1);
    EXPECT_EQ(xml.GetDocumentText(), "<E m=\"-1\" t=\"ABC\" c=\"0\" d=\"1\"/>\r\n");

    CXMLInterface empty;  // differing but nowhere to write: still reported as differing
    EXPECT_EQ(empty.SetIntAttribute("n", 1, 0), 1);
    EXPECT_EQ(empty.GetDocumentText(), "");
}

TEST(XMLBuilder, ResettingWithAnEmptyTextStartsANewDocument) {
    CXMLInterface xml;
    ASSERT_TRUE(xml.AppendElement("A", "1"));
    EXPECT_FALSE(xml.SetDocument(""));
    ASSERT_TRUE(xml.AppendElement("B", ""));
    EXPECT_EQ(xml.GetDocumentText(), "<B/>\r\n");

    // A text that does not parse is kept as given, but the next top element replaces it.
    EXPECT_FALSE(xml.SetDocument("<broken"));
    EXPECT_EQ(xml.GetDocumentText(), "<broken");
    ASSERT_TRUE(xml.AppendElement("C", ""));
    EXPECT_EQ(xml.GetDocumentText(), "<C/>\r\n");
}
