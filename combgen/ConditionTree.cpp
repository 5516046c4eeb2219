#include "combgen/ConditionTree.h"

#include <algorithm>

#include "combgen/Configuration.h"

namespace {

int TypeOfKind(int kind) {
    if (kind == kBracket) return kTypeBracket;
    if (IsLogical(kind) || IsComparison(kind) || kind == kNot) return kTypeBoolean;
    return kTypeNumeric;
}

const char* InfixText(int kind) {
    switch (kind) {
        case kOr: return " OR ";
        case kXor: return " XOR ";
        case kAnd: return " AND ";
        case kEqual: return " = ";
        case kNotEqual: return " != ";
        case kLess: return " < ";
        case kGreater: return " > ";
        case kLessEqual: return " <= ";
        case kGreaterEqual: return " >= ";
        case kPlus: return " + ";
        case kMinus: return " - ";
        case kTimes: return " * ";
        case kDivide: return " / ";
        default: return nullptr;
    }
}

void AppendText(const CConditionTree* tree, std::string& text) {
    if (!tree) {
        text += "EMPTY_CND";
        return;
    }
    if (const char* infix = InfixText(tree->kind)) {
        text += '(';
        AppendText(tree->left.get(), text);
        text += infix;
        AppendText(tree->right.get(), text);
        text += ')';
        return;
    }
    switch (tree->kind) {
        case kNot: text += "NOT ("; break;
        case kNegate: text += "-("; break;
        case kBracket: text += '('; break;
        case kNumber: text += std::to_string(tree->value); return;
        case kVariable: text += tree->variable ? "#" + tree->variable->name + "#" : "#INVALID_VAR#"; return;
        default: text += "INVALID_CND"; return;
    }
    AppendText(tree->left.get(), text);
    text += ')';
}

}  // namespace

std::unique_ptr<CConditionTree> MakeNode(int kind, std::unique_ptr<CConditionTree> left,
                                         std::unique_ptr<CConditionTree> right) {
    auto node = std::make_unique<CConditionTree>();
    node->kind = kind;
    node->type = TypeOfKind(kind);
    node->left = std::move(left);
    node->right = std::move(right);
    return node;
}

std::unique_ptr<CConditionTree> MakeNumber(int value) {
    auto node = MakeNode(kNumber);
    node->value = value;
    node->constant = true;
    return node;
}

std::unique_ptr<CConditionTree> CopyConditionTree(const CConditionTree& tree) {
    auto copy = std::make_unique<CConditionTree>();
    copy->kind = tree.kind;
    copy->type = tree.type;
    copy->constant = tree.constant;
    copy->value = tree.value;
    copy->variable = tree.variable;
    copy->linearForm = tree.linearForm;
    if (tree.left) copy->left = CopyConditionTree(*tree.left);
    if (tree.right) copy->right = CopyConditionTree(*tree.right);
    return copy;
}

std::size_t CountNodes(const CConditionTree* tree) {
    return tree ? 1 + CountNodes(tree->left.get()) + CountNodes(tree->right.get()) : 0;
}

std::string ConditionToString(const CConditionTree* tree) {
    std::string text;
    AppendText(tree, text);
    return text;
}

void CollectVariableNames(const CConditionTree* tree, std::vector<std::string>& names) {
    if (!tree) return;
    if (tree->kind == kVariable && tree->variable &&
        std::find(names.begin(), names.end(), tree->variable->name) == names.end()) {
        names.push_back(tree->variable->name);
    }
    CollectVariableNames(tree->left.get(), names);
    CollectVariableNames(tree->right.get(), names);
}
