#include "views/flow/TaskflowView.h"

#include <algorithm>

#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"
#include "resources/MessageCatalogue.h"
#include "views/drawing/HitTest.h"
#include "views/flow/StepInfo.h"

namespace {

constexpr int kTaskWord = 47199;
constexpr int kBuildingBlockWord = 47198;
constexpr int kReadOnly = 47177;
constexpr int kConnectionFailedCaption = 47164;
constexpr int kCreateConnectionUndo = 48082;

}  // namespace

CTaskflowView::CTaskflowView(TaskflowViewHost& host) : host_(host) {}

CTaskflowView::~CTaskflowView() = default;

void CTaskflowView::SetTask(CTaskKav* task, int displayFlags) {
    task_ = task;
    displayFlags_ = displayFlags;
}

void CTaskflowView::OnInitialUpdate() {
    UpdateTitle();
    LayoutSteps();
    selection_.clear();
    if (task_ && task_->GetStartStep()) selection_.push_back(task_->GetStartStep());
    mode_ = kModeOneStep;
    host_.Redraw();
}

void CTaskflowView::ClearPicks() {
    connectionStart_ = nullptr;
    selectedConnection_ = nullptr;
}

void CTaskflowView::SetMode(int mode) {
    switch (mode) {
        case kModeNone:
        case kModeConnectFirst:
            selection_.clear();
            ClearPicks();
            break;
        case kModeOneStep:
        case kModeSeveral: ClearPicks(); break;
        case kModeConnection:
            selection_.clear();
            connectionStart_ = nullptr;
            break;
        case kModeConnectSecond: selectedConnection_ = nullptr; break;
        default: break;
    }
    mode_ = mode;
    host_.Redraw();
}

void CTaskflowView::SetAssignMode(bool on) {
    if (on) {
        mode_ = kModeAssign;
    } else {
        ClearPicks();
        mode_ = kModeOneStep;
    }
    host_.Redraw();
}

void CTaskflowView::SetDisplayFlags(int flags) {
    displayFlags_ = flags;
    LayoutSteps();
    host_.Redraw();
}

void CTaskflowView::UpdateTitle() {
    if (!task_) return;
    const int word = task_->GetType() == kTaskBuildingBlock ? kBuildingBlockWord : kTaskWord;
    std::string title = LoadMessage(word) + " " + task_->GetName();
    if (!task_->IsEditable(false)) title += LoadMessage(kReadOnly);
    host_.ShowTitle(title);
    host_.Redraw();
}

void CTaskflowView::RebindObjects(const CApplicationKav& app) {
    if (!task_) return;
    connections_.clear();
    CTaskKav* task = app.FindTask(task_->GetID(), true);
    if (!task) {
        task_ = nullptr;
        selection_.clear();
        clickedStep_ = nullptr;
        ClearPicks();
        host_.CloseView();
        return;
    }
    task_ = task;
    clickedStep_ = nullptr;
    ClearPicks();
    std::vector<CTaskStep*> found;
    for (const CTaskStep* step : selection_)
        if (CTaskStep* again = task_->FindStepByID(step->GetId())) found.push_back(again);
    selection_ = std::move(found);
    LayoutSteps();
    UpdateTitle();
}

// ---- Layout

const FlowBoxes& CTaskflowView::Boxes() const { return FlowBoxesFor(displayFlags_ & kTopToBottom); }

void CTaskflowView::LayoutSteps() {
    if (!task_) return;
    const bool topToBottom = displayFlags_ & kTopToBottom;
    const FlowBoxes& boxes = Boxes();
    grid_ = LayOutFlow(*task_, boxes, topToBottom);
    selectedConnection_ = nullptr;
    connections_.clear();
    for (CTaskStep* step : task_->GetSteps()) {
        for (CTaskStep* successor : step->GetSuccessors()) {
            auto connection = std::make_unique<CStepConnect>(step, successor);
            connection->UpdateArrow(boxes.width, boxes.height, topToBottom);
            connections_.push_back(std::move(connection));
        }
    }
    contentSize_ = FlowContentSize(grid_, boxes, topToBottom);
    host_.SetScrollSizes(GetScrollSize());
}

ViewRect CTaskflowView::BoxOf(const CStepKav& step) const {
    const FlowBoxes& boxes = Boxes();
    return {step.GetX(), step.GetY(), step.GetX() + boxes.width, step.GetY() + boxes.height};
}

CTaskflowView::Hit CTaskflowView::HitTest(ViewPoint point) const {
    Hit hit;
    for (const auto& connection : connections_) {
        if (RegionContains(connection->GetArrow().CreateHitRegion(), point)) {
            hit.connection = connection.get();
            break;
        }
    }
    if (task_) {
        for (CTaskStep* step : task_->GetSteps()) {
            if (BoxOf(*step).Contains(point)) {
                hit.step = step;
                break;
            }
        }
    }
    return hit;
}

std::optional<ViewSize> CTaskflowView::GetBitmapSize() const {
    return PictureSize(GetScrollSize());
}

// ---- Selection

bool CTaskflowView::IsSelected(const CTaskStep* step) const {
    return std::find(selection_.begin(), selection_.end(), step) != selection_.end();
}

