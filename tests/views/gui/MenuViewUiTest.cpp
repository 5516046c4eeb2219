// The menu view in the main frame: a menu bar built on the sample's dialog (the sample has
// none) with a drop-down opened and the open item's transitions drawn.
#include <memory>

#include <wx/dcmemory.h>
#include <wx/uiaction.h>

#include "model/ApplicationKav.h"
#include "model/TransitionKav.h"
#include "model/windows/MenuWindows.h"
#include "model/windows/WindowTypes.h"
#include "shell/MainFrame.h"
#include "shell/wx/MainFrameUi.h"
#include "tests/support/gui/MainFrameTest.h"
#include "tests/views/gui/PrintOnPaper.h"
#include "views/menu/MenuScrollViewUi.h"

namespace {

const std::string kSample = std::string(KAVRO_SOURCE_DIR) + "/examples/insurance/Insurance.xml";

class MenuViewUiTest : public MainFrameTest {
protected:
    void SetUp() override {
        MainFrameTest::SetUp();
        InstallMenuView();
    }
    void TearDown() override {
        MainFrameTest::TearDown();
        InstallViewFactory(PaneKind::MenuView, nullptr);
    }

    CWindowKav* Add(CApplicationKav& app, CWindowKav* parent, int type, const std::string& name,
                    std::uint32_t flags = 0) {
        CWindowKav* window = CreateWindowOfType(type, {.id = name});
        window->SetFile(parent->GetFile());
        window->SetCaption(name);
        window->SetStyle(flags);
        app.GetWindowList().Add(window);
        parent->AddChild(window);
        return window;
    }

    CMainFrameUi* window_ = nullptr;
};

}  // namespace

TEST_F(MenuViewUiTest, AMenuBarShowsItsOpenDropDownAndTheArrowsOfTheSelectedItem) {
    window_ = Start({"-p", kSample});
    ASSERT_TRUE(window_ && ShowAndActivate(window_));
    CMainFrame& frame = window_->GetMainFrame();
    CApplicationKav& app = frame.Root();
    CWindowKav* insurance = app.GetWindowList().FindByName("Insurance", nullptr);
    ASSERT_NE(insurance, nullptr);
    CWindowKav* menu = Add(app, insurance, kWndMenu, "InsuranceMenu");
    CWindowKav* file = Add(app, menu, kWndMenuItem, "File", win32::MF_POPUP);
    Add(app, menu, kWndMenuItem, "Help", win32::MF_POPUP);
    Add(app, file, kWndMenuItem, "New");
    Add(app, file, kWndMenuItem, "Sep", win32::MF_SEPARATOR);
    auto* quit = static_cast<CMenuItemKav*>(Add(app, file, kWndMenuItem, "Quit"));
    quit->GetTransitions().Add(
        new CTransitionKav("QuitIt", "Click", "", "", "", "", quit, insurance, 0, nullptr, 0, "", 0));
    quit->GetTransitions().Add(new CTransitionKav("Stay", "Click", "", "", "", "", quit, quit, 0, nullptr, 0, "", 0));

    auto* view = dynamic_cast<CMenuScrollViewUi*>(frame.ShowView(PaneKind::MenuView, menu));
    ASSERT_NE(view, nullptr);
    DrainEvents();
    view->GetLogic().SetDisplayFlags(CMenuScrollView::kShowTransitions);
    view->GetLogic().SelectMenuItem(quit);
    DrainEvents();
    EXPECT_EQ(OpenChildOf(menu), file);
    EXPECT_EQ(OpenChildOf(file), quit);
    EXPECT_EQ(quit->GetTransitions()[0]->GetPolyline().size(), 6u);  // laid out by the paint
    EXPECT_TRUE(SaveScreenshot(window_, "menu_view_open_popup"));

    // On paper: one A4 page with the tree and the transition lists.
    wxBitmap page(595, 842);
    wxMemoryDC paper(page);
    paper.SetBackground(*wxWHITE_BRUSH);
    paper.Clear();
    std::unique_ptr<wxPrintout> printout(view->OnCreatePrintout());
    auto& pages = dynamic_cast<ViewPrintoutUi&>(*printout);
    PrepareOnPaper(pages, paper);
    EXPECT_EQ(pages.GetPageCount(), 1);
    EXPECT_TRUE(pages.OnPrintPage(1));
    paper.SelectObject(wxNullBitmap);
    EXPECT_TRUE(page.SaveFile(std::string(KAVRO_SCREENSHOT_DIR) + "/menu_view_printed.png", wxBITMAP_TYPE_PNG));

    // A click on the bar's other item opens its drop-down instead.
    MenuCanvas* canvas = view->GetCanvas();
    const WindowRect help = static_cast<CMenuItemKav*>(menu->GetChildren()[1])->GetDrawRect(0);
    const wxPoint at = canvas->ClientToScreen(
        canvas->CalcScrolledPosition(wxPoint((help.left + help.right) / 2, (help.top + help.bottom) / 2)));
    wxUIActionSimulator input;
    input.MouseMove(at);
    DrainEvents();
    input.MouseClick();
    DrainEvents();
    EXPECT_EQ(OpenChildOf(menu), menu->GetChildren()[1]);
}
