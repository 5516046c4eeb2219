#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "import/java/JavaGuiImport.h"
#include "import/java/JavaGuiInfoCommand.h"
#include "model/ShellServices.h"
#include "platform/MessageBuffer.h"
#include "platform/Registry.h"
#include "tests/support/GlobalState.h"
#include "tests/support/ProjectBuilder.h"
#include "tests/support/ScratchFolder.h"

namespace {

// One object line: depth TABs, then the fields joined by the 0xB6 separator.
std::string Line(std::initializer_list<std::string> fields, int depth = 0) {
    std::string line(static_cast<size_t>(depth), '\t');
    bool first = true;
    for (const std::string& field : fields) {
        if (!first) line += '\xB6';
        line += field;
        first = false;
    }
    return line + "\r\n";
}

// A visible, enabled control of 100 x 20 at the given top, with the fields after 10.
std::string Control(const std::string& keyword, const std::string& caption, int depth, int top = 10,
                    const std::vector<std::string>& extra = {}) {
    std::string line = Line({keyword, "info", "javax.swing.J" + keyword, caption, "10", std::to_string(top), "110",
                             std::to_string(top + 20), "1", "1"},
                            depth);
    for (const std::string& field : extra) line.insert(line.size() - 2, "\xB6" + field);
    return line;
}

const std::string kHeader = "KAVRO Java GUI Spy 1.0\r\n";

class JavaGuiImportTest : public ProjectTest {
protected:
    void TearDown() override { SetJavaImportHooks({}); }

    bool Import(const std::string& body) { return ImportJavaGuiFile(folder_.Write("gui.kvj", kHeader + body)); }

    // The window of the project with that caption, or null (names follow the model's rules).
    CWindowKav* Window(const std::string& caption) {
        for (CWindowKav* window : app.GetWindowList().Snapshot())
            if (window->GetCaption() == caption) return window;
        return nullptr;
    }
    std::size_t WindowCount() const { return app.GetWindowList().GetCount(); }

