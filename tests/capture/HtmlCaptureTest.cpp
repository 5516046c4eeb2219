#include <gtest/gtest.h>

#include <memory>

#include "capture/GuiSpyDlg.h"
#include "capture/HtmlCapture.h"
#include "model/WindowKav.h"
#include "model/windows/WindowTypes.h"
#include "platform/HtmlTreeSource.h"
#include "platform/MessageBuffer.h"
#include "tests/support/GlobalState.h"

namespace {

constexpr std::uint64_t kTopWindow = 0x2A0007;

// Frees a captured tree that no table owns.
struct TreeDeleter {
    void operator()(CWindowKav* window) const { CGuiSpyDlg::DeleteWindowTree(window); }
};
using Tree = std::unique_ptr<CWindowKav, TreeDeleter>;

TreeElement Box(const std::string& tag, int left, int top, int width, int height) {
    return {.tag = tag, .offsets = {left, top, width, height}};
}

class HtmlCaptureTest : public ::testing::Test {
protected:
    void SetUp() override {
        page_ = pages_.AddDocument("Shop", "http://shop/index.html");
        pages_.SetBrowser(kTopWindow, page_);
        capture_.InitBrowserInterface();
        body_ = pages_.Add(page_, Box("BODY", 0, 0, 800, 600));
    }

    HtmlElement Add(TreeElement element, HtmlElement parent = 0) { return pages_.Add(page_, std::move(element), parent ? parent : body_); }

    // The probe at a point of the client area: the result, the window and its rectangle there.
    int Probe(int x, int y, Tree& window, WindowRect& rect) {
        CWindowKav* made = nullptr;
        const int result = capture_.CaptureAt(x, y, false, false, {.topWindow = kTopWindow}, made, rect);
        window.reset(made);
        return result;
    }
    // The capture of what the last probe found, or of the complete page.
    Tree Capture(bool completePage, int* result = nullptr) {
        CWindowKav* made = nullptr;
        WindowRect rect;
        const int r = capture_.CaptureAt(0, 0, completePage, true, {.topWindow = kTopWindow}, made, rect);
        if (result) *result = r;
        return Tree(made);
    }
    Tree CaptureOne(HtmlElement element, int* result = nullptr) {
        CWindowKav* made = nullptr;
        WindowRect rect;
        const int r = capture_.CaptureElement(page_, element, 0, 0, nullptr, true, made, rect);
        if (result) *result = r;
        return Tree(made);
    }

    HtmlTreeSource pages_;
    CHtmlCapture capture_{pages_, nullptr};
    HtmlDocument page_ = 0;
    HtmlElement body_ = 0;
};

}  // namespace

