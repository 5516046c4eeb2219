#pragma once
// The web pages that browser views of the application under test show, as the capture of web
// pages reads them: documents with their elements, tags, texts, offsets and frames. A source of
// the desktop in use implements it; tests script one.
#include <cstdint>
#include <string>
#include <vector>

// Zero is no document (or no element). Handles stay valid until the source forgets its pages.
using HtmlDocument = std::uintptr_t;
using HtmlElement = std::uintptr_t;

// An element's box relative to its offset parent (to the page when it has none).
struct ElementOffsets {
    int left = 0, top = 0, width = 0, height = 0;
};

// The top-left corner of an element's box in the browser view's client area.
struct ClientPosition {
    int left = 0, top = 0;
};

// Where a page is looked for: the program and its top window under a screen point.
struct BrowserWindow {
    int process = 0;
    std::uint64_t topWindow = 0;
    int screenX = 0, screenY = 0;
};

enum class BrowserLookup {
    Found,
    // No program that shows pages could be asked.
    NoBrowsers,
    // None of them shows its pages in that top window.
    NotReachable,
    // The browser view holds no document.
    NoDocument,
};

// The texts of an element; each is empty where the element has none.
enum class ElementText {
    InnerText,
    Href,
    Value,
    Name,
    // An INPUT element's type, lower case.
    InputType,
    Alt,
    // The last part of an image's address.
    FileName,
    UseMap,
};

class HtmlDocumentSource {
public:
    virtual ~HtmlDocumentSource() = default;

    // False when no browser can be reached at all.
    virtual bool Connect() = 0;
    // The document of the browser view at the window's point; a page read since the last
    // Forget is not read again.
    virtual BrowserLookup FindDocument(const BrowserWindow& window, HtmlDocument& document) = 0;
    // Drops every page read; their handles are no longer valid.
    virtual void Forget() = 0;

    virtual std::string GetTitle(HtmlDocument document) const = 0;
    virtual std::string GetUrl(HtmlDocument document) const = 0;
    // The element that shows at the point of the client area, or 0.
    virtual HtmlElement ElementFromPoint(HtmlDocument document, int x, int y) const = 0;
    // Every element of the document in document order; a 0 is an item that cannot be had.
    virtual std::vector<HtmlElement> GetAllElements(HtmlDocument document) const = 0;
    virtual std::vector<HtmlElement> GetImages(HtmlDocument document) const = 0;
    // The document that a FRAME or IFRAME element shows, or 0.
    virtual HtmlDocument GetFrameDocument(HtmlDocument document, HtmlElement frame) const = 0;

    // False for an item of a collection that is no element.
    virtual bool IsElement(HtmlElement element) const = 0;
    // Upper case.
    virtual std::string GetTagName(HtmlElement element) const = 0;
    virtual HtmlElement GetParentElement(HtmlElement element) const = 0;
    // In document order; a 0 is an item that cannot be had.
    virtual std::vector<HtmlElement> GetChildren(HtmlElement element) const = 0;
    virtual ElementOffsets GetOffsets(HtmlElement element) const = 0;
    virtual HtmlElement GetOffsetParent(HtmlElement element) const = 0;
    virtual ClientPosition GetClientPosition(HtmlElement element) const = 0;
    virtual std::string GetText(HtmlElement element, ElementText text) const = 0;
    // A SELECT element that allows several chosen entries.
    virtual bool AllowsMultiple(HtmlElement element) const = 0;
    // The AREA elements of a MAP element, in order.
    virtual std::vector<HtmlElement> GetAreas(HtmlElement map) const = 0;
};
