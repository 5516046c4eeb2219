#include "views/testcase/TestCaseView.h"

#include <algorithm>

#include "conditions/EventParser.h"
#include "model/ApplicationKav.h"
#include "model/Combination.h"
#include "model/ShellServices.h"
#include "model/TestCase.h"
#include "model/TransitionKav.h"
#include "model/windows/ButtonWindows.h"
#include "model/windows/WindowTypes.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"
#include "resources/MessageCatalogue.h"
#include "views/drawing/HitTest.h"
#include "views/flow/DefaultEvent.h"
#include "views/flow/StepInfo.h"

namespace {

constexpr int kFatalErrorCaption = 47001;
constexpr int kInvalidEventCaption = 47005;
constexpr int kInsertFailedCaption = 47036;
constexpr int kGroupBoxMissingCaption = 47165;
constexpr int kInvalidInsert = 41134;       // [F0134]
constexpr int kNoBranches = 44714;          // [W0714]
constexpr int kEventNotConcrete = 44718;    // [W0718]
constexpr int kRadioWithoutGroup = 45057;   // [W1057]
constexpr int kAssignWindowUndo = 48083;
constexpr int kAssignTransitionUndo = 48084;
constexpr int kCreateStepUndo = 48085;
constexpr int kTitleWord = 47230;
constexpr int kOneStep = 49269;
constexpr int kSteps = 49270;
constexpr int kStartName = 49271;

void Show(int text, int caption, MessageIcon icon) {
    GetInteraction().ShowMessage({LoadMessage(text), LoadMessage(caption), MessageButtons::Ok, icon});
}

CTestStep* MakeStep(const std::string& name) {
    return new CTestStep(name, "", "", "", "", "", nullptr, nullptr, 0, 0, "", nullptr, nullptr, nullptr, "");
}

}  // namespace

CTestCaseView::CTestCaseView(TestCaseViewHost& host) : host_(host) {}

CTestCaseView::~CTestCaseView() = default;

void CTestCaseView::SetTestCase(CTestCase* testCase, int displayFlags) {
    testCase_ = testCase;
    displayFlags_ = displayFlags;
}

void CTestCaseView::OnInitialUpdate() {
    UpdateTitle();
    startStep_.reset(MakeStep(LoadMessage(kStartName)));
    ArrangeSteps();
    selection_ = {startStep_.get()};
    mode_ = kModeOneStep;
    host_.Redraw();
}

void CTestCaseView::SetDisplayFlags(int flags) {
    displayFlags_ = flags;
    ArrangeSteps();
    host_.Redraw();
}

void CTestCaseView::SetAssignMode(bool on) {
    if (on) {
        mode_ = kModeAssign;
    } else {
        selectedConnection_ = nullptr;
        mode_ = kModeOneStep;
    }
    host_.Redraw();
}

// ---- Layout

const CTestCaseView::BoxLayout& CTestCaseView::Boxes() const {
    return (displayFlags_ & kVertical) ? kVerticalBoxes : kHorizontalBoxes;
}

void CTestCaseView::ArrangeSteps() {
    if (!testCase_ || !startStep_) return;
    selectedConnection_ = nullptr;
    connections_.clear();
    const BoxLayout& boxes = Boxes();
    const bool vertical = displayFlags_ & kVertical;
    startStep_->SetX(10);
    startStep_->SetY(10);
    startStep_->SetColumn(0);
    startStep_->SetRow(0);
    CStepKav* previous = startStep_.get();
    int i = 0;
    for (CTestStep* step : testCase_->GetSteps()) {
        ++i;
        step->SetX(vertical ? 10 : (boxes.width + boxes.gapX) * i + 10);
        step->SetY(vertical ? (boxes.height + boxes.gapY) * i + 10 : 10);
        step->SetColumn(vertical ? 0 : i);
        step->SetRow(vertical ? i : 0);
        auto connection = std::make_unique<CStepConnect>(previous, step);
        connection->UpdateArrow(boxes.width, boxes.height, vertical);
        connections_.push_back(std::move(connection));
        previous = step;
    }
    const int cells = i + 1;
    columns_ = std::max(3, vertical ? 1 : cells);
    rows_ = std::max(3, vertical ? cells : 1);
    totalSize_ = {(boxes.width + boxes.gapX) * columns_ - boxes.gapX + 20,
                  (boxes.height + boxes.gapY) * rows_ - boxes.gapY + 20};
    host_.SetScrollSizes(totalSize_);
}

ViewRect CTestCaseView::BoxOf(const CStepKav& step) const {
    const BoxLayout& boxes = Boxes();
    return {step.GetX(), step.GetY(), step.GetX() + boxes.width, step.GetY() + boxes.height};
}

