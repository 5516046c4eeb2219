#pragma once
// The GUI builder editor: lists every builder of the database, creates, renames and deletes the
// user-defined ones, and opens the window class editor on one. It works on copies, which
// replace the database's builders only when the user ends with OK after a change.
#include <string>

#include "editors/framework/EditorDialog.h"
#include "model/GUIBuilderList.h"

class CApplicationKav;

class CGUIBuilderEditorDlg : public EditorDialog {
public:
    static constexpr int kResourceId = 253;
    enum ControlId : int {
        kBuilderList = 1285, kBuilderName = 1284,
        kWindowClasses = 6, kNew = 3, kSet = 4, kDelete = 5,
    };

    // New builders belong to the project's main file, which a changed database marks modified.
    CGUIBuilderEditorDlg(EditorHost& host, CGUIBuilderList& database, CApplicationKav& project);

    // The whole edit: true when the database took the edited builders.
    bool EditBuilderList();

    void OnInitDialog() override;
    bool OnOK() override;
    bool OnCancel() override;
    // Set: a new builder from the name, or the chosen one renamed; false after a refusal.
    bool ApplyName();
    void OnNew();
    void OnDelete();
    void OnWindowClasses();
    // A row was chosen: its builder, or null beside the rows.
    void OnItemSelected(CGUIBuilder* builder);

    bool IsModified() const { return modified_; }

protected:
    void OnListRowChosen(int list, int row) override;

private:
    // After Set, New and Delete: an empty name, no row chosen.
    void StartNewName();

    CGUIBuilderList& database_;
    CApplicationKav& project_;
    // The working copies; what a run did not hand over goes with the dialog.
    CGUIBuilderList working_;
    bool modified_ = false;
};
