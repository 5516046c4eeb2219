#pragma once
// One page of a tab control: its title, which designators use as the tab control's value, and
// the window that the page shows.
#include <string>

#include "model/StoreField.h"

// Titles are at most 50 characters: a longer one keeps 49 and ends in "*".
std::string CutTabTitle(const std::string& title);

class CTabPage {
public:
    CTabPage(const std::string& title, std::string pageWindowId);
    CTabPage(const CTabPage&) = delete;
    CTabPage& operator=(const CTabPage&) = delete;

    std::string GetTitle() const { return title_; }
    bool SetTitle(const std::string& title) { return StoreField(title_, CutTabTitle(title)); }
    // The designator text of the page window: its name, with "^", library and ":" in front
    // for a window of a library.
    std::string GetPageWindowId() const { return pageWindowId_; }
    bool SetPageWindowId(const std::string& id) { return StoreField(pageWindowId_, id); }
    // The page window's internal ID.
    std::string GetPageWindowRef() const { return pageWindowRef_; }
    bool SetPageWindowRef(const std::string& ref) { return StoreField(pageWindowRef_, ref); }
    std::string GetUniqueId() const { return uniqueId_; }
    bool SetUniqueId(const std::string& id) { return StoreField(uniqueId_, id); }
    // Set by the tab editor on a page it created or changed; never stored or compared.
    bool IsModified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }

    // Same title and page window ID. Flag 1 keeps the unique id; flag 16 sets the page window
    // reference from the window that the page window ID names now; 32 (without 16) copies it.
    CTabPage* Clone(int flags) const;

private:
    std::string uniqueId_;
    std::string pageWindowRef_;
    std::string pageWindowId_;
    std::string title_;
    bool modified_ = false;
};
