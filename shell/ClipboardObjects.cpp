#include "shell/ClipboardObjects.h"

#include <algorithm>
#include <utility>

#include "model/TaskKav.h"
#include "model/WindowKav.h"
#include "platform/Clipboard.h"
#include "platform/Interaction.h"
#include "resources/MessageCatalogue.h"

namespace {

constexpr int kSharedMemoryFailed = 41091;  // [F0091]

// The copies on the clipboard, one per copy format.
struct OwnedCopies {
    CWindowKav* window = nullptr;
    WindowClipboardList* windowList = nullptr;
    CTaskKav* task = nullptr;
    TaskStepClipboardList* taskSteps = nullptr;
};

OwnedCopies& Copies() {
    static OwnedCopies copies;
    return copies;
}

// An entry whose ancestor is listed too goes with that ancestor.
void DeleteWindowList(WindowClipboardList* list) {
    if (!list) return;
    for (CWindowKav* window : TopWindowsOf(*list)) DeleteWindowCopy(window);
    delete list;
}

// Puts the object; a copy replaces the one held under the format only once the clipboard took
// it, and is released at once when the clipboard refused it.
template <class T, class Deleter>
bool Put(const char* format, T* object, T*& owner, Deleter deleteObject, bool owned) {
    if (!PutClipboardObject(format, object)) {
        GetInteraction().ShowMessage({LoadMessage(kSharedMemoryFailed), "", MessageButtons::Ok, MessageIcon::Error});
        if (owned && object != owner) deleteObject(object);
        return false;
    }
    if (owned && owner != object) deleteObject(std::exchange(owner, object));
    return true;
}

template <class T>
bool PutCut(const char* format, T* object) {
    T* unowned = nullptr;
    return Put(format, object, unowned, [](T*) {}, false);
}

void DeleteSteps(TaskStepClipboardList* steps) { delete steps; }

}  // namespace

bool PutWindowCopy(CWindowKav* copy) {
    return Put(kWindowCopyFormat, copy, Copies().window, DeleteWindowCopy, true);
}

bool PutWindowCut(CWindowKav* window) { return PutCut(kWindowCutFormat, window); }

bool PutWindowListCopy(WindowClipboardList* copies) {
    return Put(kWindowListCopyFormat, copies, Copies().windowList, DeleteWindowList, true);
}

bool PutTaskCopy(CTaskKav* copy) { return Put(kTaskCopyFormat, copy, Copies().task, DeleteTaskCopy, true); }

bool PutTaskCut(CTaskKav* task) { return PutCut(kTaskCutFormat, task); }

bool PutTaskStepsCopy(TaskStepClipboardList* steps) {
    return Put(kTaskStepsCopyFormat, steps, Copies().taskSteps, DeleteSteps, true);
}

void ClearClipboardObjects() {
    OwnedCopies& copies = Copies();
    DeleteWindowCopy(std::exchange(copies.window, nullptr));
    DeleteWindowList(std::exchange(copies.windowList, nullptr));
    DeleteTaskCopy(std::exchange(copies.task, nullptr));
    DeleteSteps(std::exchange(copies.taskSteps, nullptr));
    ClearClipboard();
}

void DeleteWindowCopy(CWindowKav* copy) {
    if (!copy) return;
    copy->DeleteChildren();
    delete copy;
}

void DeleteTaskCopy(CTaskKav* copy) {
    if (!copy) return;
    for (CTaskKav* child : copy->GetChildren()) DeleteTaskCopy(child);
    delete copy;
}

std::vector<CWindowKav*> TopWindowsOf(const std::vector<CWindowKav*>& windows) {
    const auto listed = [&windows](const CWindowKav* window) {
        return std::find(windows.begin(), windows.end(), window) != windows.end();
    };
    std::vector<CWindowKav*> tops;
    for (CWindowKav* window : windows) {
        if (!window) continue;
        const CWindowKav* parent = window->GetParent();
        while (parent && !listed(parent)) parent = parent->GetParent();
        if (!parent) tops.push_back(window);
    }
    return tops;
}
