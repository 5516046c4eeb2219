#pragma once
// The command line: batch instructions (open, generate, convert, export, quit) and the
// start-up data of VORNAK. Read once at start-up, before anything else is set up.
#include <string>
#include <string_view>
#include <vector>

#include "platform/CommandLineSettings.h"

// A -d pair: the value for the attribute that the name designates.
struct NameValuePair {
    std::string name;
    std::string value;
    bool operator==(const NameValuePair&) const = default;
};

// Generation method codes of -m.
inline constexpr int kMethodStepCoverage = 2;

struct CommandLine {
    // For start-up only.
    std::string projectPath;
    long port = 0;
    int generationMethod = kMethodStepCoverage;
    std::string startWindow;
    std::string exportKeyword;  // "SMURF" or empty
    std::vector<NameValuePair> pairs;
    bool generate = false;
    bool convert = false;
    bool quit = false;
    bool malformed = false;
    // Process-wide once stored (StoreCommandLineSettings); the building-block information
    // switch is generation's, which start-up sets from it.
    bool buildingBlockInfo = false;
    bool vornakMode = false;
    CommandLineSettings settings;

    bool operator==(const CommandLine&) const = default;
};

// The next token of rest, which it shortens: leading blanks are skipped; a token in double
// quotes is the text between them; otherwise it runs to the next space. A lone opening quote
// stays part of its token. An empty rest gives an empty token.
std::string NextCommandLineToken(std::string_view& rest);

// Reads the options in order. The first malformed option ends the reading; what was read
// before it stays. -quvornak reads "LOG_SIF" from the settings.
CommandLine ReadCommandLine(const std::vector<std::string>& tokens);
// The same for a whole line, split with NextCommandLineToken.
CommandLine ReadCommandLine(std::string_view line);

// Makes the process-wide values of the line current: GetCommandLineSettings() and VornakMode.
void StoreCommandLineSettings(const CommandLine& line);

// What a malformed line means for start-up. In VORNAK mode a malformed line, or one without a
// port, must end the process at once with exit code 1 and no message: false. Otherwise a
// malformed line shows the usage message [W0699] as a warning, and start-up goes on with what
// was read: true.
bool AcceptCommandLine(const CommandLine& line);
