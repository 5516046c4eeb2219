#include "combgen/LinearForm.h"

#include "combgen/CheckedMath.h"
#include "combgen/Configuration.h"

namespace {

// left + sign * right, term by term.
bool Combine(const LinearForm& left, const LinearForm& right, bool subtract, LinearForm& result) {
    auto apply = [subtract](int a, int b, int& out) {
        return subtract ? SubtractChecked(a, b, out) : AddChecked(a, b, out);
    };
    result = left;
    for (const auto& [name, coefficient] : right.coefficients) {
        int& target = result.coefficients[name];
        if (!apply(target, coefficient, target)) return Fail(kOverflowMessage);
    }
    if (!apply(left.constant, right.constant, result.constant)) return Fail(kOverflowMessage);
    return true;
}

bool Multiply(const LinearForm& left, const LinearForm& right, LinearForm& result) {
    const bool leftHasVariables = !left.coefficients.empty();
    if (leftHasVariables && !right.coefficients.empty()) {
        return Fail("An expression where 2 variables are multiplied is not allowed!");
    }
    const LinearForm& variables = leftHasVariables ? left : right;
    const int factor = leftHasVariables ? right.constant : left.constant;
    result = {};
    for (const auto& [name, coefficient] : variables.coefficients) {
        if (!MultiplyChecked(coefficient, factor, result.coefficients[name])) return Fail(kOverflowMessage);
    }
    if (!MultiplyChecked(left.constant, right.constant, result.constant)) return Fail(kOverflowMessage);
    return true;
}

bool Divide(const LinearForm& left, const LinearForm& right, LinearForm& result) {
    if (!right.coefficients.empty()) {
        return Fail("An expression where a value is divided by a variable is not allowed!");
    }
    const int divisor = right.constant;
    if (divisor == 0) return Fail("Division by zero error!");
    result = {};
    for (const auto& [name, coefficient] : left.coefficients) {
        int& quotient = result.coefficients[name];
        if (!DivideChecked(coefficient, divisor, quotient)) return Fail(kOverflowMessage);
        // A truncated coefficient would change the condition for almost every value.
        if (quotient * divisor != coefficient) {
            return Fail("An expression where a variable coefficient cannot be divided exactly is not allowed!");
        }
    }
    if (!DivideChecked(left.constant, divisor, result.constant)) return Fail(kOverflowMessage);
    return true;
}

bool Negate(const LinearForm& operand, LinearForm& result) {
    result = operand;
    for (auto& [name, coefficient] : result.coefficients) {
        if (!NegateChecked(coefficient, coefficient)) return Fail(kOverflowMessage);
    }
    if (!NegateChecked(result.constant, result.constant)) return Fail(kOverflowMessage);
    return true;
}

}  // namespace

bool ComputeLinearForm(const CConditionTree& expression, LinearForm& form) {
    if (expression.constant) {  // numbers, and arithmetic already folded while parsing
        form = {};
        form.constant = expression.value;
        return true;
    }
    LinearForm left, right;
    switch (expression.kind) {
        case kVariable:
            if (!expression.variable) return Fail("Error: Variable not found!");
            form = {};
            form.coefficients[expression.variable->name] = 1;
            return true;
        case kNegate:
            return ComputeLinearForm(*expression.left, left) && Negate(left, form);
        case kPlus:
        case kMinus:
        case kTimes:
        case kDivide:
            if (!ComputeLinearForm(*expression.left, left) || !ComputeLinearForm(*expression.right, right)) {
                return false;
            }
            if (expression.kind == kTimes) return Multiply(left, right, form);
            if (expression.kind == kDivide) return Divide(left, right, form);
            return Combine(left, right, expression.kind == kMinus, form);
        default:
            return Fail("Fatal Error: Condition structure corrupted!");
    }
}

bool CompareLinearForms(const LinearForm& left, const LinearForm& right, LinearForm& comparison) {
    if (!Combine(left, right, true, comparison)) return false;
    // the constant moves to the other side
    if (!NegateChecked(comparison.constant, comparison.constant)) return Fail(kOverflowMessage);
    for (const auto& [name, coefficient] : comparison.coefficients) {
        if (coefficient != 0) return true;
    }
    return Fail("At least 1 variable in each comparision must have a coefficient != 0!");
}
