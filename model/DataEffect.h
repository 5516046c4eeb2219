#pragma once
// A cause-effect rule of a data set: a cause condition, and the effect variable with the value
// it takes when the cause holds. The effect's name is the effect ID that causes refer to.
#include <memory>
#include <string>

#include "model/AttributeKav.h"
#include "model/ConditionKav.h"
#include "model/DataObj.h"

class CDataSet;

class CDataEffect : public CDataObj {
public:
    CDataEffect(const std::string& name, CDataSet* dataSet) : CDataObj(kDataEffect, name), dataSet_(dataSet) {}

    CDataSet* GetDataSet() const { return dataSet_; }
    bool SetDataSet(CDataSet* dataSet) {
        dataSet_ = dataSet;
        return true;
    }
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

private:
    CDataSet* dataSet_;
    std::unique_ptr<CConditionKav> condition_;
    std::unique_ptr<CAttributeKav> variable_;
};
