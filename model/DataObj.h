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

protected:
    // A refused name leaves the name empty (the message stays in the buffer).
    CDataObj(int dataKind, const std::string& name);

private:
    std::string id_;
    std::string name_;
    int dataKind_;
};
