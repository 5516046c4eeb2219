#pragma once
// The window half of every editor dialog: a wxDialog that shows what its EditorDialog holds.
// A derived window only makes the controls with the dialog ids (WxId) and binds its buttons
// with BindButton; this class copies the texts out of the controls before each event it
// forwards, applies the dialog's state afterwards (texts, entries of choices, enabling,
// visibility, list rows and highlight, default button, focus), and handles OK, Cancel, the
// list's row choices and F1.
#include <functional>
#include <map>
#include <string>

#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/listbox.h>
#include <wx/listctrl.h>

#include "editors/framework/EditorDialog.h"

wxString ToWx(const std::string& text);
std::string FromWx(const wxString& text);

class EditorDialogUi : public wxDialog {
public:
    EditorDialogUi(EditorDialog& dialog, wxWindow* parent);

    EditorDialog& Dialog() const { return dialog_; }

    // Dialog ids and wx ids are the same but for OK and Cancel.
    static int WxId(int dialogId);
    static int DialogId(int wxId);

protected:
    // Copies the controls' texts into the dialog, runs the handler and shows the result.
    void Forward(const std::function<void()>& handler);
    void BindButton(int dialogId, std::function<void()> handler);
    // The same for another command event of a control: a check box clicked, a choice changed.
    void BindCommand(const wxEventTypeTag<wxCommandEvent>& type, int dialogId, std::function<void()> handler);
    // A button with the dialog id and the dialog's label for it.
    wxButton* MakeButton(int dialogId);
    // A report list of the dialog, made by the derived window: its row choices reach the
    // dialog's ChooseRow, its double clicks DoubleClickRow.
    wxListView* MakeList(int dialogId, wxSize size);
    // The same for a list of the dialog shown as a plain list box (style wxLB_SORT for a sorted
    // one, whose dialog list sorts alike).
    wxListBox* MakeListBox(int dialogId, wxSize size, long style = 0);

private:
    void ReadControls();
    void ApplyState();
    void ApplyControl(wxWindow* window, const EditorControl& control);
    void ApplyList(int dialogId, const EditorList& list);
    void ApplyListBox(int dialogId, wxListBox& box, const EditorList& list);
    void ApplyFocus();
    void OnKey(wxKeyEvent& event);
    void OnOk();

    EditorDialog& dialog_;
    // The revision each list showed last.
    std::map<int, int> listRevisions_;
    // Set while the window changes its lists, whose events are then not the user's.
    bool applying_ = false;
    // Set while the window shows its dialog's state for the first time.
    bool opening_ = false;
};
