#include "SpyFixture.h"
#include "model/windows/WindowTypes.h"

namespace {

constexpr std::uint32_t kShown = kVisibleWindowStyle;
constexpr std::uint32_t kCaptionBar = 0x00C00000;
constexpr std::uint64_t kLoginHandle = 0x2A0007;

// The dialog "Login" of a program under test, on the screen at (100, 100).
class LoginSpyTest : public SpyTest {
protected:
    void SetUp() override {
        SpyTest::SetUp();
        WindowTreeSource& s = locator_.source;
        login_ = s.Add({.className = "#32770", .text = "Login", .rect = {100, 100, 350, 250}, .style = kShown | kCaptionBar});
        user_ = s.Add({.className = "Static", .text = "User:", .rect = {110, 110, 150, 122}, .style = kShown}, login_);
        field_ = s.Add({.className = "Edit", .rect = {160, 108, 300, 124}, .style = kShown}, login_);
        ok_ = s.Add({.className = "Button", .text = "OK", .rect = {200, 200, 260, 230}, .style = kShown}, login_);
        locator_.topWindowIds[login_] = kLoginHandle;
    }

    WindowHandle login_ = 0, user_ = 0, field_ = 0, ok_ = 0;
};

// A model window outside any table, at the rectangle, attached to the parent.
CWindowKav* NewWindow(int type, const std::string& caption, const WindowRect& rect, CWindowKav* parent) {
    CWindowKav* window = CreateWindowOfType(type, {.caption = caption});
    window->SetRect(rect);
    if (parent) parent->AddChild(window);
    return window;
}

std::vector<std::string> Names(const CWindowKav& window) {
    std::vector<std::string> names{window.GetName()};
    for (const CWindowKav* child : window.GetChildren()) names.push_back(child->GetName());
    return names;
}

}  // namespace

// Each window is named after its caption (an uncaptioned one after its label), enters the table,
// and parents grow round their children.
TEST_F(SpyTest, InsertingACaptureNamesAndEntersEveryWindow) {
    CWindowKav* login = NewWindow(kWndDialogBox, "Login", {0, 0, 250, 150}, nullptr);
    NewWindow(kWndStaticText, "User:", {10, 10, 50, 22}, login);
    NewWindow(kWndInputField, "", {60, 8, 200, 24}, login);
    NewWindow(kWndPushButton, "OK", {100, 100, 260, 130}, login);

    ASSERT_TRUE(Spy().InsertCapture(login));
    EXPECT_EQ(Names(*login), (std::vector<std::string>{"Login", "User_TXT", "User", "OK"}));
    for (const std::string& name : Names(*login)) EXPECT_NE(Table().FindByName(name, project_.Main()), nullptr) << name;
    EXPECT_EQ(Table().GetCount(), 4u);
    EXPECT_EQ(login->GetRect(), (WindowRect{0, 0, 260, 150}));
}

TEST_F(LoginSpyTest, OkInsertsTheCaptureAndGivesItTags) {
    std::vector<std::pair<int, CWindowKav*>> tagged;
    Spy().SetTagGenerator([&](int format, CWindowKav* window) {
        tagged.emplace_back(format, window);
        return true;
    });
    project_.App().SetOutputFormat(6);
    project_.App().SetModified(0);
    host_.steps = [&] {
        EXPECT_EQ(host_.calls, (std::vector<std::string>{"hide main window", "modal"}));
        Drag({{340, 240}});
        return static_cast<int>(CGuiSpyDlg::kOk);
    };
    CWindowKav* window = Spy().RunCapture();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(host_.calls.back(), "show main window");
    EXPECT_EQ(Names(*window), (std::vector<std::string>{"Login", "User_TXT", "User", "OK"}));
    EXPECT_EQ(Table().GetCount(), 4u);
    EXPECT_EQ(Table().FindByName("Login", project_.Main()), window);
    EXPECT_EQ(window->GetChildren()[1]->GetRect(), (WindowRect{60, 8, 200, 24}));
    EXPECT_EQ(tagged, (std::vector<std::pair<int, CWindowKav*>>{{6, window}}));
    EXPECT_EQ(Spy().GetCapturedWindow(), nullptr);
    // The frame marks the project modified; the spy does not.
    EXPECT_EQ(project_.App().IsModified(), 0);
    EXPECT_TRUE(TestInteraction().messages.empty());
}

