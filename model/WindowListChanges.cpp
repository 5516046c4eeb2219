// The window table's changes of a window as a whole: renaming, changing the type, deleting and
// redirecting every reference. These passes walk a snapshot of the table, so that the lookups
// they make on the way cannot derail them.
#include <algorithm>

#include "model/ApplicationKav.h"
#include "model/WindowKav.h"
#include "model/WindowList.h"
#include "model/windows/WindowTypes.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"

bool CWindowList::RenameWindow(CWindowKav* window, const std::string& newName) {
    const std::string oldName = window->GetName();
    const std::string oldReference = application_->GetObjectPathText(window);
    if (EqualsNoCase(newName, oldName)) return window->SetName(newName, true);
    if (FindByName(newName, window->GetFile())) {
        SetMessage(44537, newName);
        return false;
    }
    const int oldBucket = HashName(oldName);
    if (std::find(buckets_[oldBucket].begin(), buckets_[oldBucket].end(), window) == buckets_[oldBucket].end()) {
        SetMessage(44538, oldName);
        return false;
    }
    if (!newName.empty() && newName[0] >= '0' && newName[0] <= '9') {
        SetMessage(44789);
        return false;
    }
    if (!window->SetName(newName, true)) return false;
    EraseFromBucket(oldBucket, window);
    Add(window);
    application_->RenameWindowReferences(oldReference, application_->GetObjectPathText(window));
    return true;
}

CWindowKav* CWindowList::ChangeType(CWindowKav* window, int newType) {
    if (!window) {
        SetMessage(44539);
        return nullptr;
    }
    if (window->GetType() == newType) {
        SetMessage(44540);
        return nullptr;
    }
    // No other type can hold menu items or stand in a menu.
    const auto isMenuType = [](int type) { return type == kWndMenu || type == kWndMenuItem; };
    if (!IsWindowTypeCode(newType) || isMenuType(newType) || isMenuType(window->GetType())) {
        SetMessage(44541);
        return nullptr;
    }
    // The replacement stays in the window's file; check that it can enter the table before
    // anything changes.
    CFileKav* file = window->GetFile() ? window->GetFile() : application_->GetMainFile();
    if (IsNameTakenByOther(window->GetName(), file, window)) {
        SetMessage(44536, window->GetName());
        return nullptr;
    }

    WindowFields fields = window->GetFields();
    fields.style &= ~win32::kClassStyleBits;
    CWindowKav* replacement = CreateWindowOfType(newType, fields);
    if (newType == kWndLink) static_cast<CLinkKav*>(replacement)->SetInitialValue("http://");
    replacement->SetFile(file);
    replacement->SetFileId(window->GetFileId());
    replacement->SetInternalID(window->GetInternalID());
    replacement->SetParentID(window->GetParentID());
    replacement->SetTreeItem(window->GetTreeItem());
    replacement->SetSelectTreeItem(window->GetSelectTreeItem());
    replacement->SetRect(window->GetRect());
    replacement->SetImportTool(window->GetImportTool());
    replacement->SetToolData(window->GetToolData());
    window->SetToolData(nullptr);

    RedirectWindow(window, replacement);
    replacement->TakePlaceOf(*window);
    if (!Remove(window)) GetInteraction().Inform(FormatMessageId(41062, window->GetName()), MessageIcon::Error);
    delete window;
    Add(replacement);  // cannot fail: the name was checked above
    return replacement;
}

bool CWindowList::DeleteWindow(const std::string& name, const CFileKav* file) {
    CWindowKav* window = FindInFile(name, file);
    if (!window) {
        SetMessage(44542, name);
        return false;
    }
    if (CWindowKav* parent = window->GetParent()) parent->RemoveChild(window);
    DeleteTransitionsInto(window);
    for (CWindowKav* child : std::vector<CWindowKav*>(window->GetChildren()))
        if (!DeleteWindow(child->GetName(), file)) return false;
    if (application_->GetStartWindow() == window) application_->SetStartWindow(nullptr);
    Remove(window);
    delete window;
    return true;
}

void CWindowList::DeleteTransitionsInto(const CWindowKav* window) {
    for (CWindowKav* each : Snapshot()) {
        for (CTransitionKav* transition : each->GetTransitions().Snapshot()) {
            if (transition->GetDestWindow() != window) continue;
            application_->RemoveReferencesFromTasks(nullptr, transition, nullptr, nullptr, nullptr);
            application_->RemoveReferencesFromTestCases(nullptr, transition, nullptr, 0);
            each->GetTransitions().Delete(transition);
        }
    }
}

bool CWindowList::RedirectWindow(CWindowKav* oldWindow, CWindowKav* newWindow) {
    for (CWindowKav* window : Snapshot())
        for (CTransitionKav* transition : window->GetTransitions())
            if (transition->GetDestWindow() == oldWindow) transition->SetDestWindow(newWindow);
    for (CTransitionKav* transition : oldWindow->GetTransitions()) {
        transition->SetStartWindow(newWindow);
        newWindow->GetTransitions().Add(transition);
    }
    oldWindow->GetTransitions().Pointers().clear();
    for (CAttributeKav* attribute : oldWindow->GetAttributes()) newWindow->GetAttributes().Add(attribute);
    oldWindow->GetAttributes().Pointers().clear();
    if (application_->GetStartWindow() == oldWindow) application_->SetStartWindow(newWindow);
    application_->ReplaceWindowInTasks(newWindow, oldWindow);
    application_->ReplaceWindowInTestCases(newWindow, oldWindow);
    application_->ReplaceWindowInTestScripts(newWindow, oldWindow);
    return true;
}

bool CWindowList::ReplaceWindow(CWindowKav* oldWindow, CWindowKav* newWindow) {
    RedirectWindow(oldWindow, newWindow);
    application_->RenameWindowReferences(application_->GetObjectPathText(oldWindow),
                                         application_->GetObjectPathText(newWindow));
    return true;
}
