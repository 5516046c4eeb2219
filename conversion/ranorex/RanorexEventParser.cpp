// The recording item of each event.
#include "conversion/ranorex/RanorexEventParser.h"

#include "conditions/EventRules.h"
#include "conversion/ranorex/RecordingItems.h"

namespace items = recording_items;

namespace {

constexpr int kRadioButtonNotFound = 45173;
constexpr std::string_view kCrLf = "\r\n";

struct Tag {
    std::string path;
    std::string capability;
};

Tag TagOf(const CWindowKav& window) {
    Tag tag;
    std::string capabilityList;
    CRanorexEventParser::SplitTag(window.GetTag(), tag.path, tag.capability, capabilityList);
    return tag;
}

// A list view is a list when its preferred capability says so, else a table.
bool IsListCapability(const Tag& tag) { return EqualsNoCase(tag.capability, "list"); }

std::string ClickAction(int clicks) { return clicks == 1 ? "Click" : clicks == 2 ? "DoubleClick" : ""; }

std::string CheckValue(int state) { return state == 0 ? "false" : state == 1 ? "true" : ""; }

// The radio button of the group captioned as the text says, or null after W1173.
const CWindowKav* FindRadioButton(const CWindowKav& groupBox, const std::string& caption) {
    const CWindowKav* button = static_cast<const CGroupBoxKav&>(groupBox).FindRadioButton(caption);
    if (!button) SetMessage(kRadioButtonNotFound, caption);
    return button;
}

}  // namespace

std::unique_ptr<CEventParser> CreateRanorexEventParser() {
    auto parser = std::make_unique<CRanorexEventParser>();
    parser->InitRanorexKeyTable(0);
    return parser;
}

CRanorexEventParser::CRanorexEventParser() { RemoveAllKeys(); }

bool CRanorexEventParser::SplitTag(const std::string& tag, std::string& path, std::string& capability,
                                   std::string& capabilityList) {
    path.clear();
    capability.clear();
    capabilityList.clear();
    const size_t first = tag.find(kCrLf);
    if (first == std::string::npos) return false;
    path = tag.substr(0, first);
    const size_t second = tag.find(kCrLf, first + kCrLf.size());
    if (second == std::string::npos) return false;
    capability = tag.substr(first + kCrLf.size(), second - first - kCrLf.size());
    capabilityList = tag.substr(second + kCrLf.size());
    return true;
}

bool CRanorexEventParser::IsWindowUnsupported(const CWindowKav* window, int) {
    return window->GetType() == kWndMenuItem && static_cast<const CMenuItemKav*>(window)->IsSeparator();
}

bool CRanorexEventParser::IsTagOptional(const CWindowKav* window, int) { return IsWindowUnsupported(window, 1); }

std::string CRanorexEventParser::TranslateValue(const CWindowKav*, const std::string& value) {
    return StripQuotes(value);
}

int CRanorexEventParser::TranslateCheck(const CWindowKav* window, int state, const std::string& item, int index,
                                        std::string& out) {
    const std::string path = TagOf(*window).path;
    const std::string entry = index == kLastEntryIndex ? "last" : !item.empty() ? item : std::to_string(index);
    switch (window->GetType()) {
        case kWndCheckBox: {
            const char* value = state == 0 ? "false" : state == 1 ? "true" : state == 2 ? "null" : "";
            out = items::SetValue("Checked", path, value);
            return 1;
        }
        case kWndListBox:
            out = items::UserCode("CheckListItem", path, {{"index", entry}, {"value", CheckValue(state)}});
            return 1;
        case kWndListView:
            out = items::UserCode("CheckRow", path, {{"index", entry}, {"value", CheckValue(state)}});
            return 1;
        case kWndMenuItem: out = items::UserCode("CheckMenuItem", path, {{"value", CheckValue(state)}}); return 1;
        case kWndTreeControl:
            out = items::UserCode("CheckTreeItem", path, {{"index", entry}, {"value", CheckValue(state)}});
            return 1;
        default: return 1;
    }
}

