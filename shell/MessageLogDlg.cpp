#include "shell/MessageLogDlg.h"

#include "platform/Interaction.h"
#include "platform/LogFile.h"
#include "platform/MessageBuffer.h"
#include "resources/MessageCatalogue.h"

namespace {

constexpr int kLogSavedCaption = 47111;
constexpr int kLoadingHelpContext = 35011;
// The window's resource id 286 as a help context.
constexpr int kWindowHelpContext = 286 + 0x20000;

int TitleId(int mode) {
    switch (mode) {
        case CMessageLogDlg::kLoadProject: return 49198;
        case CMessageLogDlg::kImportProject: return 49211;
        case CMessageLogDlg::kGeneratedRecords: return 49199;
        case CMessageLogDlg::kUftExport: return 49332;
        case CMessageLogDlg::kUftImport: return 49333;
        case CMessageLogDlg::kUftConfiguration: return 49334;
        case CMessageLogDlg::kRanorexImport: return 49386;
        default: return 0;
    }
}

}  // namespace

CMessageLogDlg::CMessageLogDlg(int mode, Operation operation) : mode_(mode), operation_(std::move(operation)) {}

std::string CMessageLogDlg::GetTitle() const {
    const int id = TitleId(mode_);
    return id ? LoadMessage(id) : std::string();
}

int CMessageLogDlg::Run() {
    if (done_ || running_ || !operation_) return result_;
    running_ = true;
    ClearGlobalMessage();
    result_ = operation_(log_);
    if (mode_ >= kUftImport && result_ != 1 && !GetGlobalMessageBuffer().empty())
        log_.AddMessage(GetGlobalMessageBuffer());
    running_ = false;
    done_ = true;
    return result_;
}

bool CMessageLogDlg::ClosesItself() const {
    if (!done_) return false;
    if (mode_ == kLoadProject) return result_ > 0;
    if (mode_ == kImportProject) return result_ == 3;
    return false;
}

int CMessageLogDlg::SaveLog() const {
    if (running_) return 0;
    CLogFile file;
    if (!log_.SaveToLogFile(file)) return 0;
    GetInteraction().ShowMessage(
        {GetGlobalMessageBuffer(), LoadMessage(kLogSavedCaption), MessageButtons::Ok, MessageIcon::Information});
    return 1;
}

int CMessageLogDlg::GetHelpContext() const { return mode_ == kLoadProject ? kLoadingHelpContext : kWindowHelpContext; }
