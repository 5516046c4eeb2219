#include "capture/HtmlCapture.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "capture/GuiSpyDlg.h"
#include "model/WindowKav.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"
#include "resources/MessageCatalogue.h"

namespace {

constexpr int kBrowserUnreachable = 44725, kNotReachable = 44726, kNoBrowsers = 41081, kNoDocument = 41082,
              kMissingItem = 41083, kItemNoElement = 41084, kMissingChild = 41119, kChildNoElement = 41120;
constexpr const char* kFrameClass = "html_frame";
constexpr int kMinimumSize = 3;

int FailWith(int messageId) {
    SetMessage(messageId);
    return -1;
}

bool IsRelevantTag(const std::string& tag) {
    static const char* const kTags[] = {"A", "BUTTON", "FRAME", "IFRAME", "IMG", "INPUT", "MAP", "SELECT", "TEXTAREA"};
    const std::string upper = ToUpperText(tag);
    for (const char* known : kTags) {
        if (upper == known) return true;
    }
    return false;
}

// Hands the window to the parent, or frees it when the parent refuses it.
void AttachOrDiscard(CWindowKav* parent, CWindowKav* child) {
    if (!parent->AddChild(child)) CGuiSpyDlg::DeleteWindowTree(child);
}

}  // namespace

CHtmlCapture::CHtmlCapture(HtmlDocumentSource& documents, CFileKav* mainFile)
    : documents_(documents), mainFile_(mainFile) {}

void CHtmlCapture::InitBrowserInterface() {
    rememberedDocument_ = 0;
    rememberedElement_ = 0;
    connected_ = documents_.Connect();
    if (!connected_) GetInteraction().Inform(LoadMessage(kBrowserUnreachable), MessageIcon::None);
}

void CHtmlCapture::Forget() {
    documents_.Forget();
    rememberedDocument_ = 0;
    rememberedElement_ = 0;
}

void CHtmlCapture::Remember(HtmlDocument document, HtmlElement element) {
    rememberedDocument_ = document;
    rememberedElement_ = element;
}

int CHtmlCapture::CaptureAt(int x, int y, bool completePage, bool capture, const BrowserWindow& topWindow,
                            CWindowKav*& window, WindowRect& rect) {
    window = nullptr;
    // Without a connection no browser can be counted.
    if (!connected_) return FailWith(kNoBrowsers);
    HtmlDocument document = 0;
    switch (documents_.FindDocument(topWindow, document)) {
    case BrowserLookup::NoBrowsers: return FailWith(kNoBrowsers);
    case BrowserLookup::NotReachable: return FailWith(kNotReachable);
    case BrowserLookup::NoDocument: return FailWith(kNoDocument);
    case BrowserLookup::Found: break;
    }
    if (completePage) {
        CWindowKav* page = NewPageWindow("BrowserMain", documents_.GetTitle(document), "name");
        if (CaptureDocument(document, x, y, page) != 1) {
            CGuiSpyDlg::DeleteWindowTree(page);
            return -1;
        }
        window = page;
        return 1;
    }
    HtmlElement element = 0;
    if (capture) {
        document = rememberedDocument_;
        element = rememberedElement_;
    } else {
        element = documents_.ElementFromPoint(document, x, y);
    }
    if (!element) return 0;
    CWindowKav* made = nullptr;
    const int result = CaptureElement(document, element, x, y, nullptr, capture, made, rect);
    if (result == -1) return -1;
    window = made;
    return made ? 1 : 0;
}

int CHtmlCapture::CaptureElement(HtmlDocument document, HtmlElement element, int x, int y, CWindowKav* parent,
                                 bool capture, CWindowKav*& window, WindowRect& rect) {
    window = nullptr;
    if (!element) return 0;
    HtmlElement relevant = element;
    while (relevant && IsIgnoredElement(relevant)) relevant = documents_.GetParentElement(relevant);
    CWindowKav* made = nullptr;
    // A capture makes windows only for the relevant elements themselves; the walk passes
    // through the others.
    if (relevant && (!capture || relevant == element)) {
        Remember(document, relevant);
        const int result = MakeElementWindow(document, relevant, element, x, y, capture, made, rect);
        if (result != 1) return result;
    }
    if (!capture) {
        window = made;
        return 1;
    }
    CWindowKav* childParent = made ? made : parent;
    if (!childParent) return 0;
    if (CaptureChildren(document, element, x, y, childParent) == -1) {
        CGuiSpyDlg::DeleteWindowTree(made);
        return -1;
    }
    window = made;
    return 1;
}

