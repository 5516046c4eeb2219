#pragma once
// What conditions come to, as short texts that tables of test cases can hold.
#include <memory>
#include <string>

#include "conditions/ConditionContext.h"
#include "conditions/ConditionEvaluator.h"
#include "conditions/ConditionParser.h"
#include "conditions/ConditionTree.h"
#include "model/Combination.h"
#include "platform/MessageBuffer.h"

// "type:value" of the parsed and evaluated text, or the message that refused it.
inline std::string Outcome(const std::string& text, const CCombination* combination = nullptr,
                           const CConditionContext& context = InitConditionContext()) {
    ClearGlobalMessage();
    const CCombination none;
    std::unique_ptr<CConditionTree> tree = ParseCondition(context, text);
    if (!tree) return GetGlobalMessageBuffer();
    int type = 0;
    std::string value;
    if (!tree->Evaluate(type, value, combination ? *combination : none, context)) return GetGlobalMessageBuffer();
    return std::to_string(type) + ":" + value;
}

// The shape of a tree: operators by kind code with their operands, leaves by their text.
inline std::string Shape(const CConditionTree* node) {
    if (!node) return "-";
    if (node->GetKind() == kNodeConstant || node->GetKind() == kNodeDesignator) return node->GetValue();
    std::string text = std::to_string(node->GetKind()) + "(" + Shape(node->GetLeft());
    if (node->GetRight()) text += "," + Shape(node->GetRight());
    return text + ")";
}
