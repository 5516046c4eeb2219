#pragma once
// The plain half of every editor dialog: what its window shows (the title, the controls by
// their dialog ids with text, enabling and visibility, the rows of its lists, the default
// button, where the focus goes) and what each event does to it and to the model, without a
// window. Its window, the class of the same name with "Ui", copies the texts out of the
// controls before each event it forwards and shows the result afterwards; tests call the
// handlers directly.
#include <map>
#include <string>
#include <vector>

#include "editors/framework/EditorList.h"
#include "platform/Interaction.h"

class CTaskKav;
class EditorHost;

// The ids of OK and Cancel in every dialog, which are also how a modal run ends.
enum EditorEndId : int { kIdOk = 1, kIdCancel = 2 };

// One control as the window shows it. text: an edit's contents, the chosen entry of a choice
// ("" for none), the text of a combo box, or a button's or check box's label; items: the
// entries of a choice or combo box; an edit's selection as byte offsets into the text (equal:
// the caret); checked: a check box's or radio button's state; readOnly: an edit that shows its text but takes no
// typing.
struct EditorControl {
    bool enabled = true;
    bool shown = true;
    bool checked = false;
    bool readOnly = false;
    std::string text;
    std::vector<std::string> items;
    size_t selectionFrom = 0;
    size_t selectionTo = 0;
};

// Where the focus goes once the event is handled (control 0: it stays); the control's text is
// selected after a refusal, so the user can type over it.
struct FocusRequest {
    int control = 0;
    bool selectText = false;
};

class EditorDialog {
public:
    EditorDialog(const EditorDialog&) = delete;
    EditorDialog& operator=(const EditorDialog&) = delete;
    virtual ~EditorDialog() = default;

    int GetResourceId() const { return resourceId_; }
    const std::string& GetTitle() const { return title_; }

    // ---- What the window shows. A control or list the dialog did not declare is a
    // programming error (std::out_of_range).

    const std::map<int, EditorControl>& Controls() const { return controls_; }
    const EditorControl& Control(int id) const { return controls_.at(id); }
    std::string GetText(int id) const { return Control(id).text; }
    // The window hands over what the user typed or chose; the caret goes to the end.
    void SetText(int id, std::string text);
    // The window hands over an edit's selection (byte offsets; kept inside the text).
    void SetSelection(int id, size_t from, size_t to);
    // The window hands over a check box's or radio button's state; a dialog sets it so too.
    void SetChecked(int id, bool checked) { controls_.at(id).checked = checked; }
    bool IsChecked(int id) const { return Control(id).checked; }
    bool IsEnabled(int id) const { return Control(id).enabled; }
    bool IsShown(int id) const { return Control(id).shown; }
    bool IsReadOnly(int id) const { return Control(id).readOnly; }

    const std::map<int, EditorList>& Lists() const { return lists_; }
    const EditorList& List(int id) const { return lists_.at(id); }

    int GetDefaultButton() const { return defaultButton_; }
    const FocusRequest& GetFocusRequest() const { return focus_; }
    // The window has moved the focus.
    void ClearFocusRequest() { focus_ = {}; }

    // ---- Events every dialog has

    // The window opens.
    virtual void OnInitDialog() {}
    // OK: true closes the dialog; false keeps it open (a refusal has been shown).
    virtual bool OnOK() { return true; }
    // OK runs a long job: the window shows the wait cursor meanwhile.
    virtual bool OKTakesLong() const { return false; }
    // Cancel (the button, Esc, closing the window): true closes the dialog; false keeps it
    // open (the user said so to a question).
    virtual bool OnCancel() { return true; }
    // A row of the list was chosen by a click or a key (-1: a click beside the rows): the list
    // highlights it and the dialog hears of it.
    void ChooseRow(int list, int row);
    // A row was double-clicked (-1: beside the rows): the list highlights it and the dialog
    // hears of it.
    void DoubleClickRow(int list, int row);
    // How the dialog asked to end itself (kIdOk, kIdCancel), 0 when it did not; asking once
    // takes the request.
    int TakeEndRequest();
    // F1: the topic of the focused control when Shift is held and the control has one, else the
    // dialog's topic.
    void OnHelp(bool shiftDown, int focusedControl);

protected:
    EditorDialog(EditorHost& host, int resourceId);

    EditorHost& Host() const { return host_; }

    // Declared by each dialog's constructor: its controls and lists by dialog id.
    void AddControl(int id, std::string text = {});
    void AddList(int id);
    EditorList& EditList(int id) { return lists_.at(id); }

    // A read-only run says so in the title.
    void SetTitle(const std::string& title, bool readOnly);
    void Enable(int id, bool enabled = true) { controls_.at(id).enabled = enabled; }
    void Show(int id, bool shown = true) { controls_.at(id).shown = shown; }
    void SetReadOnly(int id, bool readOnly = true) { controls_.at(id).readOnly = readOnly; }
    void SetItems(int id, std::vector<std::string> items) { controls_.at(id).items = std::move(items); }
    // The entries of a sorted choice or combo box, sorted as it shows them: without regard to case.
    void SetSortedItems(int id, std::vector<std::string> items);
    // A group of radio buttons by their ids: checks the one at the index and clears the others;
    // the index of the checked one (-1: none).
    void CheckRadio(const std::vector<int>& group, int index);
    int CheckedRadio(const std::vector<int>& group) const;
    void SetDefaultButton(int id) { defaultButton_ = id; }
    void SetFocus(int id) { focus_ = {id, false}; }
    // Puts the text in place of the edit's selection, the caret after it.
    void ReplaceSelection(int id, const std::string& text);
    // Browse Designators: the reference chosen in the browser (windows, attributes, the task's
    // parameters, all test data), between two "#", in place of the edit's selection; the edit
    // gets the focus. Nothing on Cancel.
    void BrowseDesignatorsInto(int id, CTaskKav* task);
    // Ends the dialog as OK or Cancel would, without running OnOK.
    void EndDialog(int endId) { endRequest_ = endId; }

    // A refused value: the warning (text by id, or the text of the global message buffer) in a
    // box with the caption by id and the exclamation icon; then the focus goes back to the
    // control, its text selected. Always false, so that a check can return it.
    bool Refuse(int messageId, int captionId, int control);
    bool RefuseWithText(const std::string& text, int captionId, int control);
    bool RefuseWithCaption(const std::string& text, const std::string& caption, int control);
    // A broken structure of the model: the fatal error by id with the caption "Fatal Error" and
    // the stop icon.
    void ShowFatalError(int messageId);
    // A question with the buttons Yes and No and the icon (the exclamation mark unless the
    // question says otherwise): true for Yes.
    bool AskYesNo(int questionId, int captionId, MessageIcon icon = MessageIcon::Warning);

    // What choosing a row does; the row is highlighted already.
    virtual void OnListRowChosen(int list, int row) {
        (void)list;
        (void)row;
    }
    // What double-clicking a row does; the row is highlighted already.
    virtual void OnListRowDoubleClicked(int list, int row) {
        (void)list;
        (void)row;
    }

    // The dialog's help topic: its resource id plus 0x20000, unless its Part gives another.
    virtual int HelpTopic() const { return 0x20000 + resourceId_; }
    // A control's own help context; 0 when it has none (most have none).
    virtual int ControlHelpContext(int control) const {
        (void)control;
        return 0;
    }

private:
    EditorHost& host_;
    int resourceId_;
    std::string title_;
    std::map<int, EditorControl> controls_;
    std::map<int, EditorList> lists_;
    int defaultButton_ = kIdOk;
    FocusRequest focus_;
    int endRequest_ = 0;
};
