#pragma once
// A message box that a demo's rules ask for: the dialog shows it with an exclamation icon and
// an OK button.
#include <string>

struct DemoMessage {
    std::string text;
    std::string caption;

    bool operator==(const DemoMessage&) const = default;
};
