#include "model/ConditionKav.h"

#include "conditions/ConditionParser.h"
#include "model/ApplicationKav.h"
#include "model/CloneFlags.h"
#include "model/ShellServices.h"
#include "platform/MessageBuffer.h"
#include "platform/UniqueId.h"

CConditionKav::CConditionKav(std::string id, std::string text)
    : CKavroObj(kKindCondition), uniqueId_(MakeUniqueId()), id_(std::move(id)), text_(std::move(text)) {}

CConditionKav::~CConditionKav() = default;

bool CConditionKav::SetText(const std::string& text) {
    text_ = text;
    tree_.reset();
    return true;
}

CConditionTree* CConditionKav::Parse() {
    tree_.reset();
    std::string expanded;
    if (!ExpandMetaIds(expanded)) return nullptr;
    tree_ = ParseCondition(ResetConditionMessage(kProjectMode, nullptr), expanded);
    return tree_.get();
}

bool CConditionKav::ExpandMetaIds(std::string& expanded) const {
    expanded = text_;
    const CConditionList noMetaConditions;
    const CConditionList& metaConditions =
        CurrentApplication ? CurrentApplication->GetMetaConditions() : noMetaConditions;
    if (metaConditions.ResolveMetaIds(expanded, std::nullopt)) return true;
    SetMessage(44055, text_);
    return false;
}

CConditionKav* CConditionKav::Clone(int flags) const {
    auto* copy = new CConditionKav(id_, text_);
    if (flags & kCloneKeepId) copy->uniqueId_ = uniqueId_;
    copy->TakeFileFromClone(*this, flags);
    return copy;
}
