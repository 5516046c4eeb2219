#pragma once
// The clipboard as the core sees it: per registered format, the text "<process id>:<address>"
// of an object this process put there. An object comes back only to the process that put it,
// and only while the text still names that very object: a text of another process, or one that
// names any other address, reads as no object. The window program mirrors the texts on the
// system clipboard, which then decides what is offered.
#include <map>
#include <memory>
#include <optional>
#include <string>

// The six formats of the program.
inline constexpr const char* kClipboardFormats[] = {
    "CF_KAVRO_WINDOW_COPY", "CF_KAVRO_WINDOW_CUT",  "CF_KAVRO_WINDOWLIST_COPY",
    "CF_KAVRO_TASK_COPY",   "CF_KAVRO_TASK_CUT",    "CF_KAVRO_TASKSTEPS_COPY"};

// The system clipboard, kept in step with the core's texts.
class ClipboardMirror {
public:
    virtual ~ClipboardMirror() = default;
    // Offers these texts by format name in place of what the clipboard held (none: it is
    // emptied, if it holds anything of this process); false when the clipboard refused them.
    virtual bool Publish(const std::map<std::string, std::string>& payloads) = 0;
    // The text the clipboard offers under the format, or nothing.
    virtual std::optional<std::string> Read(const std::string& format) = 0;
};

// From then on the mirror is written with every change and decides what is read; null goes back
// to the core's own texts.
void InstallClipboardMirror(std::unique_ptr<ClipboardMirror> mirror);

// Puts the object's payload under the format, replacing what was there (null clears it). False
// when the system clipboard refused it: nothing changed then.
bool PutClipboardObject(const std::string& format, const void* object);
// The payload text under the format, or "" when there is none.
std::string GetClipboardText(const std::string& format);
// Replaces the payload text, as another process writing the clipboard does.
void SetClipboardText(const std::string& format, const std::string& text);
// The object this process put under the format while the text still names it; else null.
void* GetClipboardObject(const std::string& format);
// Empties every format.
void ClearClipboard();
