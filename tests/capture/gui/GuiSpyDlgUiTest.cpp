// The spy's window over a scripted desktop: the real pointer drags the cross-hair.
#include <wx/listbox.h>
#include <wx/popupwin.h>
#include <wx/uiaction.h>

#include "capture/wx/GuiSpyDlgUi.h"
#include "tests/capture/SpyFixture.h"
#include "tests/capture/gui/RecorderPause.h"
#include "tests/support/gui/GuiTest.h"

namespace {

constexpr std::uint32_t kShown = kVisibleWindowStyle;

std::vector<std::string> Lines(wxWindow* dialog) {
    std::vector<std::string> lines;
    auto* list = FindControl<wxListBox>(dialog, CGuiSpyDlg::kWindowInformation);
    for (const wxString& line : list->GetStrings()) lines.push_back(line.ToStdString());
    return lines;
}

bool Lists(wxWindow* dialog, const std::string& line) {
    const std::vector<std::string> lines = Lines(dialog);
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

wxPoint Centre(const ScreenRect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

class GuiSpyDlgUiTest : public GuiTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(CXMLDataManager().LoadPredefinedGuiBuilders()) << GetGlobalMessageBuffer();
        dialog_ = new GuiSpyDlgUi(nullptr, locator_, pages_, project_.App(), GetGuiBuilderDatabase());
        dialog_->SetPosition({20, 20});
    }

    TestProject project_;
    ScriptedLocator locator_;
    HtmlTreeSource pages_;
    GuiSpyDlgUi* dialog_ = nullptr;
};

}  // namespace

TEST_F(GuiSpyDlgUiTest, TheDialogShowsItsControls) {
    EXPECT_EQ(dialog_->GetTitle(), "GUI Spy");
    const std::vector<std::string> expected{
        "wxStaticText - Drag this image over the window you want to record, then release the mouse button:",
        "wxWindow 1280 ", "wxStaticText - Window Information:", "wxListBox 1279 ",
        "wxCheckBox 1338 Record complete webpage", "wxButton 5100 OK", "wxButton 5101 Cancel"};
    EXPECT_EQ(DescribeChildren(dialog_), expected);
    dialog_->Destroy();
}

// The pointer drags the cross-hair over a window (framed in red and listed), over the spy
// itself (nothing), and is released over the window's free part; OK puts the capture into the
// project.
TEST_F(GuiSpyDlgUiTest, DraggingTheCrossHairFramesListsAndCaptures) {
    const ScreenRect finderRect{600, 300, 1000, 600}, searchRect{700, 400, 800, 440};
    const WindowHandle finder =
        locator_.source.Add({.className = "#32770", .text = "Finder", .rect = finderRect, .style = kShown});
    locator_.source.Add({.className = "Button", .text = "Search", .rect = searchRect, .style = kShown}, finder);
    locator_.topWindowIds[finder] = 0x1E00005;

    const RecorderPause pause(dialogs_);
    CWindowKav* captured = nullptr;
    dialog_->CallAfter([&] {
        // The spy itself is a window of this program.
        const wxRect spyRect = dialog_->GetScreenRect();
        locator_.own.insert(locator_.source.Add(
            {.rect = {spyRect.x, spyRect.y, spyRect.GetRight() + 1, spyRect.GetBottom() + 1}, .style = kShown}));
        wxUIActionSimulator input;
        const wxRect target = dialog_->TargetImage()->GetScreenRect();
        input.MouseMove(target.GetPosition() + target.GetSize() / 2);
        input.MouseDown();
        ASSERT_TRUE(WaitUntil([&] { return dialog_->Spy().IsDragging(); }));
        input.MouseMove(Centre(searchRect));
        ASSERT_TRUE(WaitUntil([&] { return Lists(dialog_, "Caption: Search"); })) << testing::PrintToString(Lines(dialog_));
        EXPECT_EQ(Lines(dialog_), (std::vector<std::string>{"ID: 0", "Handle: 1E00005", "Class: Button", "Caption: Search",
                                                            "Rect: (700/400), (800/440)"}));
        ASSERT_TRUE(dialog_->Highlight().IsShown());
        const auto& bars = dialog_->Highlight().Bars();
        EXPECT_EQ(bars[0]->GetScreenRect(), wxRect(700, 400, 100, 3));
        EXPECT_EQ(bars[1]->GetScreenRect(), wxRect(700, 437, 100, 3));
        EXPECT_EQ(bars[2]->GetScreenRect(), wxRect(700, 400, 3, 40));
        EXPECT_EQ(bars[3]->GetScreenRect(), wxRect(797, 400, 3, 40));

        input.MouseMove(spyRect.GetPosition() + wxPoint(30, 10));
        EXPECT_TRUE(WaitUntil([&] { return !dialog_->Highlight().IsShown(); }));
        input.MouseMove(wxPoint(650, 350));
        ASSERT_TRUE(WaitUntil([&] { return Lists(dialog_, "Caption: Finder"); }));
        input.MouseUp();
        ASSERT_TRUE(WaitUntil([&] { return !dialog_->Spy().IsDragging(); }));
        EXPECT_FALSE(dialog_->Highlight().IsShown());
        ASSERT_NE(dialog_->Spy().GetCapturedWindow(), nullptr);
        EXPECT_TRUE(PressButton(dialog_, wxID_OK));
    });
    captured = dialog_->Spy().RunCapture();
    ASSERT_NE(captured, nullptr);
    EXPECT_EQ(captured->GetName(), "Finder");
    ASSERT_EQ(captured->GetChildren().size(), 1u);
    EXPECT_EQ(project_.App().GetWindowList().FindByName("Search", nullptr), captured->GetChildren()[0]);
    dialog_->Destroy();
}

TEST_F(GuiSpyDlgUiTest, CancelDiscardsTheCapture) {
    locator_.source.Add({.className = "Button", .text = "Alone", .rect = {700, 700, 800, 740}, .style = kShown});
    const RecorderPause pause(dialogs_);
    dialog_->CallAfter([&] {
        dialog_->Spy().OnLButtonDown(true);
        dialog_->Spy().OnMouseMove(750, 720);
        dialog_->Spy().OnLButtonUp();
        EXPECT_NE(dialog_->Spy().GetCapturedWindow(), nullptr);
        EXPECT_TRUE(PressButton(dialog_, wxID_CANCEL));
    });
    EXPECT_EQ(dialog_->Spy().RunCapture(), nullptr);
    EXPECT_EQ(project_.App().GetWindowList().GetCount(), 0u);
    dialog_->Destroy();
}
