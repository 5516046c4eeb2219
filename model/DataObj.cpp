#include "model/DataObj.h"

#include "model/CloneFlags.h"
#include "model/ObjectNames.h"
#include "platform/MessageBuffer.h"
#include "platform/UniqueId.h"

CDataObj::CDataObj(int dataKind, const std::string& name)
    : CKavroObj(kKindDataObject), id_(MakeUniqueId()), dataKind_(dataKind) {
    SetName(name);
}

bool CDataObj::SetName(const std::string& name) {
    if (!CheckName(name, {44463, 44464, 30, 44475})) return false;
    if (name[0] >= '0' && name[0] <= '9') {
        SetMessage(44485);
        return false;
    }
    name_ = name;
    return true;
}

void CDataObj::TakeIdentityFromClone(const CDataObj& source, int flags) {
    if (flags & kCloneKeepId) id_ = source.id_;
    TakeFileFromClone(source, flags);
}
