#include "import/ProjectDataImportDlg.h"

#include <algorithm>

#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "platform/TextUtil.h"

namespace {

constexpr int kHelpContext = CProjectDataImportDlg::kDialogId + 0x20000;

}  // namespace

CProjectDataImportTabCtrl::CProjectDataImportTabCtrl(CProjectDataImportDlg& dialog)
    : tasks(dialog), requirements(dialog), windows(dialog), testData(dialog),
      pages_{&tasks, &requirements, &windows, &testData} {}

const char* CProjectDataImportTabCtrl::TabTitle(int index) {
    static const char* const kTitles[kPageCount] = {"Tasks", "Requirements", "Windows", "Test Data"};
    return kTitles[index];
}

CProjectDataImportDlg::CProjectDataImportDlg(Runner runner)
    : runner_(std::move(runner)), tabs_(std::make_unique<CProjectDataImportTabCtrl>(*this)) {}

CProjectDataImportDlg::~CProjectDataImportDlg() = default;

bool CProjectDataImportDlg::SelectObjects(CApplicationKav& source) {
    other_ = &source;
    OnInitDialog();
    if (!runner_ || !runner_(*this)) return false;
    OnOK();
    return true;
}

std::vector<int> CProjectDataImportDlg::OptionGroup(int page) {
    switch (page) {
        case CProjectDataImportTabCtrl::kTasks:
            return {kIdAutoselectGroup, kIdAutoselectBlocks, kIdAutoselectRequirements, kIdAutoselectWindows};
        case CProjectDataImportTabCtrl::kRequirements:
            return {kIdDuplicatesGroup, kIdRequirementsByXmlId, kIdRequirementsByUserId};
        case CProjectDataImportTabCtrl::kTestData: return {kIdDataSetsGroup, kIdOnlyNewRecords, kIdReplaceDataSet};
        default: return {};
    }
}

void CProjectDataImportDlg::OnInitDialog() {
    ReadSettings();
    hiddenControls_.clear();
    if (!syncOffered_) hiddenControls_.push_back(kIdSyncMasters);
    tabs_->tasks.SetAutoselect(options_.autoselectBlocks);
    tabs_->requirements.SetAutoselect(options_.autoselectRequirements);
    tabs_->windows.SetAutoselect(options_.autoselectWindows);
    for (int page : {CProjectDataImportTabCtrl::kTasks, CProjectDataImportTabCtrl::kWindows,
                     CProjectDataImportTabCtrl::kTestData})
        tabs_->GetPage(page).OnInitDialog();

    OnTabChanged(CProjectDataImportTabCtrl::kRequirements);
    tabs_->requirements.RebuildTree(options_.requirementRule != 1);
    if (options_.autoselectRequirements) ApplyAutoselect(tabs_->requirements);

    for (int page : {CProjectDataImportTabCtrl::kRequirements, CProjectDataImportTabCtrl::kWindows,
                     CProjectDataImportTabCtrl::kTestData, CProjectDataImportTabCtrl::kTasks}) {
        OnTabChanged(page);
        options_.newState[page] ^= 1;
        OnSelectNewItems();
        options_.changedState[page] ^= 1;
        OnSelectChangedItems();
    }
    ApplyAutoselectBoxes();
    for (int page : {CProjectDataImportTabCtrl::kRequirements, CProjectDataImportTabCtrl::kTestData})
        for (int id : OptionGroup(page))
            if (IsControlShown(id)) hiddenControls_.push_back(id);
}

void CProjectDataImportDlg::ApplyAutoselectBoxes() {
    if (options_.autoselectBlocks) ApplyAutoselect(tabs_->tasks);
    if (options_.autoselectRequirements) ApplyAutoselect(tabs_->requirements);
    if (options_.autoselectWindows) ApplyAutoselect(tabs_->windows);
}

