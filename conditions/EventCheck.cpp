// The check that the step editor runs before it stores an event for a window: the event's
// shape, whether the window type takes it, and the value types of its arguments.
#include "conditions/ConditionContext.h"
#include "conditions/ConditionEvaluator.h"
#include "conditions/EventParser.h"
#include "conditions/EventRules.h"
#include "conditions/ValueTypes.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"

namespace {

constexpr int kEmptyEvent = 44281;
constexpr int kMissingWindow = 41127;
constexpr int kMenuBarEvent = 44284;
constexpr int kUnknownEvent = 44343;

// The argument's value type; 0 when it does not parse or evaluate, with the condition
// language's message.
int ArgumentType(const std::string& argument) { return GetExpressionType(ResetConditionMessage(), argument); }

// As ArgumentType, where the word "last" may stand for a list index.
int IndexOrTextType(const std::string& argument) { return IsLastEntry(argument) ? kTypeNum : ArgumentType(argument); }

bool Parses(const std::string& argument) { return ArgumentType(argument) != 0; }

bool HasType(int type, int wanted, int message) { return type != 0 && Require(AreTypesCompatible(type, wanted), message); }

bool HasType(const std::string& argument, int wanted, int message) {
    return HasType(ArgumentType(argument), wanted, message);
}

// A number that reads 0 only from "0".
bool IsWholeNumber(const std::string& argument) {
    int value = 0;
    return ReadWholeNumber(argument, value);
}

bool IsSize(const std::string& argument) {
    int value = 0;
    return ReadWholeNumber(argument, value) && value >= 0;
}

class EventChecker : private EventOnWindow {
public:
    EventChecker(CEventParser& parser, const EventParts& parts, const CWindowKav& window)
        : EventOnWindow(parts, window), parser_(parser) {}

    bool Check() const {
        switch (Type()) {
            case kWndMenuItem:
                if (IsPopupOrSeparatorItem(window_)) return Refuse(44288);
                [[fallthrough]];
            case kWndCheckBox: return Require(N() == 1, 44290) && HasType(A(1), kTypeBool, 44674);
            case kWndListBox:
            case kWndListView:
            case kWndTreeControl: {
                if (!Require(N() == 2, 44675)) return false;
                const int type = IndexOrTextType(A(1));
                if (type == 0) return false;
                if (AreTypesCompatible(type, kTypeNum)) {
                    if (Type() == kWndTreeControl) return Refuse(44676);
                } else if (!Require(AreTypesCompatible(type, kTypeString), 44677)) {
                    return false;
                }
                return HasType(A(2), kTypeBool, 44678);
            }
            default: return Refuse(44286);
        }
    }

    bool Click() const {
        switch (Type()) {
            case kWndRadioButton: return Refuse(44294);
            case kWndToolBar:
                return Require(N() >= 1, 44668) && Require(N() <= 2, 44669) && HasType(A(1), kTypeNum, 44670) &&
                       (N() < 2 || Require(IsButtonLetter(A(2)), 44672));
            case kWndTable:
                return Require(N() >= 2, 44296) && Require(N() <= 4, 44297) && HasType(A(1), kTypeNum, 44298) &&
                       HasType(A(2), kTypeNum, 44947) && (N() < 3 || Require(IsButtonLetter(A(3)), 44300)) &&
                       (N() < 4 || Require(IsClickCount(A(4)), 44301));
            default:
                if (N() == 3) return Refuse(44304);
                if (N() == 0) return true;
                return Require(IsButtonLetter(A(1)), 44305) && (N() < 2 || Require(IsClickCount(A(2)), 44306)) &&
                       (N() < 4 || Require(IsWholeNumber(A(3)) && IsWholeNumber(A(4)), 44705));
        }
    }

    bool TypeKeys() const {
        if (!Require(Type() != kWndMenuItem, 44309) || !Require(N() == 1, 44311) ||
            !Require(Utf16Length(A(1)) >= 2, 44679) || !Require(A(1).front() == '"' && A(1).back() == '"', 44680))
            return false;
        std::string keys;
        return parser_.TranslateKeySequence(A(1), keys) == 1;
    }

    bool Input() const {
        switch (Type()) {
            case kWndComboBox:
                if (IsDroplistComboBox(window_)) return Refuse(44312);
                [[fallthrough]];
            case kWndInputField: return Require(N() != 0, 44166) && Require(N() <= 1, 44345) && Parses(A(1));
            case kWndTable:
                return Require(N() >= 2, 44314) && Require(N() <= 3, 44346) && HasType(A(1), kTypeNum, 44948) &&
                       HasType(A(2), kTypeNum, 44949) && (N() < 3 || HasType(A(3), kTypeString, 44315));
            default: return Refuse(44316);
        }
    }

    bool Select() const {
        switch (Type()) {
            case kWndGroupBox: return Require(N() == 1, 44329) && HasType(A(1), kTypeString, 44330);
            case kWndComboBox:
            case kWndListBox:
            case kWndListView:
                return Require(N() >= 1, 44318) && Require(N() <= 2, 44321) && IsIndexOrText(A(1), 44322) &&
                       (N() < 2 || Require(IsClickCount(A(2)), 44323));
            case kWndTabControl: return Require(N() == 1, 44332) && HasType(A(1), kTypeString, 44333);
            case kWndTreeControl:
                return Require(N() >= 1, 44319) && Require(N() <= 2, 44320) && HasType(A(1), kTypeString, 44324) &&
                       (N() < 2 || Require(IsClickCount(A(2)), 44325));
            default: return Refuse(44335);
        }
    }

