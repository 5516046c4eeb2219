#include "conditions/ConditionParser.h"

#include "conditions/ConditionLexer.h"
#include "conditions/ValueTypes.h"
#include "model/Combination.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"

namespace {

using Node = std::unique_ptr<CConditionTree>;

enum class TypeRule { kNone, kBool, kComparable, kNumOrDate, kNum };

struct OperatorRule {
    int missingOperandMessage;
    TypeRule typeRule;
    int typeMismatchMessage;
};

// For the operators 100 to 115.
const OperatorRule kOperatorRules[] = {
    {44117, TypeRule::kBool, 44125},      {44117, TypeRule::kBool, 44125},      {44117, TypeRule::kBool, 44125},
    {44118, TypeRule::kComparable, 44067}, {44118, TypeRule::kComparable, 44067}, {44119, TypeRule::kNumOrDate, 44126},
    {44119, TypeRule::kNumOrDate, 44126}, {44119, TypeRule::kNumOrDate, 44126}, {44119, TypeRule::kNumOrDate, 44126},
    {44119, TypeRule::kNumOrDate, 44126}, {44119, TypeRule::kNumOrDate, 44126}, {44120, TypeRule::kNum, 44129},
    {44120, TypeRule::kNum, 44129},       {44122, TypeRule::kBool, 44127},      {44123, TypeRule::kNum, 44128},
    {44121, TypeRule::kNone, 0},
};

bool Fits(const CConditionTree* operand, int type) {
    return !operand || AreTypesCompatible(operand->GetType(), type);
}

bool MeetsTypeRule(const CConditionTree& node, TypeRule rule) {
    const CConditionTree* left = node.GetLeft();
    const CConditionTree* right = node.GetRight();
    switch (rule) {
        case TypeRule::kBool: return Fits(left, kTypeBool) && Fits(right, kTypeBool);
        case TypeRule::kComparable:
            return AreTypesCompatible(left->GetType(), right->GetType()) || IsEmptyConstantComparison(node);
        case TypeRule::kNumOrDate:
            return (Fits(left, kTypeNum) && Fits(right, kTypeNum)) || (Fits(left, kTypeDate) && Fits(right, kTypeDate));
        case TypeRule::kNum: return Fits(left, kTypeNum) && Fits(right, kTypeNum);
        default: return true;
    }
}

// Links the token nodes into a tree: each range of tokens is split at its loosest operator.
class TreeBuilder {
public:
    TreeBuilder(const CConditionContext& context, ConditionTokens& tokens) : context_(context), tokens_(tokens) {}

    Node Build(int first, int last, int depth);

private:
    // The token with the smallest kind among those of the range at that depth, the leftmost on
    // ties; -1 when there is none.
    int FindLowestOperator(int first, int last, int depth) const;
    Node BuildOperator(int first, int last, int at, int depth);
    Node BuildBracket(int first, int last, int at, int depth);
    // Evaluates a constant operator node once, so that its value is known and faults in
    // constants are refused now.
    Node Fold(Node node);
    static Node Fail(int message) {
        SetMessage(message);
        return nullptr;
    }

    const CConditionContext& context_;
    ConditionTokens& tokens_;
};

int TreeBuilder::FindLowestOperator(int first, int last, int depth) const {
    int lowest = -1;
    int lowestKind = 10000;
    for (int i = first; i <= last; ++i) {
        if (tokens_.depths[i] == depth && tokens_.kinds[i] < lowestKind) {
            lowest = i;
            lowestKind = tokens_.kinds[i];
        }
    }
    return lowest;
}

Node TreeBuilder::Build(int first, int last, int depth) {
    // A range without a token at its own depth, as inside the first bracket of "()()".
    const int at = FindLowestOperator(first, last, depth);
    if (at < 0) return Fail(44131);
    const int kind = tokens_.kinds[at];
    if (kind == kNodeConstant || kind == kNodeDesignator) {
        if (first != last) return Fail(44131);
        return std::move(tokens_.nodes[at]);
    }
    if (kind == kNodeBracket) return BuildBracket(first, last, at, depth);
    return BuildOperator(first, last, at, depth);
}

Node TreeBuilder::BuildOperator(int first, int last, int at, int depth) {
    const int kind = tokens_.kinds[at];
    const OperatorRule& rule = kOperatorRules[kind - kNodeOr];
    const bool prefix = kind == kNodeNot || kind == kNodeNegate;
    if (at == last || (!prefix && at == first)) return Fail(rule.missingOperandMessage);
    // A prefix operator binds looser than "&": in "#A# & NOT #B#" it is chosen with tokens in
    // front of it that no node could take.
    if (prefix && at != first) return Fail(44131);

    Node node = std::move(tokens_.nodes[at]);
    if (prefix) {
        Node operand = Build(at + 1, last, depth);
        if (!operand) return nullptr;
        node->SetConstant(operand->IsConstant());
        node->SetLeft(std::move(operand));
    } else {
        Node left = Build(first, at - 1, depth);
        if (!left) return nullptr;
        Node right = Build(at + 1, last, depth);
        if (!right) return nullptr;
        node->SetConstant(left->IsConstant() && right->IsConstant());
        node->SetLeft(std::move(left));
        node->SetRight(std::move(right));
    }
    if (!MeetsTypeRule(*node, rule.typeRule)) return Fail(rule.typeMismatchMessage);
    return Fold(std::move(node));
}

Node TreeBuilder::BuildBracket(int first, int last, int at, int depth) {
    if (at == last) return Fail(44116);
    // Only tokens at other depths can stand in front of a bracket chosen for a range.
    if (at != first) return Fail(44131);
    Node node = std::move(tokens_.nodes[at]);
    Node operand = Build(at + 1, last, depth + 1);
    if (!operand) return nullptr;
    node->SetType(operand->GetType());
    node->SetConstant(operand->IsConstant());
    node->SetLeft(std::move(operand));
    return Fold(std::move(node));
}

Node TreeBuilder::Fold(Node node) {
    if (!node->IsConstant()) return node;
    const CCombination noValues;
    int type = 0;
    std::string value;
    if (!node->Evaluate(type, value, noValues, context_)) return nullptr;
    return node;
}

}  // namespace

std::unique_ptr<CConditionTree> ParseCondition(const CConditionContext& context, std::string_view text) {
    if (text.empty()) {
        SetMessage(44087);
        return nullptr;
    }
    if (Utf16Length(text) > static_cast<size_t>(kMaxConditionLength)) {
        SetMessage(44088, kMaxConditionLength);
        return nullptr;
    }
    ConditionTokens tokens;
    if (!TokenizeCondition(context, text, tokens)) return nullptr;
    return TreeBuilder(context, tokens).Build(0, tokens.Count() - 1, 0);
}
