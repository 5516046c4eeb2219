#include "conversion/framework/RepositoryImport.h"

#include <algorithm>
#include <set>
#include <stdexcept>
#include <utility>

#include "conversion/framework/RepositoryReader.h"
#include "model/ApplicationKav.h"
#include "model/FileKav.h"
#include "model/ShellServices.h"
#include "model/WindowKav.h"
#include "model/WindowList.h"
#include "platform/MessageLog.h"

namespace {

ImportedWindowHook& AnnounceHook() {
    static ImportedWindowHook hook;
    return hook;
}

ImportedWindowGate& Gate() {
    static ImportedWindowGate gate;
    return gate;
}

void CollectSubtree(CWindowKav* window, std::set<CWindowKav*>& subtree) {
    if (!subtree.insert(window).second) return;
    for (CWindowKav* child : window->GetChildren()) CollectSubtree(child, subtree);
}

}  // namespace

void SetImportedWindowHook(ImportedWindowHook hook) { AnnounceHook() = std::move(hook); }

void SetImportedWindowGate(ImportedWindowGate gate) { Gate() = std::move(gate); }

ImportedWindows::~ImportedWindows() {
    // From the back: a window's children follow it in the list, so each is detached while its
    // parent still lives.
    for (size_t i = windows_.size(); i > taken_; --i) {
        CWindowKav* window = windows_[i - 1];
        if (CWindowKav* parent = window->GetParent()) parent->RemoveChild(window);
        delete window;
    }
}

void ImportedWindows::RemoveImportedWindow(CWindowKav* window) {
    const auto untaken = windows_.begin() + static_cast<std::ptrdiff_t>(taken_);
    if (std::find(untaken, windows_.end(), window) == windows_.end()) return;
    std::set<CWindowKav*> subtree;
    CollectSubtree(window, subtree);
    // Out of the list first, then out of the tree, then deleted: nothing is touched once gone.
    std::vector<CWindowKav*> dropped;
    std::erase_if(windows_, [&](CWindowKav* listed) {
        const bool inSubtree = subtree.contains(listed);
        if (inSubtree) dropped.push_back(listed);
        return inSubtree;
    });
    if (CWindowKav* parent = window->GetParent()) parent->RemoveChild(window);
    for (CWindowKav* gone : dropped) delete gone;
}

int RunRepositoryImport(int format, const std::string& path, MessageLog* log, RepositoryCompletion& completion) {
    if (!CurrentApplication) throw std::logic_error("a repository import needs an open project");
    RepositoryReader& reader = GetRepositoryReader(format);
    reader.CreatedWindows().clear();
    reader.SetMessageLog(log);
    reader.ClearParentStack();
    int parsed = 0;
    {
        CFileKav file("", path, path, true);
        parsed = reader.ParseRepository(file, "UTF-8");
    }
    reader.SetMessageLog(nullptr);
    reader.ClearParentStack();
    ImportedWindows imported(std::exchange(reader.CreatedWindows(), {}));
    if (parsed != 1) return 0;

    const std::vector<CWindowKav*>& windows = imported.Windows();
    for (size_t i = 0; i < windows.size();) {
        if (completion.Prepare(*windows[i])) ++i;
        else imported.RemoveImportedWindow(windows[i]);
    }

    CWindowList& table = CurrentApplication->GetWindowList();
    for (size_t i = 0; i < windows.size(); ++i) {
        CWindowKav* window = windows[i];
        completion.Complete(*window);
        if ((Gate() && !Gate()(*window)) || !table.Add(window)) return 0;
        imported.TakeUpTo(i);
        if (window->GetParent()) CWindowList::FitParents(window);
        CWindowKav* joined = completion.Joined(*window);
        if (!joined) return 0;
        imported.Replace(i, joined);
    }

    if (AnnounceHook())
        for (CWindowKav* window : windows)
            if (!window->GetParent()) AnnounceHook()(window);
    if (log) log->AddMessage(completion.SuccessLine(static_cast<int>(windows.size())));
    return 1;
}
