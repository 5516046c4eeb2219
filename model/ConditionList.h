#pragma once
// An owning list of conditions; the project's meta-conditions are one.
#include <optional>
#include <string>
#include <string_view>

#include "model/ConditionKav.h"
#include "platform/ObjectList.h"

class CConditionList : public OwningList<CConditionKav> {
public:
    // The first condition whose ID equals the text without case (byUniqueId false) or whose
    // unique id equals it exactly (byUniqueId true); null when none.
    CConditionKav* FindCondition(const std::string& text, bool byUniqueId) const;
    // No condition of the list has the ID (without case).
    bool IsIdUnused(const std::string& id) const;
    // An ID a meta-condition may have: FALSE without a message when empty or longer than 30
    // characters, else the identifier check with its messages.
    static bool CheckMetaConditionId(const std::string& id);
    // Removes and deletes the first condition with the ID (without case), when there is one.
    void RemoveCondition(const std::string& id);

    // Replaces every "%" reference in the text by the text of the meta-condition of that ID,
    // also inside inserted texts. 1 when done; 0 with W0056 for a reference that recurs along
    // its chain of references (or equals ownId), W0057 for an unknown ID, the text then left
    // as far as it was expanded. Empties the message buffer first.
    int ResolveMetaIds(std::string& text, std::optional<std::string_view> ownId) const;
};
