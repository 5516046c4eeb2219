#include "views/trees/FileTree.h"

#include "model/ApplicationKav.h"
#include "views/trees/TreeLook.h"

CFileKav* CFileTree::FileOf(int item) const {
    return KindOf(item) == kFileItem ? static_cast<CFileKav*>(DataOf(item)) : nullptr;
}

int CFileTree::FileItemOf(const CFileKav* file) const {
    for (int root : Children(kNoItem))
        if (file && FileOf(root) == file) return root;
    return kNoItem;
}

void CFileTree::AddFileItems(CApplicationKav& project, const std::function<void(int fileItem)>& fillFile) {
    CFileKav* main = project.GetMainFile();
    for (CFileKav* file : project.GetFiles()) {
        if (file == main || file->GetName().empty()) continue;
        fillFile(InsertItem(kNoItem, FileItemText(project, *file), kFileItem, file));
    }
    SortChildren(kNoItem);
    projectItem_ = kNoItem;
    if (!main) return;
    projectItem_ = InsertItem(kNoItem, FileItemText(project, *main), kFileItem, main, true);
    SetExcludedItem(Key(projectItem_));
    fillFile(projectItem_);
}
