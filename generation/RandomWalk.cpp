#include "generation/RandomWalk.h"

#include <algorithm>

#include "generation/SimulationSupport.h"
#include "generation/TCGNode.h"
#include "generation/TaskNode.h"
#include "model/ApplicationKav.h"
#include "model/DataSet.h"
#include "model/ShellServices.h"
#include "model/WindowKav.h"
#include "platform/Random.h"
#include "platform/TextUtil.h"

namespace {

bool HeldFalse(const CCombination& state, const std::string& designator) {
    const CVariable* variable = state.FindVariable(designator);
    return variable && EqualsNoCase(variable->GetValuesOneLine(), "FALSE");
}

// The state has not disabled, hidden or closed the window or a window above it, and the
// active window does not hold the step in a system-modal dialog it lies outside.
bool CanUseWindow(CWindowKav& window, const CCombination& state) {
    for (const CWindowKav* w = &window; w; w = w->GetParent()) {
        const std::string path = PathText(w);
        for (const char* property : {":$Enabled", ":$Visible", ":$Exist"})
            if (HeldFalse(state, path + property)) return false;
    }
    const CVariable* active = state.FindVariable("ActiveWnd");
    CWindowKav* activeWindow = active ? ResolveWindow(active->GetValuesOneLine()) : nullptr;
    CWindowKav* dialog = activeWindow ? CTCGNode::FindSystemModalDialog(activeWindow, state) : nullptr;
    return !dialog || CTCGNode::FindSystemModalDialog(&window, state) == dialog;
}

}  // namespace

int CTCRandomWalk::Init(CWindowKav* startWindow, const std::vector<CDataSet*>& dataSets) {
    state_.RemoveAll();
    initialState_.RemoveAll();
    startWindow_ = startWindow;
    if (startWindow && !AssignDesignator(PathText(startWindow) + ":$Exist", "TRUE", initialState_)) return -1;
    initialState_.CopyTo(state_);
    records_.clear();
    for (CDataSet* dataSet : dataSets) records_[dataSet] = dataSet->GetCurrentRecord();
    return 1;
}

void CTCRandomWalk::AppendCopy(CTaskNode* node, const CTaskNode& source) {
    nodes_.push_back(node);
    auto* copy = copies_.Add(new CTaskNode(source.task, source.step, source.contextTask, source.contextNumber));
    copy->level = source.level;
    copy->event = source.event;
    copy->commands = source.commands;
    copy->description = source.description;
    copy->input = source.input;
    copy->resultValue = source.resultValue;
    copy->expectedResult = source.expectedResult;
    for (const CTestStepBBInfo* record : source.stepBlockInfos) copy->stepBlockInfos.Add(record->Clone(0));
}

void CTCRandomWalk::Append(CTaskNode* node) { AppendCopy(node, *node); }

void CTCRandomWalk::Clear() {
    nodes_.clear();
    copies_.DeleteAll();
    initialState_.CopyTo(state_);
    records_.clear();
}

void CTCRandomWalk::CopyFrom(const CTCRandomWalk& other) {
    if (&other == this) return;
    nodes_.clear();
    copies_.DeleteAll();
    for (size_t i = 0; i < other.nodes_.size(); ++i) AppendCopy(other.nodes_[i], *other.copies_[i]);
    other.state_.CopyTo(state_);
    other.initialState_.CopyTo(initialState_);
    records_ = other.records_;
    startWindow_ = other.startWindow_;
}

void CTCRandomWalk::CopyLastNodeFrom(const CTCRandomWalk& other) {
    if (&other == this) return;
    nodes_.clear();
    copies_.DeleteAll();
    if (!other.IsEmpty()) AppendCopy(other.nodes_.back(), *other.copies_.back());
    other.state_.CopyTo(state_);
    other.initialState_.CopyTo(initialState_);
    records_ = other.records_;
    startWindow_ = other.startWindow_;
}

void CTCRandomWalk::AppendFrom(const CTCRandomWalk& other, std::vector<CTaskNode*>& appended) {
    for (size_t i = 1; i < other.nodes_.size(); ++i) {
        AppendCopy(other.nodes_[i], *other.copies_[i]);
        appended.push_back(other.nodes_[i]);
    }
    other.state_.CopyTo(state_);
    records_ = other.records_;
}

int SimulateSteps(const TaskPath& nodes, CCombination& state, const RecordMap& records, CTaskNode*& failing) {
    failing = nullptr;
    if (CurrentApplication)
        for (CDataSet* dataSet : CurrentApplication->GetDataSets()) {
            auto record = records.find(dataSet);
            dataSet->SetCurrentRecord(record == records.end() ? nullptr : record->second);
        }
    for (CTaskNode* node : nodes) {
        failing = node;
        CWindowKav* window = node->step->GetStartWindow();
        if (window && !CanUseWindow(*window, state)) {
            state.RemoveAll();
            return 0;
        }
        TaskPath one{node};
        CTaskNode* failed = nullptr;
        bool otherWayIn = false;
        const int result = SimulateTaskPath(one, state, nullptr, false, failed, otherWayIn,
                                            {.resetDataSets = false, .expandBlockLoops = false});
        if (result != 1) return result;
        // The next step happens where this one led.
        CWindowKav* destination = node->step->GetDestWindow() ? node->step->GetDestWindow() : window;
        if (destination && !AssignDesignator("ActiveWnd", PathText(destination), state)) {
            state.RemoveAll();
            return -1;
        }
    }
    failing = nullptr;
    return 1;
}

int SimulateStep(CTCRandomWalk& walk, CTaskNode* node) {
    CCombination after;
    walk.State().CopyTo(after);
    CTaskNode* failing = nullptr;
    const int result = SimulateSteps({node}, after, walk.Records(), failing);
    if (result == 1) after.CopyTo(walk.State());
    return result;
}

std::size_t RandomIndex(std::size_t count) {
    return std::min(count - 1, static_cast<std::size_t>(GetRandomUnit() * static_cast<double>(count)));
}
