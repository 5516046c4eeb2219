// SilkTest's recognition tags: each window is found by a path of class and part segments from
// its captioned window down, a part being the control id, the caption, the nearest label's
// text or the window's place among the windows of its kind ("#2"). Windows SilkTest cannot
// address are left out of the paths; their children count as children of their parent.
#include "conversion/silktest/QAP4.h"
#include "conversion/silktest/SilkTestFormat.h"
#include "conditions/EventRules.h"
#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "model/WindowList.h"
#include "platform/Format.h"
#include "platform/TextUtil.h"

namespace {

// Kinds of CountPrecedingSiblings beside the window types.
constexpr int kDroplistKind = 990;
constexpr int kRadioListKind = 991;

// Group boxes with radio buttons, drop lists and the rest of their types are told apart; a
// group box without radio buttons counts as a static text.
int SiblingKind(const CWindowKav& window) {
    switch (window.GetType()) {
        case kWndGroupBox:
            return static_cast<const CGroupBoxKav&>(window).GetRadioButtons().empty() ? kWndStaticText : kRadioListKind;
        case kWndComboBox: return IsDroplistComboBox(window) ? kDroplistKind : kWndComboBox;
        default: return window.GetType();
    }
}

bool IsMenu(const CWindowKav& window) { return window.GetType() == kWndMenu || window.GetType() == kWndMenuItem; }

bool IsTabPageWindow(const CWindowKav& window) {
    CTabControlKav* tabControl = nullptr;
    return CurrentApplication->GetWindowList().FindTabPage(window.GetName(), tabControl) != nullptr;
}

bool IsLabel(const CWindowKav& window) {
    const int type = window.GetType();
    return (type == kWndStaticText || type == kWndGroupBox || type == kWndLink) && !window.GetCaption().empty();
}

// How far the label lies to the left of or above the control; 10000 when it is neither.
int LabelDistance(const WindowRect& control, const WindowRect& label) {
    int distance = 10000;
    if (label.left <= control.left && label.top <= control.bottom && label.bottom >= control.top)
        distance = control.left - label.right;
    if (label.top <= control.top && label.left <= control.right && label.right >= control.left &&
        control.top - label.bottom < distance)
        distance = control.top - label.bottom;
    return distance;
}

// Controls whose caption is their value on a web page.
bool IsHtmlValueControl(int type) {
    return type == kWndInputField || type == kWndComboBox || type == kWndCheckBox || type == kWndListBox ||
           type == kWndGroupBox;
}

// Windows Forms controls that SilkTest finds by the caption as their name.
bool IsWindowsFormsNamedControl(const CWindowKav& window) {
    switch (window.GetType()) {
        case kWndStaticText: case kWndGroupBox: case kWndPushButton: case kWndMenuItem: case kWndCheckBox:
        case kWndLink: return false;
        default: return !window.HasCaption();
    }
}

std::string TrimLeadingSpace(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r\n\f\v");
    return first == std::string::npos ? std::string() : text.substr(first);
}

}  // namespace

int GenerateSilkTestTags(CWindowKav& window, int preferCaption) {
    CQAP4 converter;
    return converter.GenerateTag(&window, preferCaption);
}

int CQAP4::GenerateTag(CWindowKav* window, int preferCaption) {
    for (CWindowKav* child : window->GetChildren()) GenerateTag(child, preferCaption);
    if (IsSkipped(*window)) return 1;

    const CApplicationKav& app = *CurrentApplication;
    const std::string path = GetTagPath(*window, preferCaption);
    const std::string tag = "tag \"" + path + "\"";
    const int builder = window->GetGuiID();
    std::string text;
    if (window == app.GetStartWindow()) {
        if (builder == kJavaGuiBuilderId && app.GetWebTest()) text = "tag \"[JavaApplet]BEANSCONTROLWINDOW\"\r\nparent BrowserPage";
        else if (builder == kHtmlGui) text = tag + "\r\nparent Browser";
        else text = tag;
    } else if (window->GetParent()) {
        text = window->HasCaption() ? tag + "\r\nparent " + parser_.GetWindowIdentifier(window->GetParent()) : tag;
    } else if (builder == kHtmlGui) {
        text = tag + "\r\nparent Browser";
    } else {
        text = window->GetType() == kWndMain ? tag : "tag \"~ActiveApp/" + path + "\"";
    }
    window->SetTag(text);
    return 1;
}

