#include "platform/HtmlTreeSource.h"

HtmlDocument HtmlTreeSource::AddDocument(std::string title, std::string url) {
    documents_.push_back({.title = std::move(title), .url = std::move(url), .roots = {}, .all = {}, .images = {}});
    return documents_.size();
}

HtmlElement HtmlTreeSource::Add(HtmlDocument document, TreeElement element, HtmlElement parent) {
    const bool image = element.tag == "IMG";
    elements_.push_back({.data = std::move(element), .parent = parent, .children = {}, .broken = false});
    const HtmlElement handle = elements_.size();
    DocumentNode& node = documents_.at(document - 1);
    (parent ? elements_.at(parent - 1).children : node.roots).push_back(handle);
    node.all.push_back(handle);
    if (image) node.images.push_back(handle);
    return handle;
}

void HtmlTreeSource::AddBrokenItem(HtmlDocument document, HtmlElement parent, bool missing) {
    HtmlElement item = 0;
    if (!missing) {
        elements_.push_back({.data = {}, .parent = parent, .children = {}, .broken = true});
        item = elements_.size();
    }
    (parent ? elements_.at(parent - 1).children : documents_.at(document - 1).all).push_back(item);
}

void HtmlTreeSource::Clear() {
    elements_.clear();
    documents_.clear();
    browsers_.clear();
}

BrowserLookup HtmlTreeSource::FindDocument(const BrowserWindow& window, HtmlDocument& document) {
    document = 0;
    if (browsers_.empty()) return BrowserLookup::NoBrowsers;
    const auto browser = browsers_.find(window.topWindow);
    if (browser == browsers_.end()) return BrowserLookup::NotReachable;
    document = browser->second;
    return document ? BrowserLookup::Found : BrowserLookup::NoDocument;
}

ElementOffsets HtmlTreeSource::PageBox(HtmlElement element) const {
    ElementOffsets box = Data(element).offsets;
    for (HtmlElement parent = Data(element).offsetParent; parent; parent = Data(parent).offsetParent) {
        box.left += Data(parent).offsets.left;
        box.top += Data(parent).offsets.top;
    }
    return box;
}

ClientPosition HtmlTreeSource::GetClientPosition(HtmlElement element) const {
    const ElementOffsets box = PageBox(element);
    return {box.left, box.top};
}

HtmlElement HtmlTreeSource::LastAtPoint(const std::vector<HtmlElement>& elements, int x, int y) const {
    HtmlElement found = 0;
    for (const HtmlElement element : elements) {
        if (!element || At(element).broken) continue;
        const ElementOffsets box = PageBox(element);
        if (Data(element).visible && x >= box.left && x < box.left + box.width && y >= box.top &&
            y < box.top + box.height) {
            found = element;
        }
        // Children may lie outside their parent's box.
        if (const HtmlElement inner = LastAtPoint(At(element).children, x, y)) found = inner;
    }
    return found;
}

HtmlElement HtmlTreeSource::ElementFromPoint(HtmlDocument document, int x, int y) const {
    return LastAtPoint(Document(document).roots, x, y);
}

std::string HtmlTreeSource::GetText(HtmlElement element, ElementText text) const {
    const TreeElement& data = Data(element);
    switch (text) {
    case ElementText::InnerText: return data.innerText;
    case ElementText::Href: return data.href;
    case ElementText::Value: return data.value;
    case ElementText::Name: return data.name;
    case ElementText::InputType: return data.inputType;
    case ElementText::Alt: return data.alt;
    case ElementText::FileName: return data.fileName;
    case ElementText::UseMap: return data.useMap;
    }
    return {};
}
