#include "model/TestStep.h"

#include "model/TaskStep.h"

CTestStep::CTestStep(std::string name, std::string event, std::string commands, std::string description,
                     std::string input, std::string expectedResult, CWindowKav* startWindow, CWindowKav* destWindow,
                     int delay, int criticality, std::string resultValue, CTaskStep* baseStep, CTaskKav* task,
                     CTransitionKav* transition, std::string comment)
    : CStepKav(kStepTest, std::move(name), std::move(event), std::move(commands), std::move(description),
               std::move(input), std::move(expectedResult), startWindow, destWindow, delay, nullptr, criticality,
               std::move(resultValue)),
      task_(task),
      transition_(transition),
      comment_(std::move(comment)) {
    SetSourceStep(baseStep);
}

void CTestStep::SetSourceStep(CTaskStep* step) {
    CopyFieldsFrom(step);
    baseStep_ = step;
}
