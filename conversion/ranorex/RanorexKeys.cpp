// Ranorex's key names and the reading of a Type event's keys into a Ranorex key sequence.
#include <vector>

#include "conditions/EventKey.h"
#include "conditions/EventRules.h"
#include "conversion/ranorex/RanorexEventParser.h"

namespace {

constexpr int kUnknownKeyName = 44362;
constexpr int kKeyNameOpenTwice = 45175;
constexpr int kKeyNameOpenAtEnd = 45176;

struct RanorexKey {
    const char* name;
    const char* text;
};

// In the order the table is filled. The "KS" names give the keys that type a character, for
// characters typed while Control or Alt is held.
const RanorexKey kRanorexKeys[] = {
    {"KS^", "OEM5"}, {"KS\u00DF", "OemOpenBrackets"}, {"KS\u00B4", "OEM6"}, {"KS\u00FC", "OEM1"},
    {"KS+", "Oemplus"}, {"KS\u00F6", "Oemtilde"}, {"KS\u00E4", "Oem7"}, {"KS#", "OemQuestion"},
    {"KS,", "Oemcomma"}, {"KS.", "OemPeriod"}, {"KS-", "OemMinus"}, {"esc", "Escape"},
    {"f1", "F1"}, {"f2", "F2"}, {"f3", "F3"}, {"f4", "F4"}, {"f5", "F5"}, {"f6", "F6"}, {"f7", "F7"},
    {"f8", "F8"}, {"f9", "F9"}, {"f10", "F10"}, {"f11", "F11"}, {"f12", "F12"},
    {"prtscr", "PrintScreen"}, {"scrllock", "Scroll"}, {"pause", "Pause"}, {"ins", "Insert"},
    {"del", "Delete"}, {"home", "Home"}, {"end", "End"}, {"pgup", "PageUp"}, {"pgdn", "Next"},
    {"left", "Left"}, {"right", "Right"}, {"up", "Up"}, {"down", "Down"}, {"backspace", "Back"},
    {"tab", "Tab"}, {"capslock", "Capital"}, {"enter", "Return"}, {"shift", "ShiftKey"},
    {"shiftl", "LShiftKey"}, {"shiftr", "RShiftKey"}, {"ctrl", "ControlKey"}, {"ctrll", "LControlKey"},
    {"ctrlr", "RControlKey"}, {"alt", "Menu"}, {"altl", "LMenu"}, {"altr", "RMenu"}, {"altgr", "altgr"},
    {"win", "Win"}, {"winl", "LWin"}, {"winr", "RWin"}, {"menu", "Apps"},
};

bool IsGermanLetter(char16_t c) {
    switch (c) {
        case 0xFC: case 0xF6: case 0xE4: case 0xDC: case 0xD6: case 0xC4: case 0xDF: return true;
        default: return false;
    }
}

// A letter of Latin-1, or of an alphabet with cases.
bool IsLetter(char16_t c, const std::string& character) {
    if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z')) return true;
    if (c >= 0xC0 && c <= 0xFF) return c != 0xD7 && c != 0xF7;
    return c > 0xFF && ToLowerText(character) != ToUpperText(character);
}

bool HoldsControlOrAlt(const std::string& keyName) {
    return keyName.find("Control") != std::string::npos || keyName.find("Menu") != std::string::npos;
}

// The entries of a key sequence as they are read: characters, key names, and presses and
// releases of held keys.
class KeySequence {
public:
    static constexpr size_t kNone = static_cast<size_t>(-1);

    // The entry's place.
    size_t Add(std::string entry, bool held) {
        entries_.push_back(std::move(entry));
        if (held) Hold(entries_.size() - 1);
        return entries_.size() - 1;
    }
    void Hold(size_t entry) { held_.push_back(entry); }

    // The held keys go down where they stand and come up, in reverse order, at the end.
    void Release() {
        for (const size_t held : held_) entries_[held] += " Down";
        for (auto held = held_.rbegin(); held != held_.rend(); ++held) {
            const std::string& down = entries_[*held];
            entries_.push_back(down.substr(0, down.size() - 5) + " Up");
        }
        held_.clear();
    }

