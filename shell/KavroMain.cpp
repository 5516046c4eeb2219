// The program kavro: reads its command line, then runs the batch road (-q) without the window
// toolkit, or the window program.
#include <malloc.h>

#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"
#include "resources/MessageCatalogue.h"
#include "shell/BatchRoad.h"
#include "shell/CommandLine.h"
#include "shell/StartUp.h"
#include "shell/WindowProgram.h"

namespace {

constexpr int kFatalError = 49952;

// A load or a generation builds many small objects and frees them together; glibc would hand
// that memory back and fault it in afresh on the next run, which costs as much as the work on
// machines with dear page faults. Keeping it changes no result.
void KeepFreedMemory() {
    constexpr int kTrimThreshold = 512 << 20;
    constexpr int kMmapThreshold = 32 << 20;  // the largest glibc accepts
    constexpr int kTopPad = 16 << 20;
    mallopt(M_TRIM_THRESHOLD, kTrimThreshold);
    mallopt(M_MMAP_THRESHOLD, kMmapThreshold);
    mallopt(M_TOP_PAD, kTopPad);
}

int Run(int argc, char** argv) {
    InstallProgramSettings();
    const std::vector<std::string> tokens(argv + 1, argv + argc);
    CommandLine line = ReadCommandLine(tokens);
    const StartDecision decision = DecideStartRoad(line, tokens, IsDisplayAvailable());
    switch (decision.road) {
        case StartRoad::Batch:
            MakeCommandLinePathsAbsolute(line);
            return RunBatchRoad(line, ProgramFolder(), std::cout);
        case StartRoad::Interactive: return RunWindowProgram(argc, argv, line, decision.exitCode);
        case StartRoad::End: break;
    }
    if (decision.consoleMessage) GetInteraction().Inform(LoadMessage(decision.consoleMessage), MessageIcon::Warning);
    return decision.exitCode;
}

}  // namespace

int main(int argc, char** argv) {
    // Resource exhaustion and programming errors end the program with a message, never silently.
    KeepFreedMemory();
    try {
        return Run(argc, argv);
    } catch (const std::exception& error) {
        std::cerr << FormatMessageId(kFatalError, error.what()) << std::endl;
    } catch (...) {
        std::cerr << FormatMessageId(kFatalError, "unknown exception") << std::endl;
    }
    return kExitFailed;
}
