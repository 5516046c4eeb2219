// The pieces of the transition search that look at the model: which transitions can give a
// value, and the test steps that use a transition or enter a value.
#include <algorithm>

#include "conditions/Designator.h"
#include "conditions/EventParser.h"
#include "generation/SimulationSupport.h"
#include "generation/TCGNode.h"
#include "model/ActionKav.h"
#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "model/TransitionKav.h"
#include "model/windows/WindowTypes.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"

namespace {

// The action's first argument names the window, or it has none.
bool NamesWindow(const CActionKav& action, const std::string& windowName) {
    return action.GetArguments().empty() || EqualsNoCase(FirstArgumentName(action), windowName);
}

bool OpensWindow(const CTransitionKav& transition, const std::string& actionName, const std::string& windowName) {
    const bool opening = EqualsNoCase(actionName, "OpenWindow");
    for (const CActionKav* action : transition.GetActions()) {
        const std::string name = action->GetName();
        if ((EqualsNoCase(name, actionName) || (opening && EqualsNoCase(name, "OpenModalDialog"))) &&
            NamesWindow(*action, windowName))
            return true;
    }
    return false;
}

std::string InputEvent(const std::string& value) { return "Input(\"" + EscapeQuotes(value) + "\")"; }
std::string SelectEvent(const std::string& value) { return "Select(\"" + EscapeQuotes(value) + "\")"; }

// The event and the name suffix of entering the value into the control. False with a message.
bool ControlEvent(const CWindowKav& window, const std::string& value, const std::string& position, std::string& event,
                  std::string& suffix) {
    switch (window.GetType()) {
        case kWndComboBox:
            if (static_cast<const CComboBoxKav&>(window).GetBoxType() != CComboBoxKav::kDroplist) {
                event = InputEvent(value);
                suffix = "_Input";
                return true;
            }
            [[fallthrough]];
        case kWndGroupBox:
        case kWndListBox:
        case kWndListView:
        case kWndTabControl:
            event = SelectEvent(value);
            suffix = "_Select";
            return true;
        case kWndInputField:
            event = InputEvent(value);
            suffix = "_Input";
            return true;
        case kWndCheckBox:
            event = "Check(" + EscapeQuotes(value) + ")";
            suffix = "_Check";
            return true;
        case kWndTable: {
            // The cell is the last part of the variable's designator.
            std::string row, column;
            if (!ParseTableCellDesignator(position.substr(position.rfind(':') + 1), row, column)) return false;
            event = "Input(" + row + ", " + column + ", \"" + EscapeQuotes(value) + "\")";
            suffix = "_Input";
            return true;
        }
        default: SetMessage(44501); return false;
    }
}

}  // namespace

std::string FirstArgumentName(const CActionKav& action) {
    if (action.GetArguments().empty()) return {};
    const std::string value = action.GetArguments()[0]->GetValue();
    return value.size() >= 2 ? value.substr(1, value.size() - 2) : std::string();
}

CWindowKav* ResolveWindow(const std::string& designator) {
    CKavroObj* object = ResolveDesignatorObject(designator);
    return object && object->GetKind() == kKindWindow ? static_cast<CWindowKav*>(object) : nullptr;
}

CTransitionKav* FindTransitionOpeningWindow(const std::string& actionName, const std::string& windowName,
                                            TransitionPosition& position) {
    if (!CurrentApplication) return nullptr;
    const std::vector<CWindowKav*> windows = CurrentApplication->GetWindowList().Snapshot();
    size_t first = 0;
    size_t transitionIndex = 0;
    if (position.window) {
        auto at = std::find(windows.begin(), windows.end(), position.window);
        first = static_cast<size_t>(at - windows.begin());
        transitionIndex = position.index ? *position.index + 1 : 0;
    }
    for (size_t w = first; w < windows.size(); ++w, transitionIndex = 0) {
        const auto& transitions = windows[w]->GetTransitions();
        for (size_t t = transitionIndex; t < transitions.size(); ++t) {
            if (!OpensWindow(*transitions[t], actionName, windowName)) continue;
            position = {windows[w], t};
            return transitions[t];
        }
    }
    position = {nullptr, std::nullopt};
    return nullptr;
}

int FindTransitionSettingValue(CWindowKav& window, const std::string& attribute, const std::string& value,
                               std::optional<std::size_t>& position, CTransitionKav*& transition) {
    transition = nullptr;
    const CEventParser parser;
    const auto& transitions = window.GetTransitions();
    for (size_t t = position ? *position + 1 : 0; t < transitions.size(); ++t) {
        CCombination needed;
        const int sets = parser.EventSetsValue(transitions[t]->GetEvent(), &window, attribute, value, needed);
        if (sets < 0) return -1;
        if (sets == 0) continue;
        position = t;
        transition = transitions[t];
        return 1;
    }
    position = transitions.size();
    return 0;
}

std::string EscapeQuotes(const std::string& text) {
    std::string escaped;
    for (char c : text) {
        if (c == '\\' || c == '"') escaped += '\\';
        escaped += c;
    }
    return escaped;
}

std::unique_ptr<CTestStep> CreateTransitionStep(CWindowKav* window, CTransitionKav* transition,
                                                const std::string& value, const std::string& position, int mode) {
    if (mode == 1) {
        std::string event, suffix;
        if (!ControlEvent(*window, value, position, event, suffix)) return nullptr;
        return std::make_unique<CTestStep>(window->GetName() + suffix, event, "", "", "", "", window, window, 0, 2, "",
                                           nullptr, nullptr, nullptr, "");
    }
    if (!transition) {
        SetMessage(41055);
        return nullptr;
    }
    auto step = std::make_unique<CTestStep>(
        "Transition " + transition->GetName(), transition->GetEvent(), transition->GetCommands(),
        transition->GetDescription(), transition->GetInput(), transition->GetExpectedResult(),
        transition->GetStartWindow(), transition->GetDestWindow(), transition->GetDelay(),
        transition->GetCriticality(), transition->GetResultValue(), nullptr, nullptr, transition, "");
    EventParts parts;
    if (!CEventParser::SplitEventString(step->GetEvent(), parts) || parts.name != "input") return step;
    // An Input enters the value sought, else the value that its own argument gives.
    if (mode == 0) {
        step->SetEvent(InputEvent(value));
        return step;
    }
    std::string attribute, entered;
    const CCombination none;
    const int sets = CEventParser().GetEventValue(step->GetEvent(), window, attribute, entered, none);
    if (sets < 0) return nullptr;
    if (sets == 1) step->SetEvent(InputEvent(entered));
    return step;
}
