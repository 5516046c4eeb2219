#pragma once
// What the event rules ask of windows and arguments, shared by the check, the translation and
// the evaluation of events.
#include <string>
#include <utility>

#include "conditions/EventParser.h"
#include "model/WindowKav.h"
#include "model/windows/WindowTypes.h"
#include "platform/Format.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"

// Writes the message; every rule that fails ends the event's handling with it.
inline bool Refuse(int message) {
    SetMessage(message);
    return false;
}

inline bool Require(bool rule, int message) { return rule || Refuse(message); }

// An argument read as a whole number: blanks, a sign and the leading digits; the rest is
// ignored. A text that reads 0 counts only when it is exactly "0".
inline bool ReadWholeNumber(const std::string& argument, int& value) {
    value = ParseLeadingInt(argument);
    return value != 0 || argument == "0";
}

// The word that stands for the last entry of a list, in any case.
inline bool IsLastEntry(const std::string& argument) { return EqualsNoCase(argument, "last"); }

// Main windows, child windows, dialog boxes and custom windows.
inline bool IsTopLevelWindow(const CWindowKav& window) {
    return window.GetType() >= kWndMain && window.GetType() <= kWndCustom;
}

// The windows that Scroll reaches.
inline bool IsScrollableWindow(const CWindowKav& window) {
    switch (window.GetType()) {
        case kWndMain: case kWndChild: case kWndDialogBox: case kWndCustom: case kWndInputField:
        case kWndListBox: case kWndListView: case kWndTreeControl: case kWndTable: return true;
        default: return false;
    }
}

inline bool IsDroplistComboBox(const CWindowKav& window) {
    return window.GetType() == kWndComboBox &&
           static_cast<const CComboBoxKav&>(window).GetBoxType() == CComboBoxKav::kDroplist;
}

inline bool IsPopupOrSeparatorItem(const CWindowKav& window) {
    const auto& item = static_cast<const CMenuItemKav&>(window);
    return item.IsPopup() || item.IsSeparator();
}

// A quoted argument as the plain text it stands for: a caption or a page title.
inline std::string UnquotedArgument(const std::string& argument) {
    return CEventParser::RemoveEscapes(CEventParser::StripQuotes(argument));
}

// Whether the group box holds a radio button captioned as the quoted argument says.
inline bool GroupBoxHasRadioButton(const CWindowKav& groupBox, const std::string& argument) {
    return static_cast<const CGroupBoxKav&>(groupBox).FindRadioButton(UnquotedArgument(argument)) != nullptr;
}

// "L" or "R" in any case: the mouse button of a click.
inline bool IsButtonLetter(const std::string& argument) {
    return EqualsNoCase(argument, "L") || EqualsNoCase(argument, "R");
}

// Exactly "1" or "2": a single or a double click.
inline bool IsClickCount(const std::string& argument) { return argument == "1" || argument == "2"; }

// The table cell that an Input(Row, Column, ...) event fills, as a designator names it:
// "$row,column" from the leading numbers of the first two arguments.
inline std::string TableCellAttribute(const EventParts& parts) {
    return Fmt("$%d,%d", ParseLeadingInt(parts.Argument(1)), ParseLeadingInt(parts.Argument(2)));
}

// What the check and the translation of one event read: its parts and its window.
class EventOnWindow {
protected:
    EventOnWindow(const EventParts& parts, const CWindowKav& window) : parts_(parts), window_(window) {}

    int N() const { return parts_.count; }
    const std::string& A(int position) const { return parts_.Argument(position); }
    int Type() const { return window_.GetType(); }

    const EventParts& parts_;
    const CWindowKav& window_;
};

// Runs the handler's operation for the event name, the names tried in the notation's order:
// 1 or 0 as the operation succeeds, -1 when no event has the name.
template <class Handler>
int HandleEvent(const Handler& handler, const std::string& name) {
    using Operation = bool (Handler::*)() const;
    const std::pair<const char*, Operation> events[] = {
        {"check", &Handler::Check},       {"click", &Handler::Click},   {"type", &Handler::TypeKeys},
        {"input", &Handler::Input},       {"select", &Handler::Select}, {"expand", &Handler::Expand},
        {"position", &Handler::Position}, {"scroll", &Handler::Scroll}, {"close", &Handler::Close},
        {"verify", &Handler::Verify},     {"wait", &Handler::Wait},
    };
    for (const auto& [event, operation] : events)
        if (name == event) return (handler.*operation)() ? 1 : 0;
    return -1;
}
