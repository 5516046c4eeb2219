#pragma once
// The window search: the windows whose ID and caption contain the texts given, whose type is
// the one chosen and that have an attribute whose name begins with the text given (each
// without regard to case, each only when given), in the selected window and its children, in
// one library, or in the whole project.
#include <optional>
#include <vector>

#include "editors/project/ObjectSearchDlg.h"

class CWindowKav;

// Dialog ids of the controls.
enum SearchWndControl : int {
    kSearchWndSelected = 1296,
    kSearchWndWhole = 1297,
    kSearchWndType = 1298,
    kSearchWndCaption = 1299,
    kSearchWndId = 1300,
    kSearchWndAttribute = 1301,
};

class CSearchWndDlg : public CObjectSearchDlg {
public:
    static constexpr int kResourceId = 260;

    CSearchWndDlg(EditorHost& host, CApplicationKav& project);

    // Runs the dialog from the window or the library (either may be null): the windows found,
    // in the order visited (empty when none matches), or nothing after Cancel.
    std::optional<std::vector<CWindowKav*>> Search(CWindowKav* window, CFileKav* library);

    void OnInitDialog() override;
    // Refuses a search without any criterion; otherwise searches and closes.
    bool OnOK() override;

private:
    struct Criteria;
    // The chosen type's code; 99 for none.
    int ChosenType() const;
    void VisitBelow(CWindowKav* window, const Criteria& criteria);

    CWindowKav* window_ = nullptr;
    CFileKav* library_ = nullptr;
    std::vector<CWindowKav*> found_;
};
