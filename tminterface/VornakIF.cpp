#include "tminterface/VornakIF.h"

#include <unistd.h>

#include "model/ApplicationKav.h"
#include "model/ChangedTaskReport.h"
#include "model/FileKav.h"
#include "model/ShellServices.h"
#include "model/TaskKav.h"
#include "platform/CommandLineSettings.h"
#include "platform/Format.h"
#include "shell/VornakHost.h"
#include "tminterface/VornakCommands.h"
#include "tminterface/VornakThread.h"

namespace {

// Without a main frame the project is the current application, and what the frame would show
// is left undone.
class DetachedHost : public VornakHost {
public:
    CApplicationKav& Project() override { return CurrentApplication ? *CurrentApplication : empty_; }
    void CloseProject() override {}
    void ReplaceProject(std::unique_ptr<CApplicationKav> /*project*/) override {}
    void SetProjectOpen(bool /*open*/) override {}
    void MarkModified() override {}
    void ResetUndoHistory() override {}
    void RevertToSnapshot() override {}
    void ShowTitle(const std::string& /*title*/) override {}
    void RefreshBarsAndTrees() override {}
    void SelectTaskInTree(CTaskKav& /*task*/, bool /*expand*/) override {}
    void OpenTaskFlow(CTaskKav& /*task*/) override {}
    void HighlightLoadErrors() override {}
    int EditProject(CApplicationKav& /*project*/, bool /*duringLoading*/) override { return 0; }
    void SaveProjectAsXml() override {}
    void SetLoadErrors(bool /*errors*/) override {}

private:
    CApplicationKav empty_;
};

DetachedHost& Detached() {
    static DetachedHost host;
    return host;
}

}  // namespace

CVornakIF::CVornakIF(VornakSink& sink, VornakSocketOptions options, VornakHost* host)
    : sink_(sink),
      options_(options),
      host_(host ? host : &Detached()),
      log_("VornakIF.txt", GetCommandLineSettings().interfaceLogLevel),
      ownProject_(std::make_unique<CApplicationKav>()) {
    ownProject_->GetFiles().Add(new CFileKav());
    InstallVornakInterface(this);
    SetChangedTaskReceiver([this](const CTaskKav* task) { AddChangedTask(task); });
}

CVornakIF::~CVornakIF() {
    // The worker goes first: nothing it posts reaches an interface half gone.
    thread_.reset();
    if (GetVornakInterface() == this) {
        InstallVornakInterface(nullptr);
        SetChangedTaskReceiver(nullptr);
    }
}

std::string CVornakIF::GetCommandName(int command) { return std::string(VornakCommandName(command)); }

int CVornakIF::StartThread(unsigned port) {
    receivedCommand_ = kCmdNone;
    errorCode_ = 0;
    thread_.reset();
    auto thread = std::make_unique<CVornakThread>(port, std::to_string(::getpid()), sink_, options_, log_.GetLevel());
    if (!thread->Start()) return 0;
    log_.WriteBanner("Thread created");
    log_.Write(Fmt("Thread process ID: %d\n", thread->GetThreadId()));
    thread_ = std::move(thread);
    log_.WriteBanner("Thread has been started");
    return 1;
}

int CVornakIF::SendCommand(int command) {
    log_.WriteCommand("NEW COMMAND from KAVRO", command);
    std::string payload;
    if (VornakCommandHasPayload(command)) {
        payload = BuildPayload(command);
        if (payload.empty()) return 0;
    }
    return thread_ && thread_->Post(VornakRequest::Send(command, std::move(payload))) ? 1 : 0;
}

bool CVornakIF::PostToThread(VornakRequestKind kind) { return thread_ && thread_->Post(VornakRequest::Of(kind)); }

std::string CVornakIF::BuildPayload(int command) {
    switch (command) {
        case kCmdChangedTaskList: return WriteCmdChangedTaskList();
        case kCmdDataKavro: return WriteCmdDataKavro();
        case kCmdDataTs: return WriteCmdDataTS();
        case kCmdFail: return WriteCmdFail();
        case kCmdRequestLib: return WriteCmdRequestLib();
        default: return {};
    }
}

void CVornakIF::SetReceivedLibrary(const std::string& fileId, const std::string& name) {
    receivedLibraryId_ = fileId;
    receivedLibraryName_ = name;
}

void CVornakIF::StartExchangeProject(const std::string& name) {
    ownProject_->SetName(name);
    ownProject_->GetTasks().DeleteAll();
    setUp_ = false;
}
