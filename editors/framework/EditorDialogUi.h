#pragma once
// The window half of every editor dialog: a wxDialog that shows what its EditorDialog holds.
// A derived window only makes the controls with the dialog ids (WxId) and binds its buttons
// with BindButton; this class copies the texts and check marks out of the controls before each
// event it forwards, applies the dialog's state afterwards (texts, entries of choices and combo
// boxes, check marks, enabling, read-only edits, visibility, list rows and highlight, default
// button, focus), and handles OK, Cancel, the list's row choices and F1.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/dialog.h>
#include <wx/listbox.h>
#include <wx/listctrl.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>

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
    // A click on a check box or radio button, after the window handed over its new state.
    void BindCheck(int dialogId, std::function<void()> handler);
    // A choice's new entry, forwarded as a button is.
    void BindChoice(int dialogId, std::function<void()> handler);
    // The control lost the focus: the handler only notes it (nothing is read or shown).
    void BindFocusLost(int dialogId, std::function<void()> handler);
    // The same for another command event of a control: a check box clicked, a choice changed.
    void BindCommand(const wxEventTypeTag<wxCommandEvent>& type, int dialogId, std::function<void()> handler);
    // A button with the dialog id and the dialog's label for it.
    wxButton* MakeButton(int dialogId);
    // The same for a check box, and for a radio button, the first of its group with startsGroup
    // (a group is the radio buttons made one after another).
    wxCheckBox* MakeCheckBox(int dialogId);
    wxRadioButton* MakeRadioButton(int dialogId, bool startsGroup = false);
    // OK and Cancel at the right of a row, and the buttons of those ids at its left.
    wxSizer* MakeOkCancelRow(const std::vector<int>& leftButtons = {});
    // A grid of labels beside their entries, its first row the name with the Valid box after it.
    wxFlexGridSizer* MakeNameValidGrid(wxWindow* nameLabel, wxWindow* name, wxWindow* valid);
    // A report list of the dialog, made by the derived window: its row choices reach the
    // dialog's ChooseRow, its double clicks DoubleClickRow.
    wxListView* MakeList(int dialogId, wxSize size);
    // The same for a list of the dialog shown as a plain list box (style wxLB_SORT for a sorted
    // one, whose dialog list sorts alike).
    wxListBox* MakeListBox(int dialogId, wxSize size, long style = 0);
    // Shows the dialog's state; Forward does so after each event.
    void ApplyState();
    // Two lists side by side, each below its label, with the buttons that move rows between
    // them in a column in the middle.
    static wxSizer* ListsSideBySide(wxWindow* leftLabel, wxWindow* left, const std::vector<wxWindow*>& buttons,
                                    wxWindow* rightLabel, wxWindow* right);

private:
    void ReadControls();
    void ApplyControl(wxWindow* window, const EditorControl& control);
    void ApplyList(int dialogId, const EditorList& list);
    void ApplyListBox(int dialogId, wxListBox& box, const EditorList& list);
    void ApplyFocus();
    void OnKey(wxKeyEvent& event);
    void OnOk();
    void OnCancel();

    EditorDialog& dialog_;
    // The revision each list showed last.
    std::map<int, int> listRevisions_;
    // Set while the window changes its lists, whose events are then not the user's.
    bool applying_ = false;
    // Set while the window shows its dialog's state for the first time.
    bool opening_ = false;
};
