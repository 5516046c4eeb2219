// TestPartner's key texts for the German and the US keyboard, keys pressed together, and the
// texts of values, tree paths and attach names.
#include <vector>

#include "conditions/EventKey.h"
#include "conversion/framework/ConverterHelpers.h"
#include "conversion/testpartner/TestPartnerEventParser.h"

namespace {

constexpr int kNameOpenTwice = 45029;
constexpr int kNameOpenAtEnd = 45030;
constexpr int kUnknownKeyName = 45037;

// In the order the table is filled.
const LayoutKeyText kTPKeys[] = {
    {"numlock", "{Num}", "{NumLock}"},
    {"#/", "{N/}", "{N/}", kKeypadCharacterKey},
    {"#*", "{N*}", "{N*}", kKeypadCharacterKey},
    {"#-", "{N-}", "{N-}", kKeypadCharacterKey},
    {"#+", "{N+}", "{N+}", kKeypadCharacterKey},
    {"#enter", "{Enter}", "{Enter}"},
    {"#home", "{Pos1}", "{Home}"},
    {"#end", "{Ende}", "{End}"},
    {"#ins", "{Einfg}", "{Insert}"},
    {"#del", "{Entf}", "{Delete}"},
    {"#pgup", "{BildOben}", "{PageUp}"},
    {"#pgdn", "{BildUnten}", "{PageDown}"},
    {"#left", "{Links}", "{Left}"},
    {"#right", "{Rechts}", "{Right}"},
    {"#up", "{Oben}", "{Up}"},
    {"#down", "{Unten}", "{Down}"},
    {"#.", "{N.}", "{N.}", kKeypadCharacterKey},
    {"#0", "{N0}", "{N0}", kKeypadCharacterKey},
    {"#1", "{N1}", "{N1}", kKeypadCharacterKey},
    {"#2", "{N2}", "{N2}", kKeypadCharacterKey},
    {"#3", "{N3}", "{N3}", kKeypadCharacterKey},
    {"#4", "{N4}", "{N4}", kKeypadCharacterKey},
    {"#6", "{N6}", "{N6}", kKeypadCharacterKey},
    {"#7", "{N7}", "{N7}", kKeypadCharacterKey},
    {"#8", "{N8}", "{N8}", kKeypadCharacterKey},
    {"#9", "{N9}", "{N9}", kKeypadCharacterKey},
    {"#5", "{N5}", "{NUM5}", kKeypadCharacterKey},
    {"esc", "{Esc}", "{Escape}"},
    {"f1", "{F1}", "{F1}"},
    {"f2", "{F2}", "{F2}"},
    {"f3", "{F3}", "{F3}"},
    {"f4", "{F4}", "{F4}"},
    {"f5", "{F5}", "{F5}"},
    {"f6", "{F6}", "{F6}"},
    {"f7", "{F7}", "{F7}"},
    {"f8", "{F8}", "{F8}"},
    {"f9", "{F9}", "{F9}"},
    {"f10", "{F10}", "{F10}"},
    {"f11", "{F11}", "{F11}"},
    {"f12", "{F12}", "{F12}"},
    {"prtscr", "{PrintScrn}", "{PrintScrn}"},
    {"scrllock", "{Rollen}", "{ScrollLock}"},
    {"pause", "{Pause}", "{Pause}"},
    {"ins", "{ExtEinfg}", "{ExtInsert}"},
    {"del", "{ExtEntf}", "{ExtDelete}"},
    {"home", "{ExtPos1}", "{ExtHome}"},
    {"end", "{ExtEnde}", "{ExtEnd}"},
    {"pgup", "{ExtBildOben}", "{ExtPageUp}"},
    {"pgdn", "{ExtBildUnten}", "{ExtPageDown}"},
    {"left", "{ExtLinks}", "{ExtLeft}"},
    {"right", "{ExtRechts}", "{ExtRight}"},
    {"up", "{ExtOben}", "{ExtUp}"},
    {"down", "{ExtUnten}", "{ExtDown}"},
    {"backspace", "{R\u00FCcktaste}", "{Backspace}"},
    {"tab", "{Tab}", "{Tab}"},
    {"capslock", "{Feststelltaste}", "{CapsLock}"},
    {"enter", "{Eingabe}", "{Enter}"},
    {"shift", "{Umschalt}", "{Shift}"},
    {"shiftl", "{Umschalt}", "{Shift}"},
    {"shiftr", "{RUmschalt}", "{RShift}"},
    {"ctrl", "{Strg}", "{Ctrl}"},
    {"ctrll", "{Strg}", "{Ctrl}"},
    {"ctrlr", "{RStrg}", "{RCtrl}"},
    {"alt", "{Alt}", "{Alt}"},
    {"altl", "{Alt}", "{Alt}"},
    {"altr", "{AltGr}", "{Alt}"},
    {"altgr", "{AltGr}", "{Alt}"},
    {"win", "{005b:00:2}{005b:00}", "{005b:00:2}{005b:00}"},
    {"winl", "{005b:00:2}{005b:00}", "{005b:00:2}{005b:00}"},
    {"winr", "{005c:00:2}{005c:00}", "{005c:00:2}{005c:00}"},
    {"menu", "{015d:5d}", "{015d:5d}"},
};

// A key of a sequence, or the mark between keys that are pressed together.
struct KeyToken {
    std::string text;
    bool joins = false;
};

// The keys TestPartner writes in braces of their own, which a group keeps whole.
bool IsBracedCharacter(const std::string& key) { return key == "{'{'}" || key == "{'}'}" || key == "{' '}"; }

// A key as the holding part of a group: "{Ctrl}" gives "Ctrl".
std::string HoldingKey(const std::string& key) {
    if (IsBracedCharacter(key)) return key;
    const size_t first = key.find_first_not_of('{');
    if (first == std::string::npos) return {};
    return key.substr(first, key.find_last_not_of('}') - first + 1);
}

// Keys joined by marks are held while the next one is pressed: ctrl, shift and F1 give
// "{Ctrl {Shift {F1}}}"; other keys are written as they are.
std::string CombineKeyTokens(const std::vector<KeyToken>& tokens) {
    std::string text;
    std::vector<std::string> group;
    const auto writeGroup = [&] {
        if (group.size() == 1) text += group.front();
        if (group.size() < 2) {
            group.clear();
            return;
        }
        for (std::string& key : group)
            if (key == " ") key = "{' '}";
        for (size_t k = 0; k + 1 < group.size(); ++k) text += "{" + HoldingKey(group[k]) + " ";
        text += group.back() + std::string(group.size() - 1, '}');
        group.clear();
    };
    bool joined = false;
    for (const KeyToken& token : tokens) {
        if (token.joins) {
            joined = !group.empty();
            continue;
        }
        if (!joined) writeGroup();
        group.push_back(token.text);
        joined = false;
    }
    writeGroup();
    return text;
}

}  // namespace

