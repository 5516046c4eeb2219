#pragma once
// What one level of the transition search is looking for: a transition of a window (or, with
// no transition, input into the window itself) to give a variable a value. The search keeps a
// record per level and skips a candidate that an outer level already asks for, which would
// otherwise recurse without end.
#include <string>

class CStepKav;
class CWindowKav;

class CTCGParameters {
public:
    CTCGParameters() = default;
    CTCGParameters(const CWindowKav* window, const CStepKav* transition, std::string variable, std::string value)
        : window_(window), transition_(transition), variable_(std::move(variable)), value_(std::move(value)) {}

    const CWindowKav* GetWindow() const { return window_; }
    const CStepKav* GetTransition() const { return transition_; }
    const std::string& GetVariable() const { return variable_; }
    const std::string& GetValue() const { return value_; }

    // Whether this record already asks for the candidate: with a transition, the same window
    // and transition; without one, input into the same window (the candidate has no transition
    // either) for the same variable and value, compared exactly.
    bool Matches(const CWindowKav* window, const CStepKav* transition, const std::string& variable,
                 const std::string& value) const;

private:
    const CWindowKav* window_ = nullptr;
    const CStepKav* transition_ = nullptr;
    std::string variable_;
    std::string value_;
};
