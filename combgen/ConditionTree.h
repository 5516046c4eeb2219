#pragma once
// Expression trees of the library's condition language. The kind codes are also the binding
// order: a lower code binds more loosely.
#include <cstddef>
#include <map>
#include <memory>
#include <string>
#include <vector>

struct CVariable;

enum ConditionKind : int {
    kOr = 100,
    kXor = 101,
    kAnd = 102,
    kEqual = 103,
    kNotEqual = 104,
    kLess = 105,
    kGreater = 106,
    kLessEqual = 107,
    kGreaterEqual = 108,
    kPlus = 109,
    kMinus = 110,
    kTimes = 111,
    kDivide = 112,
    kNot = 113,
    kNegate = 114,
    kNumber = 116,
    kVariable = 117,
    kBracket = 118,
};

enum ConditionType : int { kTypeBracket = 1, kTypeNumeric = 2, kTypeBoolean = 3 };

// sum of coefficient * variable, compared with the constant.
struct LinearForm {
    std::map<std::string, int> coefficients;
    int constant = 0;
    bool operator==(const LinearForm&) const = default;
};

struct CConditionTree {
    int kind = kNumber;
    int type = kTypeNumeric;
    bool constant = false;                // the subtree holds numbers only
    int value = 0;                        // a number, or the folded value of a constant subtree
    const CVariable* variable = nullptr;  // not owned
    LinearForm linearForm;                // comparisons, once normalised
    std::unique_ptr<CConditionTree> left;
    std::unique_ptr<CConditionTree> right;
};

inline bool IsLogical(int kind) { return kind >= kOr && kind <= kAnd; }
inline bool IsComparison(int kind) { return kind >= kEqual && kind <= kGreaterEqual; }

// A node of the kind with its kind's type; not constant.
std::unique_ptr<CConditionTree> MakeNode(int kind, std::unique_ptr<CConditionTree> left = nullptr,
                                         std::unique_ptr<CConditionTree> right = nullptr);
std::unique_ptr<CConditionTree> MakeNumber(int value);
std::unique_ptr<CConditionTree> CopyConditionTree(const CConditionTree& tree);
std::size_t CountNodes(const CConditionTree* tree);

// Every binary operator in brackets: ((#A# <= (3 - 1)) OR (#B# = 2)).
std::string ConditionToString(const CConditionTree* tree);

// Names of the variables, left before right, each once.
void CollectVariableNames(const CConditionTree* tree, std::vector<std::string>& names);
