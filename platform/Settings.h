#pragma once
// The settings store that stands where the registry stood: values by hive, key and name.
// Keys and value names are kept as the program names them ("SOFTWARE\Quorvel\KAVRO", "TCG_Method").
#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <tuple>

enum class SettingsHive { LocalMachine, CurrentUser };

// The registry's value kinds that the program uses: text (1) and 32-bit number (4).
enum class SettingsValueType { Text = 1, Number = 4 };

struct SettingsValue {
    SettingsValueType type = SettingsValueType::Text;
    std::string text;
    std::uint32_t number = 0;

    static SettingsValue Text(std::string t) { return {SettingsValueType::Text, std::move(t), 0}; }
    static SettingsValue Number(std::uint32_t n) { return {SettingsValueType::Number, {}, n}; }
    bool operator==(const SettingsValue&) const = default;
};

class Settings {
public:
    virtual ~Settings() = default;
    virtual std::optional<SettingsValue> Read(SettingsHive hive, const std::string& key,
                                              const std::string& name) const = 0;
    virtual bool Write(SettingsHive hive, const std::string& key, const std::string& name,
                       const SettingsValue& value) = 0;

    // Conveniences over Read and Write; a value of the other kind reads as absent.
    std::optional<std::string> ReadText(SettingsHive hive, const std::string& key, const std::string& name) const;
    std::optional<std::uint32_t> ReadNumber(SettingsHive hive, const std::string& key, const std::string& name) const;
    bool WriteText(SettingsHive hive, const std::string& key, const std::string& name, const std::string& text);
    bool WriteNumber(SettingsHive hive, const std::string& key, const std::string& name, std::uint32_t number);
};

// In memory; the test double, and the store of a run that keeps nothing.
class MemorySettings : public Settings {
public:
    std::optional<SettingsValue> Read(SettingsHive hive, const std::string& key, const std::string& name) const override;
    bool Write(SettingsHive hive, const std::string& key, const std::string& name, const SettingsValue& value) override;

protected:
    // Keys and names compare without case, as the registry's do.
    using Slot = std::tuple<SettingsHive, std::string, std::string>;
    static Slot MakeSlot(SettingsHive hive, const std::string& key, const std::string& name);
    std::map<Slot, SettingsValue> values_;
    mutable std::mutex mutex_;
};

// One text file per hive: the user hive under $XDG_CONFIG_HOME/kavro, the machine hive in the
// installation folder. Every write that changes a value rewrites the file atomically.
class FileSettings : public MemorySettings {
public:
    FileSettings(std::filesystem::path userFile, std::filesystem::path machineFile);
    bool Write(SettingsHive hive, const std::string& key, const std::string& name, const SettingsValue& value) override;

    // The user hive's file: $XDG_CONFIG_HOME/kavro/settings.txt, or ~/.config/kavro/settings.txt.
    static std::filesystem::path DefaultUserFile();

private:
    void Load(SettingsHive hive, const std::filesystem::path& file);
    bool Save(SettingsHive hive) const;
    std::filesystem::path userFile_;
    std::filesystem::path machineFile_;
    bool userUnsaved_ = false;
    bool machineUnsaved_ = false;
};

// The store the program uses; a MemorySettings until start-up installs the real one.
Settings& GetSettings();
void InstallSettings(std::unique_ptr<Settings> settings);
