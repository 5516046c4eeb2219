#include "model/windows/ButtonWindows.h"

#include <cmath>

#include "platform/TextUtil.h"

bool CPushButtonKav::SetDefaultButton(bool on) {
    SetStyleKind(win32::BS_TYPEMASK, on ? win32::BS_DEFPUSHBUTTON : 0);
    return true;
}

bool CCheckBoxKav::IsAuto() const {
    return HasStyleKind(win32::BS_TYPEMASK, win32::BS_AUTOCHECKBOX) ||
           HasStyleKind(win32::BS_TYPEMASK, win32::BS_AUTO3STATE);
}

bool CCheckBoxKav::IsTriState() const {
    return HasStyleKind(win32::BS_TYPEMASK, win32::BS_3STATE) ||
           HasStyleKind(win32::BS_TYPEMASK, win32::BS_AUTO3STATE);
}

bool CCheckBoxKav::SetAuto(bool on) {
    const bool triState = IsTriState();
    SetStyleKind(win32::BS_TYPEMASK, on ? (triState ? win32::BS_AUTO3STATE : win32::BS_AUTOCHECKBOX)
                                        : (triState ? win32::BS_3STATE : win32::BS_CHECKBOX));
    return true;
}

bool CCheckBoxKav::SetTriState(bool on) {
    const bool automatic = IsAuto();
    SetStyleKind(win32::BS_TYPEMASK, on ? (automatic ? win32::BS_AUTO3STATE : win32::BS_3STATE)
                                        : (automatic ? win32::BS_AUTOCHECKBOX : win32::BS_CHECKBOX));
    return true;
}

void CCheckBoxKav::CopyTypeDataTo(CWindowKav& copy, int /*flags*/) const {
    static_cast<CCheckBoxKav&>(copy).checkValue_ = checkValue_;
}

bool CCheckBoxKav::IsTypeDataEqual(const CWindowKav& other) const {
    return static_cast<const CCheckBoxKav&>(other).checkValue_ == checkValue_;
}

CGroupBoxKav* CRadioButtonKav::FindGroupBox() const {
    CWindowKav* parent = GetParent();
    if (!parent) return nullptr;
    if (GetGuiID() == kJavaGuiBuilderId)
        return parent->GetType() == kWndGroupBox ? static_cast<CGroupBoxKav*>(parent) : nullptr;
    const WindowRect& own = GetRect();
    CWindowKav* nearest = nullptr;
    double nearestDistance = 99999999.0;
    for (CWindowKav* sibling : parent->GetChildren()) {
        if (sibling->GetType() != kWndGroupBox) continue;
        const WindowRect& box = sibling->GetRect();
        if (own.left < box.left || own.left >= box.right || own.top < box.top || own.top >= box.bottom) continue;
        const double distance = std::hypot(double(own.left - box.left), double(own.top - box.top));
        if (distance < nearestDistance) {
            nearest = sibling;
            nearestDistance = distance;
        }
    }
    return static_cast<CGroupBoxKav*>(nearest);
}

std::vector<CRadioButtonKav*> CGroupBoxKav::GetRadioButtons() const {
    std::vector<CRadioButtonKav*> buttons;
    const bool ownChildren = GetGuiID() == kJavaGuiBuilderId;
    const CWindowKav* holder = ownChildren ? this : GetParent();
    if (!holder) return buttons;
    for (CWindowKav* child : holder->GetChildren()) {
        if (child->GetType() != kWndRadioButton) continue;
        auto* button = static_cast<CRadioButtonKav*>(child);
        if (ownChildren || button->FindGroupBox() == this) buttons.push_back(button);
    }
    return buttons;
}

CRadioButtonKav* CGroupBoxKav::FindRadioButton(const std::string& caption) const {
    for (CRadioButtonKav* button : GetRadioButtons())
        if (EqualsNoCase(button->GetCaption(), caption)) return button;
    return nullptr;
}