// One window per kind of element, each as the table of element kinds makes it.
TEST_F(HtmlCaptureTest, EachKindOfElementBecomesItsWindow) {
    struct Case {
        TreeElement element;
        int type;
        std::string className;
        std::uint32_t style;
        std::string caption;
        std::string property;
        WindowRect rect;
    };
    const auto input = [](const std::string& type, TreeElement e) {
        e.tag = "INPUT";
        e.inputType = type;
        return e;
    };
    const Case cases[] = {
        {{.tag = "BUTTON", .offsets = {1, 2, 30, 20}, .innerText = "Press", .name = "b1"}, kWndPushButton, "html_push_button",
         0x10010000, "Press", "innertext", {1, 2, 31, 22}},
        {{.tag = "BUTTON", .offsets = {1, 2, 30, 20}}, kWndPushButton, "html_push_button", 0x10010000, "", "name", {1, 2, 31, 22}},
        {input("Submit", {.offsets = {0, 0, 40, 20}, .innerText = "x", .value = "Send"}), kWndPushButton,
         "html_push_button", 0x10010000, "Send", "value", {0, 0, 40, 20}},
        {input("reset", {.offsets = {0, 0, 40, 20}, .name = "clear"}), kWndPushButton, "html_push_button", 0x10010000,
         "clear", "name", {0, 0, 40, 20}},
        {input("checkbox", {.offsets = {10, 10, 13, 13}, .name = "agree"}), kWndCheckBox, "html_check_button", 0x10010003,
         "agree", "name", {10, 10, 58, 23}},
        {input("radio", {.offsets = {10, 10, 13, 13}, .value = "yes", .name = "answer"}), kWndRadioButton,
         "html_radio_button", 0x10000009, "yes", "value", {10, 10, 48, 23}},
        {input("password", {.offsets = {5, 5, 100, 20}, .name = "secret"}), kWndInputField, "html_edit", 0x10010000,
         "secret", "name", {5, 5, 105, 25}},
        {input("file", {.offsets = {5, 5, 100, 20}, .name = "upload"}), kWndInputField, "html_file", 0x10010000,
         "upload", "name", {5, 5, 105, 25}},
        {input("image", {.offsets = {5, 5, 16, 16}, .name = "go"}), kWndImage, "html_rect", 0x10000000, "go", "name",
         {5, 5, 21, 21}},
        {{.tag = "TEXTAREA", .offsets = {0, 0, 200, 80}, .name = "notes"}, kWndInputField, "html_textarea", 0x10010000,
         "notes", "name", {0, 0, 200, 80}},
        // The drop-down list's box type replaces the low bits of 0x10010102.
        {{.tag = "SELECT", .offsets = {0, 0, 90, 30}, .name = "size"}, kWndComboBox, "html_combobox", 0x10010103, "size",
         "name", {0, 0, 90, 30}},
        {{.tag = "SELECT", .offsets = {0, 0, 90, 31}, .name = "colours"}, kWndListBox, "html_listbox", 0x10010002,
         "colours", "name", {0, 0, 90, 31}},
        {{.tag = "IMG", .offsets = {0, 0, 40, 40}, .name = "logo", .alt = "Logo", .fileName = "logo.png"}, kWndImage,
         "html_rect", 0x10000000, "Logo", "alt", {0, 0, 40, 40}},
        {{.tag = "IMG", .offsets = {0, 0, 40, 40}, .name = "logo", .fileName = "logo.png"}, kWndImage, "html_rect",
         0x10000000, "logo", "name", {0, 0, 40, 40}},
        {{.tag = "IMG", .offsets = {0, 0, 40, 40}, .fileName = "logo.png"}, kWndImage, "html_rect", 0x10000000, "logo.png",
         "file name", {0, 0, 40, 40}},
    };
    for (const Case& c : cases) {
        const std::string what = c.element.tag + " " + c.element.inputType + " " + c.caption;
        const Tree window = CaptureOne(Add(c.element));
        ASSERT_NE(window, nullptr) << what;
        EXPECT_EQ(window->GetType(), c.type) << what;
        EXPECT_EQ(window->GetClass(), c.className) << what;
        EXPECT_EQ(window->GetStyle(), c.style) << what;
        EXPECT_EQ(window->GetCaption(), c.caption) << what;
        EXPECT_EQ(window->GetHtmlText(), c.property) << what;
        EXPECT_EQ(window->GetRect(), c.rect) << what;
        EXPECT_EQ(window->GetName(), c.element.tag) << what;
        EXPECT_EQ(window->GetGuiID(), 995) << what;
        EXPECT_EQ(window->GetNumID(), 0) << what;
        EXPECT_EQ(window->GetMethod(), 0) << what;
        EXPECT_EQ(window->GetExStyle(), 0u) << what;
        EXPECT_EQ(window->GetTag(), c.type == kWndRadioButton ? "answer" : "") << what;
    }
}

TEST_F(HtmlCaptureTest, SelectionListsKeepTheirKind) {
    const Tree list = CaptureOne(Add({.tag = "SELECT", .offsets = {0, 0, 90, 60}, .multiple = true}));
    EXPECT_EQ(static_cast<CListBoxKav*>(list.get())->GetSelectionMode(), CListBoxKav::kMultiple);
    const Tree combo = CaptureOne(Add({.tag = "SELECT", .offsets = {0, 0, 90, 20}}));
    EXPECT_EQ(static_cast<CComboBoxKav*>(combo.get())->GetBoxType(), CComboBoxKav::kDroplist);
    EXPECT_EQ(static_cast<CComboBoxKav*>(combo.get())->GetInitialValue(), "");
}

