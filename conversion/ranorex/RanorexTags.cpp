// RanoreXPath tags of model windows: each window's step below its parent's path, made from its
// type, class, caption, control id and tab number, or the path that a window read from a
// Ranorex repository brought with it.
#include <array>

#include "conversion/framework/OutputFormats.h"
#include "conversion/ranorex/Ranorex.h"
#include "model/XMLElement.h"
#include "model/windows/WindowTypes.h"
#include "platform/TextUtil.h"

namespace {

constexpr const char* kNativeWindow = "nativewindow";
constexpr const char* kAccessible = "accessible";

// What a window's step says of it.
struct PathStep {
    std::string step;
    std::string capability;
    std::string further;
};

// The caption as it stands between single quotes.
std::string QuotedCaption(const CWindowKav& window) { return ReplaceSeparators(window.GetCaption(), "'", "''"); }

class StepOfWindow {
public:
    explicit StepOfWindow(const CWindowKav& window)
        : window_(window),
          caption_(QuotedCaption(window)),
          pattern_(CRanorex::EscapeRegex(caption_)),
          id_(window.GetNumID() > 0 ? std::to_string(window.GetNumID()) : std::string()),
          class_(window.GetClass()) {}

    PathStep Make() const {
        switch (window_.GetType()) {
            case kWndMain:
            case kWndChild:
            case kWndDialogBox:
                if (window_.HasCaption()) return {"form" + Predicate("title"), "form", kNativeWindow};
                return {"container" + Predicate("caption"), "container", kNativeWindow};
            case kWndCustom: return CustomWindow();
            case kWndMenu: return {"menubar[@accessiblename='Application']", "menubar", kAccessible};
            case kWndStaticText: return Labelled("text");
            case kWndPushButton: return Labelled("button");
            case kWndCheckBox: return Labelled("checkbox");
            case kWndRadioButton: return Labelled("radiobutton");
            case kWndInputField: return WithId("text");
            case kWndGroupBox:
                return {caption_.empty() ? "container[]" : "container[@caption='" + pattern_ + "']", "container",
                        kAccessible};
            case kWndComboBox: return WithId("combobox");
            case kWndListBox: return WithId("list");
            case kWndTabControl: return WithId("tabpagelist");
            case kWndToolBar: return {"toolbar", "ToolbarWindow32", kNativeWindow};
            case kWndListView: {
                if (id_.empty()) return {"", class_, kNativeWindow};
                const std::uint32_t view = window_.GetStyle() & 0xF;
                const std::string role = view == 1 || view == 3 ? "table" : "list";
                return {role + "[@controlid='" + id_ + "']", role, kNativeWindow};
            }
            case kWndMenuItem: return MenuItem();
            case kWndTreeControl: return WithId("tree");
            case kWndTable:
                if (id_.empty()) return {"", class_, kNativeWindow};
                return {"table[@controlid='" + id_ + "']", "table", kNativeWindow};
            default: return {"", class_, kNativeWindow};
        }
    }

private:
    // "[@<attribute>='<caption>']" with a caption, else the control id, else the class.
    std::string Predicate(const char* attribute) const {
        if (!caption_.empty()) return "[@" + std::string(attribute) + "='" + pattern_ + "']";
        if (!id_.empty()) return "[@controlid='" + id_ + "']";
        return "[@class='" + class_ + "']";
    }

    PathStep WithId(const std::string& role) const {
        return {role + (id_.empty() ? "" : "[@controlid='" + id_ + "']"), role, kNativeWindow};
    }

    PathStep Labelled(const std::string& role) const {
        std::string step = role + "[";
        if (!id_.empty()) step += "@controlid='" + id_ + "'";
        if (!id_.empty() && !caption_.empty()) step += " and ";
        if (!caption_.empty()) step += "@text='" + pattern_ + "'";
        return {step + "]", role, kNativeWindow};
    }

    PathStep CustomWindow() const {
        const auto is = [this](const char* name) { return EqualsNoCase(class_, name); };
        const std::string byId = id_.empty() ? "" : "[@controlid='" + id_ + "']";
        if (is("msctls_trackbar32")) return {"slider" + byId, "slider", kNativeWindow};
        if (is("ScrollBar")) return {"scrollbar[" + std::to_string(window_.GetTabNr()) + "]", "scrollbar", ""};
        if (is("msctls_progress32")) return {"progressbar" + byId, "progressbar", kNativeWindow};
        if (is("SysIPAddress32")) return {"text[@accessiblerole='IpAddress']", "text", kAccessible};
        if (is("msctls_updown32"))
            return {caption_.empty() ? "container[]" : "container[@caption='" + caption_ + "']", "container",
                    kAccessible};
        if (is("msctls_statusbar32")) return {"statusbar" + byId, "statusbar", kNativeWindow};
        if (is("msctls_hotkey32")) return {"text[@accessiblerole='HotkeyField']", "text", kNativeWindow};
        if (is("MDIClient") || is("SHELLDLL_DefView") || is("ReBarWindow32") || is("container")) {
            const std::string byCaption = caption_.empty() ? "" : "[@caption='" + pattern_ + "']";
            // A container class names its caption first, the others their control id.
            const std::string predicate = is("container") ? (byCaption.empty() ? byId : byCaption)
                                                          : (byId.empty() ? byCaption : byId);
            return {"container" + predicate, "container", kNativeWindow};
        }
        if (class_.starts_with("Afx:")) {
            if (!caption_.empty() && !id_.empty()) return {"form[@title='" + pattern_ + "']", "form", kNativeWindow};
            return {"element[@class~'^" + class_ + "']", "element", kNativeWindow};
        }
        return {"element" + (id_.empty() ? "[@class='" + class_ + "']" : byId), "unknown", kNativeWindow};
    }