// A step stands in the selection once, so that deleting the selection deletes it once.
void CTaskflowView::SelectAdd(CTaskStep* step) {
    if (!IsSelected(step)) selection_.push_back(step);
}

void CTaskflowView::SelectOnly(CTaskStep* step) {
    selection_.clear();
    selection_.push_back(step);
}

void CTaskflowView::SetSelectedSteps(const std::vector<CTaskStep*>& steps) {
    selection_.clear();
    if (task_)
        for (CTaskStep* step : steps)
            if (task_->GetSteps().Contains(step)) SelectAdd(step);
    UpdateModeFromSelection();
}

void CTaskflowView::UpdateModeFromSelection() {
    if (selection_.size() > 1 && task_) std::erase(selection_, task_->GetStartStep());
    mode_ = selection_.empty() ? kModeNone : selection_.size() == 1 ? kModeOneStep : kModeSeveral;
    ClearPicks();
    host_.Redraw();
}

// ---- Mouse

bool CTaskflowView::OnLeftButtonDown(ViewPoint point, bool ctrl) {
    const Hit hit = HitTest(point);
    clickedStep_ = hit.step;
    if (mode_ == kModeAssign) return false;
    const bool connecting = mode_ == kModeConnectFirst || mode_ == kModeConnectSecond;
    if (hit.connection) {
        if (connecting) return false;
        selection_.clear();
        connectionStart_ = nullptr;
        selectedConnection_ = hit.connection;
        mode_ = kModeConnection;
        host_.Redraw();
        return false;
    }
    if (!hit.step) {
        if (connecting) return false;
        if (!ctrl) {
            selection_.clear();
            ClearPicks();
            mode_ = kModeNone;
            host_.Redraw();
        }
        return true;
    }
    if (mode_ == kModeConnectFirst) {
        SelectOnly(hit.step);
        connectionStart_ = hit.step;
        host_.Redraw();
        host_.ReportPickedStep(hit.step);
        return false;
    }
    if (mode_ == kModeConnectSecond) {
        SelectOnly(hit.step);
        if (task_->ConnectSteps(connectionStart_, hit.step) == 1) {
            LayoutSteps();
            host_.Redraw();
            host_.ReportTaskChanged(task_);
            RecordUndoStep(LoadMessage(kCreateConnectionUndo));
        } else {
            host_.Redraw();
            GetInteraction().ShowMessage({GetGlobalMessageBuffer(), LoadMessage(kConnectionFailedCaption),
                                          MessageButtons::Ok, MessageIcon::Warning});
        }
        host_.ReportPickedStep(hit.step);
        return false;
    }
    if (!ctrl) {
        SelectOnly(hit.step);
    } else if (IsSelected(hit.step)) {
        std::erase(selection_, hit.step);
    } else {
        selection_.push_back(hit.step);
    }
    UpdateModeFromSelection();
    return false;
}

void CTaskflowView::OnBandTracked(const ViewRect& band) {
    const ViewRect area = band.Normalized();
    if (task_)
        for (CTaskStep* step : task_->GetSteps())
            if (area.Encloses(BoxOf(*step))) SelectAdd(step);
    UpdateModeFromSelection();
}

void CTaskflowView::OnDoubleClick() {
    if (!clickedStep_ || !task_ || clickedStep_ == task_->GetStartStep()) return;
    if (CTaskKav* called = clickedStep_->GetSubTask()) host_.OpenTaskFlow(called);
    else host_.OpenStepEditor(clickedStep_);
}

void CTaskflowView::OnContextMenuAt(ViewPoint point) {
    if (mode_ == kModeAssign) return;
    const bool connecting = mode_ == kModeConnectFirst || mode_ == kModeConnectSecond;
    selectedConnection_ = nullptr;
    selection_.clear();
    const Hit hit = HitTest(point);
    if (!connecting && hit.connection) {
        selectedConnection_ = hit.connection;
        mode_ = kModeConnection;
    } else if (hit.step) {
        selection_.push_back(hit.step);
        clickedStep_ = hit.step;
        if (!connecting) mode_ = kModeOneStep;
    } else if (!connecting) {
        mode_ = kModeNone;
    }
    host_.Redraw();
}

void CTaskflowView::OnContextCommand(int command) {
    if (command != kEditStepCommand) {
        if (command) host_.SendCommand(command);
    } else if (!selection_.empty()) {
        host_.OpenStepEditor(selection_.front());
    }
}

std::optional<CTaskflowView::InfoBox> CTaskflowView::InfoBoxAt(ViewPoint client, ViewPoint logical,
                                                               ViewSize clientSize, const TextSurface& surface) const {
    if (!(displayFlags_ & kShowStepInfo) || !task_) return std::nullopt;
    const Hit hit = HitTest(logical);
    if (!hit.step || hit.step == task_->GetStartStep()) return std::nullopt;
    InfoBox box{GetStepInfoText(*hit.step), {}};
    const std::optional<ViewRect> rect = PlaceStepInfo(box.text, client, clientSize, surface, Font());
    if (!rect) return std::nullopt;
    box.rect = *rect;
    return box;
}
