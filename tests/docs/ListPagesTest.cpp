// The pages of global attributes, requirements, test data and meta-conditions.
#include <gtest/gtest.h>

#include "DocsFixture.h"

namespace {

using ListPagesTest = DocsTest;

std::string Header(const std::string& heading, const std::vector<std::pair<int, std::string>>& columns) {
    std::string text = "<H1>" + heading + "</H1>\n<BR><BR>\n<TABLE BORDER CELLSPACING=1 CELLPADDING=4 WIDTH=620>\n" +
                       "<CAPTION ALIGN=\"LEFT\"><B>" + heading + ":</B></CAPTION>\n";
    for (size_t i = 0; i < columns.size(); ++i)
        text += std::string(i == 0 ? "<TR><TH" : "<TH") + " WIDTH=\"" + std::to_string(columns[i].first) +
                "%\" VALIGN=\"TOP\">\n<FONT SIZE=2><P>" + columns[i].second + "</FONT></TH>\n";
    return text;
}

std::string Cell(int width, bool first, const std::string& text) {
    return std::string(first ? "<TR><TD" : "<TD") + " WIDTH=\"" + std::to_string(width) + "%\" VALIGN=\"TOP\">\n" +
           "<FONT SIZE=2><P>" + text + "</FONT></TD>\n";
}

TEST_F(ListPagesTest, EmptyListsStillHaveTheirCaptionAndHeaderCells) {
    ASSERT_TRUE(Generate());
    EXPECT_EQ(PageContent(Page("KAVRO_GlobalAtt.htm")),
              Header("Global Attributes", {{25, "Name"}, {25, "Type"}, {50, "Initial Value"}}) + "</TABLE><BR>\n");
    EXPECT_EQ(PageContent(Page("KAVRO_Req.htm")),
              Header("Requirements", {{15, "ID"}, {30, "Title"}, {55, "Description / Path"}}) + "</TABLE><BR>\n");
    EXPECT_EQ(PageContent(Page("KAVRO_Data.htm")),
              Header("Test Data", {{20, "Data Set"}, {80, "Field (Type) = Default Value"}}) + "</TABLE><BR>\n");
    EXPECT_EQ(PageContent(Page("KAVRO_Metacond.htm")),
              Header("Meta-Conditions", {{25, "Condition ID"}, {75, "Condition"}}) + "</TABLE><BR>\n");
    EXPECT_NE(Page("KAVRO_Metacond.htm").find("<TITLE>Meta-Conditions</TITLE>"), std::string::npos);
}

TEST_F(ListPagesTest, GlobalAttributesSortWithoutCaseAndEqualNamesKeepTheirOrder) {
    app.GetAttributes().Add(new CAttributeKav("b", 2, "1"));
    app.GetAttributes().Add(new CAttributeKav("B", 3, "TRUE"));
    app.GetAttributes().Add(new CAttributeKav("a", 4, "x < y"));
    ASSERT_TRUE(Generate());
    EXPECT_EQ(PageContent(Page("KAVRO_GlobalAtt.htm")),
              Header("Global Attributes", {{25, "Name"}, {25, "Type"}, {50, "Initial Value"}}) +
                  Cell(25, true, "a") + Cell(25, false, "String") + Cell(50, false, "x &lt; y") + "</TR>\n" +
                  Cell(25, true, "b") + Cell(25, false, "Num") + Cell(50, false, "1") + "</TR>\n" +
                  Cell(25, true, "B") + Cell(25, false, "Bool") + Cell(50, false, "TRUE") + "</TR>\n" +
                  "</TABLE><BR>\n");
}

TEST_F(ListPagesTest, RequirementsShowDescriptionAndPathInOneCell) {
    CRequirement* second = project.AddRequirement("REQ-2");
    second->SetTitle("Log out");
    CRequirement* first = project.AddRequirement("req-1");
    first->SetTitle("Log in");
    first->SetDescription("x\r\ny");
    first->SetDocPath("login.doc");
    ASSERT_TRUE(Generate());
    EXPECT_EQ(PageContent(Page("KAVRO_Req.htm")),
              Header("Requirements", {{15, "ID"}, {30, "Title"}, {55, "Description / Path"}}) +
                  Cell(15, true, "req-1") + Cell(30, false, "Log in") +
                  "<TD WIDTH=\"55%\" VALIGN=\"TOP\">\n"
                  "<FONT SIZE=2><B>D: </B>x<BR>y</FONT><BR>\n"
                  "<FONT SIZE=2><B>P: </B>login.doc</FONT><BR>\n"
                  "</TD>\n</TR>\n" +
                  Cell(15, true, "REQ-2") + Cell(30, false, "Log out") + "<TD WIDTH=\"55%\" VALIGN=\"TOP\">\n</TD>\n</TR>\n" +
                  "</TABLE><BR>\n");
}

TEST_F(ListPagesTest, DataSetsListTheirFieldsWithTypeAndDefaultValue) {
    CDataSet* clients = project.AddDataSet("Clients");
    clients->GetFields().Add(new CDataField("Age", 2, 0, 120, "18"));
    clients->GetFields().Add(new CDataField("Name", 4, 0, 30, ""));
    project.AddDataSet("Accounts");
    ASSERT_TRUE(Generate());
    EXPECT_EQ(PageContent(Page("KAVRO_Data.htm")),
              Header("Test Data", {{20, "Data Set"}, {80, "Field (Type) = Default Value"}}) +
                  Cell(20, true, "Accounts") + "<TD WIDTH=\"80%\" VALIGN=\"TOP\">\n</TD></TR>\n" +
                  Cell(20, true, "Clients") +
                  "<TD WIDTH=\"80%\" VALIGN=\"TOP\">\n"
                  "<FONT SIZE=2>Age (Num) = 18</FONT><BR>\n"
                  "<FONT SIZE=2>Name (String) = </FONT><BR>\n"
                  "</TD></TR>\n"
                  "</TABLE><BR>\n");
}

TEST_F(ListPagesTest, MetaConditionsShowTheirTextAsWritten) {
    project.AddMetaCondition("Adult", "#Age# >= 18 & #Name# <> \"\"");
    ASSERT_TRUE(Generate());
    EXPECT_EQ(PageContent(Page("KAVRO_Metacond.htm")),
              Header("Meta-Conditions", {{25, "Condition ID"}, {75, "Condition"}}) + Cell(25, true, "Adult") +
                  Cell(75, false, "#Age# &gt;= 18 &amp; #Name# &lt;&gt; \"\"") + "</TR>\n</TABLE><BR>\n");
}

}  // namespace
