#pragma once
// The property dialogs of the window types whose controls do more than read and write one
// model value: the check box's initial value list follows Tri-state, the group box offers its
// radio buttons' captions, the menu item refuses Popup with Separator, and the tab control
// edits its pages on a working copy that OK merges into the control.
#include <memory>

#include "editors/windows/PropertiesDlg.h"

class CTabControlKav;

class CPropsCheckBoxDlg : public CPropertiesDlg {
public:
    CPropsCheckBoxDlg(EditorHost& host, CApplicationKav& project);

    void OnInitDialog() override;
    // Tri-state adds "undetermined" to the initial values or takes it away.
    void OnTypeControlClicked(int id) override;
};

class CPropsGroupBoxDlg : public CPropertiesDlg {
public:
    CPropsGroupBoxDlg(EditorHost& host, CApplicationKav& project);

    // The initial value list offers the captions of the group's radio buttons (none: empty).
    void OnInitDialog() override;
};

class CPropsMenuItemDlg : public CPropertiesDlg {
public:
    CPropsMenuItemDlg(EditorHost& host, CApplicationKav& project);

protected:
    bool CheckTypeProperties() override;
};

class CPropsTabControlDlg : public CPropertiesDlg {
public:
    CPropsTabControlDlg(EditorHost& host, CApplicationKav& project);
    ~CPropsTabControlDlg() override;

    void OnInitDialog() override;
    // "Tab Pages..." runs the tab editor on the working copy.
    void OnTypeControlClicked(int id) override;
    bool OnCancel() override;

    // The pages as the dialog edits them; null once OK merged them or Cancel dropped them.
    const CTabControlKav* GetWorkingCopy() const { return working_.get(); }

protected:
    // The edited pages replace the control's: a page the editor did not touch stays the very
    // object it was; the page windows follow the selected page.
    void ApplyTypePropertiesOnOK() override;

private:
    void ShowPageWindows(CTabControlKav& control) const;

    std::unique_ptr<CTabControlKav> working_;
    bool pagesChanged_ = false;
};
