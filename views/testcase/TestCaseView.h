#pragma once
// A generated test case as a chain of boxes, a fixed start box first, joined by arrows. The
// user selects boxes and arrows, inserts and deletes steps, and in assign mode gives the
// selected step a window or a transition picked elsewhere.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/StepConnect.h"
#include "model/TestStep.h"
#include "views/drawing/DrawList.h"
#include "views/drawing/TextSurface.h"
#include "views/drawing/ViewGeometry.h"
#include "views/drawing/ViewMenu.h"
#include "views/testcase/TestCaseViewHost.h"

class CApplicationKav;
class CTestCase;
class CTransitionKav;
class CWindowKav;

class CTestCaseView {
public:
    enum Mode : int { kModeNone = 0, kModeOneStep = 1, kModeArrow = 2, kModeSeveral = 3, kModeAssign = 6 };
    static constexpr int kShowStepInfo = 16;
    static constexpr int kVertical = 32;

    struct BoxLayout {
        int width, height, gapX, gapY;
    };
    static constexpr BoxLayout kHorizontalBoxes{95, 60, 20, 15};
    static constexpr BoxLayout kVerticalBoxes{120, 50, 15, 20};

    struct Hit {
        CStepConnect* connection = nullptr;
        CTestStep* step = nullptr;
    };

    static constexpr int kEditStepCommand = 32924;
    static constexpr int kHelpContext = 35006;

    explicit CTestCaseView(TestCaseViewHost& host);
    static const std::vector<ViewMenuEntry>& ContextMenu();
    ~CTestCaseView();
    CTestCaseView(const CTestCaseView&) = delete;
    CTestCaseView& operator=(const CTestCaseView&) = delete;

    // Before the first update.
    void SetTestCase(CTestCase* testCase, int displayFlags);
    // Title, boxes, and the start step selected.
    void OnInitialUpdate();
    void SetDisplayFlags(int flags);
    void SetAssignMode(bool on);

    CTestCase* GetTestCase() const { return testCase_; }
    CTestStep* GetClickedStep() const { return clickedStep_; }
    CTestStep* GetStartStep() const { return startStep_.get(); }
    CStepConnect* GetSelectedConnection() const { return selectedConnection_; }
    const std::vector<CTestStep*>& GetSelection() const { return selection_; }
    int GetMode() const { return mode_; }
    int GetDisplayFlags() const { return displayFlags_; }
    const std::vector<std::unique_ptr<CStepConnect>>& GetConnections() const { return connections_; }

    // ---- Layout
    const BoxLayout& Boxes() const;
    void ArrangeSteps();
    ViewRect BoxOf(const CStepKav& step) const;
    int GetColumns() const { return columns_; }
    int GetRows() const { return rows_; }
    ViewSize GetTotalSize() const { return totalSize_; }
    // The bitmap of the whole test case for the documentation (see PictureSize).
    std::optional<ViewSize> GetBitmapSize() const { return PictureSize(totalSize_); }
    Hit HitTest(ViewPoint point) const;

    // ---- Editing
    // False when refused, with the reason shown and nothing changed.
    bool InsertStep();
    void DeleteSelectedSteps();
    void AssignWindowToStep(CWindowKav* window);
    void AssignTransitionToStep(CTransitionKav* transition);
    void UpdateTitle();
    // After the project's objects were replaced: finds the test case and the selected steps
    // again by their identifiers, or closes the view when the test case is gone.
    void RebindModel(const CApplicationKav& app);

    static const TextFont& Font();
    // The boxes, the start step's first, then the arrows.
    DrawList Draw() const;

    // ---- Mouse
    // True when a rubber band should be tracked from the point (a press on empty space).
    bool OnLeftButtonDown(ViewPoint point, bool ctrl);
    // The band the user dragged after a press on empty space.
    void OnBandTracked(const ViewRect& band);
    void OnDoubleClick();
    // The selection a right click makes before the context menu opens.
    void OnContextMenuAt(ViewPoint point);
    // A command of the context menu.
    void OnContextCommand(int command);

    // The step info box under the pointer: its text and where it stands in the client area.
    struct InfoBox {
        std::string text;
        ViewRect rect;
    };
    // For a pointer at the client point (logical the same point scrolled); none hides the box.
    std::optional<InfoBox> InfoBoxAt(ViewPoint client, ViewPoint logical, ViewSize clientSize,
                                     const TextSurface& surface) const;

    // Commands, selection, assignment, windows and description in lines ended by "\r\n".
    std::string GetStepInfoText(const CTestStep& step) const;

private:
    bool IsSelected(const CTestStep* step) const;
    void SelectAdd(CTestStep* step);
    void UpdateSelectionState();
    void ClearSelection(int mode);

    TestCaseViewHost& host_;
    std::vector<std::unique_ptr<CStepConnect>> connections_;
    CTestCase* testCase_ = nullptr;
    std::vector<CTestStep*> selection_;
    CTestStep* clickedStep_ = nullptr;
    std::unique_ptr<CTestStep> startStep_;
    CStepConnect* selectedConnection_ = nullptr;
    int mode_ = kModeNone;
    int displayFlags_ = 0;
    int columns_ = 3;
    int rows_ = 3;
    ViewSize totalSize_;
};
