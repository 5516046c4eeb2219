#pragma once
// The capture of web pages that a browser view of the application under test shows: finds the
// element under the spy's pointer and reports it, and turns an element with its descendants, or
// a whole page with its frames, into new model windows (GuiID 995, classes "html_..."). Each
// window keeps the name of the attribute that recognises its element as its identification
// property. Failures leave their message in the global message buffer.
#include <cstdint>
#include <string>

#include "model/WindowRect.h"
#include "platform/HtmlDocumentSource.h"

class CFileKav;
class CWindowKav;

class CHtmlCapture {
public:
    static constexpr int kWebGuiId = 995;

    // New windows are owned by the main file.
    CHtmlCapture(HtmlDocumentSource& documents, CFileKav* mainFile);

    // Forgets the element found last; shows W0725 when no browser can be reached.
    void InitBrowserInterface();
    // Drops the pages read and the element found last, so that the next look reads anew.
    void Forget();

    // x and y lie in the client area of the browser view in the top window. Probing (capture
    // false) finds the element at the point, gives a window for it (the caller deletes it) with
    // the element's rectangle in the client area, and remembers the element; capturing takes the
    // remembered element with its descendants, or the complete page. -1 failure, 0 nothing, 1 a
    // window, owned by the caller.
    int CaptureAt(int x, int y, bool completePage, bool capture, const BrowserWindow& topWindow, CWindowKav*& window,
                  WindowRect& rect);
    // The window of the element (of its nearest relevant ancestor when probing); capturing also
    // attaches the windows of its descendants, to its window or else to the parent.
    int CaptureElement(HtmlDocument document, HtmlElement element, int x, int y, CWindowKav* parent, bool capture,
                       CWindowKav*& window, WindowRect& rect);
    // Attaches the windows of every element of the document to the parent, then groups its radio
    // buttons.
    int CaptureDocument(HtmlDocument document, int x, int y, CWindowKav* parent);
    // One group box per name of the parent's radio buttons, framing them.
    void GroupRadioButtons(CWindowKav* parent) const;
    // Page coordinates, without scrolling.
    WindowRect GetElementRect(HtmlElement element) const;
    HtmlDocument FindFrameDocument(HtmlDocument document, HtmlElement frame) const;
    // The image that uses the map, or 0.
    HtmlElement FindMapImage(HtmlDocument document, HtmlElement map) const;
    // True for none and for elements that the capture passes through.
    bool IsIgnoredElement(HtmlElement element) const;

private:
    // The window of an element whose tag the capture knows: 1 made, 0 none (the element is
    // skipped with its descendants), -1 failure.
    int MakeElementWindow(HtmlDocument document, HtmlElement element, HtmlElement pointed, int x, int y, bool capture,
                          CWindowKav*& window, WindowRect& rect);
    int MakeFrameWindow(HtmlDocument document, HtmlElement frame, int x, int y, bool capture, CWindowKav*& window,
                        WindowRect& rect);
    int MakeMapWindow(HtmlDocument document, HtmlElement map, HtmlElement pointed, bool capture, CWindowKav*& window,
                      WindowRect& rect);
    // Captures the children of the element into the parent.
    int CaptureChildren(HtmlDocument document, HtmlElement element, int x, int y, CWindowKav* parent);
    // A new window of the capture, owned by the main file, with its identification property.
    CWindowKav* NewWindow(int type, const std::string& name, const char* className, std::uint32_t style,
                          const std::string& caption, const std::string& property) const;
    // The window of a page or a frame.
    CWindowKav* NewPageWindow(const std::string& name, const std::string& caption, const std::string& property) const;
    void Remember(HtmlDocument document, HtmlElement element);

    HtmlDocumentSource& documents_;
    CFileKav* mainFile_;
    HtmlDocument rememberedDocument_ = 0;
    HtmlElement rememberedElement_ = 0;
    bool connected_ = false;
};
