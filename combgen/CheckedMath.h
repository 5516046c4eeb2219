#pragma once
// Integer arithmetic of conditions: a result outside 32 bits fails instead of wrapping.
#include <climits>

inline constexpr const char* kOverflowMessage = "Numeric Error: Overflow!";

inline bool AddChecked(int a, int b, int& result) { return !__builtin_add_overflow(a, b, &result); }
inline bool SubtractChecked(int a, int b, int& result) { return !__builtin_sub_overflow(a, b, &result); }
inline bool MultiplyChecked(int a, int b, int& result) { return !__builtin_mul_overflow(a, b, &result); }
inline bool NegateChecked(int a, int& result) { return !__builtin_sub_overflow(0, a, &result); }

// Truncates toward zero; the divisor is not 0.
inline bool DivideChecked(int a, int b, int& result) {
    if (a == INT_MIN && b == -1) return false;
    result = a / b;
    return true;
}