TEST_F(LoginSpyTest, AFailedTagGenerationKeepsTheWindows) {
    Spy().SetTagGenerator([](int, CWindowKav*) {
        SetGlobalMessage("No tags today");
        return false;
    });
    host_.steps = [&] {
        Drag({{340, 240}});
        return static_cast<int>(CGuiSpyDlg::kOk);
    };
    CWindowKav* window = Spy().RunCapture();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(Table().GetCount(), 4u);
    EXPECT_EQ(TestInteraction().Texts(), (std::vector<std::string>{"No tags today"}));
    EXPECT_EQ(TestInteraction().messages[0].icon, MessageIcon::Warning);
}

TEST_F(LoginSpyTest, CancelOrNothingCapturedLeavesTheProjectAlone) {
    bool generated = false;
    Spy().SetTagGenerator([&](int, CWindowKav*) { return generated = true; });
    host_.steps = [&] {
        Drag({{340, 240}});
        EXPECT_NE(Spy().GetCapturedWindow(), nullptr);
        return static_cast<int>(CGuiSpyDlg::kCancel);
    };
    EXPECT_EQ(Spy().RunCapture(), nullptr);
    EXPECT_EQ(Spy().GetCapturedWindow(), nullptr);
    EXPECT_EQ(host_.calls.back(), "show main window");

    host_.steps = [] { return static_cast<int>(CGuiSpyDlg::kOk); };
    EXPECT_EQ(Spy().RunCapture(), nullptr);
    EXPECT_EQ(Table().GetCount(), 0u);
    EXPECT_EQ(project_.App().IsModified(), 0);
    EXPECT_FALSE(generated);
}

// The third window is refused by the table (its file has a window of that name): the whole
// capture leaves the table again, and the message is shown.
TEST_F(LoginSpyTest, ARefusedInsertionLeavesTableAndProjectAsBefore) {
    project_.AddWindow("User", nullptr, kWndMain, project_.Lib());
    project_.App().SetModified(0);
    bool generated = false;
    Spy().SetTagGenerator([&](int, CWindowKav*) { return generated = true; });
    host_.steps = [&] {
        Drag({{340, 240}});
        Spy().GetCapturedWindow()->GetChildren()[1]->SetFile(project_.Lib());
        return static_cast<int>(CGuiSpyDlg::kOk);
    };
    EXPECT_EQ(Spy().RunCapture(), nullptr);
    EXPECT_EQ(Table().GetCount(), 1u);
    EXPECT_EQ(Table().FindByName("Login", nullptr), nullptr);
    EXPECT_EQ(Table().FindByName("User_TXT", nullptr), nullptr);
    EXPECT_EQ(project_.App().IsModified(), 0);
    EXPECT_FALSE(generated);
    ASSERT_EQ(TestInteraction().messages.size(), 1u);
    EXPECT_NE(TestInteraction().messages[0].text.find("[W0536]"), std::string::npos);
    EXPECT_EQ(TestInteraction().messages[0].icon, MessageIcon::Warning);
}

TEST_F(LoginSpyTest, APressOnTheTargetStartsADragAndDropsTheLastCapture) {
    Drag({{120, 115}});
    ASSERT_NE(Spy().GetCapturedWindow(), nullptr);
    EXPECT_EQ(Spy().GetCapturedWindow()->GetCaption(), "User:");

    Spy().OnLButtonDown(false);
    EXPECT_FALSE(Spy().IsDragging());
    EXPECT_NE(Spy().GetCapturedWindow(), nullptr);

    host_.calls.clear();
    const int forgotten = locator_.forgotten;
    Spy().OnLButtonDown(true);
    EXPECT_TRUE(Spy().IsDragging());
    EXPECT_EQ(Spy().GetCapturedWindow(), nullptr);
    EXPECT_EQ(host_.calls, (std::vector<std::string>{"capture mouse"}));
    EXPECT_EQ(host_.Cursor(), SpyCursor::CrossHair);
    // The programs are read anew for every drag.
    EXPECT_EQ(locator_.forgotten, forgotten + 1);
    Spy().OnLButtonUp();
    EXPECT_EQ(host_.Cursor(), SpyCursor::Arrow);
    EXPECT_EQ(host_.calls.back(), "release mouse");
}

