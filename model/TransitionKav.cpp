#include "model/TransitionKav.h"

CTransitionKav::CTransitionKav(std::string name, std::string event, std::string commands, std::string description,
                               std::string input, std::string expectedResult, CWindowKav* startWindow,
                               CWindowKav* destWindow, int delay, const OwningList<CAttributeKav>* attributeSource,
                               int criticality, std::string resultValue, int errorCase)
    : CStepKav(kStepTransition, std::move(name), std::move(event), std::move(commands), std::move(description),
               std::move(input), std::move(expectedResult), startWindow, destWindow, delay, attributeSource,
               criticality, std::move(resultValue)),
      errorCase_(errorCase) {}

CTransitionKav* CTransitionKav::Clone(int flags) const {
    auto* copy = new CTransitionKav(GetName(), GetEvent(), GetCommands(), GetDescription(), GetInput(),
                                    GetExpectedResult(), nullptr, nullptr, GetDelay(), nullptr, GetCriticality(),
                                    GetResultValue(), errorCase_);
    copy->mark_ = mark_;
    copy->arrow_ = arrow_;
    copy->hitRegion_ = hitRegion_;
    copy->polyline_ = polyline_;
    copy->labelRect_ = labelRect_;
    copy->furtherWord_ = furtherWord_;
    copy->CopyStepPartsFrom(*this, flags);
    return copy;
}
