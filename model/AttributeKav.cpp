#include "model/AttributeKav.h"

#include "model/CloneFlags.h"
#include "platform/UniqueId.h"

CAttributeKav::CAttributeKav(std::string name, int type, std::string value)
    : CKavroObj(kKindAttribute), id_(MakeUniqueId()), name_(std::move(name)), type_(type), value_(std::move(value)) {}

CAttributeKav* CAttributeKav::Clone(int flags) const {
    auto* copy = new CAttributeKav(name_, type_, value_);
    if (flags & kCloneKeepId) copy->id_ = id_;
    copy->TakeFileFromClone(*this, flags);
    copy->note_ = note_;
    return copy;
}
