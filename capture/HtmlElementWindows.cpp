// The window that each kind of element becomes, with its caption, identification property and
// rectangle.
#include <initializer_list>

#include "capture/GuiSpyDlg.h"
#include "capture/HtmlCapture.h"
#include "model/windows/WindowTypes.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"

namespace {

constexpr int kNoDocument = 41082;
constexpr std::uint32_t kPlainStyle = 0x10000000, kTabStopStyle = 0x10010000, kCheckBoxStyle = 0x10010003,
                        kRadioButtonStyle = 0x10000009, kListBoxStyle = 0x10010002, kComboBoxStyle = 0x10010102,
                        kPageStyle = 0x10C80000;
// A SELECT element higher than this is a list, else a drop-down list.
constexpr int kComboBoxHeight = 30;

// A caption and the property that recognises the element by it.
struct Caption {
    std::string text;
    std::string property;
};

// The first candidate with a text; the last one's property when none has.
Caption FirstNonEmpty(std::initializer_list<Caption> candidates) {
    for (const Caption& candidate : candidates) {
        if (!candidate.text.empty()) return candidate;
    }
    return {"", (candidates.end() - 1)->property};
}

WindowRect MovedBy(const WindowRect& r, int dx, int dy) { return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }

// A check box or radio button reaches over its label, which the page shows beside it.
void WidenForLabel(WindowRect& rect, const std::string& caption) {
    rect.right += static_cast<int>(Utf16Length(caption) + 2) * 5;
}

}  // namespace

CWindowKav* CHtmlCapture::NewWindow(int type, const std::string& name, const char* className, std::uint32_t style,
                                    const std::string& caption, const std::string& property) const {
    CWindowKav* window = CreateWindowOfType(type, {.id = name, .numId = 0, .guiId = kWebGuiId, .className = className,
                                                   .tag = {}, .method = 0, .caption = caption, .style = style,
                                                   .exStyle = 0, .tabNr = 0});
    window->SetFile(mainFile_);
    window->SetHtmlText(property);
    return window;
}

CWindowKav* CHtmlCapture::NewPageWindow(const std::string& name, const std::string& caption,
                                        const std::string& property) const {
    CWindowKav* window = NewWindow(kWndCustom, name, "html_frame", kPageStyle, caption, property);
    window->SetMethod(1);
    return window;
}

int CHtmlCapture::MakeElementWindow(HtmlDocument document, HtmlElement element, HtmlElement pointed, int x, int y,
                                    bool capture, CWindowKav*& window, WindowRect& rect) {
    const std::string tag = ToUpperText(documents_.GetTagName(element));
    WindowRect page = GetElementRect(element);
    if (!capture) {
        const ClientPosition client = documents_.GetClientPosition(element);
        rect = {client.left, client.top, client.left + page.right - page.left, client.top + page.bottom - page.top};
    }
    if (tag == "FRAME" || tag == "IFRAME") return MakeFrameWindow(document, element, x, y, capture, window, rect);
    if (tag == "MAP") return MakeMapWindow(document, element, pointed, capture, window, rect);

    const auto text = [this, element](ElementText which) { return documents_.GetText(element, which); };
    const Caption innerText{text(ElementText::InnerText), "innertext"};
    const Caption name{text(ElementText::Name), "name"};
    const Caption buttonCaption = FirstNonEmpty({{text(ElementText::Value), "value"}, innerText, name});
    const std::string inputType = ToLowerText(text(ElementText::InputType));
    if (tag == "A") {
        window = NewWindow(kWndLink, tag, "html_text_link", kPlainStyle, innerText.text, innerText.property);
        static_cast<CLinkKav*>(window)->SetInitialValue(text(ElementText::Href));
    } else if (tag == "BUTTON" || (tag == "INPUT" && (inputType == "button" || inputType == "reset" || inputType == "submit"))) {
        window = NewWindow(kWndPushButton, tag, "html_push_button", kTabStopStyle, buttonCaption.text, buttonCaption.property);
    } else if (tag == "INPUT" && inputType == "checkbox") {
        window = NewWindow(kWndCheckBox, tag, "html_check_button", kCheckBoxStyle, name.text, name.property);
        WidenForLabel(page, window->GetCaption());
    } else if (tag == "INPUT" && inputType == "radio") {
        const Caption value{text(ElementText::Value), "value"};
        window = NewWindow(kWndRadioButton, tag, "html_radio_button", kRadioButtonStyle, value.text, value.property);
        window->SetTag(name.text);
        WidenForLabel(page, window->GetCaption());
    } else if (tag == "INPUT" && (inputType == "text" || inputType == "textarea" || inputType == "password")) {
        window = NewWindow(kWndInputField, tag, "html_edit", kTabStopStyle, name.text, name.property);
    } else if (tag == "INPUT" && inputType == "file") {
        window = NewWindow(kWndInputField, tag, "html_file", kTabStopStyle, name.text, name.property);
    } else if (tag == "INPUT" && inputType == "image") {
        window = NewWindow(kWndImage, tag, "html_rect", kPlainStyle, name.text, name.property);
    } else if (tag == "SELECT" && page.bottom - page.top > kComboBoxHeight) {
        window = NewWindow(kWndListBox, tag, "html_listbox", kListBoxStyle, name.text, name.property);
        if (documents_.AllowsMultiple(element)) static_cast<CListBoxKav*>(window)->SetSelectionMode(CListBoxKav::kMultiple);
    } else if (tag == "SELECT") {
        window = NewWindow(kWndComboBox, tag, "html_combobox", kComboBoxStyle, name.text, name.property);
        static_cast<CComboBoxKav*>(window)->SetBoxType(CComboBoxKav::kDroplist);
    } else if (tag == "TEXTAREA") {
        window = NewWindow(kWndInputField, tag, "html_textarea", kTabStopStyle, name.text, name.property);
    } else if (tag == "IMG" && !(capture && !text(ElementText::UseMap).empty())) {
        // In a capture an image with a map comes with its MAP element.
        const Caption caption =
            FirstNonEmpty({{text(ElementText::Alt), "alt"}, name, {text(ElementText::FileName), "file name"}});
        window = NewWindow(kWndImage, tag, "html_rect", kPlainStyle, caption.text, caption.property);
    } else {
        // Other INPUT types (hidden ones among them) are skipped with what they hold.
        return 0;
    }
    window->SetRect(page);
    return 1;
}

