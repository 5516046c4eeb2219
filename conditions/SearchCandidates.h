#pragma once
// The values that the satisfying-value search tries, by candidate index from 1; an index past
// a table takes the table's fallback entry. Numbers are 32-bit and wrap; dates are
// "DD.MM.YYYY".
#include <optional>
#include <string>
#include <string_view>
#include <utility>

using ValuePair = std::pair<std::string, std::string>;

// The number wrapped to 32 bits, in decimal.
std::string SearchNumberText(long long value);

// The offset added to a bound, and the days a date bound is moved by.
int CandidateOffset(int index);
int CandidateDays(int index);

std::string SampleNumber(int index);
std::string SampleDate(int index);
std::string SampleString(int index);

// The date moved by that many days; empty for a text that is no valid date.
std::string ShiftDate(std::string_view date, int days);

// A value of the type that differs from the constant.
std::string DifferentNumber(int constant, int index);
std::string DifferentDate(std::string_view constant, int index);
std::string DifferentString(std::string_view constant, int index);

// Two values of the type that differ from each other.
ValuePair DifferentNumbers(int index);
ValuePair DifferentDates(int index);
ValuePair DifferentStrings(int index);

// Two values, the first below the second; with strict false they may be equal.
ValuePair OrderedNumbers(int index, bool strict);
ValuePair OrderedDates(int index, bool strict);
