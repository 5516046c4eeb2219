// Translating an event into an outside tool's statement: the arguments of a checked and
// evaluated event become the values that the tool parser's hook of the event receives.
#include <array>

#include "conditions/DesignatorLookup.h"
#include "conditions/EventParser.h"
#include "conditions/EventRules.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"

namespace {

constexpr int kMissingWindow = 41128;
constexpr int kUnsupportedWindow = 44283;
constexpr int kMenuBarEvent = 44285;
constexpr int kUnknownEvent = 44334;

// "FALSE" 0, "TRUE" 1, "UNDETERMINED" 2, in any case.
bool ReadCheckState(const std::string& argument, int& state) {
    const std::string word = ToLowerText(argument);
    state = word == "false" ? 0 : word == "true" ? 1 : word == "undetermined" ? 2 : -1;
    return state >= 0;
}

bool ReadNumbers(const std::string& first, const std::string& second, int& a, int& b, int message) {
    return Require(ReadWholeNumber(first, a) && ReadWholeNumber(second, b), message);
}

// The upper-case letter of an argument that is one of the two letters in any case.
bool ReadLetter(const std::string& argument, char first, char second, char& letter, int message) {
    if (argument.size() != 1) return Refuse(message);
    letter = static_cast<char>(argument[0] & ~0x20);
    return Require(letter == first || letter == second, message);
}

// A single or a double click: 1 without the argument, else the argument exactly "1" or "2".
bool ReadClicks(const std::string& argument, bool given, int& clicks, int message) {
    clicks = given && argument == "2" ? 2 : 1;
    return !given || Require(IsClickCount(argument), message);
}

class EventTranslator : private EventOnWindow {
public:
    EventTranslator(CEventParser& parser, const EventParts& parts, const CWindowKav& window, std::string& out)
        : EventOnWindow(parts, window), parser_(parser), out_(out) {}

    bool Check() const {
        int state = 0;
        switch (Type()) {
            case kWndMenuItem:
            case kWndCheckBox:
                if (Type() == kWndMenuItem && IsPopupOrSeparatorItem(window_)) return Refuse(44289);
                if (!ReadCheckState(A(1), state)) return Refuse(44293);
                if (state == 2 && Type() == kWndMenuItem) return Refuse(44291);
                if (state == 2 && !static_cast<const CCheckBoxKav&>(window_).IsTriState()) return Refuse(44292);
                return Hook(parser_.TranslateCheck(&window_, state, {}, 0, out_));
            case kWndListBox:
            case kWndListView:
            case kWndTreeControl: {
                std::string item;
                int index = 0;
                return ReadListEntry(item, index, 44689) && Require(ReadCheckState(A(2), state), 44690) &&
                       Hook(parser_.TranslateCheck(&window_, state, item, index, out_));
            }
            default: return Refuse(44287);
        }
    }

    bool Click() const {
        char letter = 'L';
        int clicks = 1;
        int x = 1;
        int y = 1;
        switch (Type()) {
            case kWndRadioButton: return Refuse(44295);
            case kWndToolBar:
                return Require(ReadWholeNumber(A(1), x), 44671) && (N() < 2 || ReadLetter(A(2), 'L', 'R', letter, 44673)) &&
                       Hook(parser_.TranslateClick(&window_, letter, 0, x, 0, out_));
            case kWndTable:
                return ReadNumbers(A(1), A(2), x, y, 44299) && (N() < 3 || ReadLetter(A(3), 'L', 'R', letter, 44302)) &&
                       ReadClicks(A(4), N() == 4, clicks, 44303) &&
                       Hook(parser_.TranslateClick(&window_, letter, clicks, x, y, out_));
            default:
                return (N() < 1 || ReadLetter(A(1), 'L', 'R', letter, 44307)) &&
                       ReadClicks(A(2), N() >= 2, clicks, 44308) && (N() < 4 || ReadNumbers(A(3), A(4), x, y, 44706)) &&
                       Hook(parser_.TranslateClick(&window_, letter, clicks, x, y, out_));
        }
    }

