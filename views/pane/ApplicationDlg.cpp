#include "views/pane/ApplicationDlg.h"

#include "shell/controls/XPropertySheet.h"

int CApplicationDlg::GetActivePage() const { return sheet_ ? sheet_->GetCurSel() : -1; }

CXPropertySheet* CApplicationDlg::SetActivePage(int index) {
    if (!sheet_ || index < 0 || index >= sheet_->GetItemCount()) return nullptr;
    sheet_->SetCurSel(index);
    return sheet_;
}
