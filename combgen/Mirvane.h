#pragma once
// Mirvane, the combination generator: integer variables with ranges, effect variables and effects
// (linear conditions over the variables) become effect combinations with boundary values.
// The only header of libmirvane.so; it needs nothing of the main program. Text is UTF-8.
// Operations returning int give 1 for success and -1 for failure; the message is then in
// GetErrorMessage(). One configuration per process, not guarded: use it from one thread.
#include <map>
#include <memory>
#include <string>
#include <vector>

#define MIRVANE_API __attribute__((visibility("default")))

// One assignment: every variable of the configuration, by name, with its value.
using QZSolutionMap = std::map<std::string, int>;
using QZSolutionList = std::vector<QZSolutionMap>;

// One effect combination as handed to the caller.
class MIRVANE_API CResultQZ {
public:
    explicit CResultQZ(int valid);
    virtual ~CResultQZ();

    // Nonzero for a combination of valid effects only.
    int GetValid() const { return valid_; }
    // The names of the combination's effects, in the combination's order.
    std::vector<std::string>& EffectNames() { return effectNames_; }
    const std::vector<std::string>& EffectNames() const { return effectNames_; }
    QZSolutionList& Solutions() { return solutions_; }
    const QZSolutionList& Solutions() const { return solutions_; }

private:
    std::vector<std::string> effectNames_;
    QZSolutionList solutions_;
    int valid_;
};

using QZResultList = std::vector<std::unique_ptr<CResultQZ>>;

// The facade: every instance works on the one configuration of the process.
class MIRVANE_API CExportQZ {
public:
    CExportQZ& operator=(const CExportQZ&);

    int AddVariable(const std::string& name, int lowerBorder, int upperBorder);
    int AddEffectVariable(const std::string& name, const std::string& value);
    // On success the message holds the normalised condition.
    int AddEffect(const std::string& name, int valid, const std::string& condition,
                  const std::string& effectVariableName, const std::string& effectVariableValue);
    // Deletes variables, effect variables and effects; the message stays.
    void ClearConfiguration();

    // Appends the boundary values of one effect; maps already in mapList count as duplicates.
    int GenerateBoundaryValues(const std::string& effectName, QZSolutionList* mapList);
    // Replaces the content of resultList: the valid combinations first, then the invalid ones.
    int GenerateEffectCombinations(int valid, int invalid, QZResultList* resultList);

    std::string GetErrorMessage();
};
