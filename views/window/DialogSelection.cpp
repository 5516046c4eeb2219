#include "views/window/DialogSelection.h"

#include <algorithm>

#include "model/WindowKav.h"
#include "model/WindowList.h"

bool DialogSelection::Contains(const CWindowKav* window) const {
    return std::find(windows_.begin(), windows_.end(), window) != windows_.end();
}

void DialogSelection::Clear() {
    windows_.clear();
    ids_.clear();
}

void DialogSelection::Add(CWindowKav* window) {
    windows_.push_back(window);
    ids_.push_back(window->GetInternalID());
}

void DialogSelection::Remove(const CWindowKav* window) {
    const auto found = std::find(windows_.begin(), windows_.end(), window);
    if (found == windows_.end()) return;
    ids_.erase(ids_.begin() + (found - windows_.begin()));
    windows_.erase(found);
}

void DialogSelection::Assign(const std::vector<CWindowKav*>& windows) {
    Clear();
    for (CWindowKav* window : windows) Add(window);
}

void DialogSelection::Rebind(CWindowList& windows) {
    const std::vector<std::string> ids = ids_;
    Clear();
    for (const std::string& id : ids)
        if (CWindowKav* window = windows.FindByID(id)) Add(window);
}
