#pragma once
// What the dialog "Record Generator" decides, without a window: the settings it reads and
// stores, which choices the method allows, and OK, which runs the chosen method on the data
// set. The window shows the choices and forwards clicks; Execute is the whole command.
#include <functional>

#include "generation/DataGenSettings.h"
#include "generation/GeneratedRecordsReport.h"

class CDataSet;
class Progress;

// Control identifiers of the dialog.
enum DataRecordGenControl : int {
    kGenValidRecords = 1405,
    kGenInvalidRecords = 1406,
    kGenOneValue = 1407,
    kGenBoundaryValues = 1408,
    kGenAllValues = 1409,
    kGenEachClassOnce = 1410,
    kGenEachPairOnce = 1411,
    kGenAllCombinations = 1412,
    kGenEqClassMethod = 1415,
    kGenDeltraMethod = 1416,
};

// What OK leads to: the dialog closes, or stays open with the focus on a control (0: where it is).
struct DataGenOkResult {
    bool close;
    int focusControl;

    bool operator==(const DataGenOkResult&) const = default;
};

class CDataRecordGenDlg {
public:
    // The dialog window, shown modally: true when it was closed by an OK that OnOK accepted.
    // The report of the DELTRA method goes to showReport.
    struct Views {
        std::function<bool(CDataRecordGenDlg&)> showDialog;
        RecordReportViewer showReport;
    };
    // Reads the stored settings and shows the dialog; after OK stores the choices: 1 (the
    // project is then modified). Cancel stores nothing: 0.
    static int Execute(CDataSet& dataSet, const Views& views);

    CDataRecordGenDlg(CDataSet& dataSet, RecordReportViewer showReport);

    DataGenSettings& Choices() { return choices_; }
    const DataGenSettings& Choices() const { return choices_; }

    // On opening: the rule of the stored test type.
    void OnInitDialog();
    // "Equivalence Class Method": every value and strategy choice is open.
    void OnEqClassMethod();
    // "DELTRA Method": each effect once; the values per class and the other strategies do not
    // apply.
    void OnDeltraMethod();
    // The controls 1407, 1408, 1409, 1411 and 1412 are enabled.
    bool MethodChoicesEnabled() const { return choices_.testType == kEqClassMethod; }

    // Checks the choices (warnings W0439, W0962) and runs the method; a failure shows the global
    // message as "Generation failed". Messages go through the interaction. A stop requested on
    // the progress ends a long combining of the equivalence class method early.
    DataGenOkResult OnOK(const Progress* progress = nullptr);

private:
    CDataSet& dataSet_;
    RecordReportViewer showReport_;
    DataGenSettings choices_;
};
