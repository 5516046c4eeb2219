#pragma once
// Runs one combination strategy on the fixture's data set and shows its combinations by class
// names.
#include <random>

#include "generation/EqClassValues.h"
#include "generation/EqCombinationStrategy.h"
#include "platform/MessageBuffer.h"
#include "platform/Progress.h"
#include "tests/generation/DataSetFixture.h"
#include "tests/generation/ReferenceWalk.h"

template <class Strategy>
class StrategyTest : public DataSetTest {
protected:
    int Combine(int mode, const Progress* progress = nullptr) {
        return Strategy().Combine(dataSet, mode, combinations, progress);
    }
    // Each combination as its class names, "!" after the names of an invalid combination.
    Rows Combinations() const {
        Rows rows;
        for (const auto& combination : combinations) {
            Texts names;
            for (const CDataEqClass* eqClass : combination->GetClasses()) names.push_back(eqClass->GetName());
            if (!combination->GetValid()) names.push_back("!");
            rows.push_back(names);
        }
        return rows;
    }
    // The work value of every class, field by field.
    std::vector<int> UseCounts() const {
        std::vector<int> counts;
        for (const CDataField* field : dataSet.GetFields())
            for (const CDataEqClass* eqClass : field->GetEqClasses()) counts.push_back(eqClass->GetWorkValue());
        return counts;
    }
    std::string Message() const { return GetGlobalMessageBuffer(); }

    // On random data sets of one to maxFields fields of up to four classes (one in three of
    // them invalid), both modes give exactly the combinations of the reference walk.
    void ExpectReferenceCombinations(int rounds, int maxFields, bool pairsOnly) {
        std::mt19937 random(7);
        for (int round = 0; round < rounds; ++round) {
            AddRandomFields(random, 1 + round % maxFields);
            for (int mode : {kValidMode, kInvalidMode}) {
                ASSERT_EQ(Combine(mode), 1);
                ASSERT_EQ(CombinationClasses(), ReferenceCombinations(dataSet, mode, pairsOnly))
                    << "round " << round << ", mode " << mode;
            }
        }
    }

    EqCombinationList combinations;

private:
    void AddRandomFields(std::mt19937& random, int fields) {
        dataSet.GetFields().DeleteAll();
        for (int f = 0; f < fields; ++f) {
            std::vector<ClassSpec> classes(std::uniform_int_distribution<std::size_t>(1, 4)(random));
            for (std::size_t c = 0; c < classes.size(); ++c) {
                classes[c].name = "C" + std::to_string(c);
                classes[c].valid = std::uniform_int_distribution<int>(0, 2)(random) != 0;
            }
            AddField("F" + std::to_string(f), classes);
        }
    }
    std::vector<std::vector<const CDataEqClass*>> CombinationClasses() const {
        std::vector<std::vector<const CDataEqClass*>> all;
        for (const auto& combination : combinations)
            all.emplace_back(combination->GetClasses().begin(), combination->GetClasses().end());
        return all;
    }
};
