// WinRunner's physical descriptions: "{class: ...}" with the attributes that find a window
// (MSW_class, its label, its control id or the text of the nearest label) computed from the
// window data, or converted from the model's old tag notation.
#include <cmath>
#include <cstdio>

#include "conditions/EventRules.h"
#include "conversion/winrunner/WinRunner.h"
#include "conversion/winrunner/WinRunnerFormat.h"
#include "model/ApplicationKav.h"
#include "model/WindowList.h"
#include "platform/Format.h"
#include "platform/Interaction.h"
#include "platform/TextUtil.h"

namespace {

constexpr int kGroupBoxMissingInGeneration = 44940;
constexpr int kGroupBoxMissingInConversion = 44733;
// An old tag that says nothing usable.
constexpr const char* kEmptyAttributes = "EMPTY";
// How far from a control a label may lie to name it.
constexpr double kLabelReach = 36.0;

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

bool IsWebRadioButton(const CWindowKav& window) {
    return window.GetGuiID() == kHtmlGui && EqualsNoCase(window.GetClass(), "html_radio_button");
}

// The group box around a web radio button, whose caption is the button's html_name.
const CGroupBoxKav* FindGroupBox(const CWindowKav& window) {
    return window.GetType() == kWndRadioButton ? static_cast<const CRadioButtonKav&>(window).FindGroupBox() : nullptr;
}

std::string WebRadioButtonAttributes(const CGroupBoxKav& group, const std::string& value) {
    return ", html_name: " + Quoted(group.GetCaption()) + ", part_value: " + Quoted(value);
}

// The attribute that a caption or a label's text gives the window.
std::string TextAttribute(const CWindowKav& window, const std::string& text) {
    return window.GetGuiID() == kHtmlGui ? ", html_name: " + Quoted(text) : ", label: " + Quoted(text);
}

std::string MswClass(const CWindowKav& window, bool generating) {
    const std::string windowClass = window.GetClass();
    if (window.GetGuiID() != kHtmlGui) return Fmt("!%s", ReplaceSeparators(windowClass, "*", ".*"));
    return generating && windowClass == "html_textarea" ? "html_edit" : windowClass;
}

double Distance(int x1, int y1, int x2, int y2) { return std::hypot(x1 - x2, y1 - y2); }

// The caption of the static text or group box nearest to the window's top-left corner, measured
// to each one's top-right and bottom-left corner, when one lies close enough.
std::string NearestLabelCaption(const CWindowKav& window) {
    const WindowRect& at = window.GetRect();
    double best = kLabelReach;
    std::string caption;
    for (const CWindowKav* label : window.GetParent()->GetChildren()) {
        if (label == &window || (label->GetType() != kWndStaticText && label->GetType() != kWndGroupBox)) continue;
        const WindowRect& rect = label->GetRect();
        for (const double distance :
             {Distance(at.left, at.top, rect.right, rect.top), Distance(at.left, at.top, rect.left, rect.bottom)}) {
            if (distance < best) {
                best = distance;
                caption = label->GetCaption();
            }
        }
    }
    return caption;
}

std::string TrimLeadingBlanks(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    return first == std::string::npos ? std::string() : text.substr(first);
}

// Whether the first window of two equal tags goes after the second: by tab order where one
// is given, else top to bottom and then left to right.
bool GoesLater(const CWindowKav& first, const CWindowKav& second) {
    if (first.GetTabNr() != 0 || second.GetTabNr() != 0) return first.GetTabNr() > second.GetTabNr();
    const WindowRect a = first.GetAbsoluteRect();
    const WindowRect b = second.GetAbsoluteRect();
    return a.top != b.top ? a.top > b.top : a.left >= b.left;
}

}  // namespace

int GenerateWinRunnerTags(CWindowKav& window, int preferCaption) {
    CWinRunner converter;
    return converter.GenerateTags(&window, preferCaption);
}

