#pragma once
// The equivalence class editor: the classes of one field of a data set as copies in a list, with
// the entry area Class Name, Valid, Range, Lower and Upper Border Value and Other
// Representative Values below it and the buttons New, Set and Delete. The field's classes are
// replaced by the copies only when the dialog ends with OK and something was added, changed or
// deleted; the caller records the undo step.
#include <memory>
#include <string>

#include "editors/framework/EditorDialog.h"
#include "model/DataEqClass.h"
#include "platform/ObjectList.h"

class CApplicationKav;
class CDataField;
class CDataSet;

// Dialog ids of the controls.
enum DataEqClassDlgControl : int {
    kClassName = 1391,
    kClassList = 1392,
    kClassRange = 1393,
    kClassNew = 1399,
    kClassSet = 1400,
    kClassDelete = 1401,
    kClassValues = 1402,
    kClassLower = 1403,
    kClassValid = 1404,
    kClassUpper = 1405,
};

class CDataEqClassDlg : public EditorDialog {
public:
    static constexpr int kResourceId = 288;

    CDataEqClassDlg(EditorHost& host, CApplicationKav& project);

    // Runs the dialog on copies of the field's classes: true when the field's classes were
    // replaced by the copies, false when they were left untouched.
    bool EditEqClasses(CDataSet& dataSet, CDataField& field);

    void OnInitDialog() override;
    // A row's class was chosen (null: a click beside the rows).
    void OnRowChosen(CDataEqClass* eqClass);
    void OnNew();
    void OnSet() { ApplyEntry(); }
    // Applies the entry area: a new class, or the chosen one changed. False after a refusal.
    bool ApplyEntry();
    void OnDelete();
    // With a class name entered, closes only when the entry applies.
    bool OnOK() override;

    // The copies the dialog works on, in the order the field will take.
    const OwningList<CDataEqClass>& Copies() const { return copies_; }
    bool IsNewEntry() const { return newEntry_; }

protected:
    void OnListRowChosen(int list, int row) override;

private:
    // The entry area as typed.
    struct Entry {
        std::string name;
        bool valid;
        std::string range;
        std::string lower;
        std::string upper;
        std::string values;
    };

    Entry ReadEntry() const;
    // The checks that adding and changing share; nameTaken: a copy has the name.
    bool CheckEntry(const Entry& entry, bool& nameTaken);
    bool AddClass(const Entry& entry, bool nameTaken);
    bool ChangeClass(CDataEqClass& eqClass, const Entry& entry, bool nameTaken);
    // Refuses a border that a class of the field as stored holds, unless it is the class being
    // changed; messageId names the border and whether a class is added or changed.
    bool CheckBorderIsFree(const std::string& value, const CDataEqClass* changed, int messageId, int control);
    // Highlights the row and fills the entry area from its class.
    void LoadRow(int row);
    std::vector<std::string> RowTexts(const CDataEqClass& eqClass) const;

    CDataField* field_ = nullptr;
    bool readOnly_ = false;
    OwningList<CDataEqClass> copies_;
    bool newEntry_ = true;
    bool changed_ = false;
};