// One window twice is framed once; moving on unframes the old window first. Moves without a
// drag do nothing.
TEST_F(LoginSpyTest, TheFrameFollowsThePointer) {
    Spy().OnMouseMove(120, 115);
    EXPECT_TRUE(host_.calls.empty());
    Spy().OnLButtonDown(true);
    for (const auto& [x, y] : {std::pair{120, 115}, {121, 116}, {170, 115}, {900, 900}}) Spy().OnMouseMove(x, y);
    EXPECT_EQ(host_.Highlights(), (std::vector<std::string>{"highlight 110,110,150,122", "remove highlight",
                                                             "highlight 160,108,300,124", "remove highlight"}));
    // Over nothing the list empties and a release captures nothing.
    EXPECT_TRUE(Spy().GetWindowInformation().empty());
    EXPECT_TRUE(host_.shownLines.empty());
    Spy().OnLButtonUp();
    EXPECT_EQ(Spy().GetCapturedWindow(), nullptr);
    EXPECT_EQ(host_.Highlights().size(), 4u);
}

TEST_F(LoginSpyTest, TheProgramsOwnWindowsAreNeitherFramedNorCaptured) {
    const WindowHandle spy = locator_.source.Add({.text = "GUI Spy", .rect = {400, 100, 600, 300}, .style = kShown});
    locator_.own.insert(spy);
    Spy().OnLButtonDown(true);
    Spy().OnMouseMove(120, 115);
    Spy().OnMouseMove(450, 150);
    Spy().OnMouseMove(460, 160);
    EXPECT_EQ(host_.Highlights(), (std::vector<std::string>{"highlight 110,110,150,122", "remove highlight"}));
    Spy().OnLButtonUp();
    EXPECT_EQ(Spy().GetCapturedWindow(), nullptr);
}

TEST_F(SpyTest, TheWindowUnderThePointerIsListed) {
    const WindowHandle frame = locator_.source.Add({.className = "gtk:frame", .text = "Human Resources",
                                                    .rect = {0, 0, 500, 400}, .style = kShown});
    locator_.source.Add({.className = "gtk:push button", .text = "Search", .rect = {362, 35, 447, 69}, .style = kShown}, frame);
    locator_.topWindowIds[frame] = 0x2A0007;
    Spy().OnLButtonDown(true);
    Spy().OnMouseMove(400, 50);
    const std::vector<std::string> expected{"ID: 0", "Handle: 2A0007", "Class: gtk:push button", "Caption: Search",
                                            "Rect: (362/35), (447/69)"};
    EXPECT_EQ(Spy().GetWindowInformation(), expected);
    EXPECT_EQ(host_.shownLines, expected);
    Spy().OnLButtonUp();
    ASSERT_NE(Spy().GetCapturedWindow(), nullptr);
    EXPECT_EQ(Spy().GetCapturedWindow()->GetCaption(), "Search");
}

// The list's texts are read as far as buffers of 99 and 199 characters hold them.
TEST_F(SpyTest, LongClassNamesAndCaptionsAreListedAsFarAsTheyFit) {
    locator_.source.Add({.className = std::string(150, 'c'), .text = std::string(300, 't'), .rect = {0, 0, 50, 50},
                         .style = kShown});
    Spy().OnLButtonDown(true);
    Spy().OnMouseMove(10, 10);
    ASSERT_EQ(Spy().GetWindowInformation().size(), 5u);
    EXPECT_EQ(Spy().GetWindowInformation()[2], "Class: " + std::string(98, 'c'));
    EXPECT_EQ(Spy().GetWindowInformation()[3], "Caption: " + std::string(198, 't'));
}

