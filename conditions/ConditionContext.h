#pragma once
// The receiver of every condition and designator operation: whether designators name objects
// of the project, or the fields of one data set while that data set's effect conditions are
// handled. A small value object; operations take it by reference and never keep it.
class CDataSet;

enum ConditionMode : int {
    kEffectConditionMode = 0,  // a designator is the bare name of a field of the data set
    kProjectMode = 1,          // designators name objects of CurrentApplication
};

class CConditionContext {
public:
    CConditionContext(int mode, CDataSet* dataSet) : mode_(mode), dataSet_(dataSet) {}

    int GetMode() const { return mode_; }
    bool IsEffectCondition() const { return mode_ == kEffectConditionMode; }
    // Read only for effect conditions; may be null.
    CDataSet* GetDataSet() const { return dataSet_; }

private:
    int mode_;
    CDataSet* dataSet_;
};

CConditionContext InitConditionContext(int mode = kProjectMode, CDataSet* dataSet = nullptr);
// The same, and the global message buffer is emptied: for callers that read the buffer after a
// failure and must not see an older message.
CConditionContext ResetConditionMessage(int mode = kProjectMode, CDataSet* dataSet = nullptr);
