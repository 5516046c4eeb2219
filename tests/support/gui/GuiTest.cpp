#include "GuiTest.h"

#include <algorithm>
#include <filesystem>

#include <wx/app.h>
#include <wx/button.h>
#include <wx/dcmemory.h>
#include <wx/dcclient.h>
#include <wx/evtloop.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/textentry.h>
#include <wx/uiaction.h>

namespace {

// The dialogs RunModal is showing: the recorder lets them through.
std::vector<wxDialog*>& DialogsRunByTest() {
    static std::vector<wxDialog*> dialogs;
    return dialogs;
}

std::string Utf8(const wxString& text) {
    return std::string(text.utf8_str());
}

// Notices the paint events of the windows it watches.
class PaintWatcher : public wxEvtHandler {
public:
    explicit PaintWatcher(wxWindow* window) {
        Watch(window);
    }
    ~PaintWatcher() override {
        for (wxWindow* window : watched_) window->Unbind(wxEVT_PAINT, &PaintWatcher::OnPaint, this);
    }
    bool Painted() const { return painted_; }

private:
    void Watch(wxWindow* window) {
        window->Bind(wxEVT_PAINT, &PaintWatcher::OnPaint, this);
        watched_.push_back(window);
        for (wxWindow* child : window->GetChildren()) {
            if (!child->IsTopLevel()) Watch(child);
        }
    }
    void OnPaint(wxPaintEvent& event) {
        painted_ = true;
        event.Skip();
    }

    std::vector<wxWindow*> watched_;
    bool painted_ = false;
};

void Describe(wxWindow* window, std::vector<std::string>& out) {
    for (wxWindow* child : window->GetChildren()) {
        if (child->IsTopLevel()) continue;
        const int id = child->GetId();
        out.push_back(Utf8(child->GetClassInfo()->GetClassName()) + " " +
                      (id < 0 ? "-" : std::to_string(id)) + " " + Utf8(child->GetLabel()));
        Describe(child, out);
    }
}

}  // namespace

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        // Sleeps until the next event arrives, or for a moment when none does.
        wxEventLoopBase::GetActive()->DispatchTimeout(10);
        DrainEvents();
    }
    return true;
}

void DrainEvents() {
    wxEventLoopBase* loop = wxEventLoopBase::GetActive();
    while (loop->Pending()) loop->Dispatch();
    wxTheApp->ProcessPendingEvents();
    wxTheApp->ProcessIdle();
}

DialogRecorder::DialogRecorder() {
    Register();
}

DialogRecorder::~DialogRecorder() {
    Unregister();
}

std::vector<std::string> DialogRecorder::Messages() const {
    std::vector<std::string> texts;
    for (const ShownDialog& shown : shown_) texts.push_back(shown.message);
    return texts;
}

void DialogRecorder::Drive(const std::string& titleStart, std::function<void(wxDialog&)> steps,
                           std::function<bool(wxDialog&)> ready) {
    driven_.push_back({titleStart, std::move(steps), std::move(ready)});
}

int DialogRecorder::Enter(wxDialog* dialog) {
    const auto& runByTest = DialogsRunByTest();
    if (std::find(runByTest.begin(), runByTest.end(), dialog) != runByTest.end()) return wxID_NONE;
    ShownDialog shown;
    shown.title = Utf8(dialog->GetTitle());
    if (auto* box = dynamic_cast<wxMessageDialogBase*>(dialog)) {
        shown.message = Utf8(box->GetMessage());
        shown.style = box->GetMessageDialogStyle();
    }
    shown_.push_back(shown);
    if (FindDriven(shown.title) || (shown.title.empty() && !driven_.empty())) {
        StartDriving(dialog, shown_.size() - 1);
        return wxID_NONE;
    }
    return wxID_OK;
}

const DialogRecorder::DrivenDialog* DialogRecorder::FindDriven(const std::string& title) const {
    for (const DrivenDialog& driven : driven_)
        if (title.rfind(driven.titleStart, 0) == 0) return &driven;
    return nullptr;
}

void DialogRecorder::StartDriving(wxDialog* dialog, std::size_t record) {
    auto timer = std::make_unique<wxTimer>();
    wxTimer* driver = timer.get();
    driver->Bind(wxEVT_TIMER, [this, dialog, driver, record](wxTimerEvent&) {
        if (!dialog->IsShownOnScreen()) return;
        shown_[record].title = Utf8(dialog->GetTitle());
        const DrivenDialog* driven = FindDriven(shown_[record].title);
        if (driven && driven->ready && !driven->ready(*dialog)) return;
        driver->Stop();
        if (!driven) {
            dialog->EndModal(wxID_OK);
            return;
        }
        driven->steps(*dialog);
        if (dialog->IsModal()) dialog->EndModal(wxID_ABORT);
    });
    driver->Start(50);
    drivers_.push_back({dialog, std::move(timer)});
}