    ScratchFolder folder_;
};

TEST_F(JavaGuiImportTest, LinesThatStopTheImportNameTheirFault) {
    struct Case {
        const char* what;
        std::string body;
        std::string message;
        std::size_t windowsAdded;
    };
    const std::string main = Control("mainwindow", "Main", 0);
    const std::vector<Case> cases = {
        {"blank second line", "\r\n" + main, "Empty Line! [W0375]", 0},
        {"first object indented", Control("mainwindow", "Main", 1), "The 1st window in the file must not have a parent! [W0396]", 0},
        {"two levels deeper", main + Control("pushbutton", "OK", 2, 10, {"0"}), "Too many tab characters in line! [W0397]", 1},
        {"unknown keyword with ten fields", main + Control("link", "Home", 1), "Invalid KAVRO class <link>! [W0394]", 1},
        {"unknown keyword with six fields", main + Line({"link", "", "Link", "Home", "1", "2"}, 1),
         "Invalid coordinates in window Home! [W0382]", 1},
        {"menu with a fourth field", main + Line({"MENU", "", "javax.swing.JMenuBar", "File"}, 1),
         "Too many parameters in line! [W0395]", 1},
        {"class missing", Line({"mainwindow", "x", ""}), "Java class missing! [W0376]", 0},
        {"menu item without enabled flag", main + Line({"menu", "", "Bar"}, 1) + Line({"menuitem", "", "Item", "Open"}, 2),
         "Invalid menu item Open! [W0377]", 2},
        {"field after a check box", main + Control("checkbox", "Bold", 1, 10, {"1"}), "Too many parameters in line! [W0395]", 1},
        {"list box without mode", main + Control("listbox", "Names", 1), "Invalid list box Names! [W0390]", 1},
        {"gap between tab titles", main + Control("tabcontrol", "Tabs", 1, 10, {"First", "", "Second"}),
         "Too many parameters in line! [W0395]", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::size_t before = WindowCount();
        ClearGlobalMessage();
        EXPECT_FALSE(Import(c.body));
        EXPECT_EQ(GetGlobalMessageBuffer(), c.message);
        EXPECT_EQ(WindowCount() - before, c.windowsAdded);
    }
}

TEST_F(JavaGuiImportTest, FilesThatCannotBeReadAreRefused) {
    const std::string missing = (folder_.Path() / "none.kvj").string();
    EXPECT_FALSE(ImportJavaGuiFile(missing));
    EXPECT_EQ(GetGlobalMessageBuffer(), "Could not open " + missing + "! [W0373]");
    EXPECT_FALSE(ImportJavaGuiFile(folder_.Write("empty.kvj", "")));
    EXPECT_EQ(GetGlobalMessageBuffer(), "File is empty! [W0374]");
}

TEST_F(JavaGuiImportTest, KeywordFieldsSetTheStyleBits) {
    struct Case {
        std::string keyword;
        std::vector<std::string> extra;
        std::uint32_t style;
    };
    const std::vector<Case> cases = {
        {"combobox", {"5"}, 0x10010100},     {"combobox", {"2"}, 0x10010103},
        {"pushbutton", {"1"}, 0x10010001},   {"listbox", {"2"}, 0x10010802},
        {"listbox", {"3"}, 0x10014002},      {"inputfield", {"1", "1"}, 0x10010804},
        {"treecontrol", {"1", "1"}, 0x10010009}, {"checkbox", {}, 0x10010003},
        {"RadioButton", {}, 0x10000009},
    };
    std::string body = Line({"dialogbox", "x", "javax.swing.JDialog", "Options", "0", "0", "300", "400", "1", "1", "1"});
    int top = 0;
    for (const Case& c : cases) {
        top += 25;
        body += Control(c.keyword, "Control" + std::to_string(top), 1, top, c.extra);
    }
    ASSERT_TRUE(Import(body)) << GetGlobalMessageBuffer();

    CWindowKav* dialog = Window("Options");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->GetStyle(), 0x90C80082u);
    EXPECT_EQ(dialog->GetMethod(), 1);
    ASSERT_EQ(dialog->GetChildren().size(), cases.size());
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(cases[i].keyword);
        const CWindowKav* control = dialog->GetChildren()[i];
        EXPECT_EQ(control->GetStyle(), cases[i].style);
        EXPECT_EQ(control->GetMethod(), 0);
    }
}

TEST_F(JavaGuiImportTest, AWindowKeepsTheRecordedTextsAsLatin1) {
    ASSERT_TRUE(Import(Line({"mainwindow", "recorded \xB7 text", "javax.swing.JFrame", "Gr\xF6\xDF" "e", "5", "5", "50",
                             "60", "1", "0"})));
    CWindowKav* window = Window("Gr\xC3\xB6\xC3\x9F" "e");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->GetCaption(), "Gr\xC3\xB6\xC3\x9F" "e");
    EXPECT_EQ(window->GetClass(), "javax.swing.JFrame");
    EXPECT_EQ(window->GetJavaText(), "recorded \xC2\xB7 text");
    EXPECT_EQ(window->GetGuiID(), 996);
    EXPECT_FALSE(window->IsEnabled());
    EXPECT_EQ(window->GetFile(), project.Main());
    EXPECT_EQ(window->GetRect(), (WindowRect{5, 5, 50, 60}));
}

