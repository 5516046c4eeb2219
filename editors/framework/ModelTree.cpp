#include "editors/framework/ModelTree.h"

CFileKav* CModelTree::FileOf(int item) const {
    return KindOf(item) == kFileItem ? static_cast<CFileKav*>(DataOf(item)) : nullptr;
}

void* CModelTree::ObjectDataOf(int item) const { return KindOf(item) == kObjectItem ? DataOf(item) : nullptr; }

int CModelTree::Insert(int parent, std::size_t index, CFileKav* file, void* object) {
    return file ? InsertItemAt(parent, index, std::string(), kFileItem, file)
                : InsertItemAt(parent, index, std::string(), kObjectItem, object);
}
