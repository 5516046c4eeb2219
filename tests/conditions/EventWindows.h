#pragma once
// A project with one window of each kind that the event rules tell apart, by name.
#include <map>
#include <string>

#include "model/Win32Styles.h"
#include "tests/support/ProjectBuilder.h"
#include "tests/support/WindowBuilder.h"

class EventWindowsTest : public ProjectTest {
protected:
    void SetUp() override {
        CWindowKav* dialog = Add("Dlg", kWndDialogBox, nullptr, win32::WS_CAPTION);
        Add("Main", kWndMain, nullptr, win32::WS_CAPTION);
        Add("Bare", kWndDialogBox, nullptr);  // no title bar, no parent
        Add("Child", kWndChild, dialog);      // no title bar, a parent
        for (const auto& [name, type] : std::map<std::string, int>{
                 {"Button", kWndPushButton}, {"Static", kWndStaticText}, {"Input", kWndInputField},
                 {"List", kWndListBox}, {"View", kWndListView}, {"Tree", kWndTreeControl}, {"Table", kWndTable},
                 {"Tools", kWndToolBar}, {"Tab", kWndTabControl}, {"Radio", kWndRadioButton}, {"Box", kWndCheckBox},
                 {"Combo", kWndComboBox}, {"Droplist", kWndComboBox}, {"Link", kWndLink}}) {
            Add(name, type, dialog);
        }
        As<CComboBoxKav>(windows_["Combo"]).SetBoxType(CComboBoxKav::kDropdown);
        As<CComboBoxKav>(windows_["Droplist"]).SetBoxType(CComboBoxKav::kDroplist);
        Add("TriBox", kWndCheckBox, dialog, win32::BS_AUTO3STATE);
        CWindowKav* menu = Add("Menu", kWndMenu, dialog);
        Add("Item", kWndMenuItem, menu);
        Add("Popup", kWndMenuItem, menu, win32::MF_POPUP);
        windows_["Group"] = AddControl(project, "Group", kWndGroupBox, dialog, {0, 0, 100, 100});
        windows_["Red"] = AddControl(project, "Red", kWndRadioButton, dialog, {10, 10, 50, 20}, "Red");
    }

    CWindowKav* Window(const std::string& name) {
        EXPECT_TRUE(windows_.count(name)) << name;
        return windows_[name];
    }

private:
    CWindowKav* Add(const std::string& name, int type, CWindowKav* parent, std::uint32_t style = 0) {
        CWindowKav* window = project.AddWindow(name, parent, type);
        window->SetStyle(window->GetStyle() | style);
        return windows_[name] = window;
    }

    std::map<std::string, CWindowKav*> windows_;
};
