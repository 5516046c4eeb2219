#pragma once
// What the dialog "Test Case Generation" decides, without a window: the choices read from and
// written to the stored settings, its title, which controls are enabled, the checks of OK,
// and the method codes. The window shows the choices and forwards clicks; CTCGDlg::Run is
// the whole command.
#include <functional>
#include <optional>
#include <string>

#include "generation/DialogCheck.h"
#include "generation/GenerationRequest.h"
#include "generation/TCGSettings.h"

// Control identifiers of the dialog.
enum TCGDlgControl : int {
    kTcgRandomOptionsButton = 3,
    kTcgValidRecords = 1015,
    kTcgInvalidRecords = 1016,
    kTcgScopeElement = 1017,
    kTcgScopeProject = 1018,
    kTcgDetailedLog = 1019,
    kTcgBuildingBlockInfo = 1020,
    kTcgKindGraph = 1022,
    kTcgCoverSteps = 1023,
    kTcgCoverConnections = 1024,
    kTcgKindData = 1025,
    kTcgKindTransition = 1026,
    kTcgCoverSingle = 1027,
    kTcgKindRandom = 1028,
    kTcgDepth = 1031,
    kTcgTraversals = 1032,
};

enum TCGTestKind : int { kTestKindGraph = 0, kTestKindData = 1, kTestKindRandom = 2, kTestKindTransition = 3 };
enum TCGCoverage : int { kCoverSingle = 0, kCoverSteps = 1, kCoverConnections = 2 };
enum TCGScope : int { kScopeElement = 0, kScopeProject = 1 };

// The values behind the controls.
struct TCGChoices {
    int kind = kTestKindGraph;
    int coverage = kCoverSingle;
    bool validRecords = true;
    bool invalidRecords = true;
    std::string depth;
    std::string traversals;
    int scope = kScopeElement;
    bool detailedLog = false;
    bool buildingBlockInfo = false;
    RandomTestSettings random;  // edited by "Random Test Options..."
};

struct TCGEnabling {
    bool kinds[4] = {};  // by TCGTestKind
    bool elementScope = true;
    bool coverage = false;
    bool dataRecords = false;
    bool randomOptions = false;
    bool depthAndTraversals = false;
};

class CTCGDlg {
public:
    // window and transition, or task, or none of them for the whole project.
    CTCGDlg(CApplicationKav& project, CWindowKav* window, CTransitionKav* transition, CTaskKav* task);

    // How the command shows its two windows: the settings modally (true on OK; the window
    // accepts OK only when CheckOK finds nothing), then the status of the run, returning when
    // that window has been closed.
    struct Views {
        std::function<bool(CTCGDlg&)> showSettings;
        std::function<void(const GenerationRequest&)> showStatus;
    };
    // Reads the stored settings, shows the dialog, and on OK stores the choices, sets the
    // process-wide generation settings and shows the run. Cancel changes nothing.
    static void Run(CApplicationKav& project, CWindowKav* window, CTransitionKav* transition, CTaskKav* task,
                    const Views& views);

    // Takes over the stored choices and applies the enabling rules.
    void Load(const StoredTCGSettings& stored);
    TCGChoices& Choices() { return choices_; }
    const TCGChoices& Choices() const { return choices_; }

    std::string GetTitle() const;
    // Applies the rules to the current choices (a kind that the element cannot use changes)
    // and tells which controls are enabled. Call after every click on a kind or scope.
    TCGEnabling UpdateEnabling();
    std::optional<DialogCheckFailure> CheckOK() const;

    // Every bit chosen, as stored: the coverage bit always, 8 and 16 for the data boxes, and
    // 64 or 32 for random or transition tests.
    int GetStoredMethodCode() const;
    // Only the bits that the chosen kind uses.
    int GetRunMethodCode() const;

    // Stores the choices, sets the process-wide settings and returns what the run is given.
    GenerationRequest Commit() const;

private:
    bool TaskCanHaveDataTests() const;

    CApplicationKav& project_;
    CWindowKav* window_;
    CTransitionKav* transition_;
    CTaskKav* task_;
    TCGChoices choices_;
};