// A point over a SPAN inside a link reports the link; tiny elements report their relevant
// ancestor; plain text reports nothing.
TEST_F(HtmlCaptureTest, AProbeReportsTheRelevantElementUnderThePoint) {
    const HtmlElement link = Add({.tag = "A", .offsets = {10, 10, 80, 20}, .innerText = "Go home", .href = "http://shop/next"});
    Add(Box("SPAN", 12, 12, 40, 16), link);
    const HtmlElement link2 = Add({.tag = "A", .offsets = {200, 10, 80, 20}, .innerText = "Tiny"});
    Add(Box("IMG", 205, 12, 2, 2), link2);
    Add({.tag = "P", .offsets = {10, 40, 300, 20}, .innerText = "Plain text"});

    Tree window;
    WindowRect rect;
    ASSERT_EQ(Probe(20, 20, window, rect), 1);
    EXPECT_EQ(window->GetType(), kWndLink);
    EXPECT_EQ(window->GetName(), "A");
    EXPECT_EQ(window->GetClass(), "html_text_link");
    EXPECT_EQ(window->GetCaption(), "Go home");
    EXPECT_EQ(window->GetHtmlText(), "innertext");
    EXPECT_EQ(static_cast<CLinkKav*>(window.get())->GetInitialValue(), "http://shop/next");
    EXPECT_EQ(rect, (WindowRect{10, 10, 90, 30}));

    ASSERT_EQ(Probe(205, 12, window, rect), 1);
    EXPECT_EQ(window->GetCaption(), "Tiny");
    EXPECT_EQ(Probe(50, 45, window, rect), 0);
    EXPECT_EQ(window, nullptr);
    EXPECT_EQ(Probe(900, 900, window, rect), 0);

    // The release captures the element found last, not what lies at the point given.
    ASSERT_EQ(Probe(20, 20, window, rect), 1);
    const Tree captured = Capture(false);
    ASSERT_NE(captured, nullptr);
    EXPECT_EQ(captured->GetCaption(), "Go home");
}

// A hidden INPUT makes no window, and nothing below it is walked; so does a MAP that no image
// uses.
TEST_F(HtmlCaptureTest, SkippedElementsTakeWhatTheyHoldWithThem) {
    const HtmlElement hidden = Add({.tag = "INPUT", .offsets = {100, 70, 50, 20}, .inputType = "hidden"});
    Add({.tag = "BUTTON", .offsets = {100, 70, 30, 15}, .visible = false, .innerText = "Inside"}, hidden);
    const HtmlElement map = Add({.tag = "MAP", .offsets = {0, 200, 50, 50}, .name = "nomap"});
    Add({.tag = "BUTTON", .offsets = {0, 200, 30, 15}, .innerText = "In the map"}, map);

    int result = -1;
    EXPECT_EQ(CaptureOne(hidden, &result), nullptr);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(CaptureOne(map, &result), nullptr);
    EXPECT_EQ(result, 0);
    Tree window;
    WindowRect rect;
    EXPECT_EQ(Probe(110, 75, window, rect), 0);
    const Tree page = Capture(true);
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(page->GetChildren().empty());
}

TEST_F(HtmlCaptureTest, AnImageMapIsTheImageWithOneLinkPerArea) {
    const HtmlElement image = Add({.tag = "IMG", .offsets = {100, 100, 60, 40}, .alt = "Map", .useMap = "#m1"});
    const HtmlElement map = Add({.tag = "MAP", .offsets = {100, 100, 60, 40}, .name = "m1"});
    const HtmlElement left = Add({.tag = "AREA", .offsets = {0, 0, 30, 40}, .href = "left.html"}, map);
    const HtmlElement right = Add({.tag = "AREA", .offsets = {30, 0, 30, 40}, .href = "right.html"}, map);
    pages_.Element(map).areas = {left, right};
    EXPECT_EQ(capture_.FindMapImage(page_, map), image);

    // In a capture the image comes with its map, and only there.
    EXPECT_EQ(CaptureOne(image), nullptr);
    const Tree captured = CaptureOne(map);
    ASSERT_NE(captured, nullptr);
    EXPECT_EQ(captured->GetName(), "IMG");
    EXPECT_EQ(captured->GetCaption(), "Map");
    EXPECT_EQ(captured->GetRect(), (WindowRect{100, 100, 160, 140}));
    ASSERT_EQ(captured->GetChildren().size(), 2u);
    const CWindowKav* area = captured->GetChildren()[1];
    EXPECT_EQ(area->GetName(), "AREA");
    EXPECT_EQ(area->GetClass(), "html_area");
    EXPECT_EQ(area->GetType(), kWndLink);
    EXPECT_EQ(area->GetCaption(), "");
    EXPECT_EQ(area->GetHtmlText(), "");
    EXPECT_EQ(static_cast<const CLinkKav*>(area)->GetInitialValue(), "right.html");
    EXPECT_EQ(area->GetRect(), (WindowRect{30, 0, 60, 40}));

    // A probe of an area reports the area, placed on the image.
    CWindowKav* made = nullptr;
    WindowRect rect;
    ASSERT_EQ(capture_.CaptureElement(page_, right, 0, 0, nullptr, false, made, rect), 1);
    const Tree probed(made);
    EXPECT_EQ(probed->GetName(), "AREA");
    EXPECT_EQ(rect, (WindowRect{130, 100, 160, 140}));
    ASSERT_EQ(capture_.CaptureElement(page_, map, 0, 0, nullptr, false, made, rect), 1);
    const Tree probedImage(made);
    EXPECT_EQ(probedImage->GetName(), "IMG");
    EXPECT_EQ(rect, (WindowRect{100, 100, 160, 140}));
}

