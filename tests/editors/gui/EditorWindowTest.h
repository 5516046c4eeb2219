#pragma once
// What the GUI tests of the editor windows share: a host that shows the real windows, and
// choosing rows of their lists.
#include <functional>
#include <memory>

#include <wx/choice.h>
#include <wx/listbox.h>
#include <wx/listctrl.h>
#include <wx/timer.h>
#include <wx/uiaction.h>

#include "editors/EditorWindows.h"
#include "editors/generation/TCGStatusDlg.h"
#include "tests/editors/FakeEditorHost.h"
#include "tests/support/gui/GuiTest.h"

// Shows the generation status window. Its run starts from the window's own timer, perhaps
// before the window is on screen, and handles the window's events from inside: steps waiting
// in the loop could run nested in the run and stall it. So the steps get the window only once
// the run has ended; a window still open after them ends with wxID_ABORT.
inline int RunStatusWindow(CTCGStatusDlg& dialog, const std::function<void(EditorDialogUi&)>& steps) {
    std::unique_ptr<EditorDialogUi> window = MakeEditorWindow(dialog, nullptr);
    wxTimer ended;
    ended.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
        if (!dialog.IsFinished()) return;
        ended.Stop();
        steps(*window);
        if (window->IsModal()) window->EndModal(wxID_ABORT);
    });
    ended.Start(50);
    return ShowModalDriven(*window);
}

// A host whose RunModal shows the editor's real window and runs the test's steps in it (the
// status window's once its run has ended); a dialog that an editor opens runs the same steps,
// which tell the windows apart.
class WindowHost : public FakeEditorHost {
public:
    std::function<void(EditorDialogUi&)> steps;

    int RunModal(EditorDialog& dialog) override {
        if (auto* status = dynamic_cast<CTCGStatusDlg*>(&dialog))
            return RunStatusWindow(*status, steps) == wxID_OK ? kIdOk : kIdCancel;
        std::unique_ptr<EditorDialogUi> window = MakeEditorWindow(dialog, nullptr);
        const int end = ::RunModal(*window, [&] {
            // The display has no window manager: the window under the pointer gets the keys.
            EXPECT_TRUE(WaitUntil([&] { return window->IsShownOnScreen(); }));
            const wxRect area = window->GetScreenRect();
            wxUIActionSimulator().MouseMove(area.GetPosition() + area.GetSize() / 2);
            EXPECT_TRUE(WaitUntil([&] { return window->IsActive(); }));
            steps(*window);
        });
        return end == wxID_OK ? kIdOk : kIdCancel;
    }
};

// Clicks the row of a report list with the mouse, twice for a double click.
inline void ClickRow(wxListCtrl* rows, int row, bool doubleClick = false) {
    wxRect area;
    ASSERT_TRUE(rows->GetItemRect(row, area));
    wxUIActionSimulator input;
    input.MouseMove(rows->ClientToScreen(area.GetPosition() + wxPoint(10, area.height / 2)));
    if (doubleClick) input.MouseDblClick();
    else input.MouseClick();
}

// Chooses the entry of a list box as a click does.
inline void ChooseEntry(wxListBox* box, const wxString& text) {
    const int index = box->FindString(text, true);
    ASSERT_NE(index, wxNOT_FOUND) << text;
    box->SetSelection(index);
    wxCommandEvent choice(wxEVT_LISTBOX, box->GetId());
    choice.SetEventObject(box);
    choice.SetInt(index);
    box->HandleWindowEvent(choice);
}

// Chooses the entry of a choice as the user does.
inline void ChooseInChoice(wxChoice* choice, const wxString& text) {
    ASSERT_TRUE(choice->SetStringSelection(text)) << text;
    wxCommandEvent event(wxEVT_CHOICE, choice->GetId());
    event.SetEventObject(choice);
    event.SetInt(choice->GetSelection());
    choice->HandleWindowEvent(event);
}
