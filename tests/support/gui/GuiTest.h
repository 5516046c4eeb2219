#pragma once
// Support for tests that drive real windows on the test display: waiting on conditions instead
// of time, answering the modal dialogs a test provokes, pressing buttons, real keyboard and
// mouse input, and screenshots for a person to look at.
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <wx/dialog.h>
#include <wx/frame.h>
#include <wx/modalhook.h>
#include <wx/timer.h>
#include <wx/toplevel.h>

// Runs the event loop until the condition holds; false when it still did not after the limit.
bool WaitUntil(const std::function<bool()>& condition,
               std::chrono::milliseconds limit = std::chrono::seconds(20));
// Handles every event already waiting, then the idle work (deferred deletion included).
void DrainEvents();

// A modal dialog a test provoked: its title, and for a message box its text and style.
struct ShownDialog {
    std::string title;
    std::string message;
    long style = 0;
};

// While it lives, every modal dialog is recorded and answered with OK without being shown,
// except the dialogs the test itself runs with RunModal and the ones it drives.
class DialogRecorder : public wxModalDialogHook {
public:
    DialogRecorder();
    ~DialogRecorder() override;

    const std::vector<ShownDialog>& Shown() const { return shown_; }
    std::vector<std::string> Messages() const;
    void Clear() { shown_.clear(); }

    // A modal dialog whose title begins with the text shows, as a program shows it (the first
    // matching text in the order given decides). Once it is on screen and ready holds, checked
    // from a timer so that nothing waits queued in work the dialog starts of its own, the steps
    // run in it; a dialog still open after them ends with wxID_ABORT. It is recorded as well.
    // While the test drives dialogs, one that gets its title only as it shows is shown too, and
    // answered with OK at once when that title is not one of them.
    void Drive(const std::string& titleStart, std::function<void(wxDialog&)> steps,
               std::function<bool(wxDialog&)> ready = {});

protected:
    int Enter(wxDialog* dialog) override;
    // A driven dialog's timer stops with it.
    void Exit(wxDialog* dialog) override;

private:
    struct DrivenDialog {
        std::string titleStart;
        std::function<void(wxDialog&)> steps;
        std::function<bool(wxDialog&)> ready;
    };
    const DrivenDialog* FindDriven(const std::string& title) const;
    // Starts the timer that runs the steps in the dialog, once its title says which they are.
    void StartDriving(wxDialog* dialog, std::size_t record);

    std::vector<ShownDialog> shown_;
    std::vector<DrivenDialog> driven_;
    struct Driver {
        wxDialog* dialog;
        std::unique_ptr<wxTimer> timer;
    };
    std::vector<Driver> drivers_;
};

// Shows the dialog modally, as a program does, and runs the steps inside its event loop. Should
// the steps end with the dialog still open (a failed assertion), it is ended with wxID_ABORT.
// Returns what ShowModal returned.
int RunModal(wxDialog& dialog, const std::function<void()>& steps);
// Shows the dialog modally with no steps queued in its loop, which the recorder lets through:
// for a window that starts work of its own from a timer and handles events inside it, where
// queued steps could run nested in that work and stall it. The test ends the dialog itself.
int ShowModalDriven(wxDialog& dialog);

// The control with the id inside the window, of the kind asked for (null, and a test failure,
// when there is none).
template <class Control>
Control* FindControl(wxWindow* window, int id) {
    auto* control = dynamic_cast<Control*>(wxWindow::FindWindowById(id, window));
    EXPECT_NE(control, nullptr) << "no control " << id;
    return control;
}

// Presses the button with the id inside the window, as a click does: a disabled or hidden
// button does nothing. False when there is no such button or it cannot be pressed.
bool PressButton(wxWindow* window, int id);
// Chooses a menu command of the frame's menu bar; false when there is no such enabled item.
bool ChooseMenuItem(wxFrame* frame, int id);

// Shows the window and waits until it is active, which real keyboard input needs.
bool ShowAndActivate(wxTopLevelWindow* window);
// Real input through the display. TypeInto focuses a text control, types the text at the end and
// waits until it arrived; PressKey presses a key in the focused control; ClickWithMouse clicks
// the middle of a window.
bool TypeInto(wxWindow* control, const std::string& text);
void PressKey(int keyCode);
void ClickWithMouse(wxWindow* window);

// The ids of the controls the focus visits, pressing Tab that many times from the start control;
// wxID_NONE where it lands on a part of a control that has no wx window of its own.
std::vector<int> FocusOrder(wxWindow* start, int presses);

// The descendants of a window in the order focus travels: each as "<kind> <id> <label>", the id
// "-" where wx chose it.
std::vector<std::string> DescribeChildren(wxWindow* window);

// Saves what the client area of the window shows as screenshots/<name>.png in the build tree.
bool SaveScreenshot(wxTopLevelWindow* window, const std::string& name);

// Base of GUI tests: records the dialogs a test provokes and, at the end, destroys the windows
// the test left and waits until they are gone.
class GuiTest : public ::testing::Test {
protected:
    void TearDown() override;

    DialogRecorder dialogs_;
};
