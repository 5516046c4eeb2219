#include "model/GUIBuilder.h"

#include "model/CloneFlags.h"
#include "platform/UniqueId.h"

CGUIBuilder::CGUIBuilder(std::string name, int guiId, int preDef)
    : CKavroObj(kKindGuiBuilder), id_(MakeUniqueId()), name_(std::move(name)), guiId_(guiId), preDef_(preDef) {}

std::string CGUIBuilder::GetClassNameForType(int type) const {
    const CWindowClass* found = windowClasses_.FindIf(
        [&](const CWindowClass* c) { return c->GetBaseType() == type && c->IsDefault(); });
    if (!found) found = windowClasses_.FindIf([&](const CWindowClass* c) { return c->GetBaseType() == type; });
    return found ? found->GetName() : std::string();
}

bool CGUIBuilder::HasUserDefinedClasses() const {
    return windowClasses_.FindIf([](const CWindowClass* c) { return !c->IsPreDef(); }) != nullptr;
}

CWindowClass* CGUIBuilder::FindWindowClass(std::string_view className) const {
    return windowClasses_.FindIf([&](const CWindowClass* c) { return MatchClassNamePattern(className, c->GetName()); });
}

bool CGUIBuilder::SetDefaultClass(const CWindowClass* windowClass) {
    if (!windowClasses_.Contains(windowClass)) return false;
    for (CWindowClass* c : windowClasses_)
        if (c->GetBaseType() == windowClass->GetBaseType()) c->SetDefault(c == windowClass ? 1 : 0);
    return true;
}

CGUIBuilder* CGUIBuilder::Copy(int flags) const {
    auto* copy = new CGUIBuilder(name_, guiId_, preDef_);
    if (flags & kCloneKeepId) copy->id_ = id_;
    copy->TakeFileFromClone(*this, flags);
    for (const CWindowClass* c : windowClasses_) {
        auto* classCopy = copy->windowClasses_.Add(
            new CWindowClass(c->GetName(), c->GetBaseType(), c->IsPreDef() ? 1 : 0, c->IsDefault() ? 1 : 0));
        if (flags & kCloneKeepId) classCopy->SetId(c->GetId());
    }
    return copy;
}
