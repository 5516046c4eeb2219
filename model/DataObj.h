#pragma once
// The common base of the test data: data sets, fields, equivalence classes, records, effects.
#include <string>

#include "model/KavroObj.h"

// Data kinds of data objects.
enum DataKind : int { kDataSet = 1, kDataField = 2, kDataEqClass = 3, kDataRecord = 5, kDataEffect = 7 };

class CDataObj : public CKavroObj {
public:
    std::string GetId() const { return id_; }
    void SetId(const std::string& id) { id_ = id; }
    std::string GetName() const { return name_; }
    // Not empty (W0463), at most 30 characters (W0464), identifier characters only (W0475),
    // no leading digit (W0485); a refusal leaves the name unchanged.
    bool SetName(const std::string& name);
    int GetDataKind() const { return dataKind_; }
    // The object's item in the data tree of the editor; 0 when it has none.
    int GetTreeItem() const { return treeItem_; }
    bool SetTreeItem(int item) {
        treeItem_ = item;
        return true;
    }

protected:
    // A refused name leaves the name empty (the message stays in the buffer).
    CDataObj(int dataKind, const std::string& name);

    // The clone flags that every data object applies to its copy: 1 the unique id, 2 the
    // owning file, 16 or 32 the file id text.
    void TakeIdentityFromClone(const CDataObj& source, int flags);

private:
    std::string id_;
    std::string name_;
    int dataKind_;
    int treeItem_ = 0;
};
