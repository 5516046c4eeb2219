#include "shell/CommandLine.h"

#include <cstdlib>
#include <optional>

#include "model/ShellServices.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"
#include "platform/Registry.h"
#include "platform/TextUtil.h"

namespace {

constexpr int kInvalidCommandLine = 44699;

struct Keyword {
    std::string_view keyword;
    int code;
};

constexpr Keyword kOutputFormats[] = {
    {"ESA_EUD_ART_XML", 14}, {"ESA_DOVA_XML", 3}, {"EXCEL_BB_INFO", 13}, {"HP_ALM_EXCEL", 9}, {"HP_UFT", 7},
    {"HP_WINRUNNER", 8},     {"IBM_QM_XML", 12},  {"PLAINTEXT", 2},      {"RANOREX", 10},     {"SILKTEST", 1},
    {"VORNAK_XML", 4},       {"TESTPARTNER", 5},  {"UNIVERSALFILE", 6},
};

constexpr Keyword kGenerationMethods[] = {
    {"G1", 1}, {"GS", kMethodStepCoverage}, {"GC", 4}, {"DV", 8}, {"DI", 16}, {"DA", 24}, {"T", 32}, {"R", 64},
};

constexpr Keyword kKeyboards[] = {{"us", 1}, {"ge", 0}};

template <size_t N>
std::optional<int> FindKeyword(const Keyword (&table)[N], std::string_view token) {
    for (const Keyword& entry : table)
        if (EqualsNoCase(entry.keyword, token)) return entry.code;
    return std::nullopt;
}

// Reads one option after another; each returns false when it is malformed, which ends the
// reading.
class CommandLineReader {
public:
    explicit CommandLineReader(const std::vector<std::string>& tokens) : tokens_(tokens) {}

    CommandLine Read() {
        while (next_ < tokens_.size()) {
            if (!ReadOption(tokens_[next_++])) {
                line_.malformed = true;
                break;
            }
        }
        if (unknownFormat_) line_.malformed = true;
        return std::move(line_);
    }

private:
    bool ReadOption(const std::string& option) {
        struct Option {
            std::string_view name;
            bool needsProject;
            bool (CommandLineReader::*read)();
        };
        static constexpr Option kOptions[] = {
            {"-p", false, &CommandLineReader::ReadProject},
            {"-b", true, &CommandLineReader::ReadBuildingBlockInfo},
            {"-c", true, &CommandLineReader::ReadConvert},
            {"-d", true, &CommandLineReader::ReadPair},
            {"-e", false, &CommandLineReader::ReadExePath},
            {"-g", true, &CommandLineReader::ReadGenerate},
            {"-k", false, &CommandLineReader::ReadKeyboard},
            {"-m", false, &CommandLineReader::ReadMethod},
            {"-port", false, &CommandLineReader::ReadPort},
            {"-q", true, &CommandLineReader::ReadQuit},
            {"-r", false, &CommandLineReader::ReadRootPath},
            {"-s", false, &CommandLineReader::ReadScriptPath},
            {"-quvornak", false, &CommandLineReader::ReadVornak},
            {"-w", true, &CommandLineReader::ReadStartWindow},
            {"-x", true, &CommandLineReader::ReadExport},
        };
        for (const Option& entry : kOptions) {
            if (!EqualsNoCase(entry.name, option)) continue;
            if (entry.needsProject && line_.projectPath.empty()) return false;
            return (this->*entry.read)();
        }
        return false;
    }

    // The next token when it can be a value: not empty and not an option.
    std::optional<std::string> RequiredValue() {
        if (next_ >= tokens_.size() || tokens_[next_].empty() || tokens_[next_][0] == '-') return std::nullopt;
        return tokens_[next_++];
    }

    bool ReadInto(std::string& target) {
        std::optional<std::string> value = RequiredValue();
        if (!value) return false;
        target = std::move(*value);
        return true;
    }

    template <size_t N>
    bool ReadKeyword(const Keyword (&table)[N], int& target) {
        std::optional<std::string> value = RequiredValue();
        std::optional<int> code = value ? FindKeyword(table, *value) : std::nullopt;
        if (!code) return false;
        target = *code;
        return true;
    }

