#pragma once
// The data record dialog: the records of one data set as a table in the record grid, one row
// per record and one column per field, edited as copies. A record's ID, its valid flag and its
// field values are changed through the edit box and Set (a Valid or boolean cell toggles with
// a click), records are inserted before or after the current one and deleted by origin. The
// data set's records are replaced by the copies only when the dialog ends with OK and the set
// may be changed; the caller records the undo step.
#include <string>

#include "editors/framework/EditorDialog.h"
#include "editors/grid/BabyGrid.h"
#include "model/DataRecord.h"
#include "platform/ObjectList.h"

class CApplicationKav;
class CDataField;
class CDataSet;

// Dialog ids of the controls.
enum DataRecordDlgControl : int {
    kRecordGrid = 500,
    kRecordDelete = 1060,
    kRecordInsertBefore = 1061,
    kRecordSet = 1062,
    kRecordInsertAfter = 1063,
    kRecordValue = 1420,
    kRecordType = 1421,
};

// The undo step the caller records after a run that returned 1.
constexpr int kUndoEditDataRecords = 48030;

// The grid's columns before the fields.
enum DataRecordColumn : int {
    kColumnId = 1,
    kColumnOrigin = 2,
    kColumnEffects = 3,
    kColumnEffectVars = 4,
    kColumnValid = 5,
    kFirstFieldColumn = 6,
};

class CDataRecordDlg : public EditorDialog, public GridOwner {
public:
    static constexpr int kResourceId = 141;
    // The grid's own help context.
    static constexpr unsigned kGridHelpContext = 0x808D01F4;

    CDataRecordDlg(EditorHost& host, CApplicationKav& project);

    // Runs the dialog on copies of the set's records: 1 when the set's records were replaced
    // by the copies in the dialog's order, 0 when they were left untouched.
    int EditRecords(CDataSet& dataSet);

    void OnInitDialog() override;
    // Applies a pending value first and closes only when that succeeds.
    bool OnOK() override;

    // Set: applies the edit box to the current cell and moves one column on; false after a
    // refusal, with nothing changed.
    bool ApplyValue();
    void OnInsertBefore() { InsertRecord(false); }
    void OnInsertAfter() { InsertRecord(true); }
    void OnDelete();
    // The type choice changed.
    void OnTypeChanged() { UpdateControls(); }
    // A key before the dialog's own handling (character: what a Char key types), with the
    // control that has the focus: true when the dialog used it and it goes no further.
    bool OnKey(GridKey key, bool shift, char32_t character, int focusedControl);

    void OnGridNotify(const GridNotice& notice) override;
    bool GridCursorAfterPaint() const override { return cursorAfterPaint_; }

    CBabyGrid& Grid() { return grid_; }
    const OwningList<CDataRecord>& Copies() const { return copies_; }
    CDataRecord* CurrentRecord() const { return currentRecord_; }
    int CurrentRow() const { return currentRow_; }
    int CurrentColumn() const { return currentColumn_; }
    bool IsEditing() const { return editing_; }

protected:
    int ControlHelpContext(int control) const override;

private:
    void FillGrid();
    // No cell chosen, the grid filled from the copies.
    void RefillWithoutCurrentRecord();
    void SelectCell(int code, int row, int column);
    void LoadCell();
    void InsertRecord(bool after);
    void UpdateControls();
    // Editing off and the edit box emptied.
    void DropEdit();
    // What the current cell holds in the record: the text the edit box goes back to.
    std::string StoredValue(int column);
    // The field of a grid column; null for the columns before the fields and past them.
    CDataField* FieldOfColumn(int column) const;
    int FieldCount() const;

    CDataSet* dataSet_ = nullptr;
    CDataRecord* currentRecord_ = nullptr;
    int currentRow_ = 0;
    int currentColumn_ = 0;
    bool readOnly_ = false;
    OwningList<CDataRecord> copies_;
    bool editing_ = false;
    bool cursorAfterPaint_ = false;
    CBabyGrid grid_;
};
