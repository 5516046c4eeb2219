#pragma once
// The message log window's rules: its title by mode, the operation it runs and whose lines it
// collects, when it may be closed, when it closes by itself, its help context and the saving of
// its lines to the log file. The window shows it and runs it as soon as it is open.
#include <functional>
#include <string>

#include "platform/MessageLog.h"

class CMessageLogDlg {
public:
    // 0 loading a project, 1 importing a project, 2 generated data records, 3 UFT export,
    // 4 UFT import, 5 UFT configuration, 6 Ranorex import.
    enum Mode : int {
        kLoadProject = 0,
        kImportProject = 1,
        kGeneratedRecords = 2,
        kUftExport = 3,
        kUftImport = 4,
        kUftConfiguration = 5,
        kRanorexImport = 6,
    };
    // The operation reports into the log and returns its result.
    using Operation = std::function<int(MessageLog& log)>;

    CMessageLogDlg(int mode, Operation operation);

    int GetMode() const { return mode_; }
    std::string GetTitle() const;
    MessageLog& Log() { return log_; }
    const MessageLog& Log() const { return log_; }

    // Runs the operation once: its result; in the converters' modes (4 to 6) a failure adds the
    // global message buffer as a line.
    int Run();
    bool IsRunning() const { return running_; }
    // 1 until the operation has run.
    int GetResult() const { return result_; }
    // After the run: loading closes the window for a result above 0, importing for 3; the other
    // modes stay open for the user to read.
    bool ClosesItself() const;
    // Cancel and the window's close request do nothing while the operation runs; neither can the
    // log be saved then.
    bool CanClose() const { return !running_; }

    // Writes the lines to the log file and says so ("Log saved to %s! [I0024]", "Logfile
    // saved"): 1. Nothing to save, or the file could not be written (its warning shown): 0.
    int SaveLog() const;

    // The help context of F1 (without Shift): 35011 for loading, else the window's 131358.
    int GetHelpContext() const;

private:
    int mode_;
    Operation operation_;
    MessageLog log_;
    bool running_ = false;
    bool done_ = false;
    int result_ = 1;
};