    bool ReadProject() { return ReadInto(line_.projectPath); }
    bool ReadExePath() { return ReadInto(line_.settings.exePath); }
    bool ReadRootPath() { return ReadInto(line_.settings.rootPath); }
    bool ReadScriptPath() { return ReadInto(line_.settings.scriptPath); }
    bool ReadStartWindow() { return ReadInto(line_.startWindow); }
    bool ReadKeyboard() { return ReadKeyword(kKeyboards, line_.settings.keyboard); }
    bool ReadMethod() { return ReadKeyword(kGenerationMethods, line_.generationMethod); }

    bool ReadBuildingBlockInfo() { return SetFlag(line_.buildingBlockInfo); }
    bool ReadGenerate() { return SetFlag(line_.generate); }
    bool ReadQuit() { return SetFlag(line_.quit); }

    static bool SetFlag(bool& flag) {
        flag = true;
        return true;
    }

    // The format keyword is optional; an unknown one makes the line malformed, but the
    // options after it are still read.
    bool ReadConvert() {
        line_.convert = true;
        line_.settings.outputFormat = 0;
        if (next_ >= tokens_.size() || (!tokens_[next_].empty() && tokens_[next_][0] == '-')) return true;
        std::optional<int> code = FindKeyword(kOutputFormats, tokens_[next_++]);
        if (code) line_.settings.outputFormat = *code;
        else unknownFormat_ = true;
        return true;
    }

    bool ReadPair() {
        std::optional<std::string> value = RequiredValue();
        if (!value) return false;
        size_t equals = value->find('=');
        if (equals == std::string::npos || equals == 0) return false;
        line_.pairs.push_back({value->substr(0, equals), value->substr(equals + 1)});
        return true;
    }

    bool ReadPort() {
        std::optional<std::string> value = RequiredValue();
        if (!value || !line_.vornakMode) return false;
        line_.port = std::strtol(value->c_str(), nullptr, 10);
        // A port beyond the 16 bits of TCP would otherwise reach another port.
        if (line_.port < 1 || line_.port > 65535) {
            line_.port = 0;
            return false;
        }
        return true;
    }

    bool ReadVornak() {
        line_.vornakMode = true;
        std::string level = ReadRegistryString(SettingsHive::CurrentUser, std::string(kProductKey), "LOG_SIF");
        line_.settings.interfaceLogLevel = level == "NORMAL" ? 1 : level == "FINE" ? 2 : 0;
        return true;
    }

    bool ReadExport() {
        if (next_ >= tokens_.size() || !EqualsNoCase(tokens_[next_], "SMURF")) return false;
        ++next_;
        if (!ReadInto(line_.settings.exportPath)) return false;
        line_.exportKeyword = "SMURF";
        return true;
    }

    const std::vector<std::string>& tokens_;
    size_t next_ = 0;
    bool unknownFormat_ = false;
    CommandLine line_;
};

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

}  // namespace

std::string NextCommandLineToken(std::string_view& rest) {
    while (!rest.empty() && IsBlank(rest.front())) rest.remove_prefix(1);
    if (rest.empty()) return {};
    if (rest.front() == '"') {
        size_t closing = rest.find('"', 1);
        if (closing != std::string_view::npos) {
            std::string token(rest.substr(1, closing - 1));
            rest.remove_prefix(closing + 1);
            return token;
        }
    }
    size_t space = rest.find(' ');
    std::string token(rest.substr(0, space));
    rest.remove_prefix(space == std::string_view::npos ? rest.size() : space + 1);
    return token;
}

CommandLine ReadCommandLine(const std::vector<std::string>& tokens) { return CommandLineReader(tokens).Read(); }

CommandLine ReadCommandLine(std::string_view line) {
    while (!line.empty() && IsBlank(line.back())) line.remove_suffix(1);
    std::vector<std::string> tokens;
    while (!line.empty()) tokens.push_back(NextCommandLineToken(line));
    return ReadCommandLine(tokens);
}

void StoreCommandLineSettings(const CommandLine& line) {
    GetCommandLineSettings() = line.settings;
    VornakMode = line.vornakMode;
}

bool AcceptCommandLine(const CommandLine& line) {
    if (line.vornakMode && (line.malformed || line.port == 0)) return false;
    if (line.malformed) {
        SetMessage(kInvalidCommandLine);
        GetInteraction().ShowMessage({GetGlobalMessageBuffer(), {}, MessageButtons::Ok, MessageIcon::Warning});
    }
    return true;
}
