// Importing Ranorex repositories: the windows completed from the last step of their RanoreXPath,
// and what a failed import leaves behind.
#include <gtest/gtest.h>

#include "conversion/ranorex/Ranorex.h"
#include "model/windows/WindowTypes.h"
#include "tests/import/RepositoryFixture.h"
#include "tests/support/Refusal.h"

namespace {

class RanorexImportTest : public RepositoryTest {
protected:
    int Import(const std::string& path) {
        CRanorex converter(0, &log);
        return converter.ImportRepository(path);
    }
};

TEST(RanorexPathTest, PredicatesOnAnAttributeAreRemoved) {
    struct Case {
        const char* attribute;
        const char* path;
        const char* expected;
    };
    const Case cases[] = {
        {"@x", "form[@title='X' and @x='10' and @y='20']", "form[@title='X' and @y='20']"},
        {"@x", "element[@x='1' and @class='Y']", "element[@class='Y']"},
        {"@x", "element[@x='1']", "element"},
        {"@x", "element[@xpos='3']", "element[@xpos='3']"},
        {"@x", "/form[@x='1']/button[@text='a]@b' and @x!='2']", "/form/button[@text='a]@b']"},
        {"@title", "form[@title='it''s' and @x='1']", "form[@x='1']"},
        {"@x", "x='1'", "x='1'"},
        {"@x", "element[@x='1' and @y='2'", "element[@y='2'"},
        {"@x", "element[@x='open", "element["},
    };
    for (const Case& c : cases) EXPECT_EQ(CRanorex::RemovePathAttribute(c.attribute, c.path), c.expected) << c.path;
    EXPECT_EQ(CRanorex::RemoveCoordinateAttributes(
                  "/form[@title='C' and @x='1' and @y='2' and @width='3' and @height='4']/button[@height='5' and @x='6']"),
              "/form[@title='C']/button");
}

TEST(RanorexPathTest, TheLastStepsAttributesAreParsed) {
    CRanorex converter;
    converter.ParsePathAttributes("/form[@title='A']/button[@text='it''s' and @id<'0x10' and @text~'B' and @x='']");
    EXPECT_EQ(converter.GetPathAttributes(),
              (std::map<std::string, std::string>{{"text", "B"}, {"id", "0x10"}, {"x", ""}}));
    converter.ParsePathAttributes("button");
    EXPECT_TRUE(converter.GetPathAttributes().empty());
    converter.ParsePathAttributes("button[@text='never closed");
    EXPECT_EQ(converter.GetPathAttributes(), (std::map<std::string, std::string>{{"text", "never closed"}}));
}

TEST_F(RanorexImportTest, WindowsGetWhatTheirPathSays) {
    std::vector<CWindowKav*> announced;
    SetImportedWindowHook([&](CWindowKav* window) { announced.push_back(window); });
    ASSERT_EQ(Refusal([&] { return Import(Fixture("ranorex_calculator.rxrep")); }), "");

    CWindowKav* calculator = Window("Calculator");
    ASSERT_NE(calculator, nullptr);
    EXPECT_EQ(calculator->GetType(), kWndDialogBox);
    EXPECT_EQ(calculator->GetCaption(), "Calculator");
    EXPECT_EQ(calculator->GetImportTool(), 10);
    EXPECT_EQ(calculator->GetRect(), (WindowRect{0, 0, 330, 300}));  // a top window lies at 0, 0
    EXPECT_EQ(calculator->GetTag(), "/form[@title='Calculator']\r\nform\r\nform,nativewindow");

    CWindowKav* button = Window("Button7");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->GetCaption(), "7");
    EXPECT_EQ(button->GetNumID(), 0x89);
    EXPECT_EQ(button->GetRect(), (WindowRect{10, 60, 50, 90}));
    EXPECT_EQ(button->GetTag(), "button[@controlid='0x89' and @text='7']\r\nbutton\r\nbutton,nativewindow");

