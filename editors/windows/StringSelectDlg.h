#pragma once
// The string selection dialog: one text picked from a sorted list under a given title.
#include <string>
#include <vector>

#include "editors/framework/EditorDialog.h"

// Dialog id of the list.
enum StringSelectDlgControl : int { kStringList = 1511 };

class CStringSelectDlg : public EditorDialog {
public:
    static constexpr int kResourceId = 312;

    explicit CStringSelectDlg(EditorHost& host);

    // -1 without a list (nothing shown); 1 after OK, with the chosen text ("" when none was
    // chosen); 0 after Cancel. The chosen text is emptied first.
    int SelectString(const std::vector<std::string>* texts, const std::string& caption, std::string& chosen);

    void OnInitDialog() override;
    bool OnOK() override;

protected:
    // A double click on a text does what OK does.
    void OnListRowDoubleClicked(int list, int row) override;

private:
    const std::vector<std::string>* texts_ = nullptr;
    std::string caption_;
    std::string chosen_;
};
