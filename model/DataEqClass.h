#pragma once
// An equivalence class of a field: valid or invalid, with a range text, optional borders and
// representative values.
#include <string>
#include <vector>

#include "model/DataHelpValue.h"
#include "model/DataObj.h"
#include "model/StoreField.h"
#include "platform/ObjectList.h"

class CDataField;

class CDataEqClass : public CDataObj {
public:
    CDataEqClass(const std::string& name, int valid, std::string defRange = {}, std::string min = {},
                 std::string max = {})
        : CDataObj(kDataEqClass, name),
          valid_(valid),
          defRange_(std::move(defRange)),
          min_(std::move(min)),
          max_(std::move(max)) {}

    // In the order written; changed only as a whole through SetRepresentativeValues.
    std::vector<std::string>& GetRepresentativeValues() { return representatives_; }
    const std::vector<std::string>& GetRepresentativeValues() const { return representatives_; }
    // Filled by record generation.
    OwningList<CDataHelpValue>& GetHelpValues() { return helpValues_; }
    const OwningList<CDataHelpValue>& GetHelpValues() const { return helpValues_; }
    // Record generation's working count; neither copied nor compared.
    int GetWorkValue() const { return workValue_; }
    void SetWorkValue(int value) { workValue_ = value; }

    bool IsValid() const { return valid_ != 0; }
    bool SetValid(int valid) { return StoreField(valid_, valid); }
    std::string GetDefRange() const { return defRange_; }
    bool SetDefRange(const std::string& text) { return StoreField(defRange_, text); }
    std::string GetMin() const { return min_; }
    bool SetMin(const std::string& text) { return StoreField(min_, text); }
    std::string GetMax() const { return max_; }
    bool SetMax(const std::string& text) { return StoreField(max_, text); }

    // Replaces the representative values by those of a comma-separated definition: values in
    // double quotes may hold commas, "" is the empty value, a backslash takes the next
    // character as it is. The values must not repeat, equal one of the class's borders, be
    // defined in another class of the field, or (in a valid class) miss the field's type. FALSE
    // with the message leaves the values unchanged; a blank definition changes nothing.
    bool SetRepresentativeValues(const std::string& definition, const CDataField* field);

    // A copy by the data objects' clone flags, with the representative values; not the help
    // values or the work value.
    CDataEqClass* Clone(int flags) const;

private:
    std::vector<std::string> representatives_;
    OwningList<CDataHelpValue> helpValues_;
    int workValue_ = 0;
    int valid_;
    std::string defRange_;
    std::string min_;
    std::string max_;
};

// TRUE when no value occurs twice (exact comparison); else FALSE with W0371 naming the first
// value that occurs again later.
bool CheckDuplicateRepresentatives(const std::vector<std::string>& values);