    // Characters as they are, every name in braces.
    std::string Join() const {
        std::string sequence;
        for (const std::string& entry : entries_) sequence += IsCharacter(entry) ? entry : "{" + entry + "}";
        return sequence;
    }

private:
    static bool IsCharacter(const std::string& entry) {
        if (entry.empty()) return false;
        const auto lead = static_cast<unsigned char>(entry[0]);
        return entry.size() == (lead >= 0xF0 ? 4u : lead >= 0xE0 ? 3u : lead >= 0xC0 ? 2u : 1u);
    }

    std::vector<std::string> entries_;
    std::vector<size_t> held_;
};

}  // namespace

int CRanorexEventParser::InitRanorexKeyTable(int) {
    for (const RanorexKey& key : kRanorexKeys) AddKey(key.name, kNamedKey, key.text);
    return 1;
}

int CRanorexEventParser::TranslateKey(const std::string& key, std::string& out) {
    if (IsSingleCharacter(key)) {
        out = key == " " ? "Space" : key;
        return 1;
    }
    return TranslateKeyName(key, out, kUnknownKeyName);
}

int CRanorexEventParser::TranslateComboChar(const std::string& character, std::string& out) {
    if (!IsSingleCharacter(character)) return 0;
    const std::u16string units = Utf8ToUtf16(character);
    const char16_t c = units.size() == 1 ? units[0] : 0;
    if (!IsGermanLetter(c)) {
        if (IsLetter(c, character)) {
            out = character + "Key";
            return 1;
        }
        if (c >= u'0' && c <= u'9') {
            out = "D" + character;
            return 1;
        }
    }
    return TranslateKeyName("KS" + character, out, kUnknownKeyName);
}

// Keys joined by "-" are pressed together: they go down in their order and come up in reverse
// order when the combination ends, that is at the next key that is not joined, at a key name
// not joined, or at the end. A character joined to Control or Alt is typed as its key.
int CRanorexEventParser::TranslateKeySequence(const std::string& keys, std::string& out) {
    const std::string text = StripQuotes(keys);
    KeySequence sequence;
    size_t lastKey = KeySequence::kNone;  // the entry that a "-" may still join
    bool combination = false;
    bool afterDash = false;
    bool controlOrAlt = false;
    bool inName = false;
    std::string name;
    const auto release = [&] {
        sequence.Release();
        combination = false;
        controlOrAlt = false;
    };

    for (size_t at = 0; at < text.size();) {
        const char c = text[at];
        if (c == '\\') {
            const std::string character = TakeKeyCharacter(text, at);
            if (character.empty()) continue;
            if (inName) {
                name += character;
                continue;
            }
            std::string key;
            if (!TranslateKey(character, key)) return 0;
            lastKey = sequence.Add(key, false);
            afterDash = false;
            continue;
        }
        if (inName) {
            if (c == '<') return Refuse(kKeyNameOpenTwice);
            if (c != '>') {
                name += TakeKeyCharacter(text, at);
                continue;
            }
            ++at;
            inName = false;
            std::string key;
            if (!TranslateKey(name, key)) return 0;
            if (EqualsNoCase(name, "altgr")) {
                sequence.Add("LControlKey", true);
                combination = true;
                key = "RMenu";
            }
            controlOrAlt = controlOrAlt || HoldsControlOrAlt(key);
            lastKey = sequence.Add(key, combination);
            afterDash = false;
            continue;
        }
        if (c == '<') {
            ++at;
            inName = true;
            name.clear();
            if (!afterDash) release();
            continue;
        }
        if (c == '-') {
            ++at;
            if (!combination && lastKey != KeySequence::kNone) sequence.Hold(lastKey);
            combination = true;
            afterDash = true;
            continue;
        }
        // Any other character, a ">" outside a name included.
        std::string key;
        if (!TranslateKey(TakeKeyCharacter(text, at), key)) return 0;
        if (afterDash && controlOrAlt && combination) {
            // A blank is the Space key already.
            std::string combined = key;
            if (IsSingleCharacter(key) && !TranslateComboChar(key, combined)) return 0;
            lastKey = sequence.Add(combined, true);
        } else {
            if (!afterDash) release();
            sequence.Add(key, false);
            lastKey = KeySequence::kNone;
        }
        afterDash = false;
    }
    release();
    if (inName) return Refuse(kKeyNameOpenAtEnd);
    out = sequence.Join();
    return 1;
}