int CHtmlCapture::CaptureChildren(HtmlDocument document, HtmlElement element, int x, int y, CWindowKav* parent) {
    for (const HtmlElement child : documents_.GetChildren(element)) {
        if (!child) return FailWith(kMissingChild);
        if (!documents_.IsElement(child)) return FailWith(kChildNoElement);
        CWindowKav* window = nullptr;
        WindowRect rect;
        if (CaptureElement(document, child, x, y, parent, true, window, rect) == -1) return -1;
        if (!window) continue;
        if (parent->GetClass() != kFrameClass) {
            const WindowRect& outer = parent->GetRect();
            const WindowRect& inner = window->GetRect();
            window->SetRect({inner.left - outer.left, inner.top - outer.top, inner.right - outer.left,
                             inner.bottom - outer.top});
        }
        AttachOrDiscard(parent, window);
    }
    return 1;
}

int CHtmlCapture::CaptureDocument(HtmlDocument document, int x, int y, CWindowKav* parent) {
    if (!document) return 0;
    for (const HtmlElement element : documents_.GetAllElements(document)) {
        if (!element) return FailWith(kMissingItem);
        if (!documents_.IsElement(element)) return FailWith(kItemNoElement);
        if (documents_.GetParentElement(element)) continue;
        CWindowKav* window = nullptr;
        WindowRect rect;
        if (CaptureElement(document, element, x, y, parent, true, window, rect) == -1) return -1;
        if (window) AttachOrDiscard(parent, window);
    }
    GroupRadioButtons(parent);
    return 1;
}

void CHtmlCapture::GroupRadioButtons(CWindowKav* parent) const {
    std::vector<std::pair<std::string, WindowRect>> groups;
    for (const CWindowKav* child : parent->GetChildren()) {
        if (child->GetType() != kWndRadioButton) continue;
        const WindowRect& r = child->GetRect();
        auto group = std::find_if(groups.begin(), groups.end(), [&](const auto& g) { return g.first == child->GetTag(); });
        if (group == groups.end()) {
            groups.emplace_back(child->GetTag(), r);
            continue;
        }
        WindowRect& frame = group->second;
        frame = {std::min(frame.left, r.left), std::min(frame.top, r.top), std::max(frame.right, r.right),
                 std::max(frame.bottom, r.bottom)};
    }
    for (const auto& [name, r] : groups) {
        CWindowKav* box = NewWindow(kWndGroupBox, "GROUP", "html_group", 0x10000007, name, "name");
        box->SetRect({r.left - 7, r.top - 12, r.right + 7, r.bottom + 7});
        AttachOrDiscard(parent, box);
    }
}

WindowRect CHtmlCapture::GetElementRect(HtmlElement element) const {
    const ElementOffsets box = documents_.GetOffsets(element);
    int left = box.left, top = box.top;
    for (HtmlElement parent = documents_.GetOffsetParent(element); parent; parent = documents_.GetOffsetParent(parent)) {
        const ElementOffsets outer = documents_.GetOffsets(parent);
        left += outer.left;
        top += outer.top;
    }
    return {left, top, left + box.width, top + box.height};
}

HtmlDocument CHtmlCapture::FindFrameDocument(HtmlDocument document, HtmlElement frame) const {
    return documents_.GetFrameDocument(document, frame);
}

HtmlElement CHtmlCapture::FindMapImage(HtmlDocument document, HtmlElement map) const {
    const std::string name = documents_.GetText(map, ElementText::Name);
    for (const HtmlElement image : documents_.GetImages(document)) {
        const std::string useMap = documents_.GetText(image, ElementText::UseMap);
        // An image without a map uses none, also not a map without a name.
        if (!useMap.empty() && (useMap == name || useMap == "#" + name)) return image;
    }
    return 0;
}

bool CHtmlCapture::IsIgnoredElement(HtmlElement element) const {
    if (!element || !IsRelevantTag(documents_.GetTagName(element))) return true;
    const ElementOffsets box = documents_.GetOffsets(element);
    return box.width < kMinimumSize || box.height < kMinimumSize;
}
