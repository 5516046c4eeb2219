#pragma once
// List boxes, list views and tree controls.
#include "model/windows/TextWindows.h"

class CListBoxKav : public CWindowKav {
public:
    explicit CListBoxKav(const WindowFields& fields) : CWindowKav(kWndListBox, fields) {}

    // Selection modes of GetSelectionMode.
    enum SelectionMode : int { kSingle = 0, kMultiple = 1, kExtended = 2, kNoSelection = 3 };

    // LBS_MULTIPLESEL wins over LBS_EXTENDEDSEL, which wins over LBS_NOSEL.
    int GetSelectionMode() const;
    // Sets the one bit of the mode and clears the other two; an unknown mode changes nothing.
    bool SetSelectionMode(int mode);
    bool IsSorted() const { return GetStyle() & win32::LBS_SORT; }
    bool SetSorted(bool on) { return SetStyleBits(win32::LBS_SORT, on); }
};

class CListViewKav : public CExtraTextWindowKav {
public:
    explicit CListViewKav(const WindowFields& fields) : CExtraTextWindowKav(kWndListView, fields, {}, false) {}

    // Sort orders of GetSortOrder.
    enum SortOrder : int { kUnsorted = 0, kAscending = 1, kDescending = 2 };

    int GetSortOrder() const;
    // Sets the order's bit and clears the other; an unknown order changes nothing.
    bool SetSortOrder(int order);
    bool IsSingleSelection() const { return GetStyle() & win32::LVS_SINGLESEL; }
    bool SetSingleSelection(bool on) { return SetStyleBits(win32::LVS_SINGLESEL, on); }
};

class CTreeControlKav : public CWindowKav {
public:
    explicit CTreeControlKav(const WindowFields& fields) : CWindowKav(kWndTreeControl, fields) {}

    bool HasButtons() const { return GetStyle() & win32::TVS_HASBUTTONS; }
    bool SetHasButtons(bool on) { return SetStyleBits(win32::TVS_HASBUTTONS, on); }
    bool IsEditLabels() const { return GetStyle() & win32::TVS_EDITLABELS; }
    bool SetEditLabels(bool on) { return SetStyleBits(win32::TVS_EDITLABELS, on); }
};
