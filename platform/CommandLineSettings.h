#pragma once
// The process-wide values that the command line gives at start-up and later subsystems read.
// The VORNAK mode flag is VornakMode (model/ShellServices.h); the building-block information
// switch belongs to generation's settings.
#include <string>

struct CommandLineSettings {
    // Output format code for conversions in batch; 0: none given, the stored format holds.
    int outputFormat = 0;
    // Log level of the VORNAK interface: 0 none, 1 NORMAL, 2 FINE.
    int interfaceLogLevel = 0;
    // For the next conversion only: the conversion uses each value given and then sets it
    // back (keyboard to kKeyboardNotGiven, paths to empty).
    static constexpr int kKeyboardNotGiven = 99;
    int keyboard = kKeyboardNotGiven;  // 1 US, 0 German
    std::string rootPath;
    std::string exePath;
    std::string scriptPath;
    // Folder of the SMURF export.
    std::string exportPath;

    bool operator==(const CommandLineSettings&) const = default;
};

CommandLineSettings& GetCommandLineSettings();
// Back to the defaults (tests).
void ResetCommandLineSettings();
