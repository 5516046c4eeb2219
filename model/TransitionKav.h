#pragma once
// What using a window does: owned by the window it starts from.
#include "model/StepKav.h"

class CTransitionKav : public CStepKav {
public:
    CTransitionKav(std::string name, std::string event, std::string commands, std::string description,
                   std::string input, std::string expectedResult, CWindowKav* startWindow, CWindowKav* destWindow,
                   int delay, const OwningList<CAttributeKav>* attributeSource, int criticality,
                   std::string resultValue, int errorCase)
        : CStepKav(kStepTransition, std::move(name), std::move(event), std::move(commands), std::move(description),
                   std::move(input), std::move(expectedResult), startWindow, destWindow, delay, attributeSource,
                   criticality, std::move(resultValue)),
          errorCase_(errorCase) {}

    // The transition describes an error case.
    int GetErrorCase() const { return errorCase_; }
    bool SetErrorCase(int errorCase) {
        errorCase_ = errorCase;
        return true;
    }
    // The window view draws a marked transition with another pen.
    int GetMark() const { return mark_; }
    void SetMark(int mark) { mark_ = mark; }

private:
    int mark_ = 0;
    int errorCase_;
};
