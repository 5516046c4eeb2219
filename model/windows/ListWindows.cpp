#include "model/windows/ListWindows.h"

namespace {

constexpr std::uint32_t kSelectionBits[] = {0, win32::LBS_MULTIPLESEL, win32::LBS_EXTENDEDSEL, win32::LBS_NOSEL};
constexpr std::uint32_t kAllSelectionBits = win32::LBS_MULTIPLESEL | win32::LBS_EXTENDEDSEL | win32::LBS_NOSEL;

}  // namespace

int CListBoxKav::GetSelectionMode() const {
    for (int mode = kMultiple; mode <= kNoSelection; ++mode)
        if (GetStyle() & kSelectionBits[mode]) return mode;
    return kSingle;
}

bool CListBoxKav::SetSelectionMode(int mode) {
    if (mode < kSingle || mode > kNoSelection) return true;
    SetStyleBits(kAllSelectionBits, false);
    SetStyleBits(kSelectionBits[mode], true);
    return true;
}

int CListViewKav::GetSortOrder() const {
    if (GetStyle() & win32::LVS_SORTASCENDING) return kAscending;
    if (GetStyle() & win32::LVS_SORTDESCENDING) return kDescending;
    return kUnsorted;
}

bool CListViewKav::SetSortOrder(int order) {
    if (order < kUnsorted || order > kDescending) return true;
    SetStyleBits(win32::LVS_SORTASCENDING, order == kAscending);
    SetStyleBits(win32::LVS_SORTDESCENDING, order == kDescending);
    return true;
}
