#pragma once
// A node of a parsed condition: an operator with its operands, a constant or a designator.
// The kind code doubles as the binding strength: the lower the code, the looser it binds.
#include <memory>
#include <string>

class CCombination;
class CConditionContext;

enum ConditionNodeKind : int {
    kNodeOr = 100,
    kNodeXor = 101,
    kNodeAnd = 102,
    kNodeEqual = 103,
    kNodeNotEqual = 104,  // written "!="
    kNodeLess = 105,
    kNodeGreater = 106,
    kNodeLessEqual = 107,
    kNodeGreaterEqual = 108,
    kNodePlus = 109,
    kNodeMinus = 110,
    kNodeTimes = 111,
    kNodeDivide = 112,
    kNodeNot = 113,
    kNodeNegate = 114,  // unary minus
    kNodeConcat = 115,  // "&", string concatenation
    kNodeConstant = 116,
    kNodeDesignator = 117,
    kNodeBracket = 118,
};

class CConditionTree {
public:
    CConditionTree(int kind, std::string value, int type, bool constant)
        : kind_(kind), type_(type), constant_(constant), value_(std::move(value)) {}
    CConditionTree(const CConditionTree&) = delete;
    CConditionTree& operator=(const CConditionTree&) = delete;
    virtual ~CConditionTree() = default;

    int GetKind() const { return kind_; }
    // Constants: their text; designators: the designator without "#"; operators and brackets:
    // the result of their last evaluation.
    const std::string& GetValue() const { return value_; }
    void SetValue(std::string value) { value_ = std::move(value); }
    // A value type code; for operators the one of their last evaluation (or of their kind).
    int GetType() const { return type_; }
    void SetType(int type) { type_ = type; }
    // The subtree holds no designator.
    bool IsConstant() const { return constant_; }
    void SetConstant(bool constant) { constant_ = constant; }

    // The only operand of NOT, unary minus and brackets is the left one.
    CConditionTree* GetLeft() const { return left_.get(); }
    CConditionTree* GetRight() const { return right_.get(); }
    void SetLeft(std::unique_ptr<CConditionTree> left) { left_ = std::move(left); }
    void SetRight(std::unique_ptr<CConditionTree> right) { right_ = std::move(right); }

    // Where a satisfying-value search stands in this node between its calls: the alternative
    // it tries next, and whether the next call on a child must skip that child's last proposal.
    int GetAlternative() const { return alternative_; }
    void SetAlternative(int alternative) { alternative_ = alternative; }
    bool GetLeftNext() const { return leftNext_; }
    void SetLeftNext(bool next) { leftNext_ = next; }
    bool GetRightNext() const { return rightNext_; }
    void SetRightNext(bool next) { rightNext_ = next; }

    // Proposes designator values under which the subtree may yield the wanted value ("TRUE",
    // "FALSE", "UNDETERMINED", or a number or text below arithmetic and "&"): variables of the
    // combination whose source is the designator node that set them. The caller evaluates the
    // proposal and may ask again with next set for the one after it; the nodes keep where they
    // stand between calls. The step counter is shared by the calls of one run: past
    // kSearchStepLimit every call gives 1 at once. 1 proposed, 0 no further proposal, -1 with a
    // message.
    int FindSatisfyingValues(const std::string& wanted, bool next, CCombination& combination,
                             const CConditionContext& context, int& steps);
    // The search of the subtree starts anew; the variables that its designator nodes set leave
    // the combination. Returns TRUE.
    bool ResetSearch(CCombination& combination);

    // The value of the subtree with designator values from the combination, else from the
    // model. Operator and bracket nodes keep what they computed as their value and type. 1, or
    // 0 with a message; the first failure ends the evaluation.
    int Evaluate(int& type, std::string& value, const CCombination& combination, const CConditionContext& context);

private:
    std::unique_ptr<CConditionTree> left_;
    std::unique_ptr<CConditionTree> right_;
    int kind_;
    int type_;
    bool constant_;
    std::string value_;
    int alternative_ = 1;
    bool leftNext_ = false;
    bool rightNext_ = false;
};
