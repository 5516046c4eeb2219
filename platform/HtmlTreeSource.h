#pragma once
// A source of web pages held in memory, laid down by the caller: by tests and benchmarks of the
// capture, or by a reader that takes a snapshot of a live browser view. Browser views are known
// by their top window.
#include <map>

#include "platform/HtmlDocumentSource.h"

struct TreeElement {
    // Upper case; empty for an object that is no HTML element of its own.
    std::string tag{};
    ElementOffsets offsets{};
    HtmlElement offsetParent = 0;
    // Hidden elements never show at a point.
    bool visible = true;
    bool multiple = false;
    std::string innerText{};
    std::string href{};
    std::string value{};
    std::string name{};
    std::string inputType{};
    std::string alt{};
    std::string fileName{};
    std::string useMap{};
    HtmlDocument frameDocument = 0;
    std::vector<HtmlElement> areas{};
};

class HtmlTreeSource : public HtmlDocumentSource {
public:
    HtmlDocument AddDocument(std::string title, std::string url);
    // A new element, the last child of the parent (none: a root of the document) and the last
    // element of the document; an IMG element is also the last of the document's images.
    HtmlElement Add(HtmlDocument document, TreeElement element, HtmlElement parent = 0);
    TreeElement& Element(HtmlElement element) { return elements_.at(element - 1).data; }
    // An image of the document that is no IMG element (an image map).
    void AddImage(HtmlDocument document, HtmlElement image) { documents_.at(document - 1).images.push_back(image); }
    // An item of the parent's children (without parent: of the document's elements) that cannot
    // be had, or that is no element.
    void AddBrokenItem(HtmlDocument document, HtmlElement parent, bool missing);
    // The browser view of the top window shows the document (0: none).
    void SetBrowser(std::uint64_t topWindow, HtmlDocument document) { browsers_[topWindow] = document; }
    void SetConnectable(bool connectable) { connectable_ = connectable; }

    bool Connect() override { return connectable_; }
    BrowserLookup FindDocument(const BrowserWindow& window, HtmlDocument& document) override;
    // Scripted pages stay.
    void Forget() override {}

    std::string GetTitle(HtmlDocument document) const override { return Document(document).title; }
    std::string GetUrl(HtmlDocument document) const override { return Document(document).url; }
    HtmlElement ElementFromPoint(HtmlDocument document, int x, int y) const override;
    std::vector<HtmlElement> GetAllElements(HtmlDocument document) const override { return Document(document).all; }
    std::vector<HtmlElement> GetImages(HtmlDocument document) const override { return Document(document).images; }
    HtmlDocument GetFrameDocument(HtmlDocument, HtmlElement frame) const override { return Data(frame).frameDocument; }

    bool IsElement(HtmlElement element) const override { return !At(element).broken; }
    std::string GetTagName(HtmlElement element) const override { return Data(element).tag; }
    HtmlElement GetParentElement(HtmlElement element) const override { return At(element).parent; }
    std::vector<HtmlElement> GetChildren(HtmlElement element) const override { return At(element).children; }
    ElementOffsets GetOffsets(HtmlElement element) const override { return Data(element).offsets; }
    HtmlElement GetOffsetParent(HtmlElement element) const override { return Data(element).offsetParent; }
    // Pages are not scrolled: the page position.
    ClientPosition GetClientPosition(HtmlElement element) const override;
    std::string GetText(HtmlElement element, ElementText text) const override;
    bool AllowsMultiple(HtmlElement element) const override { return Data(element).multiple; }
    std::vector<HtmlElement> GetAreas(HtmlElement map) const override { return Data(map).areas; }

protected:
    // Every document, element and browser goes.
    void Clear();

private:
    struct Node {
        TreeElement data;
        HtmlElement parent = 0;
        std::vector<HtmlElement> children;
        bool broken = false;
    };
    struct DocumentNode {
        std::string title;
        std::string url;
        std::vector<HtmlElement> roots;
        std::vector<HtmlElement> all;
        std::vector<HtmlElement> images;
    };
    const Node& At(HtmlElement element) const { return elements_.at(element - 1); }
    const TreeElement& Data(HtmlElement element) const { return At(element).data; }
    const DocumentNode& Document(HtmlDocument document) const { return documents_.at(document - 1); }
    // The element's box on the page: its offsets added up through its offset parents.
    ElementOffsets PageBox(HtmlElement element) const;
    // The last visible element of the subtrees, in document order, whose box holds the point.
    HtmlElement LastAtPoint(const std::vector<HtmlElement>& elements, int x, int y) const;

    std::vector<Node> elements_;
    std::vector<DocumentNode> documents_;
    std::map<std::uint64_t, HtmlDocument> browsers_;
    bool connectable_ = true;
};
