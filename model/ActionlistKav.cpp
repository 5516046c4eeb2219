#include "model/ActionlistKav.h"

#include "model/ActionCatalogue.h"
#include "platform/MessageBuffer.h"

bool CActionlistKav::CheckAgainstCatalogue(OwningList<CActionKav>& loaded) const {
    for (CActionKav* action : loaded) {
        const CActionKav* entry = FindPredefinedAction(*this, action->GetNumber());
        if (!entry) {
            SetMessage(44862, action->GetNumber());
            return false;
        }
        action->SetName(entry->GetName());
        const auto& expected = entry->GetArguments();
        auto& arguments = action->GetArguments();
        for (size_t i = 0; i < expected.size(); ++i) {
            if (i >= arguments.size()) {
                SetMessage(44863, action->GetNumber());
                return false;
            }
            arguments[i]->SetName(expected[i]->GetName());
            arguments[i]->SetValueType(expected[i]->GetValueType());
        }
        if (arguments.size() > expected.size()) {
            SetMessage(44864, action->GetNumber());
            return false;
        }
    }
    return true;
}
