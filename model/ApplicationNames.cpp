// The application root's names: legal and unique names from any text, and the reference text
// of an object.
#include "model/ApplicationKav.h"
#include "model/ObjectNames.h"
#include "model/WindowKav.h"
#include "platform/TextUtil.h"

namespace {

// base, base1, base2, ...: the first that names no task of the main file but the one to ignore.
std::string FirstFreeTaskName(const CApplicationKav& app, const std::string& base, const CTaskKav* ignore) {
    std::string candidate = base;
    for (int n = 1;; ++n) {
        const CTaskKav* task = app.FindTask(candidate, false, app.GetMainFile());
        if (!task || task == ignore) return candidate;
        candidate = base + std::to_string(n);
    }
}

}  // namespace

std::string CApplicationKav::MakeValidObjectName(const std::string& text, int kind, int windowType) const {
    std::string name;
    for (char c : text)  // identifier characters are ASCII, so bytes serve
        if (IsIdentifierChar(static_cast<unsigned char>(c))) name += c;
    if (name.empty()) name = "ID";
    if (name[0] >= '0' && name[0] <= '9') name = "ID" + name;
    name.resize(std::min<size_t>(name.size(), kind == kKindTask ? 100 : 30));
    if (kind != kKindWindow) return name;
    // The suffix comes after the cut, the number after the suffix.
    if (windowType == kWndStaticText) name += "_TXT";
    else if (windowType == kWndGroupBox) name += "_GRP";
    return windows_.MakeUniqueName(name);
}

std::string CApplicationKav::MakeValidTaskName(const std::string& text, const CTaskKav* ignore) const {
    return FirstFreeTaskName(*this, MakeValidObjectName(text, kKindTask, 99), ignore);
}

std::string CApplicationKav::MakeUniqueName(const std::string& base) const {
    return FirstFreeTaskName(*this, base, nullptr);
}

std::string CApplicationKav::GetObjectPathText(const CKavroObj* object) const {
    if (!object) return {};
    std::string prefix;
    if (object->GetFile() && object->GetFile() != GetMainFile()) prefix = "^" + object->GetFile()->GetName() + ":";
    switch (object->GetKind()) {
        case kKindAttribute: return prefix + ":" + static_cast<const CAttributeKav*>(object)->GetName();
        case kKindCondition: return prefix + "%" + static_cast<const CConditionKav*>(object)->GetId();
        case kKindDataObject: return prefix + "~" + static_cast<const CDataObj*>(object)->GetName();
        case kKindRequirement: return prefix + static_cast<const CRequirement*>(object)->GetID();
        case kKindTask: return prefix + "@" + static_cast<const CTaskKav*>(object)->GetName();
        case kKindWindow: return prefix + static_cast<const CWindowKav*>(object)->GetName();
        default: return {};
    }
}
