#pragma once
// One entry of an event parser's key table: a key name of the event notation with the outside
// tool's notation of that key.
#include <string>

enum EventKeyCode : int {
    kKeypadCharacterKey = 0,  // a character key of the numeric keypad ("#+", "#7")
    kNamedKey = 1,            // a key that tools write as a named constant ("enter", "f1")
};

// A key name with its text on the German (layout 0) and on the US keyboard (layout 1), as the
// tools that write keys by keyboard layout list them.
struct LayoutKeyText {
    const char* name;
    const char* german;
    const char* us;
    int code = kNamedKey;
};

class CEventKey {
public:
    // The name is kept as given; the key table lower-cases it.
    CEventKey(std::string name, int code, std::string text)
        : name_(std::move(name)), code_(code), text_(std::move(text)) {}
    virtual ~CEventKey() = default;

    const std::string& GetName() const { return name_; }
    int GetCode() const { return code_; }
    const std::string& GetText() const { return text_; }

private:
    std::string name_;
    int code_;
    std::string text_;
};