TEST_F(JavaGuiImportTest, WindowsBreakingTheMenuRuleOrHiddenOrEmptyAreDropped) {
    const std::string body =
        Control("mainwindow", "Main", 0) +
        Line({"menuitem", "", "javax.swing.JMenuItem", "Stray", "1", "0", "0"}, 1) +
        Line({"menu", "", "javax.swing.JMenuBar"}, 1) +
        Line({"menuitem", "", "javax.swing.JMenu", "File", "1", "1", "0"}, 2) +
        Line({"menuitem", "", "javax.swing.JMenuItem", "Open", "0", "0", "0"}, 3) +
        Control("checkbox", "InMenu", 2) +
        Control("customwindow", "Custom", 1) +
        Line({"pushbutton", "", "javax.swing.JButton", "Flat", "10", "10", "10", "50", "1", "1", "0"}, 1) +
        Line({"groupbox", "", "javax.swing.JPanel", "Invisible", "0", "0", "50", "50", "0", "1"}, 1) +
        Control("text", "InsideInvisible", 2) + Control("text", "Label", 1);
    const std::size_t before = WindowCount();
    ASSERT_TRUE(Import(body)) << GetGlobalMessageBuffer();
    // Silently: no box for any dropped window.
    EXPECT_EQ(TestInteraction().Texts(), std::vector<std::string>{});

    CWindowKav* main = Window("Main");
    ASSERT_NE(main, nullptr);
    std::vector<std::string> names;
    for (const CWindowKav* child : main->GetChildren()) names.push_back(child->GetCaption());
    EXPECT_EQ(names, (std::vector<std::string>{"", "Custom", "Label"}));
    const CWindowKav* menu = main->GetChildren()[0];
    ASSERT_EQ(menu->GetChildren().size(), 1u);
    const auto* file = static_cast<const CMenuItemKav*>(menu->GetChildren()[0]);
    EXPECT_TRUE(file->IsPopup());
    ASSERT_EQ(file->GetChildren().size(), 1u);
    EXPECT_FALSE(file->GetChildren()[0]->IsEnabled());
    for (const char* gone : {"Stray", "InMenu", "Flat", "Invisible", "InsideInvisible"}) EXPECT_EQ(Window(gone), nullptr) << gone;
    EXPECT_EQ(WindowCount() - before, 6u);  // Main, Menu, File, Open, Custom, Label
}

TEST_F(JavaGuiImportTest, ATabControlPairsItsPagesWithItsChildren) {
    // The third child is hidden, so two children remain for two pages.
    const std::string body = Control("mainwindow", "Main", 0, 0) +
                             Control("tabcontrol", "Tabs", 1, 10, {"First", "Second"}) +
                             Control("childwindow", "PageOne", 2, 40) + Control("childwindow", "PageTwo", 2, 60) +
                             Line({"childwindow", "", "javax.swing.JPanel", "Dropped", "0", "0", "9", "9", "0", "1"}, 2) +
                             Control("tabcontrol", "NoTitles", 1, 200);
    ASSERT_TRUE(Import(body)) << GetGlobalMessageBuffer();

    auto* tabs = static_cast<CTabControlKav*>(Window("Tabs"));
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->GetSelectedPageTitle(), "First");
    ASSERT_EQ(tabs->GetPages().size(), 2u);
    EXPECT_EQ(tabs->GetPages()[0]->GetPageWindowId(), Window("PageOne")->GetName());
    EXPECT_EQ(tabs->GetPages()[1]->GetPageWindowId(), Window("PageTwo")->GetName());
    for (const char* name : {"PageOne", "PageTwo"}) {
        const CWindowKav* page = Window(name);
        EXPECT_EQ(page->GetStyle() & 0x00C80000u, 0u) << name;
        EXPECT_EQ(page->GetMethod(), 0) << name;
    }
    EXPECT_TRUE(Window("PageOne")->IsVisible());
    EXPECT_FALSE(Window("PageTwo")->IsVisible());
    EXPECT_TRUE(static_cast<CTabControlKav*>(Window("NoTitles"))->GetPages().empty());
}

TEST_F(JavaGuiImportTest, TabTitlesWithoutAsManyChildrenStayUnpaired) {
    ASSERT_TRUE(Import(Control("mainwindow", "Main", 0, 0) + Control("tabcontrol", "Tabs", 1, 10, {"First", "Second"}) +
                       Control("childwindow", "A", 2, 40) + Control("childwindow", "B", 2, 60) +
                       Control("childwindow", "C", 2, 80)));
    auto* tabs = static_cast<CTabControlKav*>(Window("Tabs"));
    EXPECT_EQ(tabs->GetPages()[0]->GetPageWindowId(), "");
    for (const char* name : {"A", "B", "C"}) EXPECT_TRUE(Window(name)->IsVisible()) << name;
}