    CWindowKav* display = Window("Display");
    ASSERT_NE(display, nullptr);
    EXPECT_EQ(display->GetCaption(), "Display");
    EXPECT_EQ(display->GetParent(), calculator);
    EXPECT_EQ(display->GetRect(), (WindowRect{80, 8, 320, 38}));
    // id '0' comes first: the control id after it is not consulted.
    CWindowKav* result = Window("Result");
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(result->GetNumID(), 0);
    EXPECT_EQ(result->GetType(), kWndInputField);
    EXPECT_EQ(result->GetRect(), (WindowRect{10, 4, 230, 26}));
    EXPECT_EQ(Window("Clear")->GetRect(), (WindowRect{0, 0, 20, 20}));  // 50 under a left of 80

    EXPECT_EQ(Window("Menu")->GetType(), kWndMenu);
    EXPECT_EQ(announced, std::vector<CWindowKav*>{calculator});
    EXPECT_EQ(log.Lines(), (std::vector<std::string>{
                               "form Calculator", "    button Button7", "    container Display", "        text Result",
                               "        button Clear", "    menubar Menu", "    button Memory",
                               "No size information available for window 'Memory'. Please initialize the coordinate "
                               "attributes (x,y,width,height) in the Ranorex XPath expression! [W0398]",
                               "7 Ranorex objects successfully imported! [I0035]"}));
    ASSERT_NE(Window("Memory"), nullptr);
}

TEST_F(RanorexImportTest, NumbersAndNamesAsTheRuntimeReadsThem) {
    const std::string path = WriteRanorex(
        "three.rxrep",
        "<appfolder name=\"1 App\" capname=\"form\" addcaps=\"nativewindow\">"
        "<item name=\"Hex\" capname=\"button\" addcaps=\"nativewindow\">button[@id='0x10' and @width='5']</item>"
        "<item name=\"Octal\" capname=\"button\" addcaps=\"nativewindow\">button[@processid='010' and @height='5']</item>"
        "<basepath>/form[@x='100' and @y='100' and @width='9']</basepath></appfolder>");
    ASSERT_EQ(Refusal([&] { return Import(path); }), "");
    EXPECT_NE(Window("ID1App"), nullptr);
    EXPECT_EQ(Window("ID1App")->GetRect(), (WindowRect{0, 0, 9, 5}));  // grown to hold Octal
    EXPECT_EQ(Window("Hex")->GetNumID(), 16);
    EXPECT_EQ(Window("Octal")->GetNumID(), 8);
    EXPECT_EQ(log.Lines().back(), "3 Ranorex objects successfully imported! [I0035]");
}

// The windows before a refused one stay in the project; the refused one and those after it are
// deleted once each, and no window of the project still holds one of them.
TEST_F(RanorexImportTest, AWindowTheTableRefusesEndsTheImport) {
    RefuseWindowNamed("Display");
    EXPECT_EQ(Refusal([&] { return Import(Fixture("ranorex_calculator.rxrep")); }), "refused");
    CWindowKav* calculator = Window("Calculator");
    ASSERT_NE(calculator, nullptr);
    EXPECT_EQ(calculator->GetChildren(), std::vector<CWindowKav*>{Window("Button7")});
    EXPECT_EQ(app.GetWindowList().GetCount(), 2u);
    for (const std::string& line : log.Lines()) EXPECT_EQ(line.find("[I0035]"), std::string::npos) << line;
}

TEST_F(RanorexImportTest, ARepositoryBrokenOffInNestedFoldersImportsNothing) {
    const std::string path = folder.Write(
        "broken.rxrep", "<repository><rootfolder name=\"Root\"><appfolder name=\"A\" capname=\"form\" addcaps=\"nativewindow\">"
                        "<folder name=\"F\" capname=\"container\" addcaps=\"nativewindow\"><folder name=\"G\">"
                        "<item name=\"I\" capname=\"button\" addcaps=\"nativewindow\">button</item>");
    EXPECT_NE(Refusal([&] { return Import(path); }).find("[W1110]"), std::string::npos);
    EXPECT_EQ(app.GetWindowList().GetCount(), 0u);
    // The reader starts the next import afresh.
    ASSERT_EQ(Refusal([&] { return Import(Fixture("ranorex_calculator.rxrep")); }), "");
    EXPECT_EQ(Window("Calculator")->GetParent(), nullptr);
}

}  // namespace
