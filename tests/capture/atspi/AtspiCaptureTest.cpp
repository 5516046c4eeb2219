// The demo programs captured through the accessibility bus. Each fixture starts its program once
// and captures its main window once; the tests read that capture.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

#include "DemoProgram.h"
#include "capture/GuiSpyDlg.h"
#include "model/GUIBuilderList.h"
#include "model/WindowKav.h"
#include "persistence/XMLDataManager.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"
#include "platform/atspi/X11Pointing.h"

namespace {

struct Expected {
    int type;
    std::string caption;
    std::vector<Expected> children{};
};

void Delete(CWindowKav* tree) {
    if (!tree) return;
    tree->DeleteChildren();
    delete tree;
}

// Every caption of the tree, depth first, without the blank ones.
void CollectCaptions(const CWindowKav& window, std::vector<std::string>& captions) {
    if (!window.GetCaption().empty() && window.GetCaption() != "Separator") captions.push_back(window.GetCaption());
    for (const CWindowKav* child : window.GetChildren()) CollectCaptions(*child, captions);
}

// The names the Python binding of the bus meets, depth first.
std::vector<std::string> NamesWalkedByPython(pid_t pid) {
    const std::string command = std::string("/usr/bin/python3 ") + KAVRO_ATSPI_WALK + " " + std::to_string(pid);
    std::vector<std::string> names;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return names;
    char line[1024];
    while (fgets(line, sizeof line, pipe)) {
        std::string text(line);
        if (!text.empty() && text.back() == '\n') text.pop_back();
        const std::size_t tab = text.find('\t');
        if (tab != std::string::npos && tab + 1 < text.size()) names.push_back(text.substr(tab + 1));
    }
    pclose(pipe);
    return names;
}

void ExpectTree(const CWindowKav& window, const Expected& expected, const std::string& path) {
    EXPECT_EQ(window.GetType(), expected.type) << path;
    EXPECT_EQ(window.GetCaption(), expected.caption) << path;
    if (expected.children.empty()) return;
    ASSERT_EQ(window.GetChildren().size(), expected.children.size()) << path;
    for (std::size_t i = 0; i < expected.children.size(); ++i) {
        const CWindowKav& child = *window.GetChildren()[i];
        // Menu items count from 1; the menu bar keeps 0.
        const int tabNr = child.GetType() == kWndMenu ? 0 : static_cast<int>(i) + (child.GetType() == kWndMenuItem);
        EXPECT_EQ(child.GetTabNr(), tabNr) << path;
        ExpectTree(child, expected.children[i], path + "/" + expected.children[i].caption);
    }
}

const CWindowKav* FindByCaption(const CWindowKav& window, const std::string& caption) {
    if (window.GetCaption() == caption) return &window;
    for (const CWindowKav* child : window.GetChildren()) {
        if (const CWindowKav* found = FindByCaption(*child, caption)) return found;
    }
    return nullptr;
}

// One demo program on the bus and its main window, captured once.
template <class Program>
class DemoCapture : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        InstallInteraction(std::make_unique<ScriptedInteraction>());
        ASSERT_TRUE(CXMLDataManager().LoadPredefinedGuiBuilders()) << GetGlobalMessageBuffer();
        source_ = StartAndWaitForWindows(Program::kPath, pid_);
        ASSERT_NE(source_, nullptr) << Program::kPath
                                    << (pid_ ? " did not show up on the accessibility bus" : " ended at its start");
        const CGuiSpyDlg spy(*source_, GetGuiBuilderDatabase(), nullptr);
        tree_ = spy.CaptureWindowTree(source_->GetTopWindows()[0], nullptr, 0);
    }

    static void TearDownTestSuite() {
        Delete(tree_);
        tree_ = nullptr;
        source_.reset();
        StopProgram(pid_);
        GetGuiBuilderDatabase().DeleteAll();
    }

    void SetUp() override { ASSERT_NE(tree_, nullptr); }

    static const std::vector<MessageRequest>& Messages() {
        return static_cast<ScriptedInteraction&>(GetInteraction()).messages;
    }

    static inline pid_t pid_ = 0;
    static inline std::unique_ptr<AtspiWindowSource> source_;
    static inline CWindowKav* tree_ = nullptr;
};

struct Tarnel {
    static constexpr const char* kPath = KAVRO_TARNEL;
};
struct Insurance {
    static constexpr const char* kPath = KAVRO_INSURANCE;
};
struct ListHost {
    static constexpr const char* kPath = KAVRO_LIST_HOST;
};

using TarnelCapture = DemoCapture<Tarnel>;
using InsuranceCapture = DemoCapture<Insurance>;
using ListCapture = DemoCapture<ListHost>;

Expected Item(const std::string& caption, std::vector<Expected> children = {}) {
    return {kWndMenuItem, caption, std::move(children)};
}

}  // namespace

