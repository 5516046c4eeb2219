// TestPartner's attach names: a window is found by its caption, its control id, its name in a
// web page or a Java GUI, or its menu path; equal attach names of one class below a captioned
// window are told apart by their place in reading order.
#include <optional>

#include "conversion/framework/GuiBuilders.h"
#include "conversion/testpartner/TestPartnerTCC.h"
#include "conversion/winrunner/WinRunner.h"
#include "model/windows/WindowTypes.h"
#include "platform/Format.h"
#include "platform/TextUtil.h"

namespace {

// The attach name of a window that no rule names.
constexpr const char* kUnnamed = "Caption = ''";
// How far apart two windows may lie vertically and still be on one line.
constexpr int kLineTolerance = 8;

std::string Property(const char* name, const std::string& value) { return std::string(name) + "='" + value + "'"; }

std::string ReplaceAll(std::string text, std::string_view from, std::string_view to) {
    for (size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size()) text.replace(at, from.size(), to);
    return text;
}

// The caption as attach names hold it: characters with a meaning there become "_", and on a web
// page the entities of the page's text are resolved ("&quot;" as a doubled quote).
std::string AttachCaption(const CWindowKav& window) {
    std::string caption = window.GetCaption();
    for (char& c : caption)
        if (c == '"' || c == '?' || c == '~' || c == '\'' || c == '|') c = '_';
    if (window.GetGuiID() != kHtmlGui) return caption;
    caption = ReplaceAll(caption, "&quot;", "\"\"");
    caption = ReplaceAll(caption, "&amp;", "&");
    caption = ReplaceAll(caption, "&lt;", "<");
    return ReplaceAll(caption, "&gt;", ">");
}

// The captions of the menu items from the outermost down to the item, "&" dropped, in quotes.
std::string MenuPath(const CWindowKav& item) {
    std::string path = ReplaceSeparators(item.GetCaption(), "&", "");
    for (const CWindowKav* above = item.GetParent(); above && above->GetType() == kWndMenuItem;
         above = above->GetParent())
        path = ReplaceSeparators(above->GetCaption(), "&", "") + "~" + path;
    return "\"" + path + "\"";
}

bool IsImageFile(const std::string& caption) {
    const std::string lower = ToLowerText(caption);
    for (const char* extension : {".gif", ".jpg", ".jpeg", ".bmp", ".png", ".tif"})
        if (lower.find(extension, 1) != std::string::npos) return true;
    return false;
}

bool IsNamedByComponent(const CWindowKav& window) {
    const int type = window.GetType();
    return window.GetGuiID() == kJavaGuiBuilderId && !window.GetJavaText().empty() && type > kWndCustom &&
           type != kWndLink && IsWindowTypeCode(type);
}

// A header finds itself through its parent's control id; without a parent it keeps its tag.
bool IsHeaderWithoutParent(const CWindowKav& window) {
    return window.GetType() == kWndHeader && !window.GetParent() && !IsNamedByComponent(window);
}

// The attach name of every GUI builder other than web pages and Java; none where no rule applies.
std::optional<std::string> NativeAttachName(const CWindowKav& window, const std::string& caption) {
    const int numId = window.GetNumID();
    const std::string id = Property("ID", std::to_string(numId));
    switch (window.GetType()) {
        case kWndMain:
        case kWndChild:
        case kWndDialogBox: return Property("Caption", caption);
        case kWndCustom:
            if (!window.HasCaption() && numId > 0) return id;
            break;
        case kWndStaticText: case kWndInputField: case kWndComboBox: case kWndListBox: case kWndTabControl:
        case kWndToolBar: case kWndListView: case kWndTreeControl: case kWndTable:
            if (numId != 0) return id;
            break;
        case kWndGroupBox:
        case kWndPushButton:
        case kWndCheckBox:
        case kWndRadioButton: return Property("Caption", caption) + (numId != 0 ? " " + id : "");
        case kWndHeader: {
            const int parentId = window.GetParent() ? window.GetParent()->GetNumID() : 0;
            if (parentId != 0) return Fmt("Parent.ID='%d'", parentId);
            return std::nullopt;
        }
        case kWndMenuItem: return numId != 0 ? std::to_string(numId) : MenuPath(window);
        case kWndLink:
        case kWndImage:
            if (numId != 0) return id;
            return std::nullopt;
        case kWndMenu: return id;
        default: return std::nullopt;
    }
    if (!caption.empty()) return Property("Caption", caption);
    return std::nullopt;
}

std::optional<std::string> WebAttachName(const CWindowKav& window, const std::string& caption) {
    switch (window.GetType()) {
        case kWndCustom:
            if (!EqualsNoCase(window.GetClass(), "html_frame")) return std::nullopt;
            if (window.GetParent()) return Property("Name", caption);
            return "Caption='*" + caption + " - Microsoft Internet Explorer*'";
        case kWndStaticText: case kWndInputField: case kWndComboBox: case kWndListBox: case kWndTabControl:
        case kWndToolBar: case kWndListView: case kWndTreeControl: case kWndTable: case kWndCheckBox:
            return Property("Name", caption);
        case kWndRadioButton: return Property("Value", caption);
        case kWndLink: return Property("Caption", caption);
        case kWndImage: return IsImageFile(caption) ? "ImageURL='*" + caption + "'" : Property("Caption", caption);
        default: return NativeAttachName(window, caption);
    }
}

std::optional<std::string> JavaAttachName(const CWindowKav& window, const std::string& caption) {
    if (IsNamedByComponent(window)) return Property("Name", window.GetJavaText());
    if (window.GetType() != kWndCustom) return NativeAttachName(window, caption);
    if (!window.HasCaption() && !window.GetJavaText().empty()) return Property("Name", window.GetJavaText());
    if (!caption.empty()) return Property("Caption", caption);
    return std::nullopt;
}

}  // namespace

