#pragma once
// The window class editor: the window classes of one GUI builder, each a class name (or a
// pattern with "*") with the window type its windows get, one of each type the default. It
// works on a copy of the builder, whose classes replace the builder's only on OK after a change.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "editors/framework/EditorDialog.h"
#include "model/GUIBuilder.h"

class CWinClassEditorDlg : public EditorDialog {
public:
    static constexpr int kResourceId = 252;
    enum ControlId : int {
        kClassList = 1281, kClassName = 1282, kBaseClass = 1283, kDefaultBox = 1288,
        kNew = 3, kSet = 4, kDelete = 5,
    };

    explicit CWinClassEditorDlg(EditorHost& host);

    // Edits the builder's classes: true when they were replaced by the edited ones, which keep
    // their unique ids.
    bool EditWindowClasses(CGUIBuilder& builder);

    void OnInitDialog() override;
    bool OnOK() override;
    // Set: the chosen class changed, or a new one; false after a refusal.
    bool ApplyClass();
    void OnNew();
    void OnDelete();
    // A row was chosen: its class, or null beside the rows.
    void OnItemSelected(CWindowClass* windowClass);

    bool IsModified() const { return modified_; }

protected:
    void OnListRowChosen(int list, int row) override;

private:
    std::vector<std::string> RowTexts(const CWindowClass& windowClass) const;
    // The type code of the base class chosen, -1 for none.
    int ChosenType() const;
    // After Set, New and Delete: an empty name, no default, no type and no row chosen.
    void StartNewClass();

    std::unique_ptr<CGUIBuilder> copy_;
    bool modified_ = false;
};
