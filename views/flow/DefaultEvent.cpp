#include "views/flow/DefaultEvent.h"

#include "model/WindowKav.h"

std::string DefaultEventForWindowType(int windowType) {
    switch (windowType) {
        case kWndInputField: return "Input(\"\")";
        case kWndCheckBox: return "Check(TRUE)";
        case kWndComboBox:
        case kWndListBox:
        case kWndTabControl:
        case kWndListView:
        case kWndTreeControl: return "Select(\"\")";
        default: return "Click";
    }
}
