#include "platform/Registry.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "platform/TextUtil.h"

std::string RedirectProductKey(std::string_view keyPath) {
    constexpr size_t kHiveRootLength = 8;  // "SOFTWARE"
    if (keyPath.size() < kProductKey.size() || !EqualsNoCase(keyPath.substr(0, kProductKey.size()), kProductKey))
        return std::string(keyPath);
    return std::string(keyPath.substr(0, kHiveRootLength)) + "\\Wow6432Node\\" +
           std::string(keyPath.substr(kHiveRootLength + 1));
}

std::string ReadRegistryString(SettingsHive hive, const std::string& keyPath, const std::string& name) {
    std::optional<SettingsValue> value = GetSettings().Read(hive, keyPath, name);
    if (!value) return {};
    if (value->type == SettingsValueType::Number) return std::to_string(static_cast<std::int32_t>(value->number));
    return value->text;
}

int WriteRegistryString(SettingsHive hive, const std::string& keyPath, const std::string& name,
                        const std::string& value, int type) {
    SettingsValue stored;
    if (type == kRegistryText) {
        stored = SettingsValue::Text(value);
    } else if (type == kRegistryNumber) {
        // A 32-bit long, as the registry's number type holds: out-of-range texts saturate.
        long number = std::clamp<long>(std::strtol(value.c_str(), nullptr, 10), INT32_MIN, INT32_MAX);
        stored = SettingsValue::Number(static_cast<std::uint32_t>(static_cast<std::int32_t>(number)));
    } else {
        return 0;
    }
    return GetSettings().Write(hive, keyPath, name, stored) ? 1 : 0;
}