std::string CWinRunner::GetWinRunnerClass(const CWindowKav& window) {
    switch (window.GetType()) {
        case kWndMain:
        case kWndChild:
        case kWndDialogBox:
        case kWndCustom:
            return window.HasCaption() ? "window" : window.GetClass() == "msctls_statusbar32" ? "statusbar" : "object";
        case kWndMenu: return ">ERROR: menu bar not supported";
        case kWndStaticText: return "static_text";
        case kWndInputField: return "edit";
        case kWndGroupBox:
        case kWndHeader:
        case kWndTable:
        case kWndLink: return "object";
        case kWndPushButton: return "push_button";
        case kWndCheckBox: return "check_button";
        case kWndRadioButton: return "radio_button";
        case kWndComboBox:
        case kWndListBox:
        case kWndListView:
        case kWndTreeControl: return "list";
        case kWndTabControl: return "tab";
        case kWndToolBar: return "toolbar";
        case kWndMenuItem: return "menu_item";
        case kWndImage: return window.GetGuiID() == kHtmlGui ? "object" : "static_text";
        default: return ">ERROR: Unknown window type specified";
    }
}

std::string CWinRunner::MakeRegularExpression(const std::string& text) {
    std::string expression = "!";
    for (const char c : text) {
        switch (c) {
            case '\t':
            case '"':
            case '\\':
            case '!': expression += '.'; break;
            case '*': expression += ".*"; break;
            case '&': break;
            default: expression += c;
        }
    }
    return Utf16Length(expression) > 100 ? Utf16Left(expression, 98) + ".*" : expression;
}

std::string CWinRunner::Describe(const CWindowKav& window, const std::string& attributes, bool generating) {
    const bool java = window.GetGuiID() == kJavaGuiBuilderId;
    const std::string mswClass =
        window.GetClass().empty() ? std::string() : ", MSW_class: " + Quoted(MswClass(window, generating));
    switch (window.GetType()) {
        case kWndComboBox: {
            // The list, and the edit field that WinRunner finds as a child of the list.
            std::string text = "{class: list" + (java ? std::string() : mswClass) + attributes + "}";
            if (!IsDroplistComboBox(window))
                text += "\r\n{class: edit, parent: " + Quoted(window.GetName() + "_list") + "}";
            return text;
        }
        case kWndMenuItem: {
            const CWindowKav* parent = window.GetParent();
            const bool inMenu = parent && parent->GetType() == kWndMenuItem;
            return "{class: " + GetWinRunnerClass(window) + attributes +
                   (inMenu ? ", parent: " + parent->GetName() : "") + "}";
        }
        default: {
            const std::string className = GetWinRunnerClass(window);
            if (java)
                return "{class: " + className + (className == "window" ? ", mic_if_handles_windows: 1" : "") +
                       attributes + "}";
            return "{class: " + className + mswClass + attributes + "}";
        }
    }
}

std::string CWinRunner::BuildAttributes(const CWindowKav& window) {
    const int type = window.GetType();
    const bool web = window.GetGuiID() == kHtmlGui;
    const std::string caption = web ? TrimLeadingBlanks(window.GetCaption()) : window.GetCaption();
    const int controlId =
        window.GetNumID() == kNoControlId && window.GetGuiID() == kNoGuiBuilder ? 0 : window.GetNumID();

    std::string attributes;
    if (controlId != 0 && !window.HasCaption() && type != kWndMenuItem) attributes = Fmt(", MSW_id: %d", controlId);
    if (!caption.empty()) {
        const std::string expression = MakeRegularExpression(caption);
        if (!IsWebRadioButton(window)) return TextAttribute(window, expression);
        if (const CGroupBoxKav* group = FindGroupBox(window)) return WebRadioButtonAttributes(*group, expression);
        GetInteraction().Inform(FormatMessageId(kGroupBoxMissingInGeneration, window.GetName()), MessageIcon::Warning);
        return {};
    }
    if (window.GetParent() && type != kWndMenu && type != kWndMenuItem) {
        const std::string label = NearestLabelCaption(window);
        if (!label.empty()) attributes = ", attached_text: " + Quoted(MakeRegularExpression(label));
    }
    return attributes;
}

