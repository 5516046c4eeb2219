#pragma once
// The Tasks and Windows pages on the toolkit: each its tree window over the page's logic.
#include "views/trees/ItemTreeUi.h"
#include "views/trees/TaskDlg.h"
#include "views/trees/TreeImages.h"
#include "views/trees/WindowDlg.h"

class CTaskDlgUi : public ItemTreeUi {
public:
    CTaskDlgUi(wxWindow* parent, CTaskDlg& page)
        : ItemTreeUi(parent, CTaskDlg::kTreeId, page.Tree(), page, TaskTreeImages(), true), page_(page) {}
    CTaskDlg& Page() { return page_; }

private:
    CTaskDlg& page_;
};

class CWindowDlgUi : public ItemTreeUi {
public:
    CWindowDlgUi(wxWindow* parent, CWindowDlg& page)
        : ItemTreeUi(parent, CWindowDlg::kTreeId, page.Tree(), page, WindowTreeImages(), true), page_(page) {}
    CWindowDlg& Page() { return page_; }

private:
    CWindowDlg& page_;
};