CTestCaseView::Hit CTestCaseView::HitTest(ViewPoint point) const {
    Hit hit;
    for (const auto& connection : connections_) {
        if (RegionContains(connection->GetArrow().CreateHitRegion(), point)) {
            hit.connection = connection.get();
            break;
        }
    }
    if (startStep_ && BoxOf(*startStep_).Contains(point)) {
        hit.step = startStep_.get();
    } else if (testCase_) {
        for (CTestStep* step : testCase_->GetSteps()) {
            if (BoxOf(*step).Contains(point)) {
                hit.step = step;
                break;
            }
        }
    }
    return hit;
}

// ---- Selection

bool CTestCaseView::IsSelected(const CTestStep* step) const {
    return std::find(selection_.begin(), selection_.end(), step) != selection_.end();
}

// A step stands in the selection once, so that deleting the selection frees it once.
void CTestCaseView::SelectAdd(CTestStep* step) {
    if (!IsSelected(step)) selection_.push_back(step);
}

void CTestCaseView::ClearSelection(int mode) {
    selection_.clear();
    selectedConnection_ = nullptr;
    mode_ = mode;
}

void CTestCaseView::UpdateSelectionState() {
    if (selection_.size() > 1) std::erase(selection_, startStep_.get());
    mode_ = selection_.empty() ? kModeNone : selection_.size() == 1 ? kModeOneStep : kModeSeveral;
    selectedConnection_ = nullptr;
    host_.Redraw();
}

bool CTestCaseView::OnLeftButtonDown(ViewPoint point, bool ctrl) {
    const Hit hit = HitTest(point);
    clickedStep_ = hit.step;
    if (mode_ == kModeAssign) return false;
    if (hit.connection) {
        selection_.clear();
        selectedConnection_ = hit.connection;
        mode_ = kModeArrow;
        host_.Redraw();
        return false;
    }
    if (hit.step) {
        if (!ctrl) {
            selection_ = {hit.step};
        } else if (IsSelected(hit.step)) {
            std::erase(selection_, hit.step);
        } else {
            selection_.push_back(hit.step);
        }
        UpdateSelectionState();
        return false;
    }
    if (!ctrl) {
        ClearSelection(kModeNone);
        host_.Redraw();
    }
    return true;
}

void CTestCaseView::OnBandTracked(const ViewRect& band) {
    const ViewRect area = band.Normalized();
    if (startStep_ && area.Encloses(BoxOf(*startStep_))) SelectAdd(startStep_.get());
    if (testCase_)
        for (CTestStep* step : testCase_->GetSteps())
            if (area.Encloses(BoxOf(*step))) SelectAdd(step);
    UpdateSelectionState();
}

void CTestCaseView::OnDoubleClick() {
    if (clickedStep_ && clickedStep_ != startStep_.get()) host_.OpenStepEditor(clickedStep_);
}

void CTestCaseView::OnContextMenuAt(ViewPoint point) {
    if (mode_ == kModeAssign) return;
    ClearSelection(kModeNone);
    const Hit hit = HitTest(point);
    if (hit.connection) {
        selectedConnection_ = hit.connection;
        mode_ = kModeArrow;
    } else if (hit.step) {
        selection_ = {hit.step};
        if (hit.step != startStep_.get()) clickedStep_ = hit.step;
        mode_ = kModeOneStep;
    }
    host_.Redraw();
}

void CTestCaseView::OnContextCommand(int command) {
    if (command != kEditStepCommand) {
        host_.SendCommand(command);
    } else if (!selection_.empty()) {
        host_.OpenStepEditor(selection_.front());
    }
}

// ---- Editing

bool CTestCaseView::InsertStep() {
    if (!testCase_) return false;
    auto& steps = testCase_->GetSteps();
    std::unique_ptr<CTestStep> step(MakeStep("NewStep"));
    step->SetId("0");
    if (selection_.size() == 1) {
        const bool atEnd = steps.empty() || selection_.front() == steps[steps.size() - 1];
        if (!atEnd) {
            Show(kNoBranches, kInsertFailedCaption, MessageIcon::Warning);
            return false;
        }
        steps.Add(step.get());
    } else if (selectedConnection_) {
        const CStepKav* first = selectedConnection_->GetSource();
        std::size_t index = 0;
        if (first != startStep_.get())
            index = static_cast<std::size_t>(steps.IndexOf(static_cast<const CTestStep*>(first))) + 1;
        steps.InsertAt(index, step.get());
    } else {
        Show(kInvalidInsert, kInsertFailedCaption, MessageIcon::Error);
        return false;
    }
    CTestStep* inserted = step.release();
    ArrangeSteps();
    selection_ = {inserted};
    RecordUndoStep(LoadMessage(kCreateStepUndo));
    selectedConnection_ = nullptr;
    mode_ = kModeOneStep;
    host_.Redraw();
    return true;
}

