#include "platform/Clipboard.h"

#include <cinttypes>
#include <cstdio>
#include <map>
#include <mutex>

#include "platform/Clock.h"

namespace {

std::mutex& Lock() {
    static std::mutex lock;
    return lock;
}

std::map<std::string, std::string>& Store() {
    static std::map<std::string, std::string> store;
    return store;
}

}  // namespace

void PutClipboardObject(const std::string& format, const void* object) {
    if (!object) {
        SetClipboardText(format, "");
        return;
    }
    char text[64];
    std::snprintf(text, sizeof text, "%" PRIu32 ":%" PRIuPTR, GetClock().ProcessId(),
                  reinterpret_cast<std::uintptr_t>(object));
    SetClipboardText(format, text);
}

std::string GetClipboardText(const std::string& format) {
    std::lock_guard guard(Lock());
    auto it = Store().find(format);
    return it == Store().end() ? std::string() : it->second;
}

void SetClipboardText(const std::string& format, const std::string& text) {
    std::lock_guard guard(Lock());
    if (text.empty()) Store().erase(format);
    else Store()[format] = text;
}

void* GetClipboardObject(const std::string& format) {
    std::string text = GetClipboardText(format);
    std::uint32_t pid = 0;
    std::uintptr_t address = 0;
    char tail = 0;
    if (std::sscanf(text.c_str(), "%" SCNu32 ":%" SCNuPTR "%c", &pid, &address, &tail) != 2) return nullptr;
    if (pid != GetClock().ProcessId() || address == 0) return nullptr;
    return reinterpret_cast<void*>(address);
}

void ClearClipboard() {
    std::lock_guard guard(Lock());
    Store().clear();
}
