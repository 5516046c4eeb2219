// SilkTest's key names and the reading of a Type event's keys into 4Test key groups.
#include "conditions/EventKey.h"
#include "conditions/EventRules.h"
#include "conversion/silktest/QapEventParser.h"

namespace {

constexpr int kUnknownKeyName = 44362;
constexpr int kKeyNameOpenTwice = 44591;
constexpr int kJoinWithoutKey = 44592;
constexpr int kKeyNameOpenAtEnd = 44593;
constexpr int kJoinAtEnd = 44594;

struct QapKey {
    const char* name;
    const char* text;
    int code = kNamedKey;
};

// In the order the table is filled; the Windows keys have no 4Test name and type nothing.
const QapKey kQapKeys[] = {
    {"numlock", "NumLock"}, {"#/", "#Divide", kKeypadCharacterKey}, {"#*", "#Times", kKeypadCharacterKey},
    {"#-", "#Minus", kKeypadCharacterKey}, {"#+", "#Plus", kKeypadCharacterKey}, {"#enter", "#Enter"},
    {"#home", "#Home"}, {"#end", "#End"}, {"#ins", "#Ins"}, {"#del", "#Del"}, {"#pgup", "#PgUp"},
    {"#pgdn", "#PgDn"}, {"#left", "#Left"}, {"#right", "#Right"}, {"#up", "#Up"}, {"#down", "#Down"},
    {"#.", "#Period", kKeypadCharacterKey}, {"#0", "#0", kKeypadCharacterKey}, {"#1", "#1", kKeypadCharacterKey},
    {"#2", "#2", kKeypadCharacterKey}, {"#3", "#3", kKeypadCharacterKey}, {"#4", "#4", kKeypadCharacterKey},
    {"#5", "#5", kKeypadCharacterKey}, {"#6", "#6", kKeypadCharacterKey}, {"#7", "#7", kKeypadCharacterKey},
    {"#8", "#8", kKeypadCharacterKey}, {"#9", "#9", kKeypadCharacterKey},
    {"esc", "Esc"}, {"f1", "F1"}, {"f2", "F2"}, {"f3", "F3"}, {"f4", "F4"}, {"f5", "F5"}, {"f6", "F6"},
    {"f7", "F7"}, {"f8", "F8"}, {"f9", "F9"}, {"f10", "F10"}, {"f11", "F11"}, {"f12", "F12"},
    {"prtscr", "PrtScr"}, {"scrllock", "ScrollLock"}, {"pause", "Pause"}, {"ins", "Insert"}, {"del", "Delete"},
    {"home", "Home"}, {"end", "End"}, {"pgup", "PgUp"}, {"pgdn", "PgDn"}, {"left", "Left"}, {"right", "Right"},
    {"up", "Up"}, {"down", "Down"}, {"backspace", "Backspace"}, {"tab", "Tab"}, {"capslock", "CapsLock"},
    {"enter", "Enter"},
    {"shift", "Shift"}, {"shiftl", "LeftShift"}, {"shiftr", "RightShift"}, {"ctrl", "Ctrl"}, {"ctrll", "LeftCtrl"},
    {"ctrlr", "RightCtrl"}, {"alt", "Alt"}, {"altl", "LeftAlt"}, {"altr", "RightAlt"}, {"altgr", "RightAlt"},
    {"win", ""}, {"winl", ""}, {"winr", ""}, {"menu", ""},
};

// The key groups of a key sequence as they are read: each group is written as "<" + its keys
// joined by "-" + ">". A key that types nothing opens a group of its own that stays empty
// unless a key is joined to it, and an empty group is not written.
class KeyGroups {
public:
    bool HasGroup() const { return open_; }
    bool JoinPending() const { return join_; }
    void JoinNext() { join_ = true; }

    void Add(const std::string& key) {
        if (join_) {
            join_ = false;
            if (!key.empty()) group_ += group_.empty() ? key : "-" + key;
            return;
        }
        Close();
        group_ = key;
        open_ = true;
    }

    std::string Finish() {
        Close();
        return std::move(written_);
    }

private:
    void Close() {
        if (open_ && !group_.empty()) written_ += "<" + group_ + ">";
        open_ = false;
        group_.clear();
    }

    std::string written_;
    std::string group_;
    bool open_ = false;
    bool join_ = false;
};

}  // namespace

CQapEventParser::CQapEventParser() {
    RemoveAllKeys();
    CQapEventParser::InitKeyTable();
}

int CQapEventParser::InitKeyTable() {
    for (const QapKey& key : kQapKeys) AddKey(key.name, key.code, key.text);
    return 1;
}

int CQapEventParser::TranslateKey(const std::string& key, std::string& out) {
    if (IsSingleCharacter(key)) {
        out = key == "\"" ? "\"\"" : key == "<" ? "Less" : key == ">" ? "Greater" : key == "-" ? "Minus" : key;
        return 1;
    }
    return TranslateKeyName(key, out, kUnknownKeyName);
}

int CQapEventParser::TranslateKeySequence(const std::string& keys, std::string& out) {
    const std::string sequence = StripQuotes(keys);
    KeyGroups groups;
    std::string name;
    bool inName = false;
    const auto addKey = [&](const std::string& key) {
        std::string text;
        if (!TranslateKey(key, text)) return false;
        groups.Add(text);
        return true;
    };
    for (size_t at = 0; at < sequence.size();) {
        const char c = sequence[at];
        if (c == '<') {
            if (inName) return Refuse(kKeyNameOpenTwice);
            inName = true;
            name.clear();
            ++at;
            continue;
        }
        if (c == '>' && inName) {
            inName = false;
            if (!addKey(name)) return 0;
            ++at;
            continue;
        }
        if (c == '-' && !inName) {
            if (!groups.HasGroup()) return Refuse(kJoinWithoutKey);
            groups.JoinNext();
            ++at;
            continue;
        }
        const std::string character = TakeKeyCharacter(sequence, at);
        if (inName)
            name += character;
        else if (!character.empty() && !addKey(character))
            return 0;
    }
    if (inName) return Refuse(kKeyNameOpenAtEnd);
    if (groups.JoinPending()) return Refuse(kJoinAtEnd);
    out = groups.Finish();
    return 1;
}
