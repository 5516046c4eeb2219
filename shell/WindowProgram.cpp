#include "shell/WindowProgram.h"

#include "platform/Interaction.h"
#include "resources/MessageCatalogue.h"
#include "shell/BatchRoad.h"

namespace {

constexpr int kMainWindowMissing = 49950;

}  // namespace

int RunWithoutMainWindow(const CommandLine& line, int exitCode) {
    if (line.malformed) {
        AcceptCommandLine(line);
        return exitCode;
    }
    GetInteraction().Inform(LoadMessage(kMainWindowMissing), MessageIcon::Information);
    return kExitFailed;
}
