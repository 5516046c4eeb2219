#pragma once
// The property dialog of a window: the fields every window has (window ID, numeric ID, GUI
// builder, class name, caption, "Opened by", visible, enabled, tag), the button that opens the
// data the project's target tool keeps on the window, and the type's own controls from its
// row of the type table. OK checks first and then writes: the common fields, the tool data
// and what a type does on OK (the tab pages) while the dialog is open, the type's own controls
// once it has closed, with the undo step "Edit Window Properties".
#include <memory>
#include <string>

#include "editors/framework/EditorDialog.h"
#include "editors/windows/PropertyTypes.h"

class CApplicationKav;
class CWindowKav;
class CXMLElement;

// Dialog ids of the common controls.
enum PropertiesDlgControl : int {
    kPropWindowId = 1085,
    kPropNumericId = 1086,
    kPropGuiBuilder = 1092,
    kPropClassName = 1091,
    kPropCaption = 1087,
    kPropOpenedBy = 1088,
    kPropVisible = 1089,
    kPropEnabled = 1090,
    kPropTag = 1004,
    kPropToolButton = 1014,
};

class CPropertiesDlg : public EditorDialog {
public:
    // Results of EditWindow.
    enum Result : int { kNothingWritten = 0, kWritten = 1, kWrittenAndRenamed = 2 };

    // The dialog of the type code; null for a code outside 0 to 21 (the caller shows F0029).
    static std::unique_ptr<CPropertiesDlg> CreateForType(EditorHost& host, CApplicationKav& project, int type);

    ~CPropertiesDlg() override;

    // Runs the dialog on the window and returns what it wrote.
    int EditWindow(CWindowKav& window);

    int GetWindowType() const { return type_; }
    const WindowTypeProperties& TypeProperties() const { return GetWindowTypeProperties(type_); }
    bool IsReadOnly() const { return readOnly_; }
    // The tool data the dialog will hand to the window on OK, or null.
    const CXMLElement* GetToolDataCopy() const { return toolData_.get(); }

    void OnInitDialog() override;
    bool OnOK() override;
    // The tool button: the data of the project's output format (UFT, Ranorex, SMURF).
    void OnToolProperties();
    // A button or check box among the type's own controls was clicked.
    virtual void OnTypeControlClicked(int id) { (void)id; }

protected:
    CPropertiesDlg(EditorHost& host, CApplicationKav& project, int type);

    CApplicationKav& Project() const { return project_; }
    CWindowKav& Window() const { return *window_; }

    // Each type control from its model value, and back, by the bindings of the type's row.
    virtual void ReadTypeProperties();
    virtual void WriteTypeProperties();
    // What a type refuses on OK before anything is written; false after a refusal.
    virtual bool CheckTypeProperties();
    // What a type writes on OK once every check passed, before the common fields.
    virtual void ApplyTypePropertiesOnOK() {}

    int HelpTopic() const override;

    // A choice's entry by index ("" for none), and the index of the entry shown (-1 for none).
    void ShowChoiceIndex(int id, int index);
    int ChoiceIndex(int id) const;

private:
    void ReadCommonProperties();
    void FillGuiBuilders();
    void ShowToolControls();
    bool ReadNumericId(int& numId);
    void WriteCommonProperties(int numId);
    void HandOverToolData();

    CApplicationKav& project_;
    int type_;
    CWindowKav* window_ = nullptr;
    std::unique_ptr<CXMLElement> toolData_;
    int result_ = kNothingWritten;
    bool readOnly_ = false;
};

// The frame's Properties command on a window: F0029 when no dialog serves the window's type,
// else the dialog's run, after which a change refreshes the views. Returns the run's result.
int EditWindowProperties(EditorHost& host, CApplicationKav& project, CWindowKav& window);
