#include "model/TestCase.h"

#include "model/TaskKav.h"
#include "platform/Format.h"
#include "platform/UniqueId.h"

CTestCase::CTestCase(int number, int type, CWindowKav* window, CStepKav* transitionStep, CTaskKav* task,
                     int errorCase)
    : CKavroObj(kKindTestCase),
      id_(MakeUniqueId()),
      number_(number),
      type_(type),
      window_(window),
      transitionStep_(transitionStep),
      task_(task),
      errorCase_(errorCase) {}

std::string CTestCase::GetDisplayName() const {
    if (transitionStep_) return transitionStep_->GetName();
    if (task_) return task_->GetName() + "_" + Fmt("%03d", number_);
    return {};
}
