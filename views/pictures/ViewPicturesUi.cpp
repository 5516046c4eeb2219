#include "views/pictures/ViewPicturesUi.h"

#include <functional>

#include <wx/image.h>
#include <wx/mstream.h>

#include "model/TaskKav.h"
#include "model/TestCase.h"
#include "model/WindowKav.h"
#include "shell/wx/MainFrameUi.h"
#include "views/flow/TaskflowViewUi.h"
#include "views/testcase/TestCaseViewUi.h"
#include "views/window/DialogViewUi.h"

namespace {

// Transitions and grandchildren, whatever the frame shows.
constexpr int kWindowPictureMode = CDialogView::kShowTransitions | CDialogView::kShowGrandchildren;

CMainFrameUi* FindMainFrame() {
    for (wxWindow* window : wxTopLevelWindows)
        if (auto* frame = dynamic_cast<CMainFrameUi*>(window)) return frame;
    return nullptr;
}

// The object's open view, or one opened for the while.
class BorrowedView {
public:
    BorrowedView(CMainFrameUi& frame, PaneKind kind, CKavroObj& object, int viewMode)
        : view_(frame.GetMainFrame().FindView(kind, &object)) {
        if (view_) return;
        view_ = frame.OpenView(kind, &object, viewMode);
        opened_ = view_ != nullptr;
    }
    ~BorrowedView() {
        if (opened_) view_->RequestClose();
    }
    BorrowedView(const BorrowedView&) = delete;
    BorrowedView& operator=(const BorrowedView&) = delete;

    template <class ViewUi>
    ViewUi* As() const {
        return dynamic_cast<ViewUi*>(view_);
    }

private:
    FrameView* view_;
    bool opened_ = false;
};

std::string EncodePng(const wxBitmap& bitmap) {
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG)) wxImage::AddHandler(new wxPNGHandler);
    wxMemoryOutputStream stream;
    if (!bitmap.ConvertToImage().SaveFile(stream, wxBITMAP_TYPE_PNG)) return {};
    std::string bytes(stream.GetLength(), '\0');
    stream.CopyTo(bytes.data(), bytes.size());
    return bytes;
}

// Draws with the object's view (opened with the mode when none is open): none when the drawing
// is too large for a picture.
template <class ViewUi>
std::optional<std::string> Render(PaneKind kind, CKavroObj& object, std::optional<int> viewMode,
                                  const std::function<bool(ViewUi&, wxBitmap&)>& draw) {
    CMainFrameUi* frame = FindMainFrame();
    if (!frame) return std::string();
    const BorrowedView borrowed(*frame, kind, object, viewMode.value_or(frame->GetMainFrame().GetViewMode()));
    ViewUi* view = borrowed.As<ViewUi>();
    if (!view) return std::string();
    wxBitmap bitmap;
    if (!draw(*view, bitmap)) return std::nullopt;
    return EncodePng(bitmap);
}

template <class ViewUi>
bool DrawWhole(ViewUi& view, wxBitmap& bitmap) {
    return view.DrawToBitmap(bitmap);
}

// A window view the user had open goes back to its own mode.
bool DrawWindow(CDialogViewUi& view, wxBitmap& bitmap) {
    CDialogView& logic = view.GetLogic();
    const int userMode = logic.GetDisplayFlags();
    if (userMode != kWindowPictureMode) logic.SetDisplayFlags(kWindowPictureMode);
    const bool drawn = view.DrawToBitmap(bitmap);
    if (userMode != kWindowPictureMode) logic.SetDisplayFlags(userMode);
    return drawn;
}

}  // namespace

std::optional<std::string> RenderWindowPng(CWindowKav& window) {
    return Render<CDialogViewUi>(PaneKind::WindowView, window, kWindowPictureMode, DrawWindow);
}

std::optional<std::string> RenderTaskFlowPng(CTaskKav& task) {
    return Render<CTaskflowViewUi>(PaneKind::TaskFlowView, task, std::nullopt, DrawWhole<CTaskflowViewUi>);
}

std::optional<std::string> RenderTestCasePng(CTestCase& testCase) {
    return Render<CTestCaseViewUi>(PaneKind::TestCaseView, testCase, std::nullopt, DrawWhole<CTestCaseViewUi>);
}