int CRanorexEventParser::TranslateClick(const CWindowKav* window, char button, int clicks, int x, int y,
                                        std::string& out) {
    const std::string path = TagOf(*window).path;
    const std::string buttonName = button == 'L' ? "Left" : button == 'R' ? "Right" : "";
    switch (window->GetType()) {
        case kWndToolBar:
            out = items::UserCode("ClickToolbarButton", path, {{"param1", std::to_string(x)}, {"param2", buttonName}});
            return 1;
        case kWndTable:
            out = items::UserCode("ClickTableCell", path,
                                  {{"param1", std::to_string(x)},
                                   {"param2", std::to_string(y)},
                                   {"param3", buttonName},
                                   {"param4", ClickAction(clicks)}});
            return 1;
        default:
            out = items::Mouse(ClickAction(clicks), buttonName, std::to_string(x) + ";" + std::to_string(y), path);
            return 1;
    }
}

int CRanorexEventParser::TranslateType(const CWindowKav* window, const std::string& keys, std::string& out) {
    out = items::KeySequence(keys, TagOf(*window).path);
    return 1;
}

int CRanorexEventParser::TranslateInput(const CWindowKav* window, const std::string& text, int, int,
                                        std::string& out) {
    const std::string path = TagOf(*window).path;
    if (window->GetType() == kWndInputField) out = items::SetValue("Text", path, text);
    else if (window->GetType() == kWndComboBox)
        out = items::KeySequence("{LControlKey down}{Delete}{LControlKey up}" + text, path);
    return 1;
}

int CRanorexEventParser::TranslateSelect(const CWindowKav* window, const std::string& item, int clicks, int index,
                                         std::string& out) {
    const Tag tag = TagOf(*window);
    const std::string entry = index == kLastEntryIndex ? "last" : item.empty() ? std::to_string(index) : item;
    const auto call = [&](const char* method) {
        out = items::UserCode(method, tag.path, {{"param", entry}, {"click", ClickAction(clicks)}});
        return 1;
    };
    switch (window->GetType()) {
        case kWndGroupBox: {
            const CWindowKav* button = FindRadioButton(*window, UnquotedArgument(entry));
            if (!button) return 0;
            out = items::Mouse(ClickAction(clicks), "Left", "1;1", TagOf(*button).path);
            return 1;
        }
        case kWndComboBox: return call("SelectComboBoxItem");
        case kWndListBox: return call("SelectListItem");
        case kWndTabControl: return call("SelectTabPage");
        case kWndListView: return call(IsListCapability(tag) ? "SelectListItem" : "SelectRow");
        case kWndTreeControl: return call("SelectTreeItem");
        default: return 1;
    }
}

int CRanorexEventParser::TranslateExpand(const CWindowKav* window, const std::string& item, int expand,
                                         std::string& out) {
    out = items::UserCode("ExpandTree", TagOf(*window).path,
                          {{"itemPath", item}, {"cmd", expand == 1 ? "expand" : "collapse"}});
    return 1;
}

int CRanorexEventParser::TranslatePosition(const CWindowKav* window, const std::string& mode, int first, int second,
                                           std::string& out) {
    const std::string path = TagOf(*window).path;
    const std::vector<ItemArgument> place = {{"xPos", std::to_string(first)}, {"yPos", std::to_string(second)}};
    if (EqualsNoCase(mode, "minimize")) out = items::InvokeAction("Minimize", path);
    else if (EqualsNoCase(mode, "maximize")) out = items::InvokeAction("Maximize", path);
    else if (EqualsNoCase(mode, "restore")) out = items::InvokeAction("Restore", path);
    else if (EqualsNoCase(mode, "resize")) out = items::UserCode("ResizeWnd", path, place);
    else if (EqualsNoCase(mode, "move")) out = items::UserCode("MoveWnd", path, place);
    else out = items::InvokeAction("", path);
    return 1;
}

