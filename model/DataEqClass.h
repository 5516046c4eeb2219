#pragma once
// An equivalence class of a field: valid or invalid, with a range text, optional borders and
// representative values.
#include <string>
#include <vector>

#include "model/DataObj.h"
#include "model/StoreField.h"

class CDataEqClass : public CDataObj {
public:
    CDataEqClass(const std::string& name, int valid, std::string defRange = {}, std::string min = {},
                 std::string max = {})
        : CDataObj(kDataEqClass, name),
          valid_(valid),
          defRange_(std::move(defRange)),
          min_(std::move(min)),
          max_(std::move(max)) {}

    // In the order written.
    std::vector<std::string>& GetRepresentativeValues() { return representatives_; }
    const std::vector<std::string>& GetRepresentativeValues() const { return representatives_; }

    bool IsValid() const { return valid_ != 0; }
    bool SetValid(int valid) { return StoreField(valid_, valid); }
    std::string GetDefRange() const { return defRange_; }
    bool SetDefRange(const std::string& text) { return StoreField(defRange_, text); }
    std::string GetMin() const { return min_; }
    bool SetMin(const std::string& text) { return StoreField(min_, text); }
    std::string GetMax() const { return max_; }
    bool SetMax(const std::string& text) { return StoreField(max_, text); }

private:
    std::vector<std::string> representatives_;
    int valid_;
    std::string defRange_;
    std::string min_;
    std::string max_;
};