TEST_F(JavaGuiImportTest, EachTopLevelTreeIsCommittedAndAnnounced) {
    std::vector<std::string> tagged, announced;
    SetJavaImportHooks({[&](CWindowKav& root) {
                            tagged.push_back(root.GetName());
                            if (root.GetName() != "Second") return 1;
                            SetGlobalMessage("no tags");
                            return 0;
                        },
                        [&](CWindowKav& root) { announced.push_back(root.GetName()); }});
    ASSERT_TRUE(Import(Control("mainwindow", "First", 0) + Control("pushbutton", "OK", 1, 10, {"1"}) +
                       Control("dialogbox", "Second", 0, 10, {"0"}) +
                       Line({"dialogbox", "", "javax.swing.JDialog", "Hidden", "0", "0", "9", "9", "0", "1", "0"})));
    EXPECT_EQ(tagged, (std::vector<std::string>{"First", "Second"}));
    EXPECT_EQ(announced, (std::vector<std::string>{"First", "Second"}));
    EXPECT_EQ(TestInteraction().Texts(), std::vector<std::string>{"no tags"});
    EXPECT_EQ(Window("OK")->GetParent(), Window("First"));
}

class JavaGuiInfoCommandTest : public JavaGuiImportTest {
protected:
    void SetUp() override {
        JavaGuiImportTest::SetUp();
        SetUndoStepHook([this](const std::string& name) { undoSteps_.push_back(name); });
    }
    bool Run(const std::string& body) {
        TestInteraction().paths.push_back(folder_.Write("gui.kvj", kHeader + body));
        return RunJavaGuiInfoCommand();
    }
    std::vector<std::string> undoSteps_;
};

TEST_F(JavaGuiInfoCommandTest, AHeaderOnlyFileIsASuccessfulImport) {
    ASSERT_TRUE(Run(""));
    ASSERT_EQ(TestInteraction().messages.size(), 1u);
    EXPECT_EQ(TestInteraction().messages[0].text, "Java GUI info has been successfully imported! [I0006]");
    EXPECT_EQ(TestInteraction().messages[0].caption, "Java Import Successful");
    EXPECT_EQ(undoSteps_, std::vector<std::string>{"Java Import"});
    EXPECT_EQ(ReadRegistryString(SettingsHive::CurrentUser, std::string(kProductKey), "RecentJavaImport"),
              (folder_.Path() / "gui.kvj").string());
}

TEST_F(JavaGuiInfoCommandTest, AFailureLateInTheFileKeepsTheTreesBeforeIt) {
    std::string body;
    for (int i = 2; i <= 19; ++i) body += Control(i % 3 == 2 ? "mainwindow" : "text", "W" + std::to_string(i), i % 3 == 2 ? 0 : 1, 10 * i);
    body += Line({"wizard", "", "x", "Bad", "1", "1", "2", "2", "1", "1"});
    const std::size_t before = WindowCount();
    ASSERT_TRUE(Run(body));
    EXPECT_EQ(WindowCount() - before, 18u);
    EXPECT_NE(Window("W19"), nullptr);
    EXPECT_EQ(undoSteps_, std::vector<std::string>{"Java Import"});
    ASSERT_EQ(TestInteraction().messages.size(), 1u);
    EXPECT_EQ(TestInteraction().messages[0].text, "Invalid KAVRO class <wizard>! [W0394]");
    EXPECT_EQ(TestInteraction().messages[0].caption, "Java Import Error");
}

TEST_F(JavaGuiInfoCommandTest, CancellingTheFileDialogChangesNothing) {
    TestInteraction().paths.push_back(std::nullopt);
    EXPECT_FALSE(RunJavaGuiInfoCommand());
    EXPECT_TRUE(undoSteps_.empty());
    ASSERT_EQ(TestInteraction().pathRequests.size(), 1u);
    EXPECT_EQ(TestInteraction().pathRequests[0].title, "Import File generated by KAVRO\xC2\xB4s Java GUI-Spy Applet");
}

}  // namespace
