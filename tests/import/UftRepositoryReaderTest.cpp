// The UFT repository reader: a window per object, typed by its class, nested by the child-object
// lists, with the object's description as tool data; and the windows the factory makes.
#include <gtest/gtest.h>

#include "conversion/framework/OutputFormats.h"
#include "import/repository/RepositoryWindowFactory.h"
#include "import/repository/XMLDataQTP.h"
#include "model/windows/WindowTypes.h"
#include "tests/conversion/XmlLint.h"
#include "tests/import/RepositoryFixture.h"

namespace {

using UftReaderTest = RepositoryTest;

std::vector<std::string> AttributeNames(const CXMLElement& element) {
    std::vector<std::string> names;
    for (const CXMLAttribute* attribute : element.GetAttributes()) names.push_back(attribute->GetName());
    return names;
}

std::vector<std::string> ChildNames(const CXMLElement& element) {
    std::vector<std::string> names;
    for (const CXMLElement* child : element.GetChildren()) names.push_back(child->GetName());
    return names;
}

TEST_F(UftReaderTest, ObjectsBecomeWindowsNestedByTheirChildObjectLists) {
    const std::string path = WriteUft(
        "nested.xml",
        "<qtpRep:Object Class=\"Window\" Name=\"Main\">\n"
        "<qtpRep:Properties><qtpRep:Property Name=\"text\" Type=\"STRING\"><qtpRep:Value>  x \n</qtpRep:Value>"
        "</qtpRep:Property><qtpRep:Property Name=\"empty\" Type=\"STRING\"><qtpRep:Value/></qtpRep:Property>"
        "</qtpRep:Properties>\n"
        "<qtpRep:ChildObjects>\n"
        "<qtpRep:Object Class=\"WinButton\" Name=\"OK\"><qtpRep:ChildObjects>\n"
        "<QTPREP:OBJECT Class=\"winbutton\" Name=\"Deep\"/>\n"
        "</qtpRep:ChildObjects></qtpRep:Object>\n"
        "</qtpRep:ChildObjects>\n"
        "<qtpRep:Comments>after the children</qtpRep:Comments>\n"
        "</qtpRep:Object>\n"
        "<qtpRep:Object Class=\"Dialog\" Name=\"Loose\"/>\n");
    const ParsedRepository parsed = ParseWith(kFormatUft, path, &log);
    ASSERT_EQ(parsed.result, 1) << GetGlobalMessageBuffer();
    ASSERT_EQ(parsed.List().size(), 4u);
    const CWindowKav* main = parsed.List()[0];
    const CWindowKav* ok = parsed.List()[1];
    const CWindowKav* deep = parsed.List()[2];
    const CWindowKav* loose = parsed.List()[3];

    EXPECT_EQ(main->GetType(), kWndCustom);
    EXPECT_EQ(main->GetParent(), nullptr);
    EXPECT_EQ(ok->GetType(), kWndPushButton);
    EXPECT_EQ(ok->GetGuiID(), 999);
    EXPECT_EQ(ok->GetParent(), main);
    // Element names without case; the class with it.
    EXPECT_EQ(deep->GetParent(), ok);
    EXPECT_EQ(deep->GetType(), kWndCustom);
    EXPECT_EQ(loose->GetType(), kWndDialogBox);
    EXPECT_EQ(loose->GetParent(), nullptr);
    for (const CWindowKav* window : parsed.List()) {
        EXPECT_EQ(window->GetFile(), project.Main());
        EXPECT_EQ(window->GetName(), "");
    }

    EXPECT_EQ(log.Lines(), (std::vector<std::string>{
                               "Window Main", "    WinButton OK",
                               "WARNING: Unknown class 'winbutton' (will be mapped to Custom Window)! [W1191]",
                               "        winbutton Deep", "Dialog Loose"}));

    // The description: the object element with its attributes, without the child objects and
    // without what follows them; leaf texts as they stand, an empty leaf without value.
    CXMLElement& data = *main->GetToolData();
    EXPECT_EQ(data.GetName(), "qtpRep:Object");
    EXPECT_EQ(AttributeNames(data), (std::vector<std::string>{"Class", "Name"}));
    EXPECT_EQ(ChildNames(data), std::vector<std::string>{"qtpRep:Properties"});
    EXPECT_EQ(main->GetQtpPropertyValue("text"), "  x \n");
    EXPECT_EQ(data.FindByAttribute("qtpRep:Property", "Name", "empty")->FindChild("qtpRep:Value")->GetValue(), "");
    EXPECT_TRUE(ok->GetToolData()->GetChildren().empty());
    EXPECT_EQ(GetGlobalMessageBuffer(), "");
}

TEST_F(UftReaderTest, AnUnknownClassBecomesACustomWindowOfNoBuilder) {
    const ParsedRepository parsed =
        ParseWith(kFormatUft, WriteUft("foo.xml", "<qtpRep:Object Class=\"Foo\" Name=\"F\"/>"), &log);
    ASSERT_EQ(parsed.List().size(), 1u);
    const CWindowKav* window = parsed.List()[0];
    EXPECT_NE(dynamic_cast<const CCustomWinKav*>(window), nullptr);
    EXPECT_EQ(window->GetClass(), "");
    EXPECT_EQ(window->GetStyle(), 0x10C80000u);
    EXPECT_EQ(window->GetMethod(), 1);
    EXPECT_EQ(window->GetGuiID(), 999);
    EXPECT_EQ(log.Lines(), (std::vector<std::string>{
                               "WARNING: Unknown class 'Foo' (will be mapped to Custom Window)! [W1191]", "Foo F"}));
    // Other environments keep their builder.
    CWindowKav* java = GetUftRepositoryReader().CreateWindowForClass("JavaButton");
    EXPECT_EQ(java->GetType(), kWndPushButton);
    EXPECT_EQ(java->GetGuiID(), 996);
    EXPECT_EQ(java->GetClass(), "Button");
    delete java;
}

TEST_F(UftReaderTest, AMalformedFileFailsWithTheParseErrorAndLeavesNothingOpen) {
    // Broken off inside an object, after an unknown class: the parse error still reports itself.
    const std::string broken = WriteUft("broken.xml", "<qtpRep:Object Class=\"Foo\" Name=\"A\">\n<qtpRep:Properties>\n"
                                                      "</qtpRep:Object>\n");
    {
        const ParsedRepository parsed = ParseWith(kFormatUft, broken, &log);
        EXPECT_EQ(parsed.result, 0);
        EXPECT_EQ(parsed.List().size(), 1u);
        EXPECT_EQ(GetGlobalMessageBuffer(),
                  "Error while parsing XML file " + broken + " in line 6: mismatched tag [W1110]");
    }
    // The next parse starts with no object open: a property outside every object is no tool data
    // of a window of the broken parse, and the first object has no parent.
    const ParsedRepository next = ParseWith(
        kFormatUft, WriteUft("next.xml", "<qtpRep:Property Name=\"stray\"/><qtpRep:ChildObjects>"
                                         "<qtpRep:Object Class=\"WinButton\" Name=\"B\"/></qtpRep:ChildObjects>"),
        &log);
    ASSERT_EQ(next.result, 1);
    ASSERT_EQ(next.List().size(), 1u);
    EXPECT_EQ(next.List()[0]->GetParent(), nullptr);
    EXPECT_TRUE(next.List()[0]->GetToolData()->GetChildren().empty());
}

TEST_F(UftReaderTest, TheFactoryGivesEachTypeItsDefaults) {
    struct Case {
        int type;
        const char* className;
        std::uint32_t style;
        int method;
    };
    const Case cases[] = {
        {kWndMain, "Afx:400000:8:10008:0:*", 0x10C80000, 1}, {kWndChild, "Afx:400000:b:10008:6:*", 0x10C80000, 1},
        {kWndDialogBox, "#32770", 0x90C80080, 1},          {kWndCustom, "", 0x10C80000, 1},
        {kWndStaticText, "Static", 0x10000000, 0},          {kWndInputField, "Edit", 0x10010000, 0},
        {kWndGroupBox, "Button", 0x10000007, 0},            {kWndPushButton, "Button", 0x10010000, 0},
        {kWndCheckBox, "Button", 0x10010003, 0},            {kWndRadioButton, "Button", 0x10000009, 0},
        {kWndComboBox, "ComboBox", 0x10010102, 0},          {kWndListBox, "ListBox", 0x10010002, 0},
        {kWndTabControl, "SysTabControl32", 0x10000000, 0}, {kWndToolBar, "ToolbarWindow32", 0x10000000, 1},
        {kWndListView, "SysListView32", 0x10010000, 0},     {kWndHeader, "SysHeader32", 0x10000000, 0},
        {kWndTreeControl, "SysTreeView32", 0x10010000, 0},  {kWndTable, "", 0x10010000, 0},
        {kWndLink, "html_text_link", 0x10000000, 0},        {kWndImage, "Static", 0x10000000, 0},
    };
    for (const Case& c : cases) {
        std::unique_ptr<CWindowKav> window(CreateRepositoryWindow(c.type, 993, &app));
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->GetType(), c.type);
        EXPECT_EQ(window->GetClass(), c.className) << c.type;
        EXPECT_EQ(window->GetStyle(), c.style) << c.type;
        EXPECT_EQ(window->GetMethod(), c.method) << c.type;
        EXPECT_EQ(window->GetGuiID(), 993);
        EXPECT_EQ(window->GetCaption(), c.type == kWndLink ? "Link" : "") << c.type;
        EXPECT_EQ(window->GetFile(), project.Main());
    }
    std::unique_ptr<CWindowKav> link(CreateRepositoryWindow(kWndLink, 995, &app));
    EXPECT_EQ(static_cast<CLinkKav&>(*link).GetInitialValue(), "http://");
    for (const int type : {kWndMenu, kWndMenuItem}) {
        std::unique_ptr<CWindowKav> menu(CreateRepositoryWindow(type, 999, nullptr));
        EXPECT_EQ(menu->GetType(), type);
        EXPECT_EQ(menu->GetCaption(), "");
        EXPECT_EQ(menu->GetFile(), nullptr);
    }
    EXPECT_EQ(CreateRepositoryWindow(22, 999, &app), nullptr);
}

// Fixtures shaped as UFT exports repositories: an outside reader finds the same objects and
// parent links as the reader.
TEST_F(UftReaderTest, OutsideReaderFindsTheObjectsAndParentsOfEachFixture) {
    for (const char* name : {"uft_login.xml", "uft_sap_web.xml"}) {
        const std::string path = Fixture(name);
        EXPECT_TRUE(PassesXmlLint(path));
        const std::string expected = OutsideReaderObjects(path);
        ASSERT_FALSE(expected.empty()) << name;
        const ParsedRepository parsed = ParseWith(kFormatUft, path, nullptr);
        ASSERT_EQ(parsed.result, 1) << GetGlobalMessageBuffer();
        EXPECT_EQ(ParsedObjects(parsed, "Class", "Name"), expected) << name;
    }
}

}  // namespace
