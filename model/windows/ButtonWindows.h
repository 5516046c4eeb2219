#pragma once
// Buttons, and the group boxes that gather radio buttons.
#include <string>
#include <vector>

#include "model/windows/TextWindows.h"

class CPushButtonKav : public CWindowKav {
public:
    explicit CPushButtonKav(const WindowFields& fields) : CWindowKav(kWndPushButton, fields) {}

    // BS_DEFPUSHBUTTON in the low four bits ("$defaultbutton").
    bool IsDefaultButton() const { return HasStyleKind(win32::BS_TYPEMASK, win32::BS_DEFPUSHBUTTON); }
    // Clears the low four bits; on sets BS_DEFPUSHBUTTON.
    bool SetDefaultButton(bool on);
};

class CCheckBoxKav : public CWindowKav {
public:
    explicit CCheckBoxKav(const WindowFields& fields, int checkValue = 0)
        : CWindowKav(kWndCheckBox, fields), checkValue_(checkValue) {}

    bool IsAuto() const;
    bool IsTriState() const;
    // The button type becomes BS_CHECKBOX, BS_AUTOCHECKBOX, BS_3STATE or BS_AUTO3STATE: each
    // setter changes its own half and keeps the other.
    bool SetAuto(bool on);
    bool SetTriState(bool on);
    // 0 unchecked, 1 checked, 2 undetermined.
    int GetValue() const { return checkValue_; }
    bool SetValue(int value) { return StoreField(checkValue_, value); }

protected:
    void CopyTypeDataTo(CWindowKav& copy, int flags) const override;
    bool IsTypeDataEqual(const CWindowKav& other) const override;

private:
    int checkValue_;
};

class CGroupBoxKav;

class CRadioButtonKav : public CWindowKav {
public:
    explicit CRadioButtonKav(const WindowFields& fields) : CWindowKav(kWndRadioButton, fields) {}

    // BS_AUTORADIOBUTTON in the low four bits.
    bool IsAuto() const { return HasStyleKind(win32::BS_TYPEMASK, win32::BS_AUTORADIOBUTTON); }
    // The sibling group box whose rectangle holds the button's top-left corner (right and
    // bottom edges outside), the nearest by its own top-left corner; windows of recorded Java
    // GUI descriptions are children of their group box instead.
    CGroupBoxKav* FindGroupBox() const;
};

class CGroupBoxKav : public CExtraTextWindowKav {
public:
    explicit CGroupBoxKav(const WindowFields& fields, std::string text = {})
        : CExtraTextWindowKav(kWndGroupBox, fields, std::move(text), true) {}

    // The radio buttons that belong to the group box, in child order; empty when none.
    std::vector<CRadioButtonKav*> GetRadioButtons() const;
    // The first of them with that caption (without case), or null.
    CRadioButtonKav* FindRadioButton(const std::string& caption) const;
};

// The GUI builder number of windows from recorded Java GUI descriptions.
inline constexpr int kJavaGuiBuilderId = 996;