TEST_F(TarnelCapture, TheMainWindowWithItsControlsAndMenu) {
    const Expected expected{kWndMain, "Human Resources",
        {{kWndStaticText, "Name"}, {kWndInputField, ""}, {kWndPushButton, "Search"},
         {kWndStaticText, "Maiden Name"}, {kWndInputField, ""}, {kWndStaticText, "Age"}, {kWndInputField, ""},
         {kWndGroupBox, "Sex", {{kWndRadioButton, "Female"}, {kWndRadioButton, "Male"}}},
         {kWndGroupBox, "Marital Status",
          {{kWndRadioButton, "Single"}, {kWndRadioButton, "Married"}, {kWndRadioButton, "Divorced"},
           {kWndRadioButton, "Widowed"}}},
         {kWndGroupBox, "Academic Degree", {{kWndCheckBox, "PhD"}, {kWndCheckBox, "MBA"}}},
         {kWndStaticText, "Profession"}, {kWndComboBox, ""}, {kWndPushButton, "OK"},
         {kWndPushButton, "Delete"}, {kWndPushButton, "Cancel"},
         {kWndMenu, "",
          {Item("File", {Item("Open"), Item("Close"), Item("Separator"), Item("Quit")}),
           Item("Management", {Item("Controlling"), Item("Mail")}), Item("Help", {Item("About...")})}}}};
    ExpectTree(*tree_, expected, "Human Resources");
    EXPECT_EQ(tree_->GetClass(), "gtk:frame");
    EXPECT_EQ(tree_->GetGuiID(), 989);
    EXPECT_EQ(tree_->GetNumID(), 0);
    EXPECT_EQ(tree_->GetMethod(), 1);
    EXPECT_EQ(tree_->GetRect().left, 0);
    EXPECT_EQ(tree_->GetRect().top, 0);
    EXPECT_TRUE(Messages().empty()) << Messages()[0].text;
}

TEST_F(TarnelCapture, ButtonStatesBecomeStyleBits) {
    const CWindowKav* ok = FindByCaption(*tree_, "OK");
    const CWindowKav* remove = FindByCaption(*tree_, "Delete");
    const CWindowKav* search = FindByCaption(*tree_, "Search");
    ASSERT_TRUE(ok && remove && search);
    EXPECT_EQ(ok->GetStyle() & 0xF, 1u);
    EXPECT_EQ(search->GetStyle() & 0xF, 0u);
    EXPECT_TRUE(search->IsEnabled());
    EXPECT_FALSE(remove->IsEnabled());
    EXPECT_TRUE(search->IsVisible());
    EXPECT_EQ(search->GetClass(), "gtk:push button");
    EXPECT_EQ(search->GetGuiID(), 989);
    // Relative to the frame, inside it.
    const WindowRect& rect = search->GetRect();
    EXPECT_GT(rect.right, rect.left);
    EXPECT_LE(rect.right, tree_->GetRect().right);
}

TEST_F(TarnelCapture, TheCentreOfAButtonPointsAtIt) {
    WindowHandle search = 0;
    for (WindowHandle w = source_->GetFirstChild(source_->GetTopWindows()[0]); w; w = source_->GetNextSibling(w)) {
        if (source_->GetText(w) == "Search") search = w;
    }
    ASSERT_NE(search, 0u);
    const ScreenRect r = source_->GetRect(search);
    EXPECT_EQ(ProcessAtPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2), pid_);
    EXPECT_EQ(ProcessAtPoint(-5, -5), 0);
    EXPECT_EQ(source_->WindowAtPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2), search);
}

// The bus lists the menu bar first; the capture puts it last. Each part keeps its order.
TEST_F(TarnelCapture, PythonsWalkMeetsEveryCaptionInTheSameOrder) {
    std::vector<std::string> windowCaptions{tree_->GetCaption()};
    std::vector<std::string> menuCaptions;
    for (const CWindowKav* child : tree_->GetChildren()) {
        CollectCaptions(*child, child->GetType() == kWndMenu ? menuCaptions : windowCaptions);
    }
    ASSERT_FALSE(menuCaptions.empty());
    const std::vector<std::string> names = NamesWalkedByPython(pid_);
    ASSERT_FALSE(names.empty());
    for (const std::vector<std::string>* captions : {&windowCaptions, &menuCaptions}) {
        std::size_t next = 0;
        for (const std::string& caption : *captions) {
            while (next < names.size() && names[next] != caption) ++next;
            ASSERT_LT(next, names.size()) << "not met in order: " << caption;
            ++next;
        }
    }
}

TEST_F(InsuranceCapture, TheDialogWithItsControls) {
    const Expected expected{kWndDialogBox, "Insurance Premium Calculation",
        {{kWndGroupBox, "Vehicle", {{kWndRadioButton, "Motorcycle"}, {kWndRadioButton, "Car"}, {kWndRadioButton, "Van"}}},
         {kWndStaticText, "Engine Power (HP)"}, {kWndInputField, ""},
         {kWndGroupBox, "Client", {{kWndRadioButton, "Male"}, {kWndRadioButton, "Female"}}},
         {kWndStaticText, "Age"}, {kWndInputField, ""}, {kWndPushButton, "Calculate !"},
         {kWndStaticText, "Insurance Premium"}, {kWndInputField, ""}, {kWndPushButton, "Close"},
         {kWndPushButton, "About Insurance..."}}};
    ExpectTree(*tree_, expected, "Insurance");
    EXPECT_EQ(tree_->FindMenu(), nullptr);
    EXPECT_EQ(FindByCaption(*tree_, "Calculate !")->GetStyle() & 0xF, 1u);
    EXPECT_EQ(tree_->GetChildren()[8]->GetStyle() & 0x800, 0x800u);
    EXPECT_EQ(tree_->GetChildren()[5]->GetStyle() & 0x800, 0u);
}

// A list's rows are items of the list, not windows. (The scroll bars of its scroll pane are
// captured beside it.)
TEST_F(ListCapture, AListIsCapturedWithoutItsRows) {
    const CWindowKav& list = *tree_->GetChildren().front();
    EXPECT_EQ(list.GetClass(), "gtk:table");
    EXPECT_EQ(list.GetType(), kWndTable);
    EXPECT_TRUE(list.GetChildren().empty());
    EXPECT_EQ(FindByCaption(*tree_, "Row 0"), nullptr);
    EXPECT_EQ(tree_->GetChildren().back()->GetCaption(), "Go");
}
