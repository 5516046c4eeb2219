#include "conditions/ConditionContext.h"

#include "platform/MessageBuffer.h"

CConditionContext InitConditionContext(int mode, CDataSet* dataSet) { return {mode, dataSet}; }

CConditionContext ResetConditionMessage(int mode, CDataSet* dataSet) {
    ClearGlobalMessage();
    return {mode, dataSet};
}