TEST_F(HtmlCaptureTest, AnElementsRectangleAddsUpItsOffsetParents) {
    const HtmlElement table = Add(Box("TABLE", 10, 20, 300, 200));
    const HtmlElement cell = Add({.tag = "TD", .offsets = {5, 6, 100, 50}, .offsetParent = table}, table);
    const HtmlElement field = Add({.tag = "INPUT", .offsets = {1, 2, 80, 20}, .offsetParent = cell}, cell);
    EXPECT_EQ(capture_.GetElementRect(field), (WindowRect{16, 28, 96, 48}));
}

// Radio buttons of a name get one group box, framing them with margins of 7, 12, 7 and 7.
TEST_F(HtmlCaptureTest, RadioButtonsAreGroupedByName) {
    auto page = Tree(CreateWindowOfType(kWndCustom, {.className = "html_frame"}));
    const std::tuple<std::string, WindowRect> radios[] = {{"a", {10, 10, 20, 20}}, {"a", {10, 30, 20, 40}}, {"b", {50, 10, 60, 20}}};
    for (const auto& [name, rect] : radios) {
        CWindowKav* radio = CreateWindowOfType(kWndRadioButton, {.tag = name});
        radio->SetRect(rect);
        page->AddChild(radio);
    }
    capture_.GroupRadioButtons(page.get());
    ASSERT_EQ(page->GetChildren().size(), 5u);
    const CWindowKav* first = page->GetChildren()[3];
    EXPECT_EQ(first->GetType(), kWndGroupBox);
    EXPECT_EQ(first->GetName(), "GROUP");
    EXPECT_EQ(first->GetClass(), "html_group");
    EXPECT_EQ(first->GetGuiID(), 995);
    EXPECT_EQ(first->GetStyle(), 0x10000007u);
    EXPECT_EQ(first->GetHtmlText(), "name");
    EXPECT_EQ(first->GetCaption(), "a");
    EXPECT_EQ(first->GetRect(), (WindowRect{3, -2, 27, 47}));
    EXPECT_EQ(page->GetChildren()[4]->GetCaption(), "b");
    EXPECT_EQ(page->GetChildren()[4]->GetRect(), (WindowRect{43, -2, 67, 27}));
    for (int i = 0; i < 3; ++i) EXPECT_EQ(page->GetChildren()[i]->GetParent(), page.get());
}

