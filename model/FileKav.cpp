#include "model/FileKav.h"

#include <algorithm>

#include "platform/UniqueId.h"

CFileKav::CFileKav(std::string name, std::string path, std::string fullPath, bool readOnly)
    : id_(MakeUniqueId()),
      name_(std::move(name)),
      path_(std::move(path)),
      fullPath_(std::move(fullPath)),
      readOnly_(readOnly) {}

CFileKav* CFileKav::Clone(int flags) const {
    auto* copy = new CFileKav(name_, path_, fullPath_, readOnly_);
    copy->failed_ = failed_;
    copy->usedFileIds_ = usedFileIds_;
    if (flags & 1) copy->id_ = id_;
    return copy;
}

bool CFileKav::UsesFile(const std::string& id) const {
    return std::find(usedFileIds_.begin(), usedFileIds_.end(), id) != usedFileIds_.end();
}

bool CFileKav::SetName(const std::string& name) {
    name_ = name;
    return true;
}

bool CFileKav::SetPath(const std::string& path) {
    path_ = path;
    return true;
}

bool CFileKav::SetFullPath(const std::string& fullPath) {
    fullPath_ = fullPath;
    return true;
}
