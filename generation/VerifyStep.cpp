// The Verify step that follows a Set action in a generated test: it checks that the control
// took the value the action gave it.
#include "conditions/Designator.h"
#include "conditions/EventParser.h"
#include "generation/GuiSimulation.h"
#include "generation/ToolEventParsers.h"
#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "model/TaskStep.h"
#include "model/TestStep.h"
#include "model/windows/WindowTypes.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"

namespace {

// The GUI identifier of group boxes whose value cannot be verified.
constexpr int kUnverifiableGroupGuiId = 996;

struct VerifyEvent {
    std::string name;  // none: no Verify step
    std::string event;
};

std::string Quoted(const std::string& value) { return "\"" + value + "\""; }

VerifyEvent ValueEvent(const std::string& value) { return {"Verify_Value", "Verify(Value, " + Quoted(value) + ")"}; }

// The step's name and event by action code; -1 with a message for a row or cell that does not
// read.
int MakeVerifyEvent(int actionCode, const CWindowKav& window, const std::string& attribute, const std::string& value,
                    VerifyEvent& verify) {
    switch (actionCode) {
        case 1:  // SetAttribute
            if (window.GetType() == kWndGroupBox && window.GetGuiID() == kUnverifiableGroupGuiId) return 1;
            if (EqualsNoCase(attribute, "$Enabled")) verify = {"Verify_Enabled", "Verify(Enabled, " + value + ")"};
            if (EqualsNoCase(attribute, "$Caption")) verify = {"Verify_Caption", "Verify(Caption, " + Quoted(value) + ")"};
            return 1;
        case 2:   // SetInputField
        case 4:   // SetRadioGroup
        case 10:  // SetTabControl
            verify = ValueEvent(value);
            return 1;
        case 3:  // SetCheckBox
            verify = {"Verify_Value", "Verify(Value, " + value + ")"};
            return 1;
        case 5:  // SetComboBox
            if (window.GetType() == kWndComboBox &&
                static_cast<const CComboBoxKav&>(window).GetBoxType() == CComboBoxKav::kDroplist)
                verify = {"Verify_Selection", "Verify(Selection, " + Quoted(value) + ")"};
            else
                verify = ValueEvent(value);
            return 1;
        case 11:  // SetListBox
        case 12: {  // SetListView
            std::string row = "LAST";
            if (!EqualsNoCase(attribute, "$last") && !ParseListRowDesignator(attribute, row)) return -1;
            verify = {"Verify_Value", "Verify(Value, " + row + ", " + Quoted(value) + ")"};
            return 1;
        }
        case 13: {  // SetTableCell
            std::string row, column;
            if (!ParseTableCellDesignator(attribute, row, column)) return -1;
            verify = {"Verify_Value", "Verify(Value, " + row + ", " + column + ", " + Quoted(value) + ")"};
            return 1;
        }
        default: return 1;
    }
}

// Whether the format's tool gets Verify steps at all: 1 yes, 0 no, -1 for no known tool.
int FormatVerifies(int outputFormat) {
    switch (outputFormat) {
        case 1: case 5: case 7: case 8: case 10: return 1;
        case 2: case 3: case 4: case 6: case 9: case 11: case 12: case 13: case 14: return 0;
        default: return -1;
    }
}

}  // namespace

int CreateVerifyStep(std::string_view designator, const std::string& value, int actionCode,
                     const CCombination& combination, bool taskStep, std::unique_ptr<CStepKav>& step) {
    step.reset();
    DesignatorParts parts;
    if (!SplitDesignator(designator, parts)) return 0;
    CKavroObj* object = ResolveDesignatorObject(designator);
    if (!object || object->GetKind() != kKindWindow) return 1;
    auto* window = static_cast<CWindowKav*>(object);

    const int outputFormat = CurrentApplication ? CurrentApplication->GetOutputFormat() : 0;
    switch (FormatVerifies(outputFormat)) {
        case 0: return 1;
        case -1: SetMessage(41069); return -1;
        default: break;
    }
    if (CreateToolEventParser(outputFormat)->IsWindowUnsupported(window, 1)) return 1;
    if (!taskStep) {
        // A control the test cannot see gets no Verify step.
        const int usable = IsWindowUsable(*window, combination, true);
        if (usable != 1) return usable < 0 ? -1 : 1;
    }

    VerifyEvent verify;
    if (MakeVerifyEvent(actionCode, *window, parts.attribute, value, verify) != 1) return -1;
    if (verify.name.empty()) return 1;
    if (taskStep)
        step = std::make_unique<CTaskStep>(verify.name, verify.event, "", "", "", "", window, window, 0, nullptr, 2, "",
                                           0);
    else
        step = std::make_unique<CTestStep>(verify.name, verify.event, "", "", "", "", window, window, 0, 2, "", nullptr,
                                           nullptr, nullptr, "");
    return 1;
}