int CRanorexEventParser::TranslateScroll(const CWindowKav* window, char direction, int clicks, std::string& out) {
    const char* name = direction == 'H' ? "horizontal" : direction == 'V' ? "vertical" : "";
    out = items::UserCode("ScrollWindow", TagOf(*window).path,
                          {{"direction", name}, {"numClicks", std::to_string(clicks)}});
    return 1;
}

int CRanorexEventParser::TranslateClose(const CWindowKav* window, std::string& out) {
    out = items::Close(TagOf(*window).path);
    return 1;
}

int CRanorexEventParser::TranslateVerify(const CWindowKav* window, const std::string& property,
                                         const std::string& first, const std::string& second,
                                         const std::string& third, std::string& out) {
    const Tag tag = TagOf(*window);
    const int type = window->GetType();
    const std::string value = StripQuotes(first);
    const auto equal = [&](const std::string& name, const std::string& expected) {
        out = items::Validation("AttributeEqual", tag.path, name, expected);
        return 1;
    };
    const auto call = [&](const char* method, int arguments) {
        std::vector<ItemArgument> params = {{"param1", value}, {"param2", StripQuotes(second)},
                                            {"param3", StripQuotes(third)}};
        params.resize(arguments);
        out = items::UserCode(method, tag.path, params);
        return 1;
    };

    if (EqualsNoCase(property, "enabled")) return equal("Enabled", value);
    if (EqualsNoCase(property, "caption")) {
        if (type == kWndMain || type == kWndChild || type == kWndDialogBox) return equal("Title", value);
        return equal(type == kWndStaticText || type == kWndGroupBox ? "Caption" : "Text", value);
    }
    if (EqualsNoCase(property, "exists")) {
        out = items::Validation("Exists", tag.path, "(Choose)", "");
        return 1;
    }
    if (EqualsNoCase(property, "focus")) {
        out = items::Validation("AttributeEqual", type == kWndComboBox ? tag.path + "/text" : tag.path, "HasFocus",
                                "True");
        return 1;
    }
    if (EqualsNoCase(property, "selection")) {
        if (type == kWndListBox) return call("ValidateListSelection", 1);
        if (type == kWndListView) {
            const std::uint32_t kind = window->GetStyle() & 0xF;
            return call(kind == 0 || kind == 2 ? "ValidateListSelection" : "ValidateTableSelection", 1);
        }
        return equal("SelectedItemText", value);
    }
    if (!EqualsNoCase(property, "value")) {
        out = items::Validation("", tag.path, "", "");
        return 1;
    }
    switch (type) {
        case kWndInputField: return equal("Text", value);
        case kWndGroupBox: {
            const CWindowKav* button = FindRadioButton(*window, RemoveEscapes(StripQuotes(value)));
            if (!button) return 0;
            out = items::Validation("AttributeEqual", TagOf(*button).path, "Checked", "True");
            return 1;
        }
        case kWndCheckBox:
            return equal("CheckState", EqualsNoCase(first, "true")    ? "Checked"
                                       : EqualsNoCase(first, "false") ? "Unchecked"
                                                                      : "Indeterminate");
        case kWndComboBox:
            if (second == "_VERIFY_INPUTFIELD") return equal("Text", value);
            return call("ValidateComboBoxValue", 2);
        case kWndListBox: return call("ValidateListValue", 2);
        case kWndTabControl: return call("ValidateTabValue", 1);
        case kWndListView: return IsListCapability(tag) ? call("ValidateListValue", 2) : call("ValidateTableValue", 3);
        case kWndTable: return call("ValidateTableValue", 3);
        default: return equal("Value", value);
    }
}

int CRanorexEventParser::TranslateWait(const CWindowKav* window, int milliseconds, const std::string& property,
                                       const std::string& value, std::string& out) {
    const char* method = EqualsNoCase(property, "enabled")    ? "WaitEnabled"
                         : window->GetType() == kWndComboBox ? "WaitComboBoxValue"
                                                             : "WaitTextValue";
    out = items::UserCode(method, TagOf(*window).path,
                          {{"timeout", std::to_string(milliseconds)}, {"value", StripQuotes(value)}});
    return 1;
}