    bool TypeKeys() const {
        std::string keys;
        return Require(Type() != kWndMenuItem, 44310) && parser_.TranslateKeySequence(A(1), keys) == 1 &&
               Hook(parser_.TranslateType(&window_, keys, out_));
    }

    bool Input() const {
        switch (Type()) {
            case kWndInputField:
            case kWndComboBox:
                return Require(!IsDroplistComboBox(window_), 44313) &&
                       Hook(parser_.TranslateInput(&window_, Value(A(1)), 0, 0, out_));
            case kWndTable: {
                int row = 0;
                int column = 0;
                return ReadNumbers(A(1), A(2), row, column, 45112) &&
                       Hook(parser_.TranslateInput(&window_, Value(N() == 2 ? "Text" : A(3)), row, column, out_));
            }
            default: return Refuse(44317);
        }
    }

    bool Select() const {
        int clicks = 1;
        switch (Type()) {
            case kWndComboBox:
            case kWndListBox:
            case kWndListView: {
                std::string item;
                int index = 0;
                return ReadListEntry(item, index, 44326) && ReadClicks(A(2), N() > 1, clicks, 44327) &&
                       Hook(parser_.TranslateSelect(&window_, item, clicks, index, out_));
            }
            case kWndGroupBox:
                return Require(GroupBoxHasRadioButton(window_, A(1)), 44331) &&
                       Hook(parser_.TranslateSelect(&window_, A(1), 1, 0, out_));
            case kWndTabControl: return Hook(parser_.TranslateSelect(&window_, Value(A(1)), 1, 0, out_));
            case kWndTreeControl:
                return ReadClicks(A(2), N() > 1, clicks, 44328) &&
                       Hook(parser_.TranslateSelect(&window_, Value(A(1)), clicks, 0, out_));
            default: return Refuse(44336);
        }
    }

    bool Expand() const {
        return Require(Type() == kWndTreeControl, 44338) && Require(A(2) == "0" || A(2) == "1", 44342) &&
               Hook(parser_.TranslateExpand(&window_, Value(A(1)), A(2) == "1" ? 1 : 0, out_));
    }

    bool Position() const {
        if (!Require(IsTopLevelWindow(window_), 44643) || !Require(window_.HasCaption(), 44645)) return false;
        const std::string mode = ToLowerText(A(1));
        int first = 0;
        int second = 0;
        bool valid = false;
        if (mode == "minimize")
            valid = Require(N() == 1, 44647);
        else if (mode == "maximize")
            valid = Require(N() == 1, 44649);
        else if (mode == "restore")
            valid = Require(N() == 1, 44651);
        else if (mode == "resize")
            valid = Require(N() == 3, 44653) && ReadNumbers(A(2), A(3), first, second, 44655);
        else if (mode == "move")
            valid = Require(N() == 3, 44657) && ReadNumbers(A(2), A(3), first, second, 44659);
        else
            return Refuse(44661);
        return valid && Hook(parser_.TranslatePosition(&window_, A(1), first, second, out_));
    }

    bool Scroll() const {
        char direction = 'V';
        int clicks = 0;
        return Require(IsScrollableWindow(window_), 44691) && ReadLetter(A(1), 'V', 'H', direction, 44692) &&
               Require(ReadWholeNumber(A(2), clicks), 44693) && Require(clicks >= -10000 && clicks <= 10000, 44694) &&
               Hook(parser_.TranslateScroll(&window_, direction, clicks, out_));
    }

    bool Close() const {
        return Require(IsTopLevelWindow(window_), 44663) && Require(window_.HasCaption(), 44665) &&
               Hook(parser_.TranslateClose(&window_, out_));
    }

