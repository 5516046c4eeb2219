#include "combgen/Configuration.h"

#include "combgen/LibraryText.h"

namespace {

std::string& MessageBuffer() {
    static std::string message;
    return message;
}

template <typename T>
T* FindByName(const std::vector<std::unique_ptr<T>>& list, std::string_view name) {
    for (const auto& entry : list) {
        if (EqualsIgnoringCase(entry->name, name)) return entry.get();
    }
    return nullptr;
}

}  // namespace

MirvaneConfiguration& GetConfiguration() {
    static MirvaneConfiguration configuration;
    return configuration;
}

CVariable* FindVariable(std::string_view name) { return FindByName(GetConfiguration().variables, name); }

CEffectVariable* FindEffectVariable(std::string_view name) {
    return FindByName(GetConfiguration().effectVariables, name);
}

CEffect* FindEffect(std::string_view name) { return FindByName(GetConfiguration().effects, name); }

const std::string& GetLibraryMessage() { return MessageBuffer(); }

void SetLibraryMessage(std::string_view text) { MessageBuffer() = CutToUtf16Units(text, kMessageCapacity); }

void ClearLibraryMessage() { MessageBuffer().clear(); }

bool Fail(std::string_view text) {
    SetLibraryMessage(text);
    return false;
}

bool Fail(std::string_view pattern, std::string_view argument) {
    return Fail(FillPlaceholder(pattern, argument));
}
