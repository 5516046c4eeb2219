#include "model/ConditionKav.h"

#include "model/CloneFlags.h"
#include "platform/UniqueId.h"

CConditionKav::CConditionKav(std::string id, std::string text)
    : CKavroObj(kKindCondition), uniqueId_(MakeUniqueId()), id_(std::move(id)), text_(std::move(text)) {}

bool CConditionKav::SetText(const std::string& text) {
    text_ = text;
    return true;
}

CConditionKav* CConditionKav::Clone(int flags) const {
    auto* copy = new CConditionKav(id_, text_);
    if (flags & kCloneKeepId) copy->uniqueId_ = uniqueId_;
    copy->TakeFileFromClone(*this, flags);
    return copy;
}
