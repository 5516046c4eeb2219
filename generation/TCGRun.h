#pragma once
// One generation run, as the status window and batch mode drive it: checks the project's
// conditions, calls the generator of the method code, and logs what happened. Everything it
// reports (counts, log lines) goes through its Progress, which the status window and the
// batch console observe; Stop is a request on that Progress. A run always ends by itself and
// tells whether it succeeded.
#include <functional>

#include "conditions/ProjectConditionCheck.h"
#include "generation/DefaultGenerators.h"
#include "generation/GenerationRequest.h"
#include "generation/TestCaseGenerator.h"
#include "platform/Progress.h"

class CLogFile;

// 1 when every condition of the project parses; else 0 with the first error in the global
// message buffer.
using ProjectConditionCheck = std::function<int()>;

class CTCGRun {
public:
    // By default the generators of the program and the project check of the condition language.
    explicit CTCGRun(GeneratorTable generators = DefaultGeneratorTable(),
                     ProjectConditionCheck checkConditions = CheckAllConditions);
    CTCGRun(const CTCGRun&) = delete;
    CTCGRun& operator=(const CTCGRun&) = delete;

    // With autoClose (batch mode) the status window closes itself when the run has ended,
    // whatever the result, so that a failed batch run ends too.
    void SetParameters(const GenerationRequest& request, bool autoClose);

    // Generates once and returns the result (GenerationResult); a second call only returns it.
    int Run();
    void Stop() { progress_.RequestStop(); }

    // Until the end the status window keeps Stop enabled and cannot be closed; afterwards OK
    // and "Save Log File" are enabled.
    bool IsFinished() const { return finished_; }
    int GetResult() const { return result_; }
    // Completed, and no element of it failed: a task or transition that got no test case is
    // logged and counted while the run goes on, and a batch run must not pass over it.
    bool Succeeded() const {
        return finished_ && result_ == kGenerationSuccess && progress_.Counts().failures == 0;
    }
    bool ClosesByItself() const { return finished_ && autoClose_; }

    Progress& GetProgress() { return progress_; }
    const Progress& GetProgress() const { return progress_; }

    // Appends the log's lines to the shared log file (created with its byte-order mark when
    // missing) and puts "Log saved to %s! [I0010]" into the global message buffer: 1. 0 when
    // the file could not be written (its warning already shown) or the log is empty.
    int SaveLog(CLogFile& file) const;

private:
    int Generate();
    void Finish(int result);

    GeneratorTable generators_;
    ProjectConditionCheck checkConditions_;
    GenerationRequest request_;
    bool autoClose_ = false;
    bool started_ = false;
    bool finished_ = false;
    int result_ = kGenerationSuccess;
    Progress progress_;
};
