#include "conditions/ConditionEvaluator.h"

#include <cstdint>
#include <optional>

#include "conditions/ConditionParser.h"
#include "conditions/ConditionTree.h"
#include "conditions/DesignatorValues.h"
#include "conditions/ValueTypes.h"
#include "model/Combination.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"

namespace {

struct Operand {
    int type = 0;
    std::string value;
};

// The messages of the operators 100 to 115 for an operand of the wrong type (comparisons:
// operands that cannot be compared).
const int kOperandMessages[] = {44059, 44060, 44058, 44061, 44066, 44062, 44063, 44064,
                                44065, 44078, 44079, 44080, 44081, 44083, 44084, 0};
int OperandMessage(int kind) { return kOperandMessages[kind - kNodeOr]; }

// Ordering of values that are neither numbers nor dates, and dates that do not parse; for < > <= >=.
int InvalidTypeMessage(int kind) { return 44074 + (kind - kNodeLess); }
int InvalidDateMessage(int kind) {
    const int messages[] = {44070, 44071, 45126, 44072};
    return messages[kind - kNodeLess];
}

std::string TruthText(bool on) { return on ? "TRUE" : "FALSE"; }
bool IsTrue(std::string_view value) { return EqualsNoCase(value, "TRUE"); }

std::optional<int> TruthValue(std::string_view value) {
    if (EqualsNoCase(value, "TRUE")) return kTrue;
    if (EqualsNoCase(value, "FALSE")) return kFalse;
    if (EqualsNoCase(value, "UNDETERMINED")) return kUndetermined;
    return std::nullopt;
}

// The leading integer of the text, as the runtime reads one; "" and "abc" are 0.
std::int64_t Number(std::string_view value) { return ParseLeadingInt(value); }

// Two's complement wrap to 32 bits, written with "%d".
std::string NumberText(std::int64_t value) {
    return std::to_string(static_cast<std::int32_t>(static_cast<std::uint32_t>(value)));
}

int Fail(int message) {
    SetMessage(message);
    return 0;
}

// Evaluates the operator nodes; constants and designators are read directly.
class NodeEvaluator {
public:
    NodeEvaluator(CConditionTree& node, const CCombination& combination, const CConditionContext& context)
        : node_(node), combination_(combination), context_(context) {}

    int Run(Operand& result);

private:
    int Read(CConditionTree* operand, Operand& value) {
        if (!operand) return Fail(41011);
        return operand->Evaluate(value.type, value.value, combination_, context_);
    }
    int Logic(const Operand& left, const Operand& right, Operand& result) const;
    int Compare(const Operand& left, const Operand& right, Operand& result) const;
    int Order(const Operand& left, const Operand& right, int comparisonType, bool& holds) const;
    int Arithmetic(const Operand& left, const Operand& right, Operand& result) const;

