#pragma once
// The tab editor: the pages of a tab control, each with its title and the window it shows, and
// the control's initial page. It edits a working copy of the pages and replaces the control's
// pages only when something was set or deleted and the dialog ended with OK. Pages it creates
// or changes carry the modified flag, by which the tab control's property dialog knows which
// pages to take over.
#include <memory>

#include "editors/framework/EditorDialog.h"

class CTabControlKav;
class CTabPage;

// Dialog ids of the controls.
enum TabEditorDlgControl : int {
    kTabPages = 1263,
    kTabNew = 1292,
    kTabSet = 1293,
    kTabDelete = 1294,
    kTabTitle = 1259,
    kTabInitialPage = 1295,
    kTabWindow = 1260,
    kTabBrowse = 1291,
};

// A control that stands in for the tab control while its pages are edited: its name, internal
// ID, selected page title, parent and file, and copies of its pages that keep their unique ids
// and modified flags.
std::unique_ptr<CTabControlKav> MakeWorkingTabControl(const CTabControlKav& control);

class CTabEditorDlg : public EditorDialog {
public:
    static constexpr int kResourceId = 258;

    explicit CTabEditorDlg(EditorHost& host);
    ~CTabEditorDlg() override;

    // 1 when the control's pages were replaced, 0 otherwise.
    int EditTabPages(CTabControlKav& control);

    void OnInitDialog() override;
    void OnNew();
    void OnSet() { ApplyPage(); }
    void OnDelete();
    void OnBrowseWindows();
    // A pending entry is applied first; with both fields empty OK just closes.
    bool OnOK() override;
    // Applies the fields to the chosen page or as a new one: false after a refusal.
    bool ApplyPage();

    const CTabControlKav& GetWorkingControl() const { return *working_; }

protected:
    void OnListRowChosen(int list, int row) override;

private:
    void ClearFields();
    bool ApplyToPage(CTabPage* chosen, bool titleUsed, bool windowUsed, const std::string& title,
                     const std::string& reference);

    CTabControlKav* control_ = nullptr;
    std::unique_ptr<CTabControlKav> working_;
    bool changed_ = false;
    bool readOnly_ = false;
};
