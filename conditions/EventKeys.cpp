// The key table of an event parser and the translation of key sequences through it.
#include <algorithm>
#include <initializer_list>

#include "conditions/EventParser.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"

namespace {

// The key names of the notation, in the order the base table adds them.
constexpr std::initializer_list<const char*> kBaseKeyNames = {
    // numeric keypad
    "numlock", "#/", "#*", "#-", "#+", "#enter", "#home", "#end", "#ins", "#del", "#pgup", "#pgdn", "#left",
    "#right", "#up", "#down", "#.", "#0", "#1", "#2", "#3", "#4", "#5", "#6", "#7", "#8", "#9",
    // function and control keys
    "esc", "f1", "f2", "f3", "f4", "f5", "f6", "f7", "f8", "f9", "f10", "f11", "f12", "prtscr", "scrllock",
    "pause", "ins", "del", "home", "end", "pgup", "pgdn", "left", "right", "up", "down", "backspace", "tab",
    "capslock", "enter",
    // modifiers
    "shift", "shiftl", "shiftr", "ctrl", "ctrll", "ctrlr", "alt", "altl", "altr", "altgr", "win", "winl", "winr",
    "menu"};

// The keypad's character keys are "#" and one character; "#0" to "#9" among them.
int BaseKeyCode(std::string_view name) { return name.size() == 2 && name[0] == '#' ? kKeypadCharacterKey : kNamedKey; }

constexpr int kKeyNameOpenTwice = 44357;  // "<" inside an open key name
constexpr int kKeyNameOpenAtEnd = 44358;
constexpr int kUnknownKeyName = 44361;

}  // namespace

CEventParser::CEventParser() { AddBaseKeys(); }

size_t CEventParser::CharacterLength(std::string_view text, size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    return std::min(length, text.size() - at);
}

bool CEventParser::IsSingleCharacter(std::string_view text) {
    return !text.empty() && CharacterLength(text, 0) == text.size();
}

std::string CEventParser::TakeKeyCharacter(std::string_view sequence, size_t& at) {
    if (sequence[at] == '\\' && ++at == sequence.size()) return {};  // a final backslash escapes nothing
    const size_t length = CharacterLength(sequence, at);
    const size_t start = at;
    at += length;
    return std::string(sequence.substr(start, length));
}

CEventParser::~CEventParser() { RemoveAllKeys(); }

int CEventParser::InitKeyTable() {
    AddBaseKeys();
    return 1;
}

void CEventParser::AddBaseKeys() {
    for (const char* name : kBaseKeyNames) AddKey(name, BaseKeyCode(name), {});
}

int CEventParser::AddLayoutKeys(std::span<const LayoutKeyText> keys, int layout) {
    constexpr int kGermanLayout = 0;
    constexpr int kUsLayout = 1;
    if (layout != kGermanLayout && layout != kUsLayout) return 1;
    for (const LayoutKeyText& key : keys) AddKey(key.name, key.code, layout == kGermanLayout ? key.german : key.us);
    return 1;
}

void CEventParser::AddKey(std::string_view name, int code, std::string text) {
    std::string lowered = ToLowerText(name);
    const int bucket = HashKey(lowered);
    keys_[bucket].Add(new CEventKey(std::move(lowered), code, std::move(text)));
}

int CEventParser::RemoveAllKeys() {
    for (OwningList<CEventKey>& bucket : keys_) bucket.DeleteAll();
    return 1;
}

const CEventKey* CEventParser::FindKey(std::string_view name) const {
    const std::string lowered = ToLowerText(name);
    for (const CEventKey* key : keys_[HashKey(lowered)])
        if (key->GetName() == lowered) return key;
    return nullptr;
}

int CEventParser::HashKey(std::string_view name) {
    unsigned sum = 0;
    for (char16_t unit : Utf8ToUtf16(name)) sum += unit;
    return static_cast<int>(sum % kKeyBuckets);
}

int CEventParser::TranslateKey(const std::string& key, std::string& out) {
    if (IsSingleCharacter(key)) {
        out = key;
        return 1;
    }
    return TranslateKeyName(key, out, kUnknownKeyName);
}

int CEventParser::TranslateKeyName(const std::string& name, std::string& out, int unknownMessage) const {
    const CEventKey* entry = FindKey(name);
    if (!entry) {
        SetMessage(unknownMessage, name);
        return 0;
    }
    out = entry->GetText();
    return 1;
}

int CEventParser::TranslateKeySequence(const std::string& keys, std::string& out) {
    return ReadKeySequence(keys, out, kKeyNameOpenTwice, kKeyNameOpenAtEnd);
}

int CEventParser::ReadKeySequence(const std::string& keys, std::string& out, int nameOpenTwiceMessage,
                                  int nameOpenAtEndMessage) {
    const std::string sequence = StripQuotes(keys);
    std::string translation;
    std::string name;
    bool inName = false;
    const auto takeKey = [&](const std::string& key) {
        std::string text;
        if (!TranslateKey(key, text)) return false;
        translation += text;
        return true;
    };
    for (size_t at = 0; at < sequence.size();) {
        const char c = sequence[at];
        if (c == '<' || (c == '>' && inName)) {
            if (c == '<' && inName) {
                SetMessage(nameOpenTwiceMessage);
                return 0;
            }
            if (c == '>' && !takeKey(name)) return 0;
            inName = c == '<';
            name.clear();
            ++at;
            continue;
        }
        const std::string character = TakeKeyCharacter(sequence, at);
        if (inName)
            name += character;
        else if (!character.empty() && !takeKey(character))
            return 0;
    }
    if (inName) {
        SetMessage(nameOpenAtEndMessage);
        return 0;
    }
    out = std::move(translation);
    return 1;
}

int CEventParser::TranslateKeyNames(std::string& text) {
    std::string result;
    size_t at = 0;
    while (at < text.size()) {
        const size_t open = text.find('<', at);
        const size_t close = open == std::string::npos ? open : text.find('>', open + 1);
        if (close == std::string::npos) break;
        result.append(text, at, open - at);
        std::string translated;
        if (TranslateKey(text.substr(open + 1, close - open - 1), translated)) {
            result += translated;
            at = close + 1;
            continue;
        }
        // An unknown name stays as written; the search goes on at the next "<".
        const size_t next = text.find('<', open + 1);
        if (next == std::string::npos) {
            at = open;
            break;
        }
        result.append(text, open, next - open);
        at = next;
    }
    if (at < text.size()) result.append(text, at);
    text = std::move(result);
    return 1;
}