std::string CQAP4::GetTagPath(const CWindowKav& window, int preferCaption) {
    const auto segment = [&](const CWindowKav& of) {
        const std::string part = GetTagPart(of, preferCaption);
        const std::string className = GetWindowClassName(&of, 1);
        return of.GetType() == kWndCustom ? part : "[" + className + "]" + part;
    };
    std::string path;
    if (!IsSkipped(window)) {
        path = segment(window);
        if (window.HasCaption() || window.GetGuiID() == kHtmlGui) return path;
    }
    // Up to the captioned window, which the declaration's "parent" names.
    for (const CWindowKav* above = window.GetParent(); above && above->GetParent() && !above->HasCaption();
         above = above->GetParent()) {
        if (IsSkipped(*above)) continue;
        if (path.empty()) path = segment(*above);
        else if (window.GetType() != kWndRadioButton || above->GetType() != kWndGroupBox) path = segment(*above) + "/" + path;
    }
    return path;
}

std::string CQAP4::GetTagPart(const CWindowKav& window, int preferCaption) {
    const int type = window.GetType();
    const int builder = window.GetGuiID();
    const int controlId = window.GetNumID() == kNoControlId && builder == kNoGuiBuilder ? 0 : window.GetNumID();
    // The rectangle in the coordinates of the nearest parent that is not skipped (or is a tab page).
    WindowRect rect = window.GetRect();
    const CWindowKav* reference = window.GetParent();
    for (; reference && IsSkipped(*reference) && !IsTabPageWindow(*reference); reference = reference->GetParent()) {
        const WindowRect& origin = reference->GetRect();
        rect = {rect.left + origin.left, rect.top + origin.top, rect.right + origin.left, rect.bottom + origin.top};
    }

    std::string part;
    std::string caption = window.GetCaption();
    if (type == kWndGroupBox && builder == kHtmlGui && !caption.empty()) {
        part = "$" + caption;
    } else if (!(type == kWndGroupBox && builder == kJavaGuiBuilderId) && window.GetClass() != "html_rect") {
        if (builder == kHtmlGui) caption = TrimLeadingSpace(caption);
        if ((caption.empty() || preferCaption == 0) && controlId != 0 && !window.HasCaption())
            part = Fmt("$%d", controlId);
        else if (!caption.empty() && builder == kHtmlGui && IsHtmlValueControl(type))
            part = "$" + caption;
        else if (!caption.empty() && builder == kWindowsFormsGui && IsWindowsFormsNamedControl(window))
            part = "$" + caption;
        else if (!caption.empty())
            part = EscapeTagText(caption);
    }
    if (!part.empty() || !reference || IsMenu(window)) return part;
    if (builder != kJavaGuiBuilderId) part = GetLabelText(window, *reference);
    if (part.empty()) part = Fmt("#%d", 1 + CountPrecedingSiblings(*reference, window, rect));
    return part;
}

// The caption of the nearest label left of or above the window, among the reference parent's
// children.
std::string CQAP4::GetLabelText(const CWindowKav& window, const CWindowKav& referenceParent) const {
    const CWindowKav* nearest = nullptr;
    int nearestDistance = 9999;
    for (const CWindowKav* label : referenceParent.GetChildren()) {
        if (label == &window || !IsLabel(*label)) continue;
        const int distance = LabelDistance(window.GetRect(), label->GetRect());
        if (distance < nearestDistance) {
            nearest = label;
            nearestDistance = distance;
        }
    }
    return nearest ? EscapeTagText(nearest->GetCaption()) : std::string();
}

// The windows of the same kind that come before the window in reading order (rows from the top,
// then from the left), the children of skipped windows among them.
int CQAP4::CountPrecedingSiblings(const CWindowKav& referenceParent, const CWindowKav& window,
                                  const WindowRect& rect) {
    const int kind = SiblingKind(window);
    int count = 0;
    const auto countIn = [&](const auto& self, const CWindowKav& holder, int left, int top) -> void {
        for (const CWindowKav* child : holder.GetChildren()) {
            if (child == &window) continue;
            const int childLeft = child->GetRect().left + left;
            const int childTop = child->GetRect().top + top;
            if (IsSkipped(*child)) {
                self(self, *child, childLeft, childTop);
                continue;
            }
            if (SiblingKind(*child) == kind && (childTop < rect.top || (childTop == rect.top && childLeft < rect.left)))
                ++count;
        }
    };
    countIn(countIn, referenceParent, 0, 0);
    return count;
}

std::string CQAP4::EscapeTagText(const std::string& text) {
    std::string escaped;
    for (const char c : text) {
        switch (c) {
            case '\t': case '"': case '\\': case '[': case ']': case '/': case '$': case '@': case '#':
                escaped += '?';
                break;
            case '&': break;
            default: escaped += c;
        }
    }
    return Utf16Length(escaped) > 100 ? Utf16Left(escaped, 99) + "*" : escaped;
}
