#include "capture/wx/GuiSpyDlgUi.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/dcclient.h>
#include <wx/listbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/utils.h>

#include "model/GUIBuilderList.h"
#include "platform/atspi/AtspiHtmlSource.h"
#include "platform/atspi/AtspiWindowLocator.h"
#include "shell/Help.h"

namespace {

// The cross-hair target that the user drags out of the dialog.
class SpyTarget : public wxWindow {
public:
    static constexpr int kSize = 32;

    SpyTarget(wxWindow* parent, int id) : wxWindow(parent, id, wxDefaultPosition, wxSize(kSize, kSize)) {
        SetBackgroundStyle(wxBG_STYLE_PAINT);
        Bind(wxEVT_PAINT, [this](wxPaintEvent&) {
            wxPaintDC dc(this);
            dc.SetBackground(GetParent()->GetBackgroundColour());
            dc.Clear();
            dc.SetPen(wxPen(*wxBLACK, 2));
            dc.SetBrush(*wxTRANSPARENT_BRUSH);
            dc.DrawCircle(kSize / 2, kSize / 2, kSize / 2 - 4);
            dc.DrawLine(kSize / 2, 1, kSize / 2, kSize - 1);
            dc.DrawLine(1, kSize / 2, kSize - 1, kSize / 2);
        });
    }
};

wxRect ToWx(const ScreenRect& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }

}  // namespace

// What the spy asks of its window.
class GuiSpyDlgUi::Host final : public GuiSpyHost {
public:
    Host(GuiSpyDlgUi& dialog, wxWindow* mainWindow) : dialog_(dialog), mainWindow_(mainWindow) {}
    ~Host() override {
        if (busy_) wxEndBusyCursor();
    }

    void ShowMainWindow(bool show) override {
        if (mainWindow_) mainWindow_->Show(show);
    }
    int RunModal() override { return dialog_.ShowModal() == wxID_OK ? CGuiSpyDlg::kOk : CGuiSpyDlg::kCancel; }
    void CaptureMouse() override {
        if (!dialog_.target_->HasCapture()) dialog_.target_->CaptureMouse();
    }
    void ReleaseMouse() override {
        if (dialog_.target_->HasCapture()) dialog_.target_->ReleaseMouse();
    }
    void SetCursor(SpyCursor cursor) override {
        if (busy_ != (cursor == SpyCursor::Wait)) {
            busy_ = !busy_;
            busy_ ? wxBeginBusyCursor() : wxEndBusyCursor();
        }
        dialog_.target_->SetCursor(cursor == SpyCursor::CrossHair ? wxCursor(wxCURSOR_CROSS) : wxNullCursor);
    }
    void ShowHighlight(const ScreenRect& rect) override { dialog_.highlight_.Show(ToWx(rect)); }
    void RemoveHighlight() override { dialog_.highlight_.Hide(); }
    void ShowInformation(const std::vector<std::string>& lines) override {
        wxArrayString items;
        for (const std::string& line : lines) items.Add(wxString::FromUTF8(line));
        dialog_.information_->Set(items);
    }

private:
    GuiSpyDlgUi& dialog_;
    wxWindow* mainWindow_;
    bool busy_ = false;
};

GuiSpyDlgUi::GuiSpyDlgUi(wxWindow* mainWindow, WindowLocator& locator, HtmlDocumentSource& documents,
                         CApplicationKav& root, const CGUIBuilderList& builders)
    : wxDialog(nullptr, wxID_ANY, "GUI Spy"),
      highlight_(this),
      host_(std::make_unique<Host>(*this, mainWindow)),
      spy_(std::make_unique<CGuiSpyDlg>(*host_, locator, documents, root, builders)) {
    // In the order of the dialog's controls.
    auto* prompt = new wxStaticText(this, wxID_ANY,
                                    "Drag this image over the window you want to record, then release the mouse button:");
    target_ = new SpyTarget(this, CGuiSpyDlg::kTargetImage);
    auto* heading = new wxStaticText(this, wxID_ANY, "Window Information:");
    information_ = new wxListBox(this, CGuiSpyDlg::kWindowInformation, wxDefaultPosition,
                                 ConvertDialogToPixels(wxSize(200, 70)), 0, nullptr, wxLB_SINGLE | wxLB_HSCROLL);
    completePage_ = new wxCheckBox(this, CGuiSpyDlg::kCompletePage, "Record complete webpage");
    auto* ok = new wxButton(this, wxID_OK, "OK");
    auto* cancel = new wxButton(this, wxID_CANCEL, "Cancel");

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(prompt, wxSizerFlags().Border(wxALL, 8));
    top->Add(target_, wxSizerFlags().Border(wxLEFT | wxRIGHT, 8));
    top->Add(heading, wxSizerFlags().Border(wxALL, 8));
    top->Add(information_, wxSizerFlags(1).Expand().Border(wxLEFT | wxRIGHT, 8));
    top->Add(completePage_, wxSizerFlags().Border(wxALL, 8));
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->AddStretchSpacer();
    buttons->Add(ok, wxSizerFlags().Border(wxRIGHT, 6));
    buttons->Add(cancel);
    top->Add(buttons, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxBOTTOM, 8));
    SetSizerAndFit(top);

    // While the cross-hair is dragged the target holds the mouse, so every move comes to it.
    target_->Bind(wxEVT_LEFT_DOWN, [this](wxMouseEvent&) { spy_->OnLButtonDown(true); });
    target_->Bind(wxEVT_MOTION, [this](wxMouseEvent& event) {
        const wxPoint screen = target_->ClientToScreen(event.GetPosition());
        spy_->OnMouseMove(screen.x, screen.y);
    });
    target_->Bind(wxEVT_LEFT_UP, [this](wxMouseEvent&) { spy_->OnLButtonUp(); });
    target_->Bind(wxEVT_MOUSE_CAPTURE_LOST, [this](wxMouseCaptureLostEvent&) { spy_->OnLButtonUp(); });
    completePage_->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent& event) { spy_->SetCompletePage(event.IsChecked()); });
    Bind(wxEVT_CHAR_HOOK, [](wxKeyEvent& event) {
        if (event.GetKeyCode() == WXK_F1) ShowHelp(CGuiSpyDlg::HelpTopic());
        else event.Skip();
    });
}

GuiSpyDlgUi::~GuiSpyDlgUi() {
    // The spy may still hold the mouse or the frame.
    if (target_->HasCapture()) target_->ReleaseMouse();
    spy_.reset();
}

CWindowKav* RunGuiSpy(wxWindow* mainWindow, CApplicationKav& root, TagGenerator tagGenerator) {
    AtspiWindowLocator locator;
    AtspiHtmlSource documents;
    GuiSpyDlgUi dialog(mainWindow, locator, documents, root, GetGuiBuilderDatabase());
    dialog.Spy().SetTagGenerator(std::move(tagGenerator));
    return dialog.Spy().RunCapture();
}
