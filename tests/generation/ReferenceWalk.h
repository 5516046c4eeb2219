#pragma once
// The pairs and all-combinations strategies as their definition reads, without any shortcut:
// every choice of one class per field in odometer order, filtered by the mode; the pairs
// strategy keeps a choice that holds a pair of classes no kept choice held. The strategies must
// give exactly these.
#include <set>
#include <utility>
#include <vector>

#include "generation/EqClassValues.h"
#include "model/DataSet.h"

inline std::vector<std::vector<const CDataEqClass*>> ReferenceCombinations(const CDataSet& dataSet, int mode,
                                                                           bool pairsOnly) {
    std::vector<std::vector<const CDataEqClass*>> kept;
    const auto& fields = dataSet.GetFields();
    std::vector<std::size_t> positions(fields.size(), 0);
    std::set<std::pair<const CDataEqClass*, const CDataEqClass*>> covered;
    while (true) {
        std::vector<const CDataEqClass*> choice;
        int invalid = 0;
        for (std::size_t i = 0; i < fields.size(); ++i) {
            choice.push_back(fields[i]->GetEqClasses()[positions[i]]);
            invalid += choice.back()->IsValid() ? 0 : 1;
        }
        if (invalid == (mode == kValidMode ? 0 : 1)) {
            bool added = false;
            for (std::size_t i = 0; i < choice.size(); ++i)
                for (std::size_t j = i + 1; j < choice.size(); ++j)
                    added |= covered.emplace(choice[i], choice[j]).second;
            if (added || !pairsOnly) kept.push_back(choice);
        }
        std::size_t i = fields.size();
        while (i-- > 0) {
            if (++positions[i] < fields[i]->GetEqClasses().size()) break;
            positions[i] = 0;
        }
        if (i == static_cast<std::size_t>(-1)) return kept;
    }
}