void CTestCaseView::DeleteSelectedSteps() {
    if (!testCase_) return;
    for (CTestStep* step : selection_)
        if (step != startStep_.get()) testCase_->GetSteps().Delete(step);
    if (clickedStep_ != startStep_.get()) clickedStep_ = nullptr;
    ArrangeSteps();
    ClearSelection(kModeNone);
    host_.Redraw();
}

void CTestCaseView::AssignWindowToStep(CWindowKav* window) {
    if (!window || selection_.size() != 1) {
        selection_.clear();
        host_.Redraw();
        return;
    }
    CTestStep* step = selection_.front();
    step->SetName(window->GetName());
    step->SetStartWindow(window);
    step->SetDestWindow(window);
    step->SetSourceStep(nullptr);
    if (window->GetType() == kWndRadioButton) {
        CWindowKav* group = static_cast<CRadioButtonKav*>(window)->FindGroupBox();
        if (!group) {
            Show(kRadioWithoutGroup, kGroupBoxMissingCaption, MessageIcon::Warning);
            host_.Redraw();
            return;
        }
        step->SetName(group->GetName());
        step->SetStartWindow(group);
        step->SetDestWindow(group);
        step->SetEvent("Select(\"" + window->GetCaption() + "\")");
    } else {
        step->SetEvent(DefaultEventForWindowType(window->GetType()));
    }
    RecordUndoStep(LoadMessage(kAssignWindowUndo));
    host_.Redraw();
}

void CTestCaseView::AssignTransitionToStep(CTransitionKav* transition) {
    if (!transition || selection_.size() != 1) {
        selection_.clear();
        host_.Redraw();
        return;
    }
    CEventParser parser;
    CCombination noValues;
    std::string evaluated;
    bool constant = true;
    if (!parser.EvaluateArguments(transition->GetEvent(), transition->GetStartWindow(), noValues, evaluated,
                                  constant)) {
        GetInteraction().ShowMessage({GetGlobalMessageBuffer(), LoadMessage(kInvalidEventCaption),
                                      MessageButtons::Ok, MessageIcon::Warning});
        return;
    }
    if (!constant) Show(kEventNotConcrete, kInvalidEventCaption, MessageIcon::Warning);
    CTestStep* step = selection_.front();
    step->Clear();
    step->CopyFieldsFrom(transition);
    step->SetSourceStep(nullptr);
    step->SetTransition(transition);
    RecordUndoStep(LoadMessage(kAssignTransitionUndo));
    selectedConnection_ = nullptr;
    mode_ = kModeOneStep;
    host_.Redraw();
}

void CTestCaseView::UpdateTitle() {
    if (!testCase_) return;
    const std::size_t count = testCase_->GetSteps().size();
    const std::string steps = count == 1 ? LoadMessage(kOneStep) : FormatMessageId(kSteps, static_cast<int>(count));
    host_.ShowTitle(LoadMessage(kTitleWord) + " " + testCase_->GetDisplayName() + " " + steps);
    host_.Redraw();
}

void CTestCaseView::RebindModel(const CApplicationKav& app) {
    CTestCase* testCase = testCase_ ? app.FindTestCase(testCase_->GetUniqueId(), true) : nullptr;
    if (!testCase) {
        host_.CloseView();
        return;
    }
    testCase_ = testCase;
    clickedStep_ = nullptr;
    selectedConnection_ = nullptr;
    std::vector<CTestStep*> found;
    for (CTestStep* step : selection_) {
        if (step == startStep_.get()) {
            found.push_back(step);
        } else if (CTestStep* again = testCase_->FindStepById(step->GetId())) {
            found.push_back(again);
        }
    }
    selection_ = std::move(found);
    ArrangeSteps();
    UpdateTitle();
}

std::optional<CTestCaseView::InfoBox> CTestCaseView::InfoBoxAt(ViewPoint client, ViewPoint logical,
                                                               ViewSize clientSize, const TextSurface& surface) const {
    if (!(displayFlags_ & kShowStepInfo)) return std::nullopt;
    const Hit hit = HitTest(logical);
    if (!hit.step || hit.step == startStep_.get()) return std::nullopt;
    InfoBox box{GetStepInfoText(*hit.step), {}};
    const std::optional<ViewRect> rect = PlaceStepInfo(box.text, client, clientSize, surface, Font());
    if (!rect) return std::nullopt;
    box.rect = *rect;
    return box;
}

std::string CTestCaseView::GetStepInfoText(const CTestStep& step) const {
    const CStepKav* source = step.GetBaseStep();
    if (!source) source = step.GetTransition();
    return DescribeStepAction(step) + (source ? DescribeConditionsAndActions(*source) : std::string());
}
