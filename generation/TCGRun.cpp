#include "generation/TCGRun.h"

#include "generation/GenerationMethods.h"
#include "model/ApplicationKav.h"
#include "platform/Format.h"
#include "platform/MessageBuffer.h"
#include "resources/MessageCatalogue.h"

namespace {

constexpr int kLogSaved = 42010;
constexpr int kGenerationCompleted = 49048;

bool IsFailure(int result) { return result == kGenerationFailed || result == kGenerationFatal; }

}  // namespace

CTCGRun::CTCGRun(GeneratorTable generators, ProjectConditionCheck checkConditions)
    : generators_(std::move(generators)), checkConditions_(std::move(checkConditions)) {}

void CTCGRun::SetParameters(const GenerationRequest& request, bool autoClose) {
    request_ = request;
    autoClose_ = autoClose;
}

int CTCGRun::Run() {
    if (started_) return result_;
    started_ = true;

    ClearGlobalMessage();
    if (checkConditions_() != 1) {
        progress_.AddLogText("Condition Error: " + GetGlobalMessageBuffer());
        Finish(kGenerationFatal);
    } else {
        Finish(Generate());
    }
    return result_;
}

int CTCGRun::Generate() {
    const GenerationMethod* method = FindGenerationMethod(request_.methodCode);
    if (!method) return kGenerationSuccess;

    if (method->announcement) progress_.AddLogText(method->announcement);
    if (method->announcesTaskGraph && request_.project && request_.project->GetOldTaskMode())
        progress_.AddLogText("Initializing task graph");

    std::unique_ptr<TestCaseGenerator> generator = generators_.Create(method->family);
    if (!generator) {
        // A build whose table lacks the family; never a silent success.
        SetGlobalMessage(Fmt("Fatal Error: No generator for method code %d!", method->code));
        progress_.AddLogText(GetGlobalMessageBuffer());
        return kGenerationFatal;
    }
    int count = 0;
    int result = generator->Generate(request_, progress_, count);
    if (IsFailure(result)) {
        if (method->failureLine) progress_.AddLogText(method->failureLine);
        progress_.AddLogText(GetGlobalMessageBuffer());
    } else {
        progress_.AddLogText(Fmt(method->countFormat, count));
    }
    return result;
}

void CTCGRun::Finish(int result) {
    switch (result) {
        case kGenerationSuccess: progress_.AddLogText(LoadMessage(kGenerationCompleted)); break;
        case kGenerationStopped: progress_.AddLogText("Generation Stopped by User"); break;
        default: progress_.AddLogText("Generation Stopped"); break;
    }
    result_ = result;
    finished_ = true;
}

int CTCGRun::SaveLog(CLogFile& file) const { return progress_.Log().AppendToLogFile(file, kLogSaved); }
