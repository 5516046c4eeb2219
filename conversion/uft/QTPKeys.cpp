// UFT's key constants, key sequences as UFT key arguments, and values as the text of VBScript
// string literals.
#include <vector>

#include "conditions/EventKey.h"
#include "conversion/uft/QTPEventParser.h"
#include "model/WindowKav.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"

namespace {

constexpr int kKeyNameOpenTwice = 45175;
constexpr int kKeyNameOpenAtEnd = 45176;
constexpr int kUnknownKeyName = 45177;

struct KeyText {
    const char* name;
    const char* text;
};

// A text that begins with "$" is a key that is held down ("$micCtrlDwn").
constexpr KeyText kQtpKeys[] = {
    {"numlock", "micNumLockOn"}, {"#/", "/"}, {"#*", "*"}, {"#-", "-"}, {"#+", "+"}, {"#enter", "micReturn"},
    {"#home", "micHome"}, {"#end", "micEnd"}, {"#ins", "micIns"}, {"#del", "micDel"}, {"#pgup", "micPgUp"},
    {"#pgdn", "micPgDwn"}, {"#left", "micLeft"}, {"#right", "micRight"}, {"#up", "micUp"}, {"#down", "micDwn"},
    {"#.", "."}, {"#0", "0"}, {"#1", "1"}, {"#2", "2"}, {"#3", "3"}, {"#4", "4"}, {"#5", "5"}, {"#6", "6"},
    {"#7", "7"}, {"#8", "8"}, {"#9", "9"}, {"esc", "micEsc"}, {"f1", "micF1"}, {"f2", "micF2"}, {"f3", "micF3"},
    {"f4", "micF4"}, {"f5", "micF5"}, {"f6", "micF6"}, {"f7", "micF7"}, {"f8", "micF8"}, {"f9", "micF9"},
    {"f10", "micF10"}, {"f11", "micF11"}, {"f12", "micF12"}, {"prtscr", "micPrintScr"}, {"scrllock", "micScrollOn"},
    {"pause", "micPause"}, {"ins", "micIns"}, {"del", "micDel"}, {"home", "micHome"}, {"end", "micEnd"},
    {"pgup", "micPgUp"}, {"pgdn", "micPageDwn"}, {"left", "micLeft"}, {"right", "micRight"}, {"up", "micUp"},
    {"down", "micDwn"}, {"backspace", "micBack"}, {"tab", "micTab"}, {"capslock", "micCapsLockOn"},
    {"enter", "micReturn"}, {"shift", "$micShiftDwn"}, {"shiftl", "$micLShiftDwn"}, {"shiftr", "$micRShiftDwn"},
    {"ctrl", "$micCtrlDwn"}, {"ctrll", "$micLCtrlDwn"}, {"ctrlr", "$micRCtrlDwn"}, {"alt", "$micAltDwn"},
    {"altl", "$micLAltDwn"}, {"altr", "$micRAltDwn"}, {"altgr", "$micRAltDwn"}, {"win", "$micWinLogoDwn"},
    {"winl", "$micLWinLogoDwn"}, {"winr", "$micRWinLogoDwn"}, {"menu", "micAppKey"},
};

// The keypad's character keys are "#" and one character.
int KeyCode(std::string_view name) { return name.size() == 2 && name[0] == '#' ? kKeypadCharacterKey : kNamedKey; }

// The texts of a key sequence in the order UFT presses them. Keys joined by "-" to a held key
// go in before its release.
class KeyList {
public:
    // The next text goes in before the release of the last held key.
    void Join() { joined_ = true; }

    void Place(const std::string& text) {
        Insert(text);
        joined_ = false;
    }

    // A held key: pressed where the next text goes, and released right after it.
    void PlaceHeld(const std::string& pressed) {
        const std::string base = pressed.ends_with("Dwn") ? pressed.substr(0, pressed.size() - 3) : pressed;
        Insert(pressed);
        releaseAt_ = Insert(base + "Up");
        joined_ = false;
    }

    // Runs of characters in quotes, constants bare, all joined by " + ".
    std::string Text() const {
        std::string out;
        std::string run;
        bool inRun = false;
        const auto append = [&out](const std::string& piece) { out += out.empty() ? piece : " + " + piece; };
        for (const std::string& text : texts_) {
            if (Utf16Length(text) < 3) {
                run += text;
                inRun = true;
                continue;
            }
            if (inRun) append("\"" + run + "\"");
            run.clear();
            inRun = false;
            append(text);
        }
        if (inRun) append("\"" + run + "\"");
        return out;
    }

private:
    // Where the text went.
    size_t Insert(const std::string& text) {
        if (joined_ && releaseAt_ < texts_.size()) {
            texts_.insert(texts_.begin() + static_cast<std::ptrdiff_t>(releaseAt_), text);
            return releaseAt_++;
        }
        texts_.push_back(text);
        return texts_.size() - 1;
    }

    std::vector<std::string> texts_;
    size_t releaseAt_ = static_cast<size_t>(-1);  // none yet
    bool joined_ = false;
};

}  // namespace

int CQTPEventParser::InitQtpKeyTable(int) {
    for (const KeyText& key : kQtpKeys) AddKey(key.name, KeyCode(key.name), key.text);
    return 1;
}

int CQTPEventParser::TranslateKey(const std::string& key, std::string& out) {
    if (!IsSingleCharacter(key)) return TranslateKeyName(key, out, kUnknownKeyName);
    out = key == "\"" ? "\"\"" : key;
    return 1;
}

int CQTPEventParser::TranslateKeySequence(const std::string& keys, std::string& out) {
    const std::string sequence = StripQuotes(keys);
    KeyList list;
    std::string name;
    bool inName = false;
    bool escaped = false;
    const auto place = [&](const std::string& key) {
        std::string text;
        if (!TranslateKey(key, text)) return false;
        if (text.starts_with("$")) list.PlaceHeld(text.substr(1));
        else list.Place(text);
        return true;
    };
    for (size_t at = 0; at < sequence.size();) {
        const size_t length = CharacterLength(sequence, at);
        const std::string character = sequence.substr(at, length);
        at += length;
        if (escaped) {
            escaped = false;
            if (inName) name += character;
            else if (!place(character)) return 0;
        } else if (character == "\\") {
            escaped = true;
        } else if (character == "<") {
            if (inName) return Fail(kKeyNameOpenTwice);
            inName = true;
            name.clear();
        } else if (character == ">" && inName) {
            inName = false;
            if (!place(name)) return 0;
        } else if (character == "-" && !inName) {
            list.Join();
        } else if (inName) {
            name += character;
        } else if (!place(character)) {
            return 0;
        }
    }
    if (inName) return Fail(kKeyNameOpenAtEnd);
    out = list.Text();
    return 1;
}

std::string CQTPEventParser::TranslateValue(const CWindowKav* window, const std::string& value) {
    const bool tree = window && window->GetType() == kWndTreeControl;
    std::string text;
    bool escaped = false;
    for (const char c : StripQuotes(value)) {
        if (c == '\\' && !escaped) {
            escaped = true;
            continue;
        }
        if (c == '"') text += "\"\"";
        else if (c == '|' && tree && !escaped) text += ';';
        else text += c;
        escaped = false;
    }
    return text;
}
