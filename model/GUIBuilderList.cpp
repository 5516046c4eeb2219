#include "model/GUIBuilderList.h"

#include <algorithm>
#include <limits>

#include "platform/TextUtil.h"

void CGUIBuilderList::RemoveUserDefined() {
    for (CGUIBuilder* builder : Snapshot()) {
        if (!builder->IsPreDef()) {
            Delete(builder);
            continue;
        }
        OwningList<CWindowClass>& classes = builder->GetWindowClasses();
        for (CWindowClass* windowClass : classes.Snapshot())
            if (!windowClass->IsPreDef()) classes.Delete(windowClass);
    }
}

int CGUIBuilderList::GetNextGuiID() const {
    int largest = 1;
    for (const CGUIBuilder* builder : *this) largest = std::max(largest, builder->GetGuiID());
    // A file can bring any number; the largest one saturates rather than wrapping.
    return largest == std::numeric_limits<int>::max() ? largest : largest + 1;
}

CGUIBuilder* CGUIBuilderList::FindBuilder(std::string_view key, bool byUniqueId) const {
    return FindIf([&](const CGUIBuilder* builder) {
        return byUniqueId ? builder->GetId() == key : EqualsNoCase(builder->GetName(), key);
    });
}

CGUIBuilder* CGUIBuilderList::FindByGuiID(int guiId) const {
    return FindIf([&](const CGUIBuilder* builder) { return builder->GetGuiID() == guiId; });
}

bool CGUIBuilderList::FindWindowClass(std::string_view className, CGUIBuilder*& builder,
                                      CWindowClass*& windowClass) const {
    for (CGUIBuilder* candidate : *this) {
        if (CWindowClass* found = candidate->FindWindowClass(className)) {
            builder = candidate;
            windowClass = found;
            return true;
        }
    }
    builder = nullptr;
    windowClass = nullptr;
    return false;
}

CGUIBuilderList& GetGuiBuilderDatabase() {
    static CGUIBuilderList database;
    return database;
}