    bool Verify() const {
        std::array<std::string, 4> arguments = parts_.arguments;
        const std::string property = ToLowerText(A(1));
        bool valid = false;
        if (property == "focus")
            valid = Require(!window_.HasCaption() && window_.GetParent(), 44011) && Require(Type() != kWndMenuItem, 44013);
        else if (property == "exists")
            valid = Require(N() == 1, 45039);
        else if (property == "caption")
            valid = Require(N() == 2, 44017);
        else if (property == "enabled")
            valid = Require(N() == 2 && (EqualsNoCase(A(2), "true") || EqualsNoCase(A(2), "false")), 44020);
        else if (property == "selection")
            valid = Require(Type() == kWndComboBox || Type() == kWndListBox || Type() == kWndListView, 44601) &&
                    Require(N() == 2, 44604);
        else if (property == "value")
            valid = VerifyValue(arguments);
        else
            return Refuse(44639);
        return valid && Hook(parser_.TranslateVerify(&window_, arguments[0], arguments[1], arguments[2], arguments[3], out_));
    }

    bool Wait() const {
        int milliseconds = 0;
        if (!Require(ReadWholeNumber(A(1), milliseconds), 44769)) return false;
        const std::string property = ToLowerText(A(2));
        if (property == "value") {
            if (!Require(Type() == kWndInputField || Type() == kWndComboBox, 44770)) return false;
        } else if (property != "caption" && property != "enabled") {
            return Refuse(44771);
        }
        return Hook(parser_.TranslateWait(&window_, milliseconds, A(2), A(3), out_));
    }

private:
    // The value arguments of Verify(Value, ...); an index "last" becomes "LAST", and a combo
    // box's own value reads its edit field.
    bool VerifyValue(std::array<std::string, 4>& arguments) const {
        int row = 0;
        int column = 0;
        switch (Type()) {
            case kWndInputField: return Require(N() == 2, 44606);
            case kWndGroupBox: return Require(N() == 2, 44612) && Require(GroupBoxHasRadioButton(window_, A(2)), 44614);
            case kWndCheckBox: {
                int state = 0;
                return Require(N() == 2, 44609) && Require(ReadCheckState(A(2), state), 44610);
            }
            case kWndComboBox:
                if (N() != 2) return Require(N() == 3, 44630) && NormaliseVerifyIndex(arguments[1], 44626);
                if (IsDroplistComboBox(window_)) return Refuse(44625);
                arguments[2] = "_VERIFY_INPUTFIELD";
                return true;
            case kWndListBox:
            case kWndListView: return Require(N() == 3, 44622) && NormaliseVerifyIndex(arguments[1], 44623);
            case kWndTabControl: return Require(N() == 2, 44616);
            case kWndTable: return Require(N() == 4, 44632) && ReadNumbers(A(2), A(3), row, column, 44635);
            default:
                SetMessage(44637, WindowPathText(window_));
                return false;
        }
    }

    // The entry index of Verify(Value, X, ...): "last" becomes "LAST", anything else must be
    // a number.
    static bool NormaliseVerifyIndex(std::string& index, int message) {
        int number = 0;
        if (!IsLastEntry(index)) return Require(ReadWholeNumber(index, number), message);
        index = "LAST";
        return true;
    }

    // A list entry: a quoted text (index 0), or "" with the index ("last" or a number).
    bool ReadListEntry(std::string& item, int& index, int message) const {
        if (!A(1).empty() && A(1).front() == '"') {
            item = Value(A(1));
            index = 0;
            return true;
        }
        item.clear();
        if (IsLastEntry(A(1))) {
            index = kLastEntryIndex;
            return true;
        }
        return Require(ReadWholeNumber(A(1), index), message);
    }

    std::string Value(const std::string& argument) const { return parser_.TranslateValue(&window_, argument); }
    static bool Hook(int result) { return result == 1; }

    CEventParser& parser_;
    std::string& out_;
};

}  // namespace

int CEventParser::TranslateEventString(std::string_view event, const CWindowKav* window, std::string& out) {
    out.clear();
    if (!window) return Refuse(kMissingWindow);
    if (IsWindowUnsupported(window, 0)) {
        SetMessage(kUnsupportedWindow, WindowPathText(*window));
        return 0;
    }
    EventParts parts;
    if (!SplitEventString(event, parts)) return 0;
    if (window->GetType() == kWndMenu) return Refuse(kMenuBarEvent);
    const EventTranslator translator(*this, parts, *window, out);
    const int result = HandleEvent(translator, parts.name);
    if (result >= 0) return result;
    SetMessage(kUnknownEvent, parts.name);
    return 0;
}
