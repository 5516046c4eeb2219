// What the elements of task steps, transitions and test steps share: their texts, delay,
// criticality and result value.
#include "model/StepKav.h"
#include "persistence/XMLDataManager.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"

namespace {

constexpr int kDefaultDelay = 0;
constexpr int kDefaultCriticality = 2;
constexpr std::string_view kDefaultResultValue = "0";

}  // namespace

// Each text is made in its place.
CXMLDataManager::StepFields CXMLDataManager::ReadStepFields() const {
    return StepFields{.name = GetAttribute("Name", ""),
                      .event = GetAttribute("Event", ""),
                      .commands = GetAttribute("Cmds", ""),
                      .description = GetAttribute("Descr", ""),
                      .input = GetAttribute("Input", ""),
                      .expectedResult = GetAttribute("Result", ""),
                      .resultValue = GetAttribute("ResultValue", kDefaultResultValue),
                      .delay = GetAttributeInt("Delay", kDefaultDelay),
                      .criticality = GetAttributeInt("Criticality", kDefaultCriticality)};
}

void CXMLDataManager::WriteStepFields(const CStepKav& step) {
    CXMLInterface& xml = builder_;
    xml.SetStringAttribute("Name", step.GetNameRef(), "");
    xml.SetStringAttribute("Event", step.GetEventRef(), "");
    xml.SetStringAttribute("Cmds", step.GetCommandsRef(), "");
    xml.SetIntAttribute("Delay", step.GetDelay(), kDefaultDelay);
    xml.SetStringAttribute("Descr", step.GetDescriptionRef(), "");
    xml.SetStringAttribute("Input", step.GetInputRef(), "");
    xml.SetStringAttribute("Result", step.GetExpectedResultRef(), "");
    // An empty result value is written as such and reads back as the default.
    xml.SetStringAttribute("ResultValue", step.GetResultValueRef(), kDefaultResultValue);
    xml.SetIntAttribute("Criticality", step.GetCriticality(), kDefaultCriticality);
}

bool CXMLDataManager::CheckParent(std::string_view parent, std::string_view accepted, int positionMessage) {
    if (EqualsNoCase(parent, accepted)) return true;
    SetMessage(positionMessage);
    return false;
}
