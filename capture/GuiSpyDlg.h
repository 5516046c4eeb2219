#pragma once
// The GUI spy: the user drags a cross-hair from the dialog over a window of the application under
// test; the window (or, over a web page, the element) under the pointer is framed in red and its
// data listed; releasing the mouse captures it with its descendants, and OK puts the capture into
// the project's window table. The capture classifies live windows by the GUI builder database,
// their style words and accessibility roles, and turns a live window with its descendants and
// menu bar into a tree of new model windows. Failures are shown as "Recording Error" warnings.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "capture/GuiSpyHost.h"
#include "capture/HtmlCapture.h"
#include "platform/HtmlDocumentSource.h"
#include "platform/WindowSource.h"
#include "platform/WindowSourceLocator.h"

class CApplicationKav;
class CFileKav;
class CGUIBuilderList;
class CWindowKav;

// Gives the windows of a capture their recognition tags for the output format: false with the
// message in the global message buffer.
using TagGenerator = std::function<bool(int outputFormat, CWindowKav* window)>;

class CGuiSpyDlg {
public:
    static constexpr int kResourceId = 249;
    enum Control : int { kTargetImage = 1280, kWindowInformation = 1279, kCompletePage = 1338 };
    enum Result : int { kOk = 1, kCancel = 2 };

    // The capture alone, of the source's windows; new windows are owned by the main file.
    CGuiSpyDlg(const WindowSource& source, const CGUIBuilderList& builders, CFileKav* mainFile);
    // The dialog, shown by the host: windows under the pointer come from the locator, web pages
    // from the documents, and captures go into the root's project. Shows W0725 when no browser
    // can be reached.
    CGuiSpyDlg(GuiSpyHost& host, WindowLocator& locator, HtmlDocumentSource& documents, CApplicationKav& root,
               const CGUIBuilderList& builders);
    CGuiSpyDlg(const CGuiSpyDlg&) = delete;
    CGuiSpyDlg& operator=(const CGuiSpyDlg&) = delete;
    // A capture that was not handed over is deleted.
    ~CGuiSpyDlg();

    // How OK gives the captured windows their recognition tags; without it they get none.
    void SetTagGenerator(TagGenerator generator) { tagGenerator_ = std::move(generator); }

    // Hides the main window and runs the dialog. OK: the capture, put into the window table (the
    // project is not marked modified), or null when there was none or it was refused. Cancel:
    // null, the capture deleted.
    CWindowKav* RunCapture();
    // Names the window and its descendants after their captions and enters them into the window
    // table, growing parents round their children. A refusal takes the whole capture out of the
    // table again and deletes it; the message stays in the global message buffer.
    bool InsertCapture(CWindowKav* window);
    // Deletes the window after all its descendants; nothing for null.
    static void DeleteWindowTree(CWindowKav* window);

    // ---- Events of the dialog's window; points are screen coordinates.

    // A press on the target image starts a drag; one elsewhere does nothing.
    void OnLButtonDown(bool onTargetImage);
    void OnMouseMove(int x, int y);
    // Ends a drag, capturing what was framed last.
    void OnLButtonUp();
    // "Record complete webpage".
    void SetCompletePage(bool on) { completePage_ = on; }
    bool IsCompletePage() const { return completePage_; }
    bool IsDragging() const { return dragging_; }
    const std::vector<std::string>& GetWindowInformation() const { return information_; }
    CWindowKav* GetCapturedWindow() const { return captured_; }
    static constexpr int HelpTopic() { return 0x20000 + kResourceId; }

    // ---- The capture of live windows.

    // Folds the generated parts of MFC and Windows Forms class names into patterns.
    static std::string NormaliseClassName(std::string_view rawClassName);
    // The window type code; childIndex is the window's place among its siblings.
    int ClassifyWindow(WindowHandle window, int childIndex, int& guiId, std::string& className) const;
    // The new window, attached to the model parent when one is given (else the caller owns it
    // with its descendants), or null after a warning.
    CWindowKav* CaptureWindowTree(WindowHandle window, CWindowKav* modelParent, int childIndex) const;
    // Adds the menu's items, with their sub-menus, below the model parent.
    bool CaptureMenu(MenuHandle menu, CWindowKav* modelParent) const;

private:
    // The window framed last, in the windows of its program.
    struct PickedWindow {
        const WindowSource* source = nullptr;
        WindowHandle window = 0;
        bool operator==(const PickedWindow&) const = default;
    };

    int ClassifyByRole(WindowHandle window, int childIndex, int type, std::string_view className) const;
    CWindowKav* CreateCapturedWindow(WindowHandle window, int childIndex) const;
    bool CaptureMenuBar(WindowHandle window, CWindowKav* captured) const;
    // Attaches, or shows the model's refusal.
    static bool Attach(CWindowKav* parent, CWindowKav* child);
    // What a text buffer of that many characters holds of the text.
    static std::string FitTextBuffer(const std::string& text, std::size_t bufferSize = 999);

    bool InsertWindowTree(CWindowKav* window, std::vector<CWindowKav*>& inserted);
    // Finds the element under the point of the browser view: false when there is none or the
    // browser failed (the drag has ended then).
    bool ProbePage(const PointedWindow& pointed, int x, int y, ScreenRect& elementRect);
    void ListWindowData(const PointedWindow& pointed);
    void SetInformation(std::vector<std::string> lines);
    void EndDrag();
    static void ShowBrowserError();

    const WindowSource* source_ = nullptr;
    const CGUIBuilderList& builders_;
    CFileKav* mainFile_ = nullptr;

    GuiSpyHost* host_ = nullptr;
    WindowLocator* locator_ = nullptr;
    CApplicationKav* root_ = nullptr;
    std::unique_ptr<CHtmlCapture> html_;
    TagGenerator tagGenerator_;
    CWindowKav* captured_ = nullptr;
    std::vector<std::string> information_;
    PickedWindow last_;
    bool dragging_ = false;
    bool completePage_ = false;
    // The pointer was over a browser view at the last move.
    bool web_ = false;
    // The browser view of the last web page probed, and the point there in its client area.
    BrowserWindow lastBrowser_;
    int lastPointX_ = 0, lastPointY_ = 0;
};
