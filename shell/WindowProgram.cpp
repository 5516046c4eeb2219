#include "shell/WindowProgram.h"

#include "platform/Interaction.h"
#include "resources/MessageCatalogue.h"
#include "shell/BatchRoad.h"

namespace {

constexpr int kDisplayNeeded = 49951;

}  // namespace

int RunWithoutMainWindow(const CommandLine& line, int exitCode) {
    if (line.malformed) {
        AcceptCommandLine(line);
        return exitCode;
    }
    GetInteraction().Inform(LoadMessage(kDisplayNeeded), MessageIcon::Information);
    return kExitFailed;
}
