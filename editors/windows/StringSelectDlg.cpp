#include "editors/windows/StringSelectDlg.h"

#include "shell/EditorHost.h"

CStringSelectDlg::CStringSelectDlg(EditorHost& host) : EditorDialog(host, kResourceId) {
    AddList(kStringList);
    EditList(kStringList).SetSorted(true);
}

int CStringSelectDlg::SelectString(const std::vector<std::string>* texts, const std::string& caption,
                                   std::string& chosen) {
    if (!texts) return -1;
    texts_ = texts;
    caption_ = caption;
    chosen.clear();
    chosen_.clear();
    if (Host().RunModal(*this) != kIdOk) return 0;
    chosen = chosen_;
    return 1;
}

void CStringSelectDlg::OnInitDialog() {
    SetTitle(caption_, false);
    EditorList& list = EditList(kStringList);
    list.Clear();
    for (const std::string& text : *texts_) list.AddRow({text}, nullptr);
}

bool CStringSelectDlg::OnOK() {
    const EditorList& list = List(kStringList);
    chosen_ = list.GetHighlighted() < 0 ? std::string() : list.RowTexts(list.GetHighlighted()).front();
    return true;
}

void CStringSelectDlg::OnListRowDoubleClicked(int list, int row) {
    (void)list;
    if (row < 0) return;
    OnOK();
    EndDialog(kIdOk);
}