    // A submenu item is found in a context menu of its own: the path climbs from its parent
    // item back above the top-level window.
    PathStep MenuItem() const {
        const std::string text =
            "menuitem[@accessiblename='" + CRanorex::TrimMenuCaption(ReplaceSeparators(caption_, "&", "")) + "']";
        int ancestors = 0;
        int menuItems = 0;
        for (const CWindowKav* above = window_.GetParent(); above; above = above->GetParent()) {
            ++ancestors;
            if (above->GetType() == kWndMenuItem) ++menuItems;
        }
        if (menuItems == 0) return {text, "menuitem", kAccessible};
        std::string climb;
        for (int i = 0; i < ancestors + 1 - menuItems; ++i) climb += "../";
        return {climb + "contextmenu/contextmenu/" + text, "menuitem", kAccessible};
    }

    const CWindowKav& window_;
    const std::string caption_;
    const std::string pattern_;
    const std::string id_;
    const std::string class_;
};

std::string JoinTag(const std::string& path, const std::string& capability, const std::string& capabilityList) {
    return path + "\r\n" + capability + "\r\n" + capabilityList;
}

}  // namespace

int GenerateRanorexTags(CWindowKav& window, int preferCaption) {
    CRanorex converter;
    return converter.GenerateTag(&window, preferCaption);
}

int CRanorex::GenerateTag(CWindowKav* window, int) {
    std::string path;
    if (const CWindowKav* parent = window->GetParent()) {
        std::string capability;
        std::string capabilityList;
        CRanorexEventParser::SplitTag(parent->GetTag(), path, capability, capabilityList);
    }
    // Each window's path is its parent's, "/" and its own step.
    std::vector<std::pair<CWindowKav*, std::string>> open{{window, path}};
    while (!open.empty()) {
        auto [current, below] = open.back();
        open.pop_back();
        std::string capability;
        std::string capabilityList;
        below += "/";
        AppendPathStep(*current, capability, capabilityList, below);
        current->SetTag(JoinTag(below, capability, capabilityList));
        const auto& children = current->GetChildren();
        for (auto child = children.rbegin(); child != children.rend(); ++child) open.emplace_back(*child, below);
    }
    return 1;
}

int CRanorex::AppendPathStep(const CWindowKav& window, std::string& capability, std::string& capabilityList,
                             std::string& path) const {
    // Tool data of other tools (a UFT description, SMURF data) says nothing of Ranorex.
    if (const CXMLElement* data = window.GetToolData(); data && window.GetImportTool() == kFormatRanorex) {
        const bool folder = EqualsNoCase(data->GetName(), "appfolder") || EqualsNoCase(data->GetName(), "folder");
        if (!folder) path = data->GetValue();
        else if (const CXMLElement* basePath = data->FindChild("basepath")) path = basePath->GetValue();
        capability = data->GetAttributeValue("capname");
        capabilityList = data->GetAttributeValue("addcaps");
        return 1;
    }
    const PathStep step = StepOfWindow(window).Make();
    path += step.step;
    capability = step.capability;
    capabilityList = step.further.empty() ? step.capability : step.capability + "," + step.further;
    return 1;
}

std::string CRanorex::EscapeRegex(const std::string& text) {
    std::string escaped;
    for (const char c : text) {
        if (std::string_view(".$|*+?^()[]").find(c) != std::string_view::npos) escaped += '\\';
        escaped += c;
    }
    return escaped;
}

std::string CRanorex::TrimMenuCaption(const std::string& caption) {
    static const std::array<std::u16string_view, 18> kShortcutTokens = {
        u"alt+", u"ctrl+", u"strg+", u"altgr+", u"f1", u"f2", u"f3", u"f4", u"f5",
        u"f6",   u"f7",    u"f8",    u"f9",     u"f10", u"f11", u"f12", u"esc", u"del"};
    std::u16string text = Utf8ToUtf16(caption);
    std::u16string lower = text;
    for (char16_t& c : lower) c = FoldCase(c);
    size_t from = 0;
    for (const std::u16string_view token : kShortcutTokens) {
        const size_t last = lower.rfind(token);
        if (last == std::u16string::npos || last < from) continue;
        if (last == 0) {
            from = 1;
            continue;
        }
        size_t blanks = last;
        while (blanks > 0 && text[blanks - 1] == u' ') --blanks;
        text.erase(blanks, last - blanks);
        return Utf16ToUtf8(text);
    }
    return caption;
}
