#pragma once
// The window types that keep one text besides their caption, in one shared field: the initial
// value of an input field, combo box or group box, the address of a link; dialog boxes and
// list views have the field too, but it is not part of their identity.
#include <string>

#include "model/WindowKav.h"

class CExtraTextWindowKav : public CWindowKav {
public:
    std::string GetInitialValue() const { return text_; }
    bool SetInitialValue(const std::string& text) { return StoreField(text_, text); }

protected:
    // identifying: the text is compared by IsEqual and copied by Clone.
    CExtraTextWindowKav(int type, const WindowFields& fields, std::string text, bool identifying)
        : CWindowKav(type, fields), text_(std::move(text)), identifying_(identifying) {}

    void CopyTypeDataTo(CWindowKav& copy, int flags) const override;
    bool IsTypeDataEqual(const CWindowKav& other) const override;

private:
    std::string text_;
    bool identifying_;
};

class CDialogBoxKav : public CExtraTextWindowKav {
public:
    explicit CDialogBoxKav(const WindowFields& fields, std::string text = {})
        : CExtraTextWindowKav(kWndDialogBox, fields, std::move(text), false) {}

    // Kinds of GetStyleKind.
    enum StyleKind : int { kOverlapped = 0, kPopup = 1, kChild = 2 };

    // DS_CONTROL ("$control").
    bool IsControl() const { return GetStyle() & win32::DS_CONTROL; }
    // WS_EX_CONTROLPARENT in the extended style ("$controlparent").
    bool IsControlParent() const { return GetExStyle() & win32::WS_EX_CONTROLPARENT; }
    // WS_POPUP wins over WS_CHILD ("$style").
    int GetStyleKind() const;
    // Sets the kind's bit and clears the other; an unknown kind changes nothing.
    bool SetStyleKind(int kind);
    // DS_SYSMODAL ("$systemmodal").
    bool IsSystemModal() const { return GetStyle() & win32::DS_SYSMODAL; }
    bool SetSystemModal(bool on) { return SetStyleBits(win32::DS_SYSMODAL, on); }
};

class CInputFieldKav : public CExtraTextWindowKav {
public:
    explicit CInputFieldKav(const WindowFields& fields, std::string initialValue = {})
        : CExtraTextWindowKav(kWndInputField, fields, std::move(initialValue), true) {}

    bool IsMultiLine() const { return GetStyle() & win32::ES_MULTILINE; }
    bool SetMultiLine(bool on) { return SetStyleBits(win32::ES_MULTILINE, on); }
    bool IsNumber() const { return GetStyle() & win32::ES_NUMBER; }
    bool SetNumber(bool on) { return SetStyleBits(win32::ES_NUMBER, on); }
    bool IsWantReturn() const { return GetStyle() & win32::ES_WANTRETURN; }
    bool SetWantReturn(bool on) { return SetStyleBits(win32::ES_WANTRETURN, on); }
    bool IsReadOnly() const { return GetStyle() & win32::ES_READONLY; }
    bool SetReadOnly(bool on) { return SetStyleBits(win32::ES_READONLY, on); }
};

class CComboBoxKav : public CExtraTextWindowKav {
public:
    explicit CComboBoxKav(const WindowFields& fields, std::string text = {})
        : CExtraTextWindowKav(kWndComboBox, fields, std::move(text), true) {}

    // Box types of GetBoxType.
    enum BoxType : int { kSimple = 0, kDropdown = 1, kDroplist = 2 };

    // From the low four bits; anything unknown reads as a drop-down.
    int GetBoxType() const;
    // Any other value than the three box types leaves the low four bits clear.
    bool SetBoxType(int boxType);
    bool IsSorted() const { return GetStyle() & win32::CBS_SORT; }
    bool SetSorted(bool on) { return SetStyleBits(win32::CBS_SORT, on); }
};

class CLinkKav : public CExtraTextWindowKav {
public:
    explicit CLinkKav(const WindowFields& fields, std::string address = {})
        : CExtraTextWindowKav(kWndLink, fields, std::move(address), true) {}
};
