#pragma once
// The designator values that a test has established so far, in the order they were set. An
// empty combination stands for a test without values yet. It owns its variables.
#include <string>

#include "model/Variable.h"
#include "platform/ObjectList.h"

class CCombination {
public:
    CCombination() = default;
    CCombination(const CCombination&) = delete;
    CCombination& operator=(const CCombination&) = delete;
    virtual ~CCombination() = default;

    const OwningList<CVariable>& GetVariables() const { return variables_; }

    // The first variable whose name equals the text without case, or null.
    CVariable* FindVariable(const std::string& name) const;
    // Appends the variable and takes ownership; returns 1.
    int AddVariable(CVariable* variable);
    // Deletes the first variable of that name (without case); 1 when there was one, else 0.
    int RemoveVariable(const std::string& name);
    // Deletes every variable whose name, split as a designator, names the window of that path
    // text ("^Lib:Win" for a window of a library), without case. 1; 0 and nothing removed when
    // a name cannot be split.
    int RemoveVariablesOfWindow(const std::string& windowPath);
    // Deletes every variable; returns TRUE.
    bool RemoveAll();
    // Replaces the target's variables by copies of these, in order: later changes to either
    // combination do not reach the other.
    void CopyTo(CCombination& target) const;

private:
    OwningList<CVariable> variables_;
};
