// WinRunner's key texts for the German and the US keyboard, and the text of keys and values in
// TSL string literals.
#include "conditions/EventKey.h"
#include "conversion/winrunner/WREventParser.h"
#include "model/WindowKav.h"

namespace {

constexpr int kUnknownKeyName = 44701;
constexpr int kKeyNameOpenTwice = 44597;
constexpr int kKeyNameOpenAtEnd = 44598;

// In the order the table is filled; the navigation keys without "#" share the texts of the
// keypad's.
const LayoutKeyText kWRKeys[] = {
    {"numlock", "<kNum>", "<kNumLock>"},
    {"#/", "<kKP_Div>", "<kKP_Div>", kKeypadCharacterKey},
    {"#*", "<kKP_Mul>", "<kKP_Mult>", kKeypadCharacterKey},
    {"#-", "<kKP_Sub>", "<kKP_Subtract>", kKeypadCharacterKey},
    {"#+", "<kKP_Add>", "<kKP_Add>", kKeypadCharacterKey},
    {"#enter", "<kReturn_E>", "<kReturn_E>"},
    {"#home", "<kPos1_E>", "<kHome_E>"},
    {"#end", "<kEnde_E>", "<kEnd_E>"},
    {"#ins", "<kEinfg_E>", "<kIns_E>"},
    {"#del", "<kEntf_E>", "<kDel_E>"},
    {"#pgup", "<kBild_auf_E>", "<kPgUp_E>"},
    {"#pgdn", "<kBild_ab_E>", "<kPgDn_E>"},
    {"#left", "<kLinks_E>", "<kLeft_E>"},
    {"#right", "<kRechts_E>", "<kRight_E>"},
    {"#up", "<kAuf_E>", "<kUp_E>"},
    {"#down", "<kAb_E>", "<kDown_E>"},
    {"#.", "<kKP_Punkt>", "<kKP_Dot>", kKeypadCharacterKey},
    {"#0", "<kKP0>", "<kKP0>", kKeypadCharacterKey},
    {"#1", "<kKP1>", "<kKP1>", kKeypadCharacterKey},
    {"#2", "<kKP2>", "<kKP2>", kKeypadCharacterKey},
    {"#3", "<kKP3>", "<kKP3>", kKeypadCharacterKey},
    {"#4", "<kKP4>", "<kKP4>", kKeypadCharacterKey},
    {"#5", "<kKP5>", "<kKP5>", kKeypadCharacterKey},
    {"#6", "<kKP6>", "<kKP6>", kKeypadCharacterKey},
    {"#7", "<kKP7>", "<kKP7>", kKeypadCharacterKey},
    {"#8", "<kKP8>", "<kKP8>", kKeypadCharacterKey},
    {"#9", "<kKP9>", "<kKP9>", kKeypadCharacterKey},
    {"esc", "<kEsc>", "<kEsc>"},
    {"f1", "<kF1>", "<kF1>"},
    {"f2", "<kF2>", "<kF2>"},
    {"f3", "<kF3>", "<kF3>"},
    {"f4", "<kF4>", "<kF4>"},
    {"f5", "<kF5>", "<kF5>"},
    {"f6", "<kF6>", "<kF6>"},
    {"f7", "<kF7>", "<kF7>"},
    {"f8", "<kF8>", "<kF8>"},
    {"f9", "<kF9>", "<kF9>"},
    {"f10", "<kF10>", "<kF10>"},
    {"f11", "<kF11>", "<kF11>"},
    {"f12", "<kF12>", "<kF12>"},
    {"prtscr", "<kDruck>", "<kPrSc>"},
    {"scrllock", "<kRollen>", "<kScrollLock>"},
    {"pause", "<kPause>", "<kPause>"},
    {"ins", "<kEinfg_E>", "<kIns_E>"},
    {"del", "<kEntf_E>", "<kDel_E>"},
    {"home", "<kPos1_E>", "<kHome_E>"},
    {"end", "<kEnde_E>", "<kEnd_E>"},
    {"pgup", "<kBild_auf_E>", "<kPgUp_E>"},
    {"pgdn", "<kBild_ab_E>", "<kPgDn_E>"},
    {"left", "<kLinks_E>", "<kLeft_E>"},
    {"right", "<kRechts_E>", "<kRight_E>"},
    {"up", "<kAuf_E>", "<kUp_E>"},
    {"down", "<kAb_E>", "<kDown_E>"},
    {"backspace", "<kBackSpace>", "<kBackSpace>"},
    {"tab", "<kTab>", "<kTab>"},
    {"capslock", "<kCapsLock>", "<kCapsLock>"},
    {"enter", "<kReturn>", "<kReturn>"},
    {"shift", "<kShift_L>", "<kShift_L>"},
    {"shiftl", "<kShift_L>", "<kShift_L>"},
    {"shiftr", "<kShift_R>", "<kShift_R>"},
    {"ctrl", "<kCtrl_L>", "<kCtrl_L>"},
    {"ctrll", "<kCtrl_L>", "<kCtrl_L>"},
    {"ctrlr", "<kCtrl_R>", "<kCtrl_R>"},
    {"alt", "<kAlt_L>", "<kAlt_L>"},
    {"altl", "<kAlt_L>", "<kAlt_L>"},
    {"altr", "<kAlt_Gr>", "<kAlt_R>"},
    {"altgr", "<kAlt_Gr>", "<kAlt_R>"},
    {"win", "<kWin_L>", "<kWin_L>"},
    {"winl", "<kWin_L>", "<kWin_L>"},
    {"winr", "<kWin_R>", "<kWin_R>"},
    {"menu", "<kApps>", "<kApps>"},
};

}  // namespace

CWREventParser::CWREventParser() { RemoveAllKeys(); }

int CWREventParser::LoadKeyboardLayout(int layout) {
    return AddLayoutKeys(kWRKeys, layout);
}

int CWREventParser::TranslateKey(const std::string& key, std::string& out) {
    if (!IsSingleCharacter(key)) return TranslateKeyName(key, out, kUnknownKeyName);
    out = key == "\"" || key == "<" || key == ">" || key == "\\" ? "\\" + key : key;
    return 1;
}

int CWREventParser::TranslateKeySequence(const std::string& keys, std::string& out) {
    return ReadKeySequence(keys, out, kKeyNameOpenTwice, kKeyNameOpenAtEnd);
}

std::string CWREventParser::TranslateValue(const CWindowKav* window, const std::string& value) {
    const bool tree = window && window->GetType() == kWndTreeControl;
    std::string text;
    bool escaped = false;
    for (const char c : StripQuotes(value)) {
        if (c == '\\') {
            if (escaped) text += "\\\\";
            escaped = !escaped;
            continue;
        }
        if (c == '"') text += "\\\"";
        else if (c == ';' && tree) text += '.';
        else if (c == '|' && tree && !escaped) text += ';';
        else text += c;
        escaped = false;
    }
    return text;
}
