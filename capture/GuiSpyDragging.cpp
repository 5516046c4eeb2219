// The drag of the spy's cross-hair: what lies under the pointer is framed and listed, and the
// release captures it.
#include "capture/GuiSpyDlg.h"
#include "model/WindowKav.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"
#include "resources/MessageCatalogue.h"

namespace {

constexpr int kBrowserErrorCaption = 47029;
constexpr int kHtmlTagLine = 49157, kHtmlClassLine = 49158, kHtmlCaptionLine = 49159, kHtmlRectLine = 49160;
constexpr int kIdLine = 49161, kHandleLine = 49162, kClassLine = 49163, kCaptionLine = 49164, kRectLine = 49165;
// The text buffers of the window data lines.
constexpr std::size_t kClassBuffer = 99, kCaptionBuffer = 199;

}  // namespace

void CGuiSpyDlg::OnLButtonDown(bool onTargetImage) {
    if (!onTargetImage) return;
    host_->CaptureMouse();
    dragging_ = true;
    last_ = {};
    web_ = false;
    lastPointX_ = lastPointY_ = 0;
    DeleteWindowTree(captured_);
    captured_ = nullptr;
    // Programs may have changed since the last drag.
    locator_->Forget();
    html_->Forget();
    host_->SetCursor(SpyCursor::CrossHair);
}

void CGuiSpyDlg::OnMouseMove(int x, int y) {
    if (!dragging_) return;
    const PointedWindow pointed = locator_->WindowAt(x, y);
    web_ = pointed.window && IsWebDocumentClass(pointed.source->GetClassName(pointed.window));
    ScreenRect elementRect;
    if (web_ && !ProbePage(pointed, x, y, elementRect)) return;
    const PickedWindow here{pointed.source, pointed.window};
    if (!web_ && here == last_) return;
    if (last_.window) host_->RemoveHighlight();
    // The program's own windows are never framed or captured.
    if (pointed.own) {
        last_ = {};
        return;
    }
    if (!pointed.window) {
        SetInformation({});
        last_ = {};
        return;
    }
    host_->ShowHighlight(web_ ? elementRect : pointed.source->GetRect(pointed.window));
    if (!web_) ListWindowData(pointed);
    last_ = here;
}

bool CGuiSpyDlg::ProbePage(const PointedWindow& pointed, int x, int y, ScreenRect& elementRect) {
    const ScreenRect view = pointed.source->GetRect(pointed.window);
    lastBrowser_ = {pointed.process, pointed.topWindow, x, y};
    CWindowKav* probe = nullptr;
    WindowRect rect;
    const int result = html_->CaptureAt(x - view.left, y - view.top, false, false, lastBrowser_, probe, rect);
    if (result == -1) {
        // A browser that fails while probing would fail on every move.
        EndDrag();
        ShowBrowserError();
        return false;
    }
    if (result == 0) return false;
    lastPointX_ = x - view.left;
    lastPointY_ = y - view.top;
    SetInformation({FormatMessageId(kHtmlTagLine, probe->GetName()), FormatMessageId(kHtmlClassLine, probe->GetClass()),
                    FormatMessageId(kHtmlCaptionLine, probe->GetCaption()),
                    FormatMessageId(kHtmlRectLine, rect.left, rect.top, rect.right, rect.bottom)});
    DeleteWindowTree(probe);
    elementRect = {rect.left + view.left, rect.top + view.top, rect.right + view.left, rect.bottom + view.top};
    return true;
}

void CGuiSpyDlg::ListWindowData(const PointedWindow& pointed) {
    const WindowSource& source = *pointed.source;
    const ScreenRect r = source.GetRect(pointed.window);
    SetInformation({FormatMessageId(kIdLine, source.GetControlId(pointed.window)),
                    FormatMessageId(kHandleLine, pointed.topWindow),
                    FormatMessageId(kClassLine, FitTextBuffer(source.GetClassName(pointed.window), kClassBuffer)),
                    FormatMessageId(kCaptionLine, FitTextBuffer(source.GetText(pointed.window), kCaptionBuffer)),
                    FormatMessageId(kRectLine, r.left, r.top, r.right, r.bottom)});
}

void CGuiSpyDlg::SetInformation(std::vector<std::string> lines) {
    information_ = std::move(lines);
    host_->ShowInformation(information_);
}

void CGuiSpyDlg::OnLButtonUp() {
    if (!dragging_) return;
    EndDrag();
    if (!last_.window) return;
    if (!web_) {
        source_ = last_.source;
        captured_ = CaptureWindowTree(last_.window, nullptr, 0);
        return;
    }
    host_->SetCursor(SpyCursor::Wait);
    WindowRect rect;
    const int result = html_->CaptureAt(lastPointX_, lastPointY_, completePage_, true, lastBrowser_, captured_, rect);
    host_->SetCursor(SpyCursor::Arrow);
    if (result == -1) ShowBrowserError();
}

void CGuiSpyDlg::EndDrag() {
    host_->SetCursor(SpyCursor::Arrow);
    host_->ReleaseMouse();
    dragging_ = false;
    if (last_.window) host_->RemoveHighlight();
}

void CGuiSpyDlg::ShowBrowserError() {
    GetInteraction().ShowMessage(
        {GetGlobalMessageBuffer(), LoadMessage(kBrowserErrorCaption), MessageButtons::Ok, MessageIcon::Error});
}
