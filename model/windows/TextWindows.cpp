#include "model/windows/TextWindows.h"

void CExtraTextWindowKav::CopyTypeDataTo(CWindowKav& copy, int /*flags*/) const {
    if (identifying_) static_cast<CExtraTextWindowKav&>(copy).text_ = text_;
}

bool CExtraTextWindowKav::IsTypeDataEqual(const CWindowKav& other) const {
    return !identifying_ || static_cast<const CExtraTextWindowKav&>(other).text_ == text_;
}

int CDialogBoxKav::GetStyleKind() const {
    if (GetStyle() & win32::WS_POPUP) return kPopup;
    if (GetStyle() & win32::WS_CHILD) return kChild;
    return kOverlapped;
}

bool CDialogBoxKav::SetStyleKind(int kind) {
    if (kind < kOverlapped || kind > kChild) return true;
    SetStyleBits(win32::WS_POPUP, kind == kPopup);
    SetStyleBits(win32::WS_CHILD, kind == kChild);
    return true;
}

int CComboBoxKav::GetBoxType() const {
    switch (GetStyle() & win32::CBS_TYPEMASK) {
        case win32::CBS_SIMPLE: return kSimple;
        case win32::CBS_DROPDOWNLIST: return kDroplist;
        default: return kDropdown;
    }
}

bool CComboBoxKav::SetBoxType(int boxType) {
    std::uint32_t kind = 0;
    switch (boxType) {
        case kSimple: kind = win32::CBS_SIMPLE; break;
        case kDropdown: kind = win32::CBS_DROPDOWN; break;
        case kDroplist: kind = win32::CBS_DROPDOWNLIST; break;
        default: break;
    }
    SetStyleKind(win32::CBS_TYPEMASK, kind);
    return true;
}
