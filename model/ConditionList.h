#pragma once
// An owning list of conditions; the project's meta-conditions are one.
#include <string>

#include "model/ConditionKav.h"
#include "platform/ObjectList.h"

class CConditionList : public OwningList<CConditionKav> {
public:
    // The first condition whose ID equals the text without case (byUniqueId false) or whose
    // unique id equals it exactly (byUniqueId true); null when none.
    CConditionKav* FindCondition(const std::string& text, bool byUniqueId) const;
};
