#pragma once
// A cause-effect rule of a data set: a cause condition, and the effect variable with the value
// it takes when the cause holds. The effect's name is the effect ID that causes refer to.
#include <memory>
#include <string>

#include "model/AttributeKav.h"
#include "model/ConditionKav.h"
#include "model/DataObj.h"
#include "model/StoreField.h"

class CDataSet;

class CDataEffect : public CDataObj {
public:
    CDataEffect(const std::string& name, CDataSet* dataSet, int valid = 1)
        : CDataObj(kDataEffect, name), dataSet_(dataSet), valid_(valid) {}
    // As the readers and the effect editor make it, before it is placed into a data set.
    CDataEffect(const std::string& name, int valid) : CDataEffect(name, nullptr, valid) {}

    // The data set the effect belongs to; not owned.
    CDataSet* GetDataSet() const { return dataSet_; }
    bool SetDataSet(CDataSet* dataSet) { return StoreField(dataSet_, dataSet); }
    // The setters take ownership of what they are given and delete what they replace.
    CConditionKav* GetCondition() const { return condition_.get(); }
    bool SetCondition(CConditionKav* condition) {
        condition_.reset(condition);
        return true;
    }
    CAttributeKav* GetAttribute() const { return variable_.get(); }
    bool SetAttribute(CAttributeKav* variable) {
        variable_.reset(variable);
        return true;
    }
    // The effect is a valid one (stored as "Valid").
    bool IsValid() const { return valid_ != 0; }
    bool SetValid(int valid) { return StoreField(valid_, valid); }

    // A copy by the data objects' clone flags that refers to the same data set, with copies of
    // the condition and the variable.
    CDataEffect* Clone(int flags) const;

private:
    CDataSet* dataSet_;
    std::unique_ptr<CConditionKav> condition_;
    std::unique_ptr<CAttributeKav> variable_;
    int valid_;
};
