#include "generation/TCGDlg.h"

#include "generation/GenerationSettings.h"
#include "generation/MethodCodes.h"
#include "model/ApplicationKav.h"
#include "model/DisplayTexts.h"
#include "model/TaskKav.h"
#include "model/TransitionKav.h"
#include "model/WindowKav.h"
#include "platform/Format.h"
#include "platform/TextUtil.h"

namespace {

constexpr int kInvalidDepth = 44737;
constexpr int kInvalidTraversals = 44738;
constexpr int kNoDataRecordsChosen = 44510;
constexpr int kNoDataTestsInOldTaskMode = 44511;

}  // namespace

CTCGDlg::CTCGDlg(CApplicationKav& project, CWindowKav* window, CTransitionKav* transition, CTaskKav* task)
    : project_(project), window_(window), transition_(transition), task_(task) {}

void CTCGDlg::Run(CApplicationKav& project, CWindowKav* window, CTransitionKav* transition, CTaskKav* task,
                  const Views& views) {
    CTCGDlg dialog(project, window, transition, task);
    dialog.Load(ReadTCGSettings());
    if (!views.showSettings(dialog)) return;
    views.showStatus(dialog.Commit());
}

void CTCGDlg::Load(const StoredTCGSettings& stored) {
    const int code = stored.methodCode;
    if (code & kMethodRandomTest) choices_.kind = kTestKindRandom;
    else if (code & kMethodTransitionTest) choices_.kind = kTestKindTransition;
    else if (task_ && task_->GetDataSet()) choices_.kind = kTestKindData;
    else choices_.kind = kTestKindGraph;

    if (code & kMethodStepCoverage) choices_.coverage = kCoverSteps;
    else if (code & kMethodConnectionCoverage) choices_.coverage = kCoverConnections;
    else choices_.coverage = kCoverSingle;

    // One box alone stays alone; both or neither check both.
    const bool valid = code & kMethodValidRecords;
    const bool invalid = code & kMethodInvalidRecords;
    choices_.validRecords = valid || !invalid;
    choices_.invalidRecords = invalid || !valid;

    choices_.depth = stored.depth;
    choices_.traversals = stored.traversals;
    choices_.detailedLog = stored.detailedLog;
    choices_.buildingBlockInfo = stored.buildingBlockInfo;
    choices_.random = stored.random;
    choices_.scope = (window_ || task_) ? kScopeElement : kScopeProject;
    UpdateEnabling();
}

std::string CTCGDlg::GetTitle() const {
    std::string element;
    if (window_ && transition_) {
        CWindowKav* destination = transition_->GetDestWindow();
        element = Fmt("Transition from %s to %s", window_->GetName(), destination ? destination->GetName() : "");
    } else if (window_) {
        element = GetWindowTypeName(window_->GetType()) + " " + window_->GetName();
    } else if (task_) {
        element = (task_->IsFolder() ? "Folder " : "Task ") + task_->GetName();
    } else {
        element = "Project " + project_.GetName();
    }
    return "Test Case Generation - " + element;
}

bool CTCGDlg::TaskCanHaveDataTests() const { return task_->GetDataSet() || task_->IsFolder(); }

TCGEnabling CTCGDlg::UpdateEnabling() {
    TCGEnabling enabling;
    enabling.elementScope = window_ || task_;
    int& kind = choices_.kind;
    if (choices_.scope == kScopeProject || !enabling.elementScope) {
        for (bool& k : enabling.kinds) k = true;
    } else if (window_) {
        kind = kTestKindTransition;
        enabling.kinds[kTestKindTransition] = true;
    } else {
        enabling.kinds[kTestKindGraph] = true;
        enabling.kinds[kTestKindRandom] = true;
        enabling.kinds[kTestKindData] = TaskCanHaveDataTests();
        if (enabling.kinds[kTestKindData] && kind == kTestKindTransition) kind = kTestKindData;
        if (!enabling.kinds[kTestKindData] && (kind == kTestKindData || kind == kTestKindTransition))
            kind = kTestKindGraph;
    }
    enabling.coverage = kind == kTestKindGraph;
    enabling.dataRecords = kind == kTestKindData;
    enabling.randomOptions = kind == kTestKindRandom;
    enabling.depthAndTraversals = kind == kTestKindTransition;
    return enabling;
}

std::optional<DialogCheckFailure> CTCGDlg::CheckOK() const {
    if (!IsDecimalInRange(choices_.depth, 1, 30)) return DialogCheckFailure{kInvalidDepth, "Invalid Depth", kTcgDepth};
    if (!IsDecimalInRange(choices_.traversals, 1, 10))
        return DialogCheckFailure{kInvalidTraversals, "Invalid Traversals", kTcgTraversals};
    if (choices_.kind == kTestKindData) {
        if (!choices_.validRecords && !choices_.invalidRecords)
            return DialogCheckFailure{kNoDataRecordsChosen, "Data-oriented Testing", kTcgValidRecords};
        if (project_.GetOldTaskMode()) return DialogCheckFailure{kNoDataTestsInOldTaskMode, "Ancient Project", 0};
    }
    return std::nullopt;
}

namespace {

int CoverageBit(int coverage) {
    switch (coverage) {
        case kCoverSteps: return kMethodStepCoverage;
        case kCoverConnections: return kMethodConnectionCoverage;
        default: return kMethodSingleTestCase;
    }
}

int DataBits(const TCGChoices& choices) {
    return (choices.validRecords ? kMethodValidRecords : 0) | (choices.invalidRecords ? kMethodInvalidRecords : 0);
}

}  // namespace

int CTCGDlg::GetStoredMethodCode() const {
    int code = CoverageBit(choices_.coverage) | DataBits(choices_);
    if (choices_.kind == kTestKindRandom) code |= kMethodRandomTest;
    if (choices_.kind == kTestKindTransition) code |= kMethodTransitionTest;
    return code;
}

int CTCGDlg::GetRunMethodCode() const {
    switch (choices_.kind) {
        case kTestKindGraph: return CoverageBit(choices_.coverage);
        case kTestKindData: return DataBits(choices_);
        case kTestKindRandom: return kMethodRandomTest;
        default: return kMethodTransitionTest;
    }
}

GenerationRequest CTCGDlg::Commit() const {
    WriteTCGSettings({GetStoredMethodCode(), choices_.depth, choices_.traversals, choices_.detailedLog,
                      choices_.buildingBlockInfo, choices_.random});

    GenerationSettings& settings = GetGenerationSettings();
    settings.detailedLog = choices_.detailedLog;
    settings.buildingBlockInfo = choices_.buildingBlockInfo;
    settings.maxRecursionDepth = ParseLeadingInt(choices_.depth);
    settings.maxTraversals = ParseLeadingInt(choices_.traversals);

    GenerationRequest request;
    request.project = &project_;
    if (choices_.scope == kScopeElement) {
        request.window = window_;
        request.transition = transition_;
        request.task = task_;
    }
    request.methodCode = GetRunMethodCode();
    request.random = choices_.random;
    return request;
}
