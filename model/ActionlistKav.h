#pragma once
// An owning list of actions: a step's actions, and the action catalogue.
#include "model/ActionKav.h"
#include "platform/ObjectList.h"

class CActionlistKav : public OwningList<CActionKav> {
public:
    // Called on the catalogue: each loaded action takes its entry's name, and its arguments,
    // side by side with the entry's, take their names and value types. FALSE at the first
    // action that has no entry (W0862), too few arguments (W0863) or too many (W0864); the
    // actions before it keep what they received.
    bool CheckAgainstCatalogue(OwningList<CActionKav>& loaded) const;
};
