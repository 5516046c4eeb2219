#include "platform/Settings.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/AtomicFile.h"

namespace {

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

// Escapes line breaks, backslashes and the separators of the file format.
std::string Escape(const std::string& s) {
    std::string out;
    for (char c : s) {
        switch (c) {
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '=': out += "\\e"; break;
            case ']': out += "\\b"; break;
            default: out += c;
        }
    }
    return out;
}

std::string Unescape(const std::string& s) {
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\\' || i + 1 == s.size()) {
            out += s[i];
            continue;
        }
        switch (s[++i]) {
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            case 'e': out += '='; break;
            case 'b': out += ']'; break;
            default: out += s[i];
        }
    }
    return out;
}

std::unique_ptr<Settings>& Installed() {
    static std::unique_ptr<Settings> settings = std::make_unique<MemorySettings>();
    return settings;
}

}  // namespace

std::optional<std::string> Settings::ReadText(SettingsHive hive, const std::string& key, const std::string& name) const {
    auto v = Read(hive, key, name);
    if (!v || v->type != SettingsValueType::Text) return std::nullopt;
    return v->text;
}

std::optional<std::uint32_t> Settings::ReadNumber(SettingsHive hive, const std::string& key,
                                                  const std::string& name) const {
    auto v = Read(hive, key, name);
    if (!v || v->type != SettingsValueType::Number) return std::nullopt;
    return v->number;
}

bool Settings::WriteText(SettingsHive hive, const std::string& key, const std::string& name, const std::string& text) {
    return Write(hive, key, name, SettingsValue::Text(text));
}

bool Settings::WriteNumber(SettingsHive hive, const std::string& key, const std::string& name, std::uint32_t number) {
    return Write(hive, key, name, SettingsValue::Number(number));
}

MemorySettings::Slot MemorySettings::MakeSlot(SettingsHive hive, const std::string& key, const std::string& name) {
    return {hive, Lower(key), Lower(name)};
}

std::optional<SettingsValue> MemorySettings::Read(SettingsHive hive, const std::string& key,
                                                  const std::string& name) const {
    std::lock_guard lock(mutex_);
    auto it = values_.find(MakeSlot(hive, key, name));
    if (it == values_.end()) return std::nullopt;
    return it->second;
}

bool MemorySettings::Write(SettingsHive hive, const std::string& key, const std::string& name,
                           const SettingsValue& value) {
    std::lock_guard lock(mutex_);
    values_[MakeSlot(hive, key, name)] = value;
    return true;
}

FileSettings::FileSettings(std::filesystem::path userFile, std::filesystem::path machineFile)
    : userFile_(std::move(userFile)), machineFile_(std::move(machineFile)) {
    Load(SettingsHive::CurrentUser, userFile_);
    Load(SettingsHive::LocalMachine, machineFile_);
}

std::filesystem::path FileSettings::DefaultUserFile() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    std::filesystem::path base;
    if (config && *config) {
        base = config;
    } else {
        const char* home = std::getenv("HOME");
        base = std::filesystem::path(home && *home ? home : ".") / ".config";
    }
    return base / "kavro" / "settings.txt";
}

// Format: "[key]" lines open a section; "name=T:text" or "name=N:number" lines follow.
void FileSettings::Load(SettingsHive hive, const std::filesystem::path& file) {
    if (file.empty()) return;
    std::ifstream in(file, std::ios::binary);
    if (!in) return;
    std::string line, key;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            key = Unescape(line.substr(1, line.size() - 2));
            continue;
        }
        size_t eq = line.find('=');
        if (eq == std::string::npos || eq + 2 >= line.size() + 0 || line[eq + 2] != ':') continue;
        std::string name = Unescape(line.substr(0, eq));
        char type = line[eq + 1];
        std::string data = line.substr(eq + 3);
        if (type == 'T') {
            values_[MakeSlot(hive, key, name)] = SettingsValue::Text(Unescape(data));
        } else if (type == 'N') {
            char* end = nullptr;
            unsigned long n = std::strtoul(data.c_str(), &end, 10);
            if (end && *end == 0 && !data.empty())
                values_[MakeSlot(hive, key, name)] = SettingsValue::Number(static_cast<std::uint32_t>(n));
        }
    }
}

bool FileSettings::Save(SettingsHive hive) const {
    const std::filesystem::path& file = hive == SettingsHive::CurrentUser ? userFile_ : machineFile_;
    if (file.empty()) return false;
    std::ostringstream out;
    std::string section;
    bool first = true;
    for (const auto& [slot, value] : values_) {
        if (std::get<0>(slot) != hive) continue;
        if (first || std::get<1>(slot) != section) {
            section = std::get<1>(slot);
            out << '[' << Escape(section) << "]\n";
            first = false;
        }
        out << Escape(std::get<2>(slot)) << '=';
        if (value.type == SettingsValueType::Text) out << "T:" << Escape(value.text) << '\n';
        else out << "N:" << value.number << '\n';
    }
    std::error_code ec;
    std::filesystem::create_directories(file.parent_path(), ec);
    return WriteFileAtomically(file, out.str()).ok;
}

// A value written as it stands costs no file write, unless an earlier save of its hive failed
// and the file still lacks what the store holds.
bool FileSettings::Write(SettingsHive hive, const std::string& key, const std::string& name,
                         const SettingsValue& value) {
    std::lock_guard lock(mutex_);
    Slot slot = MakeSlot(hive, key, name);
    bool& unsaved = hive == SettingsHive::CurrentUser ? userUnsaved_ : machineUnsaved_;
    const auto stored = values_.find(slot);
    if (stored != values_.end() && stored->second == value && !unsaved) return true;
    values_.insert_or_assign(std::move(slot), value);
    unsaved = !Save(hive);
    return !unsaved;
}

Settings& GetSettings() { return *Installed(); }

void InstallSettings(std::unique_ptr<Settings> settings) {
    if (settings) Installed() = std::move(settings);
}
