#pragma once
// How a runner hands a list of a step or task (conditions, actions, attributes) or a tab
// control's pages to its editor as copies and writes it back: the copies keep their entries'
// unique ids and carry an Edited mark (a page: its modified flag) where the editor applied
// something, so entries that were not changed keep their identity.
#include <string>
#include <vector>

#include "model/ActionKav.h"
#include "model/AttributeKav.h"
#include "model/CloneFlags.h"
#include "model/ConditionKav.h"
#include "model/windows/TabPage.h"
#include "platform/ObjectList.h"

inline std::string UniqueIdOf(const CAttributeKav& attribute) { return attribute.GetId(); }
inline std::string UniqueIdOf(const CActionKav& action) { return action.GetId(); }
inline std::string UniqueIdOf(const CConditionKav& condition) { return condition.GetUniqueId(); }
inline std::string UniqueIdOf(const CTabPage& page) { return page.GetUniqueId(); }

template <class T>
bool IsEditedCopy(const T& copy) {
    return copy.IsEdited();
}
inline bool IsEditedCopy(const CTabPage& page) { return page.IsModified(); }

// The list takes the order of the copies. A copy with the unique id of an entry replaces that
// entry when it is marked Edited, and otherwise gives way to the entry, which stays the very
// object it was; a copy without an entry is new; entries without a copy are deleted. An empty
// unique id matches nothing. The copies end up in the list or deleted; their list is emptied.
template <class T>
void MergeEditedCopies(OwningList<T>& list, OwningList<T>& copies) {
    std::vector<T*> merged;
    for (T* copy : copies) {
        const std::string id = UniqueIdOf(*copy);
        T* entry = id.empty() ? nullptr : list.FindIf([&id](const T* item) { return UniqueIdOf(*item) == id; });
        if (entry && !IsEditedCopy(*copy)) {
            list.Release(entry);
            merged.push_back(entry);
            delete copy;
            continue;
        }
        if (entry) list.Delete(entry);
        merged.push_back(copy);
    }
    copies.Pointers().clear();
    list.DeleteAll();
    for (T* item : merged) list.Add(item);
}

// The copies an editor works on: each entry of the list, its Edited mark cleared first, as a
// copy that keeps its unique id and file, in order, appended to the copies.
template <class T>
void CopyForEditing(const OwningList<T>& list, OwningList<T>& copies) {
    for (T* entry : list) {
        entry->SetEdited(false);
        copies.Add(entry->Clone(kCloneKeepId | kCloneKeepFile));
    }
}