int GenerateTestPartnerTags(CWindowKav& window, int preferCaption) {
    CTestPartnerTCC converter;
    return converter.GenerateTags(&window, preferCaption);
}

std::string CTestPartnerTCC::MakeTag(const CWindowKav& window) const {
    const std::string caption = AttachCaption(window);
    std::optional<std::string> name;
    switch (window.GetGuiID()) {
        case kHtmlGui: name = WebAttachName(window, caption); break;
        case kJavaGuiBuilderId: name = JavaAttachName(window, caption); break;
        default: name = NativeAttachName(window, caption); break;
    }
    return name.value_or(kUnnamed);
}

int CTestPartnerTCC::GenerateTags(CWindowKav* window, int flag) {
    if (IsHeaderWithoutParent(*window)) return 0;
    window->SetTag(MakeTag(*window));
    for (CWindowKav* child : window->GetChildren()) GenerateTags(child, flag);
    if (window->HasCaption()) NumberDuplicateTags(*window);
    return 1;
}

void CTestPartnerTCC::NumberDuplicateTags(CWindowKav& window) {
    std::vector<CWindowKav*> rest;
    CWinRunner::CollectUntitledDescendants(&window, rest);
    while (!rest.empty()) {
        const std::string tag = rest.front()->GetTag();
        const std::string className = CTestPartnerEventParser::GetTPClassName(*rest.front());
        std::vector<CWindowKav*> group;
        std::erase_if(rest, [&](CWindowKav* candidate) {
            if (candidate->GetTag() != tag || CTestPartnerEventParser::GetTPClassName(*candidate) != className)
                return false;
            group.push_back(candidate);
            return true;
        });
        if (group.size() < 2) continue;
        SortByPosition(group);
        for (size_t k = 1; k < group.size(); ++k) group[k]->SetTag(tag + " Index=" + std::to_string(k + 1));
    }
}

void CTestPartnerTCC::SortByPosition(std::vector<CWindowKav*>& windows) {
    for (size_t i = 0; i + 1 < windows.size(); ++i) {
        for (size_t j = i + 1; j < windows.size(); ++j) {
            const WindowRect a = windows[i]->GetAbsoluteRect();
            const WindowRect b = windows[j]->GetAbsoluteRect();
            const bool earlier = (b.left < a.left && b.top - a.top <= kLineTolerance) ||
                                 (b.left > a.left && a.top - b.top > kLineTolerance) ||
                                 (b.left == a.left && b.top < a.top);
            if (earlier) std::swap(windows[i], windows[j]);
        }
    }
}
