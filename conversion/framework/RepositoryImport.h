#pragma once
// The order that every import of an outside tool's object repository follows: the tool's reader
// parses the file into windows, the tool's completion gives each window what the reader left
// out (name, caption, rectangle, tag), the windows join the project's window table, and the top
// windows are announced to the program's window. The windows belong to the import until the
// table takes them; whatever it has not taken when the import ends is deleted, once each.
#include <functional>
#include <string>
#include <vector>

class CWindowKav;
class MessageLog;
class RepositoryReader;

// The windows of one import, in reader order (a parent before its children).
class ImportedWindows {
public:
    explicit ImportedWindows(std::vector<CWindowKav*> windows) : windows_(std::move(windows)) {}
    // Detaches each window left over from its parent, which the table may hold, then deletes it.
    ~ImportedWindows();
    ImportedWindows(const ImportedWindows&) = delete;
    ImportedWindows& operator=(const ImportedWindows&) = delete;

    const std::vector<CWindowKav*>& Windows() const { return windows_; }
    // The window and every window of the list below it leave the list, the window leaves its
    // parent, and each is deleted once. A window not in the list is left alone.
    void RemoveImportedWindow(CWindowKav* window);
    // The window at that place and those before it belong to the table from now on.
    void TakeUpTo(size_t index) { taken_ = index + 1; }
    // A taken window that the table replaced by another object.
    void Replace(size_t index, CWindowKav* replacement) { windows_[index] = replacement; }

private:
    std::vector<CWindowKav*> windows_;
    size_t taken_ = 0;
};

// What a tool adds to the shared order.
class RepositoryCompletion {
public:
    virtual ~RepositoryCompletion() = default;
    // Before any window joins the table, each in list order; false drops the window with the
    // windows below it (after the completion has logged why).
    virtual bool Prepare(CWindowKav& /*window*/) { return true; }
    // Right before the window joins the table: its name and whatever else is left.
    virtual void Complete(CWindowKav& window) = 0;
    // After the window joined and its ancestors grew to hold it: the window as it now stands in
    // the table (another object when its type changed), or null with the message in the global
    // buffer, which ends the import.
    virtual CWindowKav* Joined(CWindowKav& window) { return &window; }
    // The log line that closes an import of that many windows.
    virtual std::string SuccessLine(int count) const = 0;
};

// Runs the import of the file through the format's reader (see RepositoryReader.h), its lines
// into the log (may be null). 1, or 0 with the message in the global buffer: the reader's, or the
// table's for a window it refused (the windows before it stay in the project).
int RunRepositoryImport(int format, const std::string& path, MessageLog* log, RepositoryCompletion& completion);

// Hands each imported window without parent to the program's window, which shows it in the
// workspace; installed by the GUI, null for nobody.
using ImportedWindowHook = std::function<void(CWindowKav* window)>;
void SetImportedWindowHook(ImportedWindowHook hook);

// Test hook: called before each imported window joins the table; false refuses it as the table
// refuses a name it holds (the hook writes the message). Null removes it.
using ImportedWindowGate = std::function<bool(const CWindowKav& window)>;
void SetImportedWindowGate(ImportedWindowGate gate);
