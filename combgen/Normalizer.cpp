#include "combgen/Normalizer.h"

#include "combgen/Configuration.h"
#include "combgen/LinearForm.h"

namespace {

using Node = std::unique_ptr<CConditionTree>;

void RemoveBrackets(Node& node) {
    while (node && node->kind == kBracket) node = std::move(node->left);
    if (!node) return;
    RemoveBrackets(node->left);
    RemoveBrackets(node->right);
}

void Negate(Node& node) {
    switch (node->kind) {
        case kOr:
        case kAnd:
            node->kind = node->kind == kOr ? kAnd : kOr;
            Negate(node->left);
            Negate(node->right);
            return;
        case kEqual: node->kind = kNotEqual; return;
        case kNotEqual: node->kind = kEqual; return;
        case kLess: node->kind = kGreaterEqual; return;
        case kGreater: node->kind = kLessEqual; return;
        case kLessEqual: node->kind = kGreater; return;
        case kGreaterEqual: node->kind = kLess; return;
        case kNot: node = std::move(node->left); return;
        default: return;
    }
}

void RemoveNots(Node& node) {
    if (!node) return;
    bool negated = false;
    while (node->kind == kNot) {
        node = std::move(node->left);
        negated = !negated;
    }
    if (negated) Negate(node);
    RemoveNots(node->left);
    RemoveNots(node->right);
}

// Only = and <= remain: a < b is a <= b - 1, a > b is -a <= -b - 1, a >= b is -a <= -b.
void ToEqualOrLessEqual(CConditionTree& comparison) {
    switch (comparison.kind) {
        case kLess:
            comparison.right = MakeNode(kMinus, std::move(comparison.right), MakeNumber(1));
            break;
        case kGreater:
            comparison.left = MakeNode(kNegate, std::move(comparison.left));
            comparison.right = MakeNode(kMinus, MakeNode(kNegate, std::move(comparison.right)), MakeNumber(1));
            break;
        case kGreaterEqual:
            comparison.left = MakeNode(kNegate, std::move(comparison.left));
            comparison.right = MakeNode(kNegate, std::move(comparison.right));
            break;
        default: return;
    }
    comparison.kind = kLessEqual;
}

bool ConvertComparators(CConditionTree& node) {
    if (IsLogical(node.kind)) return ConvertComparators(*node.left) && ConvertComparators(*node.right);
    if (!IsComparison(node.kind)) return true;
    ToEqualOrLessEqual(node);
    LinearForm left, right;
    return ComputeLinearForm(*node.left, left) && ComputeLinearForm(*node.right, right) &&
           CompareLinearForms(left, right, node.linearForm);
}

// The steps that copy subtrees share one budget of nodes.
class Normalizer {
public:
    bool Run(Node& root) {
        if (!root) return Fail("Error while removing brackets: empty root node!");
        RemoveBrackets(root);
        nodes_ = CountNodes(root.get());
        if (!ExpandXors(root)) return false;
        RemoveNots(root);
        return ConvertToDnf(root) && ConvertNotEquals(root) && ConvertComparators(*root) && ConvertToDnf(root);
    }

private:
    Node Copy(const CConditionTree& tree) {
        if (!Grow(CountNodes(&tree))) return nullptr;
        return CopyConditionTree(tree);
    }

    bool Grow(std::size_t added) {
        nodes_ += added;
        return nodes_ <= kMaxNormalizedNodes || Fail("Condition too complex!");
    }

    // A XOR B is (A AND NOT B) OR (NOT A AND B): negation and the normal form then treat it
    // like any other condition instead of leaving its sides unrelated.
    bool ExpandXors(Node& node) {
        if (!node) return true;
        if (!ExpandXors(node->left) || !ExpandXors(node->right)) return false;
        if (node->kind != kXor) return true;
        Node a = std::move(node->left), b = std::move(node->right);
        Node a2 = Copy(*a), b2 = Copy(*b);
        if (!a2 || !b2 || !Grow(4)) return false;
        node = MakeNode(kOr, MakeNode(kAnd, std::move(a), MakeNode(kNot, std::move(b))),
                        MakeNode(kAnd, MakeNode(kNot, std::move(a2)), std::move(b2)));
        return true;
    }

    bool ConvertToDnf(Node& root) {
        bool changed = true;
        while (changed) {
            changed = false;
            if (!DistributeAnds(root, changed)) return false;
        }
        return true;
    }

    // (A OR B) AND C becomes (A AND C) OR (B AND C'); A AND (B OR C) becomes (A AND B) OR (A' AND C).
    bool DistributeAnds(Node& node, bool& changed) {
        if (node->kind == kAnd && (node->left->kind == kOr || node->right->kind == kOr)) {
            const bool orOnLeft = node->left->kind == kOr;
            Node disjunction = std::move(orOnLeft ? node->left : node->right);
            Node other = std::move(orOnLeft ? node->right : node->left);
            Node otherCopy = Copy(*other);
            if (!otherCopy || !Grow(1)) return false;
            Node first = orOnLeft ? MakeNode(kAnd, std::move(disjunction->left), std::move(other))
                                  : MakeNode(kAnd, std::move(other), std::move(disjunction->left));
            Node second = orOnLeft ? MakeNode(kAnd, std::move(disjunction->right), std::move(otherCopy))
                                   : MakeNode(kAnd, std::move(otherCopy), std::move(disjunction->right));
            node = MakeNode(kOr, std::move(first), std::move(second));
            changed = true;
        }
        if (node->kind != kAnd && node->kind != kOr) return true;
        return DistributeAnds(node->left, changed) && DistributeAnds(node->right, changed);
    }

    // a != b becomes (a < b) OR (a' > b').
    bool ConvertNotEquals(Node& node) {
        if (!node) return true;
        if (node->kind != kNotEqual) return ConvertNotEquals(node->left) && ConvertNotEquals(node->right);
        Node a = std::move(node->left), b = std::move(node->right);
        Node a2 = Copy(*a), b2 = Copy(*b);
        if (!a2 || !b2 || !Grow(2)) return false;
        node = MakeNode(kOr, MakeNode(kLess, std::move(a), std::move(b)), MakeNode(kGreater, std::move(a2), std::move(b2)));
        return true;
    }

    std::size_t nodes_ = 0;
};

}  // namespace

bool NormalizeCondition(std::unique_ptr<CConditionTree>& root) { return Normalizer().Run(root); }
