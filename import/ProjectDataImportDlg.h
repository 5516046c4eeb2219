#pragma once
// The "Import Project Data" dialog: four pages on which the user checks the objects of another
// project to take over, and the options of the merge, remembered in the user's settings. The
// import flow runs it through SelectObjects and then merges through ImportSelected; the window
// that shows it is installed as a runner.
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "import/ImportPages.h"
#include "persistence/ProjectDataImport.h"

class CApplicationKav;
class CProjectDataImportDlg;
class MessageLog;

// The pages and which one is shown.
class CProjectDataImportTabCtrl {
public:
    enum Page : int { kTasks = 0, kRequirements = 1, kWindows = 2, kTestData = 3, kPageCount = 4 };
    explicit CProjectDataImportTabCtrl(CProjectDataImportDlg& dialog);

    CImportTaskSelectDlg tasks;
    CImportReqSelectDlg requirements;
    CImportWndSelectDlg windows;
    CImportDataSelectDlg testData;

    CImportSelectPage& GetPage(int index) const { return *pages_[static_cast<size_t>(index)]; }
    int GetShownPage() const { return shown_; }
    void SetShownPage(int index) { shown_ = index; }
    static const char* TabTitle(int index);

private:
    std::array<CImportSelectPage*, kPageCount> pages_;
    int shown_ = kTasks;
};

class CProjectDataImportDlg : public ProjectDataImport {
public:
    // Dialog resource, help and control ids.
    enum : int {
        kDialogId = 304,
        kIdOk = 1,
        kIdCancel = 2,
        kIdSelectNew = 3,
        kIdSelectChanged = 4,
        kIdRequirementsByXmlId = 1448,
        kIdRequirementsByUserId = 1449,
        kIdOnlyNewElements = 1450,
        kIdAlsoUpdateElements = 1451,
        kIdOnlyNewRecords = 1452,
        kIdReplaceDataSet = 1453,
        kIdTabs = 1454,
        kIdAutoselectBlocks = 1457,
        kIdAutoselectRequirements = 1458,
        kIdAutoselectGroup = 1459,
        kIdOtherElementsGroup = 1460,
        kIdImportAttributes = 1461,
        kIdImportConditions = 1462,
        kIdImportStepFields = 1463,
        kIdSyncMasters = 1464,
        kIdAutoselectWindows = 1465,
        kIdDuplicatesGroup = 1497,
        kIdDataSetsGroup = 1498,
    };
    // The options as the controls hold them. Rules: requirements 0 "XML ID", 1 "User ID"; data
    // sets 0 "Only import new records", 1 "Replace entire data set"; other elements 0 "Only import
    // new items", 1 "Also update existing items".
    using PageStates = std::array<int, CProjectDataImportTabCtrl::kPageCount>;
    struct Options {
        // Per page: whether the select buttons currently offer to deselect.
        PageStates newState{};
        PageStates changedState{};
        int autoselectBlocks = 0, autoselectRequirements = 0, autoselectWindows = 0;
        int requirementRule = 0, dataSetRule = 0, otherElementsRule = 0;
        int importAttributes = 0, importConditions = 0, importStepFields = 0, syncMasters = 0;
    };
    // Shows the dialog until the user closes it: true for OK.
    using Runner = std::function<bool(CProjectDataImportDlg&)>;

    explicit CProjectDataImportDlg(Runner runner);
    ~CProjectDataImportDlg() override;

    // ---- The import flow
    bool SelectObjects(CApplicationKav& source) override;
    bool ImportSelected(MessageLog* log) override;
    CApplicationKav* GetOtherProject() const { return other_; }

    // ---- The dialog
    void OnInitDialog();
    void OnTabChanged(int index);
    void OnSelectNewItems();
    void OnSelectChangedItems();
    // One of the three autoselect boxes (its control id) was switched.
    void OnAutoselectBox(int controlId, int on);
    // One of the two duplicate-rule radios (its control id) was chosen.
    void OnRequirementRule(int controlId);
    // Writes the settings and deletes the unchecked objects from the other project.
    void OnOK();
    // A page's check box was clicked: the pages that follow the checked tasks follow.
    void OnPageClicked(const CImportSelectPage& page);
    // F1 (with or without Shift), then the help request for a control with its context (0 for none).
    void OnHelpKey(bool shift) { helpWithShift_ = shift ? 1 : 0; }
    int GetHelpContext(int controlContext);

    Options& GetOptions() { return options_; }
    CProjectDataImportTabCtrl& GetTabs() { return *tabs_; }
    std::string GetSelectNewText() const;
    std::string GetSelectChangedText() const;
    // Whether a control is shown: the sync box only when offered, the option groups with their page.
    bool IsControlShown(int controlId) const;

    // The four roots, for whoever deletes them after the merge.
    CImportTreeItem* GetTaskRoot() const { return tabs_->tasks.GetRoot(); }
    CImportTreeItem* GetRequirementRoot() const { return tabs_->requirements.GetRoot(); }
    CImportTreeItem* GetWindowRoot() const { return tabs_->windows.GetRoot(); }
    CImportTreeItem* GetTestDataRoot() const { return tabs_->testData.GetRoot(); }

private:
    void ReadSettings();
    void WriteSettings() const;
    // Applies the automatic selection of every autoselect box that is on.
    void ApplyAutoselectBoxes();
    void ApplyAutoselect(CImportSelectPage& page) { page.Autoselect(1, 0, 0, 1); }
    void SelectAll(int page, int value, int newItems, int changedItems);
    // A select button of the shown page: its state flips and is applied to the page's new or
    // changed items; the automatic selections that follow are applied again.
    void ToggleSelection(PageStates& states, int newItems, int changedItems);
    // The option group that goes with a page.
    static std::vector<int> OptionGroup(int page);

    Runner runner_;
    CApplicationKav* other_ = nullptr;
    Options options_;
    std::unique_ptr<CProjectDataImportTabCtrl> tabs_;
    bool syncOffered_ = false;
    std::vector<int> hiddenControls_;
    int helpWithShift_ = 0;
};
