#pragma once
// The test data import: records read from a text or CSV file into a data set that the user
// picks, or into a new one named in the dialog. The file's first line names the fields, every
// further line is one record; missing fields are added to the set. The set changes only when
// the whole file was read. The last file and field separator are kept in the settings; the
// frame's import command records the undo step.
#include <string>
#include <vector>

#include "editors/framework/EditorDialog.h"

class CApplicationKav;
class CDataSet;

// Dialog ids of the controls.
enum DataImportDlgControl : int {
    kImportBrowse = 3,
    kImportSource = 1063,
    kImportSeparator = 1065,
    kImportDataSet = 1075,
};

class CDataImportDlg : public EditorDialog {
public:
    static constexpr int kResourceId = 144;

    CDataImportDlg(EditorHost& host, CApplicationKav& project);

    // Runs the dialog, proposing the data set when it may be changed: 1 after a successful
    // import, 0 after Cancel.
    int ImportIntoDataSet(CDataSet* dataSet);

    // Reads the file into the set of the current project: the separator splits the values as
    // it stands (no "\t" left in it). 1, or 0 with the message in the global message buffer and
    // the set as it was.
    static int ImportFile(const std::string& path, const std::string& separator, CDataSet& dataSet);

    void OnInitDialog() override;
    // An entry of the data set box was chosen (-1: none). Typing into the box leaves the entry
    // chosen only while the box still shows its name.
    void ChooseDataSet(int entry);
    void OnBrowse();
    // Checks the entries, finds or makes the target set and imports; closes only on success.
    bool OnOK() override;
    bool OKTakesLong() const override { return true; }

    // The data sets of the box, in the box's order, and the chosen one (-1: none).
    const std::vector<CDataSet*>& DataSetEntries() const { return entries_; }
    int GetChosenDataSet() const;

private:
    // The set that OK imports into: the chosen entry's, the one the typed text names, or a new
    // one (made is set). Null after a refusal.
    CDataSet* TargetDataSet(bool& made);

    CApplicationKav& project_;
    CDataSet* preselected_ = nullptr;
    std::vector<CDataSet*> entries_;
    int chosen_ = -1;
};