// Windows directly under the page or a frame keep page coordinates; deeper ones are placed in
// their parent. Each frame holds the windows of its own document.
TEST_F(HtmlCaptureTest, TheCompletePageHoldsItsElementsAndFrames) {
    const HtmlElement form = Add({.tag = "A", .offsets = {10, 10, 300, 100}, .innerText = "Form link"});
    Add({.tag = "BUTTON", .offsets = {20, 30, 50, 20}, .value = "Inner"}, form);
    Add({.tag = "INPUT", .offsets = {10, 150, 13, 13}, .value = "yes", .inputType = "radio"});
    const HtmlDocument inner = pages_.AddDocument("Inner Page", "http://shop/inner.html");
    pages_.Add(inner, {.tag = "INPUT", .offsets = {5, 5, 100, 20}, .name = "innerfield", .inputType = "text"});
    Add({.tag = "IFRAME", .offsets = {400, 10, 200, 80}, .frameDocument = inner});

    int result = 0;
    const Tree page = Capture(true, &result);
    ASSERT_EQ(result, 1);
    EXPECT_EQ(page->GetName(), "BrowserMain");
    EXPECT_EQ(page->GetCaption(), "Shop");
    EXPECT_EQ(page->GetClass(), "html_frame");
    EXPECT_EQ(page->GetHtmlText(), "name");
    EXPECT_EQ(page->GetStyle(), 0x10C80000u);
    EXPECT_EQ(page->GetMethod(), 1);
    EXPECT_EQ(page->GetRect(), WindowRect{});
    ASSERT_EQ(page->GetChildren().size(), 4u);

    const CWindowKav* link = page->GetChildren()[0];
    EXPECT_EQ(link->GetRect(), (WindowRect{10, 10, 310, 110}));
    ASSERT_EQ(link->GetChildren().size(), 1u);
    EXPECT_EQ(link->GetChildren()[0]->GetRect(), (WindowRect{10, 20, 60, 40}));
    EXPECT_EQ(page->GetChildren()[1]->GetType(), kWndRadioButton);

    const CWindowKav* frame = page->GetChildren()[2];
    EXPECT_EQ(frame->GetName(), "IFRAME");
    EXPECT_EQ(frame->GetCaption(), "Inner Page");
    EXPECT_EQ(frame->GetHtmlText(), "title");
    EXPECT_EQ(frame->GetMethod(), 1);
    EXPECT_EQ(frame->GetRect(), (WindowRect{400, 10, 600, 90}));
    ASSERT_EQ(frame->GetChildren().size(), 1u);
    EXPECT_EQ(frame->GetChildren()[0]->GetRect(), (WindowRect{5, 5, 105, 25}));
    EXPECT_EQ(frame->GetChildren()[0]->GetCaption(), "innerfield");

    // Radio buttons without a name share a group box with an empty caption.
    const CWindowKav* group = page->GetChildren()[3];
    EXPECT_EQ(group->GetType(), kWndGroupBox);
    EXPECT_EQ(group->GetCaption(), "");
}

TEST_F(HtmlCaptureTest, AFrameIsNamedByItsNameTitleOrAddress) {
    const HtmlDocument untitled = pages_.AddDocument("", "http://shop/untitled.html");
    const HtmlElement named = Add({.tag = "FRAME", .offsets = {0, 0, 100, 100}, .name = "left", .frameDocument = untitled});
    const HtmlElement unnamed = Add({.tag = "FRAME", .offsets = {100, 0, 100, 100}, .frameDocument = untitled});
    EXPECT_EQ(CaptureOne(named)->GetCaption(), "left");
    const Tree byAddress = CaptureOne(unnamed);
    EXPECT_EQ(byAddress->GetCaption(), "http://shop/untitled.html");
    EXPECT_EQ(byAddress->GetHtmlText(), "url");

    // A frame whose document cannot be reached fails the capture.
    const HtmlElement empty = Add({.tag = "IFRAME", .offsets = {200, 0, 100, 100}, .name = "gone"});
    int result = 0;
    EXPECT_EQ(CaptureOne(empty, &result), nullptr);
    EXPECT_EQ(result, -1);
    EXPECT_EQ(GetGlobalMessageBuffer(), "Fatal Error: Could not get client document! [F0082]");
}

// A probe inside a frame reports the frame's element, placed in the page's client area; where
// the frame's document has nothing, the frame itself.
TEST_F(HtmlCaptureTest, AProbeLooksIntoFrames) {
    const HtmlDocument inner = pages_.AddDocument("Inner Page", "http://shop/inner.html");
    pages_.Add(inner, {.tag = "BUTTON", .offsets = {5, 5, 50, 20}, .innerText = "Inner"});
    Add({.tag = "IFRAME", .offsets = {400, 10, 200, 80}, .name = "side", .frameDocument = inner});

    Tree window;
    WindowRect rect;
    ASSERT_EQ(Probe(410, 20, window, rect), 1);
    EXPECT_EQ(window->GetCaption(), "Inner");
    EXPECT_EQ(rect, (WindowRect{405, 15, 455, 35}));
    const Tree captured = Capture(false);
    EXPECT_EQ(captured->GetCaption(), "Inner");

    ASSERT_EQ(Probe(500, 60, window, rect), 1);
    EXPECT_EQ(window->GetName(), "IFRAME");
    EXPECT_EQ(window->GetCaption(), "side");
    EXPECT_EQ(rect, (WindowRect{400, 10, 600, 90}));
    EXPECT_EQ(Capture(false)->GetName(), "IFRAME");
}

