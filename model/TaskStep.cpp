#include "model/TaskStep.h"

#include "model/TaskKav.h"

CTaskStep::CTaskStep(std::string name, std::string event, std::string commands, std::string description,
                     std::string input, std::string expectedResult, CWindowKav* startWindow, CWindowKav* destWindow,
                     int delay, const OwningList<CAttributeKav>* attributeSource, int criticality,
                     std::string resultValue, int priority)
    : CStepKav(kStepTask, std::move(name), std::move(event), std::move(commands), std::move(description),
               std::move(input), std::move(expectedResult), startWindow, destWindow, delay, attributeSource,
               criticality, std::move(resultValue)),
      priority_(priority) {}

bool CTaskStep::RenameSubtaskCall(const CTaskKav* task) {
    if (!task || subTask_ != task || GetName() == task->GetName()) return false;
    return SetName(task->GetName());
}