int CHtmlCapture::MakeFrameWindow(HtmlDocument document, HtmlElement frame, int x, int y, bool capture,
                                  CWindowKav*& window, WindowRect& rect) {
    const HtmlDocument frameDocument = FindFrameDocument(document, frame);
    const Caption caption = FirstNonEmpty({{documents_.GetText(frame, ElementText::Name), "name"},
                                           {frameDocument ? documents_.GetTitle(frameDocument) : "", "title"},
                                           {frameDocument ? documents_.GetUrl(frameDocument) : "", "url"}});
    const std::string tag = ToUpperText(documents_.GetTagName(frame));
    if (capture) {
        CWindowKav* frameWindow = NewPageWindow(tag, caption.text, caption.property);
        frameWindow->SetRect(GetElementRect(frame));
        const int result = CaptureDocument(frameDocument, x, y, frameWindow);
        if (result != 1) {
            CGuiSpyDlg::DeleteWindowTree(frameWindow);
            if (result == 0) SetMessage(kNoDocument);
            return -1;
        }
        window = frameWindow;
        return 1;
    }
    // The element of the frame's own document under the point, moved into the client area.
    const int frameLeft = rect.left, frameTop = rect.top;
    const HtmlElement inner = frameDocument ? documents_.ElementFromPoint(frameDocument, x - frameLeft, y - frameTop) : 0;
    if (inner) {
        CWindowKav* innerWindow = nullptr;
        WindowRect innerRect;
        if (CaptureElement(frameDocument, inner, x - frameLeft, y - frameTop, nullptr, false, innerWindow, innerRect) == -1) {
            return -1;
        }
        if (innerWindow) {
            window = innerWindow;
            rect = MovedBy(innerRect, frameLeft, frameTop);
            return 1;
        }
    }
    Remember(document, frame);
    window = NewPageWindow(tag, caption.text, caption.property);
    window->SetRect(GetElementRect(frame));
    return 1;
}

int CHtmlCapture::MakeMapWindow(HtmlDocument document, HtmlElement map, HtmlElement pointed, bool capture,
                                CWindowKav*& window, WindowRect& rect) {
    const HtmlElement image = FindMapImage(document, map);
    if (!image) return 0;
    const auto text = [this, image](ElementText which) { return documents_.GetText(image, which); };
    const Caption caption = FirstNonEmpty(
        {{text(ElementText::Alt), "alt"}, {text(ElementText::Name), "name"}, {text(ElementText::FileName), "file name"}});
    const WindowRect imageRect = GetElementRect(image);
    const auto newArea = [this](HtmlElement area) {
        CWindowKav* link = NewWindow(kWndLink, "AREA", "html_area", kPlainStyle, "", "");
        static_cast<CLinkKav*>(link)->SetInitialValue(documents_.GetText(area, ElementText::Href));
        link->SetRect(GetElementRect(area));
        return link;
    };
    if (capture) {
        window = NewWindow(kWndImage, "IMG", "html_rect", kPlainStyle, caption.text, caption.property);
        window->SetRect(imageRect);
        for (const HtmlElement area : documents_.GetAreas(map)) {
            CWindowKav* link = newArea(area);
            if (!window->AddChild(link)) CGuiSpyDlg::DeleteWindowTree(link);
        }
        return 1;
    }
    const ClientPosition client = documents_.GetClientPosition(image);
    if (EqualsNoCase(documents_.GetTagName(pointed), "AREA")) {
        window = newArea(pointed);
        rect = MovedBy(window->GetRect(), client.left, client.top);
    } else {
        window = NewWindow(kWndImage, "IMG", "html_rect", kPlainStyle, caption.text, caption.property);
        window->SetRect(imageRect);
        rect = {client.left, client.top, client.left + imageRect.right - imageRect.left,
                client.top + imageRect.bottom - imageRect.top};
    }
    return 1;
}