    bool Expand() const {
        return Require(Type() == kWndTreeControl, 44337) && Require(N() == 2, 44339) &&
               HasType(A(1), kTypeString, 44340) && Require(A(2) == "0" || A(2) == "1", 44341);
    }

    bool Position() const {
        if (!Require(IsTopLevelWindow(window_), 44642) || !Require(window_.HasCaption(), 44644)) return false;
        const std::string mode = ToLowerText(A(1));
        if (mode == "minimize") return Require(N() == 1, 44646);
        if (mode == "maximize") return Require(N() == 1, 44648);
        if (mode == "restore") return Require(N() == 1, 44650);
        if (mode == "resize") return Require(N() == 3, 44652) && Require(IsSize(A(2)) && IsSize(A(3)), 44654);
        if (mode == "move")
            return Require(N() == 3, 44656) && Require(IsWholeNumber(A(2)) && IsWholeNumber(A(3)), 44658);
        return Refuse(44660);
    }

    bool Scroll() const {
        int clicks = 0;
        return Require(IsScrollableWindow(window_), 44682) && Require(N() == 2, 44683) &&
               Require(EqualsNoCase(A(1), "V") || EqualsNoCase(A(1), "H"), 44684) &&
               Require(ReadWholeNumber(A(2), clicks), 44685) && Require(clicks >= -10000 && clicks <= 10000, 44686);
    }

    bool Close() const {
        return Require(IsTopLevelWindow(window_), 44662) && Require(window_.HasCaption(), 44664) &&
               Require(N() == 0, 44666);
    }

    bool Verify() const {
        if (!Require(N() >= 1, 44008)) return false;
        const std::string property = ToLowerText(A(1));
        if (property == "focus")
            return Require(!window_.HasCaption() && window_.GetParent(), 44010) &&
                   Require(Type() != kWndMenuItem, 44012) && Require(N() == 1, 44014);
        if (property == "caption") return Require(N() == 2, 44015) && HasType(A(2), kTypeString, 44016);
        if (property == "enabled") return Require(N() == 2, 44018) && HasType(A(2), kTypeBool, 44019);
        if (property == "selection")
            return Require(Type() == kWndComboBox || Type() == kWndListBox || Type() == kWndListView, 44600) &&
                   Require(N() == 2, 44602) && HasType(A(2), kTypeString, 44603);
        if (property == "exists") return Require(N() == 1, 44931);
        if (property == "value") return VerifyValue();
        return Refuse(44760);
    }

    bool Wait() const {
        if (!Require(N() == 3, 44761) || !HasType(A(1), kTypeNum, 44762)) return false;
        const std::string property = ToLowerText(A(2));
        if (property == "caption") return HasType(A(3), kTypeString, 44764);
        if (property == "enabled") return HasType(A(3), kTypeBool, 44765);
        if (property == "value")
            return Require(Type() == kWndInputField || Type() == kWndComboBox, 44767) &&
                   HasType(A(3), kTypeString, 44766);
        return Refuse(44768);
    }

private:
    bool VerifyValue() const {
        switch (Type()) {
            case kWndInputField: return Require(N() == 2, 44605) && Parses(A(2));
            case kWndGroupBox: return Require(N() == 2, 44611) && HasType(A(2), kTypeString, 44613);
            case kWndCheckBox: return Require(N() == 2, 44607) && HasType(A(2), kTypeBool, 44608);
            case kWndComboBox:
                if (N() == 2) return Require(!IsDroplistComboBox(window_), 44624) && Parses(A(2));
                if (N() == 3)
                    return HasType(IndexOrTextType(A(2)), kTypeNum, 44627) && HasType(A(3), kTypeString, 44628);
                return Refuse(44629);
            case kWndListBox:
            case kWndListView:
                return Require(N() == 3, 44619) && HasType(IndexOrTextType(A(2)), kTypeNum, 44620) &&
                       HasType(A(3), kTypeString, 44621);
            case kWndTabControl: return Require(N() == 2, 44615) && HasType(A(2), kTypeString, 44617);
            case kWndTable:
                return Require(N() == 4, 44631) && HasType(A(2), kTypeNum, 44633) && HasType(A(3), kTypeNum, 44950) &&
                       HasType(A(4), kTypeString, 44634);
            default: return Refuse(44636);
        }
    }

    // A list entry by its text, its index or "last".
    static bool IsIndexOrText(const std::string& argument, int message) {
        const int type = IndexOrTextType(argument);
        return type != 0 &&
               Require(AreTypesCompatible(type, kTypeNum) || AreTypesCompatible(type, kTypeString), message);
    }

    CEventParser& parser_;
};

}  // namespace

int CEventParser::CheckEventString(std::string_view event, const CWindowKav* window) {
    if (event.empty()) return Refuse(kEmptyEvent);
    if (!window) return Refuse(kMissingWindow);
    EventParts parts;
    if (!SplitEventString(event, parts)) return 0;
    if (window->GetType() == kWndMenu) return Refuse(kMenuBarEvent);
    const EventChecker checker(*this, parts, *window);
    const int result = HandleEvent(checker, parts.name);
    if (result >= 0) return result;
    SetMessage(kUnknownEvent, parts.name);
    return 0;
}
