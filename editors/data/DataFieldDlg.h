#pragma once
// The data field dialog: the name, value type, default value, definition range and description
// of one field of a data set, and on request the default equivalence classes of its type in
// place of its classes. It works on the field itself: OK writes the entries into it once they
// pass the checks, Cancel leaves it as it was. Whether the request box starts checked is kept in
// the settings. The caller records the undo step and rewrites the references to a renamed field.
#include "editors/framework/EditorDialog.h"

class CApplicationKav;
class CDataField;
class CDataSet;

// Dialog ids of the controls.
enum DataFieldDlgControl : int {
    kFieldName = 1062,
    kFieldType = 1063,
    kFieldDefault = 1064,
    kFieldDescription = 1065,
    kFieldMin = 1430,
    kFieldMax = 1431,
    kFieldDefaultClasses = 1498,
};

class CDataFieldDlg : public EditorDialog {
public:
    static constexpr int kResourceId = 140;
    // The setting that keeps the state of the Create Default Equivalence Classes box.
    static constexpr const char* kDefaultClassesSetting = "DATAFIELD_GEN_EQ";

    CDataFieldDlg(EditorHost& host, CApplicationKav& project);

    // Runs the dialog on the field of the set: true when the set may be changed and the dialog
    // ended with OK (changed or not), false otherwise.
    bool EditField(CDataSet& dataSet, CDataField& field);

    void OnInitDialog() override;
    // A type was chosen: the definition range applies to numbers only.
    void OnTypeChanged();
    // Checks the entries, then writes them; a read-only run only closes.
    bool OnOK() override;

private:
    // The type code of the chosen entry; 0 for none.
    int ChosenType() const;

    CDataSet* dataSet_ = nullptr;
    CDataField* field_ = nullptr;
    bool readOnly_ = false;
};
