#pragma once
// The clipboard as the core sees it: per registered format, the text "<process id>:<address>"
// of an object this process copied. Only the process that wrote it can take the object back.
// The GUI mirrors the same payload on the system clipboard.
#include <string>

// The six formats of the program.
inline constexpr const char* kClipboardFormats[] = {
    "CF_KAVRO_WINDOW_COPY", "CF_KAVRO_WINDOW_CUT",  "CF_KAVRO_WINDOWLIST_COPY",
    "CF_KAVRO_TASK_COPY",   "CF_KAVRO_TASK_CUT",    "CF_KAVRO_TASKSTEPS_COPY"};

// Puts the object's payload under the format, replacing what was there (null clears it).
void PutClipboardObject(const std::string& format, const void* object);
// The payload text under the format, or "" when there is none.
std::string GetClipboardText(const std::string& format);
// Replaces the payload text (what another process, or the system clipboard, delivered).
void SetClipboardText(const std::string& format, const std::string& text);
// The object this process put under the format, or null (no data, or data of another process).
void* GetClipboardObject(const std::string& format);
// Empties every format.
void ClearClipboard();