void CProjectDataImportDlg::OnTabChanged(int index) {
    const int shown = tabs_->GetShownPage();
    if (index == shown) return;
    for (int id : OptionGroup(shown)) hiddenControls_.push_back(id);
    tabs_->SetShownPage(index);
    for (int id : OptionGroup(index)) std::erase(hiddenControls_, id);
}

std::string CProjectDataImportDlg::GetSelectNewText() const {
    return options_.newState[static_cast<size_t>(tabs_->GetShownPage())] ? "Deselect all New Items"
                                                                          : "Select all New Items";
}

std::string CProjectDataImportDlg::GetSelectChangedText() const {
    return options_.changedState[static_cast<size_t>(tabs_->GetShownPage())] ? "Deselect all Changed Items"
                                                                              : "Select all Changed Items";
}

bool CProjectDataImportDlg::IsControlShown(int controlId) const {
    return std::find(hiddenControls_.begin(), hiddenControls_.end(), controlId) == hiddenControls_.end();
}

void CProjectDataImportDlg::SelectAll(int page, int value, int newItems, int changedItems) {
    if (page == CProjectDataImportTabCtrl::kTestData)
        tabs_->testData.SelectAll(value, newItems, changedItems);
    else
        tabs_->GetPage(page).Autoselect(value, newItems, changedItems, 0);
}

void CProjectDataImportDlg::OnSelectNewItems() { ToggleSelection(options_.newState, 1, 0); }

void CProjectDataImportDlg::OnSelectChangedItems() { ToggleSelection(options_.changedState, 0, 1); }

void CProjectDataImportDlg::ToggleSelection(PageStates& states, int newItems, int changedItems) {
    const int page = tabs_->GetShownPage();
    int& state = states[static_cast<size_t>(page)];
    state ^= 1;
    SelectAll(page, state, newItems, changedItems);
    switch (page) {
        case CProjectDataImportTabCtrl::kTasks: ApplyAutoselectBoxes(); break;
        case CProjectDataImportTabCtrl::kRequirements:
            if (!state && options_.autoselectRequirements) ApplyAutoselect(tabs_->requirements);
            break;
        case CProjectDataImportTabCtrl::kWindows:
            if (!state && options_.autoselectWindows) ApplyAutoselect(tabs_->windows);
            break;
        default: break;
    }
}

void CProjectDataImportDlg::OnAutoselectBox(int controlId, int on) {
    CImportSelectPage* page = nullptr;
    if (controlId == kIdAutoselectBlocks) {
        options_.autoselectBlocks = on;
        page = &tabs_->tasks;
    } else if (controlId == kIdAutoselectRequirements) {
        options_.autoselectRequirements = on;
        page = &tabs_->requirements;
    } else if (controlId == kIdAutoselectWindows) {
        options_.autoselectWindows = on;
        page = &tabs_->windows;
    } else {
        return;
    }
    page->SetAutoselect(on);
    if (on)
        ApplyAutoselect(*page);
    else if (page->GetRoot())
        page->ClearMarks(*page->GetRoot());
}

void CProjectDataImportDlg::OnRequirementRule(int controlId) {
    options_.requirementRule = controlId == kIdRequirementsByUserId ? 1 : 0;
    tabs_->requirements.RebuildTree(options_.requirementRule != 1);
    if (options_.autoselectRequirements) ApplyAutoselect(tabs_->requirements);
}

void CProjectDataImportDlg::OnPageClicked(const CImportSelectPage& page) {
    if (&page != &tabs_->tasks) return;
    if (options_.autoselectRequirements) ApplyAutoselect(tabs_->requirements);
    if (options_.autoselectWindows) ApplyAutoselect(tabs_->windows);
}

void CProjectDataImportDlg::OnOK() {
    WriteSettings();
    for (int page = 0; page < CProjectDataImportTabCtrl::kPageCount; ++page) tabs_->GetPage(page).RemoveUnselected();
}

int CProjectDataImportDlg::GetHelpContext(int controlContext) {
    if (helpWithShift_ && controlContext) return controlContext;
    helpWithShift_ = 1;
    return kHelpContext;
}
