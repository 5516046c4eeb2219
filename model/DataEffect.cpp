#include "model/DataEffect.h"

CDataEffect* CDataEffect::Clone(int flags) const {
    auto* copy = new CDataEffect(GetName(), dataSet_, valid_);
    copy->TakeIdentityFromClone(*this, flags);
    if (condition_) copy->condition_.reset(condition_->Clone(flags));
    if (variable_) copy->variable_.reset(variable_->Clone(flags));
    return copy;
}
