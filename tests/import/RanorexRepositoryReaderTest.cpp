// The Ranorex repository reader: a window per app folder, folder and item, typed by role and
// capabilities, nested by the folders, with tool data kept inside app folders only.
#include <gtest/gtest.h>

#include "conversion/framework/OutputFormats.h"
#include "import/repository/XMLDataRanorex.h"
#include "model/windows/WindowTypes.h"
#include "tests/conversion/XmlLint.h"
#include "tests/import/RepositoryFixture.h"

namespace {

using RanorexReaderTest = RepositoryTest;

TEST_F(RanorexReaderTest, RolesAreFoundByWholeCapabilityTokens) {
    struct Case {
        const char* role;
        std::string capabilities;
        int type;  // -1: no entry
        int guiId;
    };
    const Case cases[] = {
        {"button", "nativewindow", kWndPushButton, 999},
        {"button", "javaelement", kWndPushButton, 996},
        {"imgTag", "webelement", kWndImage, 995},
        {"imgtag", "webelement", -1, 0},
        {"button", "webelement,accessible", kWndPushButton, 999},
        // The blank after the comma belongs to the second token, which then matches nothing.
        {"button", "webelement, accessible", -1, 0},
        {"button", " ,,nativewindow", kWndPushButton, 999},
        {"form", "webdocument", kWndDialogBox, 995},
        {"list", "accessible", kWndListView, 999},
        {"button", "native", -1, 0},
        {"button", "", -1, 0},
        // No token is cut short, however long the list.
        {"text", std::string(300, 'a') + ",javaelement", kWndInputField, 996},
        {"text", "javaelement" + std::string(300, 'a'), -1, 0},
    };
    const CXMLDataRanorex& reader = GetRanorexRepositoryReader();
    for (const Case& c : cases) {
        const CRanorexWndType* entry = reader.FindRoleEntry(c.role, c.capabilities);
        if (c.type < 0) {
            EXPECT_EQ(entry, nullptr) << c.role << " " << c.capabilities;
            continue;
        }
        ASSERT_NE(entry, nullptr) << c.role << " " << c.capabilities;
        EXPECT_EQ(entry->windowType, c.type) << c.role;
        EXPECT_EQ(entry->guiId, c.guiId) << c.role << " " << c.capabilities;
    }
}

TEST_F(RanorexReaderTest, TheRoleTableHoldsEachTechnologysRoles) {
    const std::vector<CRanorexWndType> table = BuildRoleTable();
    ASSERT_EQ(table.size(), 49u);
    int topLevel = 0;
    for (const CRanorexWndType& entry : table) topLevel += entry.topLevel;
    EXPECT_EQ(topLevel, 5);
    EXPECT_EQ(table[16].role, "table");
    EXPECT_EQ(table[17].capabilities, "javaelement");
    EXPECT_EQ(table[34].role, "webdocument");
    EXPECT_EQ(table[34].windowType, kWndMain);
}

TEST_F(RanorexReaderTest, FoldersAndItemsBecomeWindowsNestedByTheirFolders) {
    const std::string path = WriteRanorex(
        "nested.rxrep",
        "<appfolder name=\"App\" capname=\"form\" addcaps=\"form,nativewindow\">\n"
        "  <item name=\"OK\" capname=\"button\" addcaps=\"button,nativewindow\">  button[@text='OK'] \n"
        "    <item name=\"Inner\" capname=\"text\" addcaps=\"javaelement\"/>\n"
        "  </item>\n"
        "  <folder name=\"Pane\" capname=\"container\" addcaps=\"nativewindow\">\n"
        "    <item name=\"Leaf\" capname=\"text\" addcaps=\"text,nativewindow\">  x \n</item>\n"
        "    <basepath>  container[@caption='Pane']\n</basepath>\n"
        "  </folder>\n"
        "  <basepath>/form[@title='App']</basepath>\n"
        "  <icon/>\n"
        "</appfolder>\n"
        "<folder name=\"Outside\"><item name=\"Stray\" capname=\"button\" addcaps=\"button,nativewindow\">x<sub>lost</sub></item>"
        "<basepath>kept out</basepath></folder>\n");
    const ParsedRepository parsed = ParseWith(kFormatRanorex, path, &log);
    ASSERT_EQ(parsed.result, 1) << GetGlobalMessageBuffer();
    ASSERT_EQ(parsed.List().size(), 7u);
    const auto& w = parsed.List();
    const CWindowKav* app = w[0];
    EXPECT_EQ(app->GetType(), kWndDialogBox);
    EXPECT_EQ(app->GetParent(), nullptr);
    EXPECT_EQ(w[1]->GetParent(), app);
    EXPECT_EQ(w[2]->GetParent(), nullptr);  // an item inside an item
    EXPECT_EQ(w[2]->GetGuiID(), 996);
    EXPECT_EQ(w[3]->GetParent(), app);
    EXPECT_EQ(w[4]->GetParent(), w[3]);
    EXPECT_EQ(w[5]->GetParent(), nullptr);  // below the root folder
    EXPECT_EQ(w[5]->GetType(), kWndCustom);
    EXPECT_EQ(w[6]->GetParent(), w[5]);

    // Texts lose their surrounding white space; folders keep their base path as a child.
    EXPECT_EQ(w[4]->GetToolData()->GetValue(), "x");
    EXPECT_EQ(w[3]->GetToolData()->FindChild("basepath")->GetValue(), "container[@caption='Pane']");
    EXPECT_EQ(app->GetToolData()->FindChild("basepath")->GetValue(), "/form[@title='App']");
    EXPECT_NE(app->GetToolData()->FindChild("icon"), nullptr);
    EXPECT_EQ(app->GetToolData()->FindChild("item"), nullptr);
    EXPECT_EQ(w[1]->GetToolData()->GetAttributeValue("addcaps"), "button,nativewindow");
    // Outside an app folder a window keeps only its own element.
    EXPECT_TRUE(w[5]->GetToolData()->GetChildren().empty());
    EXPECT_EQ(w[5]->GetToolData()->GetValue(), "");
    EXPECT_EQ(w[6]->GetToolData()->GetValue(), "");

    EXPECT_EQ(log.Lines(), (std::vector<std::string>{
                               "form App", "    button OK", "    text Inner", "    container Pane",
                               "        text Leaf",
                               "WARNING: Unknown class 'unknown' (will be mapped to Custom Window)! [W1191]",
                               "unknown Outside", "    button Stray"}));
}

TEST_F(RanorexReaderTest, AnAppFolderInsideAFolderClosesBoth) {
    const ParsedRepository parsed = ParseWith(
        kFormatRanorex,
        WriteRanorex("inside.rxrep", "<folder name=\"F\" capname=\"container\" addcaps=\"nativewindow\">"
                                     "<appfolder name=\"A\" capname=\"form\" addcaps=\"nativewindow\"><basepath>p</basepath>"
                                     "</appfolder><item name=\"I\" capname=\"button\" addcaps=\"nativewindow\">q</item>"
                                     "</folder><appfolder name=\"B\" capname=\"form\" addcaps=\"nativewindow\"/>"),
        nullptr);
    ASSERT_EQ(parsed.result, 1);
    ASSERT_EQ(parsed.List().size(), 4u);
    EXPECT_EQ(parsed.List()[1]->GetParent(), parsed.List()[0]);
    EXPECT_EQ(parsed.List()[2]->GetParent(), parsed.List()[0]);
    EXPECT_EQ(parsed.List()[2]->GetToolData()->GetValue(), "q");
    EXPECT_EQ(parsed.List()[3]->GetParent(), nullptr);
}

TEST_F(RanorexReaderTest, OutsideReaderFindsTheObjectsAndParentsOfTheFixture) {
    const std::string path = Fixture("ranorex_calculator.rxrep");
    EXPECT_TRUE(PassesXmlLint(path));
    const std::string expected = OutsideReaderObjects(path);
    ASSERT_FALSE(expected.empty());
    const ParsedRepository parsed = ParseWith(kFormatRanorex, path, nullptr);
    ASSERT_EQ(parsed.result, 1) << GetGlobalMessageBuffer();
    EXPECT_EQ(ParsedObjects(parsed, "capname", "name"), expected);
}

}  // namespace
