#include "model/TCGParameters.h"

bool CTCGParameters::Matches(const CWindowKav* window, const CStepKav* transition, const std::string& variable,
                             const std::string& value) const {
    if (transition_) return window_ == window && transition_ == transition;
    return window_ == window && !transition && variable_ == variable && value_ == value;
}