void DialogRecorder::Exit(wxDialog* dialog) {
    for (Driver& driver : drivers_)
        if (driver.dialog == dialog) driver.timer->Stop();
}

int RunModal(wxDialog& dialog, const std::function<void()>& steps) {
    dialog.CallAfter([&dialog, &steps] {
        steps();
        if (dialog.IsModal()) dialog.EndModal(wxID_ABORT);
    });
    return ShowModalDriven(dialog);
}

int ShowModalDriven(wxDialog& dialog) {
    DialogsRunByTest().push_back(&dialog);
    const int result = dialog.ShowModal();
    DialogsRunByTest().pop_back();
    return result;
}

bool PressButton(wxWindow* window, int id) {
    auto* button = dynamic_cast<wxButton*>(wxWindow::FindWindowById(id, window));
    if (!button || !button->IsEnabled() || !button->IsShownOnScreen()) return false;
    wxCommandEvent click(wxEVT_BUTTON, id);
    click.SetEventObject(button);
    button->HandleWindowEvent(click);
    return true;
}

bool ChooseMenuItem(wxFrame* frame, int id) {
    wxMenuItem* item = frame->GetMenuBar() ? frame->GetMenuBar()->FindItem(id) : nullptr;
    if (!item || !item->IsEnabled()) return false;
    wxCommandEvent choice(wxEVT_MENU, id);
    choice.SetEventObject(frame);
    frame->HandleWindowEvent(choice);
    return true;
}

bool ShowAndActivate(wxTopLevelWindow* window) {
    window->Show();
    window->Raise();
    return WaitUntil([window] { return window->IsShownOnScreen() && window->IsActive(); });
}

bool TypeInto(wxWindow* control, const std::string& text) {
    auto* entry = dynamic_cast<wxTextEntry*>(control);
    if (!entry) return false;
    control->SetFocus();
    if (!WaitUntil([control] { return wxWindow::FindFocus() == control; })) return false;
    const wxString expected = entry->GetValue() + wxString::FromUTF8(text);
    wxUIActionSimulator().Text(text.c_str());
    // Keys still on their way would reach whichever control has the focus by then.
    return WaitUntil([entry, &expected] { return entry->GetValue() == expected; });
}

void PressKey(int keyCode) {
    wxUIActionSimulator().Char(keyCode);
}

void ClickWithMouse(wxWindow* window) {
    const wxRect area = window->GetScreenRect();
    wxUIActionSimulator input;
    input.MouseMove(area.GetPosition() + area.GetSize() / 2);
    input.MouseClick();
}

std::vector<int> FocusOrder(wxWindow* start, int presses) {
    std::vector<int> ids;
    start->SetFocus();
    if (!WaitUntil([start] { return wxWindow::FindFocus() == start; })) return ids;
    for (int i = 0; i < presses; ++i) {
        wxWindow* before = wxWindow::FindFocus();
        PressKey(WXK_TAB);
        if (!WaitUntil([before] { return wxWindow::FindFocus() != before; })) break;
        ids.push_back(wxWindow::FindFocus() ? wxWindow::FindFocus()->GetId() : wxID_NONE);
    }
    return ids;
}

std::vector<std::string> DescribeChildren(wxWindow* window) {
    std::vector<std::string> out;
    Describe(window, out);
    return out;
}

bool SaveScreenshot(wxTopLevelWindow* window, const std::string& name) {
    const std::filesystem::path folder = KAVRO_SCREENSHOT_DIR;
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    {
        // The whole window is drawn in the cycle that paints any part of it, and that cycle has
        // ended once the loop runs again.
        PaintWatcher watcher(window);
        window->Refresh();
        if (!WaitUntil([&watcher] { return watcher.Painted(); })) return false;
    }
    // Read from the window itself: the toolkit caches the screen's picture, which can show
    // windows long gone.
    const wxSize size = window->GetClientSize();
    wxBitmap picture(size);
    {
        wxWindowDC shown(window);
        wxMemoryDC canvas(picture);
        canvas.Blit(0, 0, size.x, size.y, &shown, 0, 0);
    }
    return picture.SaveFile((folder / (name + ".png")).string(), wxBITMAP_TYPE_PNG);
}

void GuiTest::TearDown() {
    for (wxWindow* window : wxTopLevelWindows) window->Destroy();
    EXPECT_TRUE(WaitUntil([] { return wxTopLevelWindows.empty(); }));
}
