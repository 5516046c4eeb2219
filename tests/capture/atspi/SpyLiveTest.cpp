// The GUI spy over the live desktop: programs started on the display and the accessibility bus of
// the test (the test program itself stays off the bus), found through X11 and read from the bus.
#include <algorithm>
#include <filesystem>

#include <wx/image.h>
#include <wx/uiaction.h>

#include "DemoProgram.h"
#include "ScreenGrab.h"
#include "capture/wx/GuiSpyDlgUi.h"
#include "model/GUIBuilderList.h"
#include "model/windows/WindowTypes.h"
#include "persistence/XMLDataManager.h"
#include "platform/MessageBuffer.h"
#include "platform/atspi/AtspiHtmlSource.h"
#include "platform/atspi/AtspiWindowLocator.h"
#include "platform/atspi/X11Pointing.h"
#include "tests/support/GlobalState.h"
#include "tests/support/ProjectBuilder.h"
#include "tests/capture/gui/RecorderPause.h"
#include "tests/support/gui/GuiTest.h"

namespace {

std::vector<std::string> Lines(const CGuiSpyDlg& spy) { return spy.GetWindowInformation(); }

bool Lists(const CGuiSpyDlg& spy, const std::string& line) {
    const std::vector<std::string>& lines = spy.GetWindowInformation();
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

wxPoint Centre(const ScreenRect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// The first window below the top window (itself included) that passes the test, or 0.
WindowHandle FindWindow(const WindowSource& source, WindowHandle window, const std::function<bool(WindowHandle)>& test) {
    if (test(window)) return window;
    for (WindowHandle child = source.GetFirstChild(window); child; child = source.GetNextSibling(child)) {
        if (const WindowHandle found = FindWindow(source, child, test)) return found;
    }
    return 0;
}

// A point of the top window where none of its controls lies.
wxPoint FreeSpot(const WindowTreeSource& source, WindowHandle top, pid_t process) {
    const ScreenRect r = source.GetRect(top);
    for (int y = r.bottom - 5; y > r.top; y -= 5) {
        for (int x = r.left + 5; x < r.right; x += 5) {
            if (source.WindowAtPoint(x, y) == top && ProcessAtPoint(x, y) == process) return {x, y};
        }
    }
    return {-1, -1};
}

bool IsRed(const wxImage& image, const wxPoint& p) {
    return image.GetRed(p.x, p.y) == 255 && image.GetGreen(p.x, p.y) == 0 && image.GetBlue(p.x, p.y) == 0;
}

// One program under capture for the suite, and a spy dialog to its right for each test.
template <class Program>
class LiveSpyTest : public GuiTest {
protected:
    static void SetUpTestSuite() {
        source_ = StartAndWaitForWindows(Program::kPath, pid_);
        if (source_) Program::WaitUntilReady(pid_, source_);
    }

    static void TearDownTestSuite() {
        source_.reset();
        StopProgram(pid_);
    }

    void SetUp() override {
        ASSERT_NE(source_, nullptr) << Program::kPath << (pid_ ? " did not show up on the accessibility bus" : " ended");
        ASSERT_TRUE(CXMLDataManager().LoadPredefinedGuiBuilders()) << GetGlobalMessageBuffer();
        dialog_ = new GuiSpyDlgUi(nullptr, locator_, documents_, project_.App(), GetGuiBuilderDatabase());
        // Clear of the program.
        dialog_->SetPosition({source_->GetRect(Top()).right + 40, 40});
    }

    void TearDown() override {
        if (dialog_) dialog_->Destroy();
        GuiTest::TearDown();
    }

    static WindowHandle Top() { return source_->GetTopWindows()[0]; }

    static inline pid_t pid_ = 0;
    static inline std::unique_ptr<AtspiWindowSource> source_;
    TestProject project_;
    AtspiWindowLocator locator_;
    AtspiHtmlSource documents_;
    GuiSpyDlgUi* dialog_ = nullptr;
};

struct Tarnel {
    static constexpr const char* kPath = KAVRO_TARNEL;
    static void WaitUntilReady(pid_t, std::unique_ptr<AtspiWindowSource>&) {}
};

// The page is read by the bus once it is loaded, after the window shows.
struct WebHost {
    static constexpr const char* kPath = KAVRO_WEB_HOST;
    static void WaitUntilReady(pid_t pid, std::unique_ptr<AtspiWindowSource>& source) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (std::chrono::steady_clock::now() < deadline) {
            source = std::make_unique<AtspiWindowSource>(pid);
            const WindowHandle view = source->GetTopWindows().empty() ? 0 : View(*source);
            if (view) {
                AtspiHtmlSource pages;
                HtmlDocument document = 0;
                const wxPoint centre = Centre(source->GetRect(view));
                if (pages.Connect() &&
                    pages.FindDocument({.process = pid, .topWindow = 0, .screenX = centre.x, .screenY = centre.y},
                                       document) == BrowserLookup::Found &&
                    pages.GetTitle(document) == "Spy Test Page" && pages.GetAllElements(document).size() > 5) {
                    return;
                }
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
        }
        source.reset();
    }
    static WindowHandle View(const WindowTreeSource& source) {
        return FindWindow(source, source.GetTopWindows()[0],
                          [&source](WindowHandle w) { return IsWebDocumentClass(source.GetClassName(w)); });
    }
};

using TarnelSpyTest = LiveSpyTest<Tarnel>;
using WebSpyTest = LiveSpyTest<WebHost>;

}  // namespace

// The pointer drags the cross-hair to the centre of "Search" (listed and framed in red, as a grab
// of the screen shows), over the spy (no frame), and is released on a free spot of the main window:
// OK puts the window with its controls into the project.
TEST_F(TarnelSpyTest, TheCrossHairFramesAButtonAndCapturesTheMainWindow) {
    const WindowHandle search =
        FindWindow(*source_, Top(), [](WindowHandle w) { return source_->GetText(w) == "Search"; });
    ASSERT_NE(search, 0u);
    const ScreenRect searchRect = source_->GetRect(search);
    const wxPoint freeSpot = FreeSpot(*source_, Top(), pid_);
    ASSERT_GE(freeSpot.x, 0);

    const RecorderPause pause(dialogs_);
    dialog_->CallAfter([&] {
        CGuiSpyDlg& spy = dialog_->Spy();
        wxUIActionSimulator input;
        const wxRect target = dialog_->TargetImage()->GetScreenRect();
        input.MouseMove(target.GetPosition() + target.GetSize() / 2);
        input.MouseDown();
        ASSERT_TRUE(WaitUntil([&] { return spy.IsDragging(); }));

        input.MouseMove(Centre(searchRect));
        ASSERT_TRUE(WaitUntil([&] { return Lists(spy, "Caption: Search"); })) << testing::PrintToString(Lines(spy));
        const std::vector<std::string> lines = Lines(spy);
        ASSERT_EQ(lines.size(), 5u);
        EXPECT_EQ(lines[0], "ID: 0");
        EXPECT_TRUE(lines[1].starts_with("Handle: ") && lines[1] != "Handle: 0") << lines[1];
        EXPECT_EQ(lines[2], "Class: gtk:push button");
        EXPECT_EQ(lines[4], "Rect: (" + std::to_string(searchRect.left) + "/" + std::to_string(searchRect.top) + "), (" +
                                std::to_string(searchRect.right) + "/" + std::to_string(searchRect.bottom) + ")");
        ASSERT_TRUE(dialog_->Highlight().IsShown());
        const wxPoint topBar{Centre(searchRect).x, searchRect.top + 1};
        const wxPoint leftBar{searchRect.left + 1, Centre(searchRect).y};
        wxImage screen;
        EXPECT_TRUE(WaitUntil([&] {
            screen = GrabScreen();
            return IsRed(screen, topBar) && IsRed(screen, leftBar);
        })) << "no red frame round Search";
        std::filesystem::create_directories(KAVRO_SCREENSHOT_DIR);
        screen.SaveFile(std::string(KAVRO_SCREENSHOT_DIR) + "/spy-frames-search.png", wxBITMAP_TYPE_PNG);
        EXPECT_FALSE(IsRed(screen, Centre(searchRect)));
        // The bars are the spy's own: the pointer on one still points at the button beneath.
        input.MouseMove(topBar);
        EXPECT_FALSE(WaitUntil([&] { return !dialog_->Highlight().IsShown(); }, std::chrono::milliseconds(500)));
        EXPECT_TRUE(Lists(spy, "Caption: Search"));

        // Over the spy itself nothing is framed, and the screen shows no red frame.
        input.MouseMove(dialog_->GetScreenPosition() + wxPoint(dialog_->GetSize().x / 2, 10));
        EXPECT_TRUE(WaitUntil([&] { return !dialog_->Highlight().IsShown(); }));
        const bool unframed = WaitUntil([&] { return !IsRed(screen = GrabScreen(), topBar); }, std::chrono::seconds(3));
        screen.SaveFile(std::string(KAVRO_SCREENSHOT_DIR) + "/spy-over-itself.png", wxBITMAP_TYPE_PNG);
        EXPECT_TRUE(unframed);

        input.MouseMove(freeSpot);
        ASSERT_TRUE(WaitUntil([&] { return Lists(spy, "Caption: Human Resources"); })) << testing::PrintToString(Lines(spy));
        input.MouseUp();
        ASSERT_TRUE(WaitUntil([&] { return !spy.IsDragging(); }));
        ASSERT_NE(spy.GetCapturedWindow(), nullptr);
        EXPECT_TRUE(PressButton(dialog_, wxID_OK));
    });
    CWindowKav* captured = dialog_->Spy().RunCapture();
    ASSERT_NE(captured, nullptr);
    EXPECT_EQ(captured->GetName(), "HumanResources");
    EXPECT_EQ(captured->GetType(), kWndMain);
    CWindowList& table = project_.App().GetWindowList();
    EXPECT_EQ(table.FindByName("HumanResources", nullptr), captured);
    EXPECT_NE(table.FindByName("Search", nullptr), nullptr);
    EXPECT_GT(captured->GetChildren().size(), 10u);
    for (const CWindowKav* child : captured->GetChildren()) EXPECT_EQ(table.FindByName(child->GetName(), nullptr), child);
    EXPECT_TRUE(TestInteraction().messages.empty()) << TestInteraction().messages[0].text;
}

namespace {

const CWindowKav* FindByClass(const CWindowKav& window, const std::string& className) {
    for (const CWindowKav* child : window.GetChildren()) {
        if (child->GetClass() == className) return child;
    }
    return nullptr;
}

}  // namespace

// Over the page the spy lists the element (a link's inner SPAN gives the link) and captures it;
// plain text gives nothing.
TEST_F(WebSpyTest, TheElementUnderThePointerIsListedAndCaptured) {
    const ScreenRect view = source_->GetRect(WebHost::View(*source_));
    CGuiSpyDlg& spy = dialog_->Spy();
    dialog_->Show();
    ASSERT_TRUE(WaitUntil([&] { return dialog_->IsShownOnScreen(); }));

    spy.OnLButtonDown(true);
    spy.OnMouseMove(view.left + 30, view.top + 28);
    ASSERT_GE(Lines(spy).size(), 3u) << testing::PrintToString(TestInteraction().Texts());
    EXPECT_EQ(Lines(spy)[0], "HTML Tag: A");
    EXPECT_EQ(Lines(spy)[1], "Class: html_text_link");
    EXPECT_EQ(Lines(spy)[2], "Caption: Go home");
    EXPECT_TRUE(dialog_->Highlight().IsShown());
    spy.OnLButtonUp();
    const CWindowKav* link = spy.GetCapturedWindow();
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->GetType(), kWndLink);
    const std::string address = static_cast<const CLinkKav*>(link)->GetInitialValue();
    EXPECT_TRUE(address.starts_with("file:///") && address.ends_with("/web/next.html")) << address;

    spy.OnLButtonDown(true);
    spy.OnMouseMove(view.left + 60, view.top + 68);
    EXPECT_FALSE(dialog_->Highlight().IsShown());
    spy.OnLButtonUp();
    EXPECT_EQ(spy.GetCapturedWindow(), nullptr);
    EXPECT_TRUE(TestInteraction().messages.empty()) << TestInteraction().messages[0].text;
}

TEST_F(WebSpyTest, RecordCompleteWebpageCapturesThePageWithItsFrame) {
    const ScreenRect view = source_->GetRect(WebHost::View(*source_));
    CGuiSpyDlg& spy = dialog_->Spy();
    dialog_->Show();
    ASSERT_TRUE(WaitUntil([&] { return dialog_->IsShownOnScreen(); }));
    spy.SetCompletePage(true);
    spy.OnLButtonDown(true);
    spy.OnMouseMove(view.left + 30, view.top + 28);
    spy.OnLButtonUp();
    const CWindowKav* page = spy.GetCapturedWindow();
    ASSERT_NE(page, nullptr) << testing::PrintToString(TestInteraction().Texts());
    EXPECT_EQ(page->GetName(), "BrowserMain");
    EXPECT_EQ(page->GetCaption(), "Spy Test Page");

    const CWindowKav* link = FindByClass(*page, "html_text_link");
    ASSERT_NE(link, nullptr);
    EXPECT_TRUE(static_cast<const CLinkKav*>(link)->GetInitialValue().ends_with("/web/next.html"));
    const CWindowKav* agree = FindByClass(*page, "html_check_button");
    ASSERT_NE(agree, nullptr);
    EXPECT_EQ(agree->GetCaption(), "agree");
    const CWindowKav* combo = FindByClass(*page, "html_combobox");
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->GetCaption(), "size");
    const CWindowKav* list = FindByClass(*page, "html_listbox");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->GetCaption(), "colours");
    EXPECT_EQ(static_cast<const CListBoxKav*>(list)->GetSelectionMode(), CListBoxKav::kMultiple);
    for (const CWindowKav* child : page->GetChildren()) EXPECT_NE(child->GetCaption(), "secret");

    const CWindowKav* frame = FindByClass(*page, "html_frame");
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->GetCaption(), "Side");
    const CWindowKav* field = FindByClass(*frame, "html_edit");
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->GetCaption(), "innerfield");
    const CWindowKav* button = FindByClass(*frame, "html_push_button");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->GetCaption(), "Inner");
}
