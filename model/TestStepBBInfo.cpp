#include "model/TestStepBBInfo.h"

#include "model/CloneFlags.h"
#include "platform/UniqueId.h"

CTestStepBBInfo::CTestStepBBInfo(std::string name, std::string dapiId, std::string testGoal,
                                 std::string configuration, std::string precondition, std::string description,
                                 std::string postcondition, int depth, std::string hierarchy)
    : id_(MakeUniqueId()),
      name_(std::move(name)),
      dapiId_(std::move(dapiId)),
      testGoal_(std::move(testGoal)),
      configuration_(std::move(configuration)),
      precondition_(std::move(precondition)),
      description_(std::move(description)),
      postcondition_(std::move(postcondition)),
      depth_(depth),
      hierarchy_(std::move(hierarchy)) {}

CTestStepBBInfo* CTestStepBBInfo::Clone(int flags) const {
    auto* copy = new CTestStepBBInfo(name_, dapiId_, testGoal_, configuration_, precondition_, description_,
                                     postcondition_, depth_, hierarchy_);
    if (flags & kCloneKeepId) copy->id_ = id_;
    copy->note_ = note_;
    for (const CAttributeKav* attribute : attributes_) copy->attributes_.Add(attribute->Clone(flags));
    return copy;
}
