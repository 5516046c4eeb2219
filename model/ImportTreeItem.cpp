#include "model/ImportTreeItem.h"

#include "model/AttributeKav.h"
#include "model/ConditionKav.h"
#include "model/DataObj.h"
#include "model/GUIBuilder.h"
#include "model/Requirement.h"
#include "model/TaskKav.h"
#include "model/WindowKav.h"

namespace {

std::string DisplayTextOf(const CKavroObj& object) {
    switch (object.GetKind()) {
        case kKindAttribute: return static_cast<const CAttributeKav&>(object).GetName();
        case kKindCondition: return static_cast<const CConditionKav&>(object).GetId();
        case kKindDataObject: return static_cast<const CDataObj&>(object).GetName();
        case kKindGuiBuilder: return static_cast<const CGUIBuilder&>(object).GetName();
        case kKindRequirement: {
            const auto& requirement = static_cast<const CRequirement&>(object);
            const std::string title = requirement.GetTitle();
            return title.empty() ? requirement.GetID() : requirement.GetID() + " - " + title;
        }
        case kKindTask: return static_cast<const CTaskKav&>(object).GetName();
        case kKindWindow: return static_cast<const CWindowKav&>(object).GetName();
        default: return {};
    }
}

}  // namespace

CImportTreeItem::CImportTreeItem(CKavroObj* shown, bool fromOther)
    : object(shown), fromOtherProject(fromOther ? 1 : 0) {
    if (object) {
        object->SetImportItem(this);
        displayText = DisplayTextOf(*object);
    }
    oldName = newName = displayText;
}

CImportTreeItem::CImportTreeItem(std::string rootText) : displayText(std::move(rootText)) {
    oldName = newName = displayText;
}

CImportTreeItem::~CImportTreeItem() {
    for (CImportTreeItem* child : children) delete child;
}

CImportTreeItem* CImportTreeItem::AddChild(CImportTreeItem* child) {
    children.push_back(child);
    child->parent = this;
    return child;
}

int CImportTreeItem::UpdateHasNewOrChanged() {
    hasNewOrChanged = 0;
    for (const CImportTreeItem* child : children)
        if (!child->counterpart || child->changed || child->hasNewOrChanged) {
            hasNewOrChanged = 1;
            break;
        }
    return hasNewOrChanged;
}
