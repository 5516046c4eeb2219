#pragma once
// Linear forms of the arithmetic below a comparison: products and quotients with constants only.
#include "combgen/ConditionTree.h"

// False with the message when the subtree is not linear or its arithmetic overflows.
bool ComputeLinearForm(const CConditionTree& expression, LinearForm& form);

// The form of left <op> right as sum(coefficient * variable) <op> constant; false with the
// message when no variable keeps a coefficient.
bool CompareLinearForms(const LinearForm& left, const LinearForm& right, LinearForm& comparison);
