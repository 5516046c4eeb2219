#include "platform/UserFolders.h"

namespace {

UserFolders& Folders() {
    static UserFolders folders;
    return folders;
}

}  // namespace

const UserFolders& GetUserFolders() { return Folders(); }

void SetUserFolders(UserFolders folders) { Folders() = std::move(folders); }
