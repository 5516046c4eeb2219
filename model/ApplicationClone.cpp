// Deep copies of the whole model: undo snapshots, reloaded libraries and the test-management
// interface work on them.
#include "model/ApplicationKav.h"
#include "model/CloneFlags.h"
#include "model/WindowKav.h"

namespace {

// Appends a copy of every object of the list (with flag 64 only those of the main file).
template <class T, class List>
void CloneList(const OwningList<T>& source, List& target, int flags, const CFileKav* mainFile) {
    for (const T* object : source)
        if (!(flags & kCloneMainFileOnly) || object->GetFile() == mainFile) target.Add(object->Clone(flags));
}

}  // namespace

CApplicationKav* CApplicationKav::Clone(int flags) const {
    auto* copy = new CApplicationKav(settings_);
    if (flags & kCloneKeepId) copy->id_ = id_;
    copy->modified_ = modified_;
    if (flags & kCloneTextsFromObjects) {
        if (masterFile_) copy->masterProjectId_ = masterFile_->GetID();
        if (startWindow_) copy->mainWndId_ = startWindow_->GetInternalID();
    } else if (flags & kCloneTextsAsStored) {
        copy->masterProjectId_ = masterProjectId_;
        copy->mainWndId_ = mainWndId_;
    }
    for (const CFileKav* file : files_) copy->files_.Add(file->Clone(flags));

    const CFileKav* mainFile = GetMainFile();
    // On a snapshot of the table, which copying a window cannot disturb.
    for (const CWindowKav* window : windows_.Snapshot())
        if (!(flags & kCloneMainFileOnly) || window->GetFile() == mainFile)
            copy->windows_.AddUnchecked(window->Clone(flags));
    CloneList(tasks_, copy->tasks_, flags, mainFile);
    CloneList(requirements_, copy->requirements_, flags, mainFile);
    CloneList(testCases_, copy->testCases_, flags, mainFile);
    CloneList(testScripts_, copy->testScripts_, flags, mainFile);
    CloneList(attributes_, copy->attributes_, flags, mainFile);
    CloneList(stepFields_, copy->stepFields_, flags, mainFile);
    CloneList(dataSets_, copy->dataSets_, flags, mainFile);
    CloneList(metaConditions_, copy->metaConditions_, flags, mainFile);
    return copy;
}