// Each failure is -1 with its message; a capture that fails leaves no window behind.
TEST_F(HtmlCaptureTest, BrowserAndPageFailuresAreReported) {
    Tree window;
    WindowRect rect;
    CWindowKav* made = nullptr;
    const auto lookup = [&](std::uint64_t topWindow) {
        return capture_.CaptureAt(0, 0, true, true, {.topWindow = topWindow}, made, rect);
    };
    EXPECT_EQ(lookup(99), -1);
    EXPECT_EQ(GetGlobalMessageBuffer(),
              "You are pointing at an Explorer window that cannot be reached via the COM interface! [W0726]");
    pages_.SetBrowser(7, 0);
    EXPECT_EQ(lookup(7), -1);
    EXPECT_EQ(GetGlobalMessageBuffer(), "Fatal Error: Could not get client document! [F0082]");
    EXPECT_EQ(made, nullptr);

    const HtmlElement link = Add({.tag = "A", .offsets = {0, 0, 50, 20}});
    const HtmlElement span = Add(Box("SPAN", 0, 0, 20, 10), link);
    pages_.AddBrokenItem(page_, span, true);
    int result = 0;
    EXPECT_EQ(CaptureOne(link, &result), nullptr);
    EXPECT_EQ(result, -1);
    EXPECT_EQ(GetGlobalMessageBuffer(), "Fatal Error: Could not create childDispatch object! [F0119]");
    EXPECT_EQ(Capture(true, &result), nullptr);
    EXPECT_EQ(result, -1);

    const HtmlElement other = Add(Box("BUTTON", 0, 0, 20, 10));
    pages_.AddBrokenItem(page_, other, false);
    EXPECT_EQ(CaptureOne(other, &result), nullptr);
    EXPECT_EQ(GetGlobalMessageBuffer(), "Fatal Error: Could not create child! [F0120]");
}

TEST(HtmlCaptureDocumentTest, BrokenItemsOfTheDocumentFailTheCompletePage) {
    for (const bool missing : {true, false}) {
        HtmlTreeSource pages;
        const HtmlDocument page = pages.AddDocument("Page", "");
        pages.Add(page, Box("BUTTON", 0, 0, 20, 20));
        pages.AddBrokenItem(page, 0, missing);
        pages.SetBrowser(1, page);
        CHtmlCapture capture(pages, nullptr);
        capture.InitBrowserInterface();
        CWindowKav* window = nullptr;
        WindowRect rect;
        EXPECT_EQ(capture.CaptureAt(0, 0, true, true, {.topWindow = 1}, window, rect), -1);
        EXPECT_EQ(window, nullptr);
        EXPECT_EQ(GetGlobalMessageBuffer(), missing ? "Fatal Error: Could not create allDispatch object! [F0083]"
                                                    : "Fatal Error: Could not create HtmlElement! [F0084]");
    }
}

// No browser at all: W0725 when the spy opens, F0081 for every look after.
TEST(HtmlCaptureBrowserTest, UnreachableBrowsersAreReportedOnceAndFailEveryLook) {
    HtmlTreeSource pages;
    pages.SetConnectable(false);
    CHtmlCapture capture(pages, nullptr);
    capture.InitBrowserInterface();
    EXPECT_EQ(TestInteraction().Texts(),
              (std::vector<std::string>{"Internet Explorer interface could not be initialized! [W0725]"}));
    CWindowKav* window = nullptr;
    WindowRect rect;
    EXPECT_EQ(capture.CaptureAt(5, 5, false, false, {}, window, rect), -1);
    EXPECT_EQ(GetGlobalMessageBuffer(), "Fatal Error: No ShellWindow available! [F0081]");

    HtmlTreeSource none;
    CHtmlCapture noBrowsers(none, nullptr);
    noBrowsers.InitBrowserInterface();
    EXPECT_EQ(noBrowsers.CaptureAt(5, 5, false, false, {}, window, rect), -1);
    EXPECT_EQ(GetGlobalMessageBuffer(), "Fatal Error: No ShellWindow available! [F0081]");
}
