// The test case view in the main frame: a test case of the sample shown as a chain of boxes,
// and a band drawn with the mouse selecting boxes.
#include <memory>

#include <wx/uiaction.h>

#include "model/ApplicationKav.h"
#include "model/TestCase.h"
#include "shell/MainFrame.h"
#include "shell/wx/MainFrameUi.h"
#include "tests/support/gui/MainFrameTest.h"
#include "views/testcase/TestCaseViewUi.h"

namespace {

const std::string kSample = std::string(KAVRO_SOURCE_DIR) + "/examples/insurance/Insurance.xml";

class TestCaseViewUiTest : public MainFrameTest {
protected:
    void SetUp() override {
        MainFrameTest::SetUp();
        InstallTestCaseView();
    }
    void TearDown() override {
        MainFrameTest::TearDown();
        InstallViewFactory(PaneKind::TestCaseView, nullptr);
    }

    // The sample with a test case of three steps on its dialog "Insurance", shown in the view.
    CTestCaseViewUi* OpenTestCase() {
        window_ = Start({"-p", kSample});
        if (!window_ || !ShowAndActivate(window_)) return nullptr;
        CMainFrame& frame = window_->GetMainFrame();
        CApplicationKav& app = frame.Root();
        CWindowKav* insurance = app.GetWindowList().FindByName("Insurance", nullptr);
        auto* testCase = new CTestCase(1, kTestCaseManual, insurance, nullptr, nullptr, 0);
        testCase->SetUniqueId("TC_view");
        for (const char* name : {"EnterCustomerName", "Calculate_Premium", "Close"})
            testCase->GetSteps().Add(new CTestStep(name, "Click", "", "", "", "", insurance, insurance, 0, 0, "",
                                                   nullptr, nullptr, nullptr, ""));
        app.GetTestCases().Add(testCase);
        auto* view = dynamic_cast<CTestCaseViewUi*>(frame.ShowView(PaneKind::TestCaseView, testCase));
        if (view) DrainEvents();
        return view;
    }

    CMainFrameUi* window_ = nullptr;
};

}  // namespace

TEST_F(TestCaseViewUiTest, ATestCaseShowsAsAChainOfBoxesAndABandSelectsThem) {
    CTestCaseViewUi* view = OpenTestCase();
    ASSERT_NE(view, nullptr);
    auto* child = dynamic_cast<wxTopLevelWindow*>(view->GetFrame());
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(child->GetTitle(), "Test Case  (3 steps)");
    EXPECT_GE(view->GetCanvas()->GetVirtualSize().x, 4 * 115 - 20 + 20);
    EXPECT_TRUE(SaveScreenshot(window_, "test_case_view"));

    TestCaseCanvas* canvas = view->GetCanvas();
    const auto screen = [canvas](ViewPoint p) {
        return canvas->ClientToScreen(canvas->CalcScrolledPosition(wxPoint(p.x, p.y)));
    };
    wxUIActionSimulator input;
    input.MouseMove(screen({120, 5}));
    EXPECT_TRUE(WaitUntil([&] { return wxGetMousePosition() == screen({120, 5}); }));
    DrainEvents();
    input.MouseDown();
    DrainEvents();
    input.MouseMove(screen({300, 50}));
    DrainEvents();
    input.MouseMove(screen({350, 80}));
    DrainEvents();
    input.MouseUp();
    WaitUntil([view] { return view->GetLogic().GetSelection().size() == 2; });
    const CTestCase* testCase = view->GetLogic().GetTestCase();
    EXPECT_EQ(view->GetLogic().GetSelection(),
              (std::vector<CTestStep*>{testCase->GetSteps()[0], testCase->GetSteps()[1]}));
    EXPECT_TRUE(SaveScreenshot(window_, "test_case_view_band"));
}
