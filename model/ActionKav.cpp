#include "model/ActionKav.h"

#include "model/ActionCatalogue.h"
#include "model/CloneFlags.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"
#include "platform/UniqueId.h"

CActionKav::CActionKav(int number) : id_(MakeUniqueId()), number_(number) {
    if (const CActionKav* entry = FindPredefinedAction(GetActionCatalogue(), number)) {
        name_ = entry->name_;
        return;
    }
    GetInteraction().ShowMessage({FormatMessageId(41017), "", MessageButtons::Ok, MessageIcon::Error});
}

CActionKav::CActionKav(int number, std::string name) : number_(number), name_(std::move(name)) {}

CArgumentKav* CActionKav::FindArgument(const std::string& name) const {
    return arguments_.FindIf([&](const CArgumentKav* a) { return EqualsNoCase(a->GetName(), name); });
}

CActionKav* CActionKav::Clone(int flags) const {
    auto* copy = new CActionKav(number_);
    if (flags & kCloneKeepId) copy->id_ = id_;
    for (const CArgumentKav* a : arguments_)
        copy->arguments_.Add(new CArgumentKav(a->GetNumber(), a->GetName(), a->GetValueType(), a->GetValue()));
    return copy;
}
