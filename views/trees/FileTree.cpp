#include "views/trees/FileTree.h"

#include "model/ApplicationKav.h"
#include "platform/Interaction.h"
#include "resources/MessageCatalogue.h"
#include "views/trees/TreeLook.h"

namespace {

constexpr int kNoDropOnLibrary = 44426;  // [W0426]
constexpr int kLibraryCaption = 47244;

}  // namespace

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

void CFileTree::ShowFileItem(int item, const CApplicationKav& project, int projectImage, int libraryImage) {
    const CFileKav* file = FileOf(item);
    if (!file) return;
    const bool isProject = file == project.GetMainFile();
    SetLook(item, FileItemText(project, *file), isProject ? projectImage : libraryImage, isProject,
            PlainItemColours(kTreeTextBlack));
}

void CFileTree::RefuseDrop(const std::string& text, int captionId) {
    GetInteraction().ShowMessage({text, LoadMessage(captionId), MessageButtons::Ok, MessageIcon::Warning});
}

bool CFileTree::RefuseDropOnLibrary(int target) const {
    if (!FileOf(target) || target == GetProjectItem()) return false;
    RefuseDrop(LoadMessage(kNoDropOnLibrary), kLibraryCaption);
    return true;
}
