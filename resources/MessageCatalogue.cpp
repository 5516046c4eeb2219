#include "resources/MessageCatalogue.h"

#include <cstdio>
#include <unordered_map>

namespace {

// One file per area, so that the areas grow their texts independently. Each line is
// {id, "text"}, the text copied byte for byte, code included.
const MessageEntry kEntries[] = {
#include "resources/messages/model.inc"
#include "resources/messages/conditions.inc"
#include "resources/messages/persistence.inc"
#include "resources/messages/generation.inc"
#include "resources/messages/conversion.inc"
#include "resources/messages/uft.inc"
#include "resources/messages/shell.inc"
#include "resources/messages/views.inc"
#include "resources/messages/editors.inc"
#include "resources/messages/windowprops.inc"
#include "resources/messages/import.inc"
#include "resources/messages/tminterface.inc"
#include "resources/messages/capture.inc"
#include "resources/messages/docs.inc"
#include "resources/messages/captions.inc"
#include "resources/messages/progress.inc"
    {0, nullptr}};

const std::unordered_map<int, const char*>& Index() {
    static const std::unordered_map<int, const char*> index = [] {
        std::unordered_map<int, const char*> map;
        for (const MessageEntry& e : kEntries)
            if (e.text) map.emplace(e.id, e.text);
        return map;
    }();
    return index;
}

std::unordered_map<int, std::string>& Translations() {
    static std::unordered_map<int, std::string> translations;
    return translations;
}

}  // namespace

const char* FindMessageText(int id) {
    if (auto translated = Translations().find(id); translated != Translations().end())
        return translated->second.c_str();
    auto it = Index().find(id);
    return it == Index().end() ? nullptr : it->second;
}

std::string LoadMessage(int id) {
    if (const char* text = FindMessageText(id)) return text;
    return "<message " + std::to_string(id) + ">";
}

std::string MessageCode(int id) {
    char letter = 0;
    int number = 0;
    if (id >= 41000 && id <= 41999) letter = 'F', number = id - 41000;
    else if (id >= 42000 && id <= 42999) letter = 'I', number = id - 42000;
    else if (id >= 43000 && id <= 43999) letter = 'Q', number = id - 43000;
    else if (id >= 44000 && id <= 45999) letter = 'W', number = id - 44000;
    else return "";
    char code[16];
    std::snprintf(code, sizeof code, "[%c%04d]", letter, number);
    return code;
}

std::vector<MessageEntry> AllMessageEntries() {
    std::vector<MessageEntry> all;
    for (const MessageEntry& e : kEntries)
        if (e.text) all.push_back(e);
    return all;
}

void InstallMessageTranslations(std::unordered_map<int, std::string> translations) {
    Translations() = std::move(translations);
}
