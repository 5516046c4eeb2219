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

void DeleteWindowTree(CWindowKav* window) {
    if (!window) return;
    window->DeleteChildren();
    delete window;
}

void DeleteTaskTree(CTaskKav* task) {
    if (!task) return;
    for (CTaskKav* child : task->GetChildren()) DeleteTaskTree(child);
    delete task;
}

bool HasAncestorIn(const CWindowKav* window, const WindowClipboardList& list) {
    for (const CWindowKav* parent = window->GetParent(); parent; parent = parent->GetParent())
        if (std::find(list.begin(), list.end(), parent) != list.end()) return true;
    return false;
}

// An entry whose ancestor is listed too goes with that ancestor.
void DeleteWindowList(WindowClipboardList* list) {
    if (!list) return;
    WindowClipboardList tops;
    for (CWindowKav* window : *list)
        if (window && !HasAncestorIn(window, *list)) tops.push_back(window);
    for (CWindowKav* window : tops) DeleteWindowTree(window);
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
    return Put(kWindowCopyFormat, copy, Copies().window, DeleteWindowTree, true);
}

bool PutWindowCut(CWindowKav* window) { return PutCut(kWindowCutFormat, window); }

bool PutWindowListCopy(WindowClipboardList* copies) {
    return Put(kWindowListCopyFormat, copies, Copies().windowList, DeleteWindowList, true);
}

bool PutTaskCopy(CTaskKav* copy) { return Put(kTaskCopyFormat, copy, Copies().task, DeleteTaskTree, true); }

bool PutTaskCut(CTaskKav* task) { return PutCut(kTaskCutFormat, task); }

bool PutTaskStepsCopy(TaskStepClipboardList* steps) {
    return Put(kTaskStepsCopyFormat, steps, Copies().taskSteps, DeleteSteps, true);
}

void ClearClipboardObjects() {
    OwnedCopies& copies = Copies();
    DeleteWindowTree(std::exchange(copies.window, nullptr));
    DeleteWindowList(std::exchange(copies.windowList, nullptr));
    DeleteTaskTree(std::exchange(copies.task, nullptr));
    DeleteSteps(std::exchange(copies.taskSteps, nullptr));
    ClearClipboard();
}
