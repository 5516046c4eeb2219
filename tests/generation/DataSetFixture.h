#pragma once
// A data set built in a few lines for the record generation tests: fields with classes whose
// one representative value is the class's name unless a test gives others, records, effects.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/DataSet.h"

struct ClassSpec {
    std::string name;
    bool valid = true;
    std::vector<std::string> representatives = {name};
    std::string min = {};
    std::string max = {};
};

inline ClassSpec Invalid(const std::string& name) { return {name, false}; }

class DataSetTest : public ::testing::Test {
protected:
    CDataField* AddField(const std::string& name, const std::vector<ClassSpec>& classes, int type = 4) {
        CDataField* field = dataSet.GetFields().Add(new CDataField(name, type));
        for (const ClassSpec& spec : classes) {
            CDataEqClass* eqClass =
                field->GetEqClasses().Add(new CDataEqClass(spec.name, spec.valid ? 1 : 0, {}, spec.min, spec.max));
            eqClass->GetRepresentativeValues() = spec.representatives;
        }
        return field;
    }

    CDataRecord* AddRecord(const std::string& name, const std::vector<std::string>& values, int origin = kOriginManual,
                           int valid = 1) {
        CDataRecord* record = dataSet.GetRecords().Add(new CDataRecord(name, valid, origin));
        for (std::size_t i = 0; i < values.size(); ++i)
            record->GetValues().Set(dataSet.GetFields()[i]->GetId(), values[i]);
        return record;
    }

    // An effect of the set; no cause when it is empty, no variable when that is empty.
    CDataEffect* AddEffect(const std::string& name, int valid, const std::string& cause,
                           const std::string& variable = {}, const std::string& value = {}) {
        CDataEffect* effect = dataSet.GetEffects().Add(new CDataEffect(name, &dataSet, valid));
        if (!cause.empty()) effect->SetCondition(new CConditionKav(name, cause));
        if (!variable.empty()) effect->SetAttribute(new CAttributeKav(variable, 4, value));
        return effect;
    }

    // The record's values in field order; a missing value reads "-".
    std::vector<std::string> Values(const CDataRecord& record) const {
        std::vector<std::string> values;
        for (const CDataField* field : dataSet.GetFields()) {
            auto found = record.GetValues().find(field->GetId());
            values.push_back(found == record.GetValues().end() ? "-" : found->second);
        }
        return values;
    }
    std::vector<std::vector<std::string>> AllValues() const {
        std::vector<std::vector<std::string>> all;
        for (const CDataRecord* record : dataSet.GetRecords()) all.push_back(Values(*record));
        return all;
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const CDataRecord* record : dataSet.GetRecords()) names.push_back(record->GetName());
        return names;
    }
    CDataEqClass* Class(std::size_t field, std::size_t index) const {
        return dataSet.GetFields()[field]->GetEqClasses()[index];
    }

    CDataSet dataSet{"Orders"};
};

using Rows = std::vector<std::vector<std::string>>;
using Texts = std::vector<std::string>;