std::string CWinRunner::NextTagToken(std::string& rest) {
    std::string token;
    if (rest.empty() || (rest[0] != '$' && rest[0] != '#' && rest[0] != '@')) {
        token.swap(rest);
        return token;
    }
    // A position "@(x,y)" holds a comma of its own.
    size_t comma = rest.find(',');
    if (rest[0] == '@' && comma != std::string::npos) comma = rest.find(',', comma + 1);
    const size_t next = comma == std::string::npos ? comma : rest.find_first_not_of(' ', comma + 1);
    if (comma == std::string::npos || comma + 2 >= rest.size() || next == std::string::npos) {
        token.swap(rest);
        return token;
    }
    token = rest.substr(0, comma);
    rest.erase(0, next);
    return token;
}

std::string CWinRunner::BuildAttributesFromTag(const CWindowKav& window, int withIndex) {
    std::string rest = window.GetTag();
    if (rest.empty()) return kEmptyAttributes;
    std::string attributes;
    while (!rest.empty()) {
        const std::string token = NextTagToken(rest);
        const std::string number = token.substr(1);
        switch (token[0]) {
            case '#':
                if (withIndex)
                    attributes += (window.GetType() == kWndMenuItem ? ", position: " : ", location: ") + number + " ";
                break;
            case '$': attributes += ", MSW_id: " + number + " "; break;
            case '@': {
                int x = 0;
                int y = 0;
                if (std::sscanf(token.c_str(), "@(%d,%d)", &x, &y) != 2) return kEmptyAttributes;
                attributes += Fmt(", x: %d, y: %d ", x, y);
                break;
            }
            default:
                if (window.GetCaption().empty()) {
                    attributes += ", attached_text: " + Quoted(token);
                } else if (!IsWebRadioButton(window)) {
                    attributes += TextAttribute(window, token);
                } else if (const CGroupBoxKav* group = FindGroupBox(window)) {
                    attributes += WebRadioButtonAttributes(*group, token);
                } else {
                    SetMessage(kGroupBoxMissingInConversion, window.GetName());
                    return {};
                }
        }
    }
    return attributes;
}

std::string CWinRunner::ConvertOldTag(const CWindowKav& window, int withIndex) {
    std::string attributes = BuildAttributesFromTag(window, withIndex);
    if (attributes == kEmptyAttributes) attributes = BuildAttributes(window);
    return Describe(window, attributes, false);
}

int CWinRunner::ConvertOldTags(CApplicationKav& project) {
    for (CWindowKav* window : project.GetWindowList().Snapshot())
        if (window->GetType() != kWndMenu && !window->GetTag().starts_with("{"))
            window->SetTag(ConvertOldTag(*window, 1));
    return 1;
}

void CWinRunner::CollectUntitledDescendants(const CWindowKav* window, std::vector<CWindowKav*>& list) {
    for (CWindowKav* child : window->GetChildren()) {
        if (child->HasCaption()) continue;
        list.push_back(child);
        CollectUntitledDescendants(child, list);
    }
}

void CWinRunner::MakeLocationsUnique(CWindowKav& window) {
    std::vector<CWindowKav*> rest;
    CollectUntitledDescendants(&window, rest);
    while (!rest.empty()) {
        const std::string tag = rest.front()->GetTag();
        std::vector<CWindowKav*> group;
        std::erase_if(rest, [&](CWindowKav* candidate) {
            if (candidate->GetTag() != tag) return false;
            group.push_back(candidate);
            return true;
        });
        if (group.size() < 2) continue;
        for (size_t i = 0; i < group.size(); ++i)
            for (size_t j = i + 1; j < group.size(); ++j)
                if (GoesLater(*group[i], *group[j])) std::swap(group[i], group[j]);
        for (size_t k = 0; k < group.size(); ++k) {
            const char* place = group[k]->GetType() == kWndMenuItem ? ", position: %d}" : ", location: %d}";
            group[k]->SetTag(tag.substr(0, tag.size() - 1) + Fmt(place, static_cast<int>(k)));
        }
    }
}

int CWinRunner::GenerateTags(CWindowKav* window, int flag) {
    window->SetTag(Describe(*window, BuildAttributes(*window), true));
    for (CWindowKav* child : window->GetChildren()) GenerateTags(child, flag);
    if (window->HasCaption()) MakeLocationsUnique(*window);
    return 1;
}
