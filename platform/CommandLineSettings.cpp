#include "platform/CommandLineSettings.h"

CommandLineSettings& GetCommandLineSettings() {
    static CommandLineSettings settings;
    return settings;
}

void ResetCommandLineSettings() { GetCommandLineSettings() = CommandLineSettings{}; }
