#include "tminterface/VornakIF.h"

#include <unistd.h>

#include "platform/CommandLineSettings.h"
#include "platform/Format.h"
#include "tminterface/VornakCommands.h"
#include "tminterface/VornakThread.h"

CVornakIF::CVornakIF(VornakSink& sink, VornakSocketOptions options)
    : sink_(sink), options_(options), log_("VornakIF.txt", GetCommandLineSettings().interfaceLogLevel) {}

CVornakIF::~CVornakIF() = default;

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
