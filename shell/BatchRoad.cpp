#include "shell/BatchRoad.h"

#include <algorithm>
#include <cstdlib>
#include <ostream>
#include <system_error>

#include "platform/Progress.h"
#include "platform/TextUtil.h"
#include "shell/BatchSteps.h"
#include "shell/ProjectSession.h"
#include "shell/StartUp.h"

namespace {

constexpr int kUsageMessage = 44699;   // [W0699]
constexpr int kDisplayNeeded = 49951;

bool NamesQuit(const std::vector<std::string>& tokens) {
    return std::any_of(tokens.begin(), tokens.end(), [](const std::string& token) { return EqualsNoCase(token, "-q"); });
}

bool IsSet(const char* variable) {
    const char* value = std::getenv(variable);
    return value && *value;
}

void MakeAbsolute(std::string& path) {
    if (path.empty()) return;
    std::error_code ignored;
    std::filesystem::path absolute = std::filesystem::absolute(path, ignored);
    if (!absolute.empty()) path = absolute.lexically_normal().string();
}

}  // namespace

StartDecision DecideStartRoad(const CommandLine& line, const std::vector<std::string>& tokens,
                              bool displayAvailable) {
    if (line.vornakMode && (line.malformed || line.port == 0)) return {StartRoad::End, kExitMalformed, 0};
    if (line.malformed) {
        if (NamesQuit(tokens) || !displayAvailable) return {StartRoad::End, kExitMalformed, kUsageMessage};
        return {StartRoad::Interactive, kExitMalformed, 0};
    }
    if (line.quit && !line.vornakMode) return {StartRoad::Batch, kExitSucceeded, 0};
    if (!displayAvailable) return {StartRoad::End, kExitFailed, kDisplayNeeded};
    return {StartRoad::Interactive, kExitSucceeded, 0};
}

bool IsDisplayAvailable() { return IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY"); }

void MakeCommandLinePathsAbsolute(CommandLine& line) {
    MakeAbsolute(line.settings.scriptPath);
    MakeAbsolute(line.settings.exportPath);
}

int RunBatchRoad(const CommandLine& line, const std::filesystem::path& programFolder, std::ostream& log) {
    MakeCommandLineCurrent(line);
    if (!PrepareProgram(programFolder)) return kExitFailed;

    CProjectSession session;
    LoadInstallationData();
    InstallConverterServices();
    ConsoleProgressObserver console(log);
    Progress progress;
    progress.AddObserver(&console);
    if (session.OpenProjectFromCommandLine(line.projectPath, &progress.Log()) != 1 || !session.IsProjectOpen())
        return kExitFailed;

    return RunCommandLineSteps(line, &console, &progress) ? kExitSucceeded : kExitFailed;
}