std::unique_ptr<CEventParser> CreateTestPartnerEventParser() { return std::make_unique<CTestPartnerEventParser>(); }

CTestPartnerEventParser::CTestPartnerEventParser() { RemoveAllKeys(); }

int CTestPartnerEventParser::FillKeyTable(int layout) {
    return AddLayoutKeys(kTPKeys, layout);
}

int CTestPartnerEventParser::TranslateKey(const std::string& key, std::string& out) {
    if (!IsSingleCharacter(key)) return TranslateKeyName(key, out, kUnknownKeyName);
    out = key == "{" ? "{'{'}" : key == "}" ? "{'}'}" : key;
    return 1;
}

int CTestPartnerEventParser::TranslateKeySequence(const std::string& keys, std::string& out) {
    const std::string sequence = StripQuotes(keys);
    std::vector<KeyToken> tokens;
    std::string name;
    bool inName = false;
    const auto addKey = [&](const std::string& key) {
        std::string text;
        if (!TranslateKey(key, text)) return false;
        tokens.push_back({std::move(text)});
        return true;
    };
    for (size_t at = 0; at < sequence.size();) {
        const size_t start = at;
        const bool escaped = sequence[at] == '\\';
        const std::string character = TakeKeyCharacter(sequence, at);
        if (escaped) {
            if (inName) name += character;
            else if (!character.empty() && !addKey(character)) return 0;
        } else if (character == "<") {
            if (inName) return Fail(kNameOpenTwice);
            inName = true;
            name.clear();
        } else if (character == ">" && inName) {
            inName = false;
            if (!addKey(name)) return 0;
        } else if (inName) {
            name += character;
        } else if (character == "-") {
            // A hyphen between keys joins them; one at either end joins nothing.
            if (start != 0 && at != sequence.size()) tokens.push_back({{}, true});
        } else if (!addKey(character)) {
            return 0;
        }
    }
    if (inName) return Fail(kNameOpenAtEnd);
    out = CombineKeyTokens(tokens);
    return 1;
}

std::string CTestPartnerEventParser::TranslateValue(const CWindowKav*, const std::string& value) {
    const std::string inner = StripQuotes(value);
    std::string text;
    for (size_t at = 0; at < inner.size(); ++at) {
        if (inner[at] == '\\' && ++at == inner.size()) break;
        if (inner[at] == '"') text += '"';
        text += inner[at];
    }
    return text;
}

std::string CTestPartnerEventParser::ToTreePath(const std::string& path) {
    std::string tree = path;
    for (size_t at = 1; at < path.size(); ++at)
        if (path[at] == '|' && path[at - 1] != '\\') tree[at] = '\\';
    return "\\" + tree;
}

std::string CTestPartnerEventParser::RemoveCaptionPart(const std::string& attachName) {
    constexpr std::string_view kCaption = "Caption=";
    const size_t start = attachName.find(kCaption);
    if (start == std::string::npos) return attachName;
    const size_t from = start + kCaption.size();
    const size_t quote = attachName.find('\'', from);
    const size_t blank = attachName.find(' ', from);
    size_t end = std::string::npos;
    if (quote != std::string::npos && quote < blank) {
        const size_t closing = attachName.find('\'', quote + 1);
        if (closing != std::string::npos) end = closing + 1;
    } else {
        end = blank;
    }
    const std::string before = attachName.substr(0, start);
    return end == std::string::npos ? before : before + attachName.substr(end);
}
