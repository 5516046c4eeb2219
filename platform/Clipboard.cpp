#include "platform/Clipboard.h"

#include <cinttypes>
#include <cstdio>
#include <mutex>

#include "platform/Clock.h"

namespace {

struct Entry {
    std::string text;
    // What PutClipboardObject was given; a text naming anything else finds nothing.
    const void* object = nullptr;
};

struct Store {
    std::mutex lock;
    std::map<std::string, Entry> entries;
    std::shared_ptr<ClipboardMirror> mirror;
};

Store& TheStore() {
    static Store store;
    return store;
}

std::map<std::string, std::string> Texts(const std::map<std::string, Entry>& entries) {
    std::map<std::string, std::string> texts;
    for (const auto& [format, entry] : entries) texts[format] = entry.text;
    return texts;
}

// Makes the entries current, provided the mirror (if any) takes them. The mirror is called
// outside the lock: the system clipboard may run the event loop while it answers.
bool Replace(const std::map<std::string, Entry>& entries) {
    Store& store = TheStore();
    std::shared_ptr<ClipboardMirror> mirror;
    {
        std::lock_guard guard(store.lock);
        mirror = store.mirror;
    }
    if (mirror && !mirror->Publish(Texts(entries))) return false;
    std::lock_guard guard(store.lock);
    store.entries = entries;
    return true;
}

std::map<std::string, Entry> Entries() {
    Store& store = TheStore();
    std::lock_guard guard(store.lock);
    return store.entries;
}

}  // namespace

void InstallClipboardMirror(std::unique_ptr<ClipboardMirror> mirror) {
    Store& store = TheStore();
    std::lock_guard guard(store.lock);
    store.mirror = std::move(mirror);
}

bool PutClipboardObject(const std::string& format, const void* object) {
    std::map<std::string, Entry> entries = Entries();
    if (!object) {
        entries.erase(format);
        return Replace(entries);
    }
    char text[64];
    std::snprintf(text, sizeof text, "%" PRIu32 ":%" PRIuPTR, GetClock().ProcessId(),
                  reinterpret_cast<std::uintptr_t>(object));
    entries[format] = {text, object};
    return Replace(entries);
}

std::string GetClipboardText(const std::string& format) {
    Store& store = TheStore();
    std::shared_ptr<ClipboardMirror> mirror;
    {
        std::lock_guard guard(store.lock);
        if (!store.mirror) {
            auto it = store.entries.find(format);
            return it == store.entries.end() ? std::string() : it->second.text;
        }
        mirror = store.mirror;
    }
    return mirror->Read(format).value_or("");
}

void SetClipboardText(const std::string& format, const std::string& text) {
    std::map<std::string, Entry> entries = Entries();
    if (text.empty()) entries.erase(format);
    else entries[format].text = text;
    Replace(entries);
}

void* GetClipboardObject(const std::string& format) {
    const std::string text = GetClipboardText(format);
    std::uint32_t pid = 0;
    std::uintptr_t address = 0;
    char tail = 0;
    if (std::sscanf(text.c_str(), "%" SCNu32 ":%" SCNuPTR "%c", &pid, &address, &tail) != 2) return nullptr;
    if (pid != GetClock().ProcessId() || address == 0) return nullptr;
    const std::map<std::string, Entry> entries = Entries();
    const auto it = entries.find(format);
    if (it == entries.end() || reinterpret_cast<std::uintptr_t>(it->second.object) != address) return nullptr;
    return const_cast<void*>(it->second.object);
}

void ClearClipboard() {
    Replace({});
    // The core's texts go even when the system clipboard would not let go.
    Store& store = TheStore();
    std::lock_guard guard(store.lock);
    store.entries.clear();
}
