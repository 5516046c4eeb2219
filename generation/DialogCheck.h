#pragma once
// A refused OK of a dialog: the warning to show, its caption, and the control that gets the
// focus back (0: none). The dialog stays open.
#include <string>

#include "platform/TextUtil.h"

struct DialogCheckFailure {
    int messageId;
    std::string caption;
    int control;

    bool operator==(const DialogCheckFailure&) const = default;
};

// The text read as a decimal number (not a number: 0) lies in low..high.
inline bool IsDecimalInRange(const std::string& text, int low, int high) {
    int value = ParseLeadingInt(text);
    return value >= low && value <= high;
}