    CConditionTree& node_;
    const CCombination& combination_;
    const CConditionContext& context_;
};

int NodeEvaluator::Run(Operand& result) {
    const int kind = node_.GetKind();
    if (kind < kNodeOr || kind > kNodeBracket) return Fail(41011);
    Operand left, right;
    if (!Read(node_.GetLeft(), left)) return 0;
    switch (kind) {
        case kNodeBracket: result = std::move(left); return 1;
        case kNodeNot:
            if (!AreTypesCompatible(left.type, kTypeBool)) return Fail(OperandMessage(kind));
            result = {kTypeBool, TruthText(EqualsNoCase(left.value, "FALSE"))};
            return 1;
        case kNodeNegate:
            if (!AreTypesCompatible(left.type, kTypeNum)) return Fail(OperandMessage(kind));
            result = {kTypeNum, NumberText(-Number(left.value))};
            return 1;
        default: break;
    }
    if (!Read(node_.GetRight(), right)) return 0;
    if (kind <= kNodeAnd) return Logic(left, right, result);
    if (kind <= kNodeGreaterEqual) return Compare(left, right, result);
    if (kind <= kNodeDivide) return Arithmetic(left, right, result);
    result = {kTypeString, left.value + right.value};
    return 1;
}

int NodeEvaluator::Logic(const Operand& left, const Operand& right, Operand& result) const {
    const int kind = node_.GetKind();
    if (!AreTypesCompatible(left.type, kTypeBool) || !AreTypesCompatible(right.type, kTypeBool))
        return Fail(OperandMessage(kind));
    bool holds = false;
    if (kind == kNodeAnd) {
        holds = IsTrue(left.value) && IsTrue(right.value);
    } else if (kind == kNodeOr) {
        holds = IsTrue(left.value) || IsTrue(right.value);
    } else {
        // Texts that are no truth value reach here only from designators of unknown type.
        const std::optional<int> a = TruthValue(left.value), b = TruthValue(right.value);
        if (!a || !b) return Fail(OperandMessage(kind));
        holds = *a != *b;
    }
    result = {kTypeBool, TruthText(holds)};
    return 1;
}

int NodeEvaluator::Compare(const Operand& left, const Operand& right, Operand& result) const {
    const int kind = node_.GetKind();
    int comparisonType = GetOperandComparisonType(left.value, right.value, left.type, right.type);
    bool holds = false;
    if (kind == kNodeEqual || kind == kNodeNotEqual) {
        // A number or date may be compared with "" as a text.
        if (comparisonType == 0 && IsEmptyConstantComparison(node_)) comparisonType = kTypeString;
        if (comparisonType == 0) return Fail(OperandMessage(kind));
        bool equal = false;
        if (comparisonType == kTypeNum) equal = Number(left.value) == Number(right.value);
        else if (comparisonType == kTypeBool) equal = EqualsNoCase(left.value, right.value);
        else equal = left.value == right.value;
        holds = (kind == kNodeEqual) == equal;
    } else if (!Order(left, right, comparisonType, holds)) {
        return 0;
    }
    result = {kTypeBool, TruthText(holds)};
    return 1;
}

int NodeEvaluator::Order(const Operand& left, const Operand& right, int comparisonType, bool& holds) const {
    const int kind = node_.GetKind();
    if (comparisonType == 0) return Fail(OperandMessage(kind));
    std::int64_t a = 0, b = 0;
    if (comparisonType == kTypeNum) {
        a = Number(left.value);
        b = Number(right.value);
    } else if (comparisonType == kTypeDate) {
        // A date compared with nothing is neither before nor after it.
        if (left.value.empty() || right.value.empty()) {
            holds = false;
            return 1;
        }
        DateValue leftDate, rightDate;
        if (!ParseDate(left.value, leftDate) || !ParseDate(right.value, rightDate)) return Fail(InvalidDateMessage(kind));
        a = leftDate.day;
        b = rightDate.day;
    } else {
        return Fail(InvalidTypeMessage(kind));
    }
    switch (kind) {
        case kNodeLess: holds = a < b; break;
        case kNodeGreater: holds = a > b; break;
        case kNodeLessEqual: holds = a <= b; break;
        default: holds = a >= b; break;
    }
    return 1;
}

int NodeEvaluator::Arithmetic(const Operand& left, const Operand& right, Operand& result) const {
    const int kind = node_.GetKind();
    if (!AreTypesCompatible(left.type, kTypeNum) || !AreTypesCompatible(right.type, kTypeNum))
        return Fail(OperandMessage(kind));
    const std::int64_t a = Number(left.value), b = Number(right.value);
    std::int64_t value = 0;
    switch (kind) {
        case kNodePlus: value = a + b; break;
        case kNodeMinus: value = a - b; break;
        case kNodeTimes: value = a * b; break;
        default:
            if (b == 0) return Fail(44082);
            value = a / b;  // truncates toward zero
            break;
    }
    result = {kTypeNum, NumberText(value)};
    return 1;
}

}  // namespace

int CConditionTree::Evaluate(int& type, std::string& value, const CCombination& combination,
                             const CConditionContext& context) {
    if (kind_ == kNodeConstant) {
        type = type_;
        value = value_;
        return 1;
    }
    if (kind_ == kNodeDesignator) {
        if (GetVariableValue(context, value_, combination, value, type)) return 1;
        SetMessage(41010, value_);
        return 0;
    }
    Operand result{type_, value_};
    const int ok = NodeEvaluator(*this, combination, context).Run(result);
    type_ = type = result.type;
    value_ = value = result.value;
    return ok;
}

int EvaluateToBool(const CConditionContext& context, CConditionTree* tree, const CCombination& combination) {
    if (!tree) {
        SetMessage(41016);
        return -1;
    }
    int type = 0;
    std::string value;
    if (!tree->Evaluate(type, value, combination, context)) return -1;
    if (!AreTypesCompatible(type, kTypeBool)) {
        SetMessage(44132);
        return -1;
    }
    return IsTrue(value) ? 1 : 0;
}

int GetExpressionType(const CConditionContext& context, std::string_view text) {
    const std::unique_ptr<CConditionTree> tree = ParseCondition(context, text);
    if (!tree) return 0;
    const CCombination noValues;
    int type = 0;
    std::string value;
    return tree->Evaluate(type, value, noValues, context) ? type : 0;
}

int EvaluateConditionText(const CConditionContext& context, std::string_view text, std::string& value, bool& constant,
                          int& type, const CCombination& combination) {
    value.clear();
    constant = true;
    type = 0;
    const std::unique_ptr<CConditionTree> tree = ParseCondition(context, text);
    if (!tree || !tree->Evaluate(type, value, combination, context)) return 0;
    constant = tree->IsConstant();
    return 1;
}