namespace {

// A program with a browser view at (0, 100) showing a page with a link.
class WebSpyTest : public SpyTest {
protected:
    void SetUp() override {
        SpyTest::SetUp();
        const WindowHandle frame =
            locator_.source.Add({.className = "gtk:frame", .text = "Web Host", .rect = {0, 0, 800, 700}, .style = kShown});
        locator_.source.Add({.className = "gtk:document web", .rect = {0, 100, 800, 700}, .style = kShown}, frame);
        locator_.topWindowIds[frame] = 0x400003;
        page_ = pages_.AddDocument("Web Host Page", "file:///page.html");
        const HtmlElement link =
            pages_.Add(page_, {.tag = "A", .offsets = {20, 30, 80, 18}, .innerText = "Go home", .href = "file:///next.html"});
        pages_.Add(page_, {.tag = "SPAN", .offsets = {22, 31, 50, 16}, .innerText = "Go home"}, link);
        pages_.Add(page_, {.tag = "P", .offsets = {20, 60, 300, 20}, .innerText = "Plain text"});
        pages_.SetBrowser(0x400003, page_);
    }

    HtmlDocument page_ = 0;
};

}  // namespace

TEST_F(WebSpyTest, OverAPageTheElementIsListedFramedAndCaptured) {
    Spy().OnLButtonDown(true);
    Spy().OnMouseMove(30, 135);
    EXPECT_EQ(Spy().GetWindowInformation(), (std::vector<std::string>{"HTML Tag: A", "Class: html_text_link",
                                                                       "Caption: Go home", "Rect: (20/30), (100/48)"}));
    EXPECT_EQ(host_.Highlights(), (std::vector<std::string>{"highlight 20,130,100,148"}));
    // Plain text: the list and the frame stay.
    Spy().OnMouseMove(100, 165);
    EXPECT_EQ(host_.Highlights().size(), 1u);
    Spy().OnLButtonUp();
    const CWindowKav* captured = Spy().GetCapturedWindow();
    ASSERT_NE(captured, nullptr);
    EXPECT_EQ(captured->GetType(), kWndLink);
    EXPECT_EQ(static_cast<const CLinkKav*>(captured)->GetInitialValue(), "file:///next.html");
    EXPECT_EQ(host_.Cursor(), SpyCursor::Arrow);
}

TEST_F(WebSpyTest, RecordCompleteWebpageCapturesThePage) {
    Spy().SetCompletePage(true);
    Drag({{30, 135}});
    const CWindowKav* captured = Spy().GetCapturedWindow();
    ASSERT_NE(captured, nullptr);
    EXPECT_EQ(captured->GetName(), "BrowserMain");
    EXPECT_EQ(captured->GetCaption(), "Web Host Page");
    ASSERT_EQ(captured->GetChildren().size(), 1u);
    EXPECT_EQ(captured->GetChildren()[0]->GetCaption(), "Go home");
}

// A browser that cannot be reached is reported under "Browser Interface Error" and ends the drag.
TEST_F(WebSpyTest, ABrowserFailureEndsTheDrag) {
    pages_.SetBrowser(0x400003, 0);
    Spy().OnLButtonDown(true);
    Spy().OnMouseMove(30, 135);
    EXPECT_FALSE(Spy().IsDragging());
    EXPECT_EQ(host_.calls.back(), "release mouse");
    ASSERT_EQ(TestInteraction().messages.size(), 1u);
    EXPECT_EQ(TestInteraction().messages[0].text, "Fatal Error: Could not get client document! [F0082]");
    EXPECT_EQ(TestInteraction().messages[0].caption, "Browser Interface Error");
    EXPECT_EQ(TestInteraction().messages[0].icon, MessageIcon::Error);
    Spy().OnLButtonUp();
    EXPECT_EQ(Spy().GetCapturedWindow(), nullptr);
}
