#include "conditions/SearchCandidates.h"

#include <chrono>
#include <cstdint>

#include "conditions/ValueTypes.h"
#include "platform/Format.h"
#include "platform/TextUtil.h"

namespace {

constexpr int kTableSize = 10;

// The entry of index 1 to 10, else the fallback.
template <class T>
T Entry(const T (&table)[kTableSize], int index, T fallback) {
    return index >= 1 && index <= kTableSize ? table[index - 1] : fallback;
}

ValuePair Entry(const char* const (&table)[kTableSize][2], int index, ValuePair fallback) {
    if (index < 1 || index > kTableSize) return fallback;
    return {table[index - 1][0], table[index - 1][1]};
}

ValuePair NumberPair(const int (&table)[kTableSize][2], int index) {
    if (index < 1 || index > kTableSize) return {"0", "1"};
    return {std::to_string(table[index - 1][0]), std::to_string(table[index - 1][1])};
}

constexpr int kOffsets[] = {0, 1, 10, 100, 10000, 1000, 5, 91, 123456, 2};
constexpr int kDays[] = {1, 365, 7, 100, 10000, 1000, 5, 91, 23456, 2};
constexpr int kSampleNumbers[] = {1, 100, 25000, 0, -1, 1234567, -1234567, 5, 19, -23};
constexpr const char* kSampleDates[] = {"01.04.2001", "09.11.1970", "21.11.1915", "30.09.1977", "12.08.2042",
                                        "29.02.1980", "24.12.2004", "31.12.2018", "01.01.2019", "29.10.1976"};
constexpr const char* kSampleStrings[] = {"abc", "123", "ABC", "Abcdefghijkl", "a",
                                          "1",   "abcdefghi", "+", "a1", "ABCDEFGHIJ"};

constexpr int kNumberSteps[] = {1, -1, 10, -10, 12345, -12345, 5, -5, 123456, -123456};
constexpr const char* kOtherStrings[] = {"x", "1", "abc", "ABC", "abcdefghij",
                                         "+", "plo", "a1", "123456", "F1r2a3g4e5z6e7i8c9h0e1n"};

constexpr int kDifferentNumbers[][2] = {{1, 2},       {0, 1},    {1, 0},   {100, 300},       {2000, 5000},
                                        {-5, -8},     {-1, 50},  {123, -5}, {123456, 654321}, {9, 3}};
constexpr const char* kDifferentDates[][2] = {
    {"01.04.2001", "02.04.2001"}, {"09.11.1970", "08.11.1970"}, {"21.11.1915", "21.12.1915"},
    {"30.09.1977", "30.09.1999"}, {"12.08.2042", "15.05.1943"}, {"29.02.1980", "01.03.1980"},
    {"24.12.2004", "04.07.1901"}, {"31.12.2018", "12.05.1988"}, {"01.01.2019", "10.03.1994"},
    {"29.10.1976", "26.12.1996"}};
constexpr const char* kDifferentStrings[][2] = {{"a", "b"},
                                                {"0", "1"},
                                                {"abc", "def"},
                                                {"ABC", "DEF"},
                                                {"abcdefghij", "klmnopqrst"},
                                                {"+", "abc"},
                                                {"plo", "*"},
                                                {"a1", "b2"},
                                                {"123456", "654321"},
                                                {"F1r2a3g4e5z6e7i8c9h0e1n", "12345Quelle"}};

constexpr int kStrictNumbers[][2] = {{1, 2},    {0, 1},   {7, 14},     {100, 300},       {2000, 5000},
                                     {-15, -8}, {-1, 50}, {-123, -5}, {123456, 654321}, {-9, 3}};
constexpr int kNonStrictNumbers[][2] = {{1, 2},    {0, 1},   {1, 1}, {100, 300},       {2000, 5000},
                                        {-15, -8}, {-1, 50}, {5, 5}, {123456, 654321}, {-9, -9}};
constexpr const char* kStrictDates[][2] = {
    {"01.04.2001", "02.04.2001"}, {"09.11.1970", "18.11.1970"}, {"21.11.1915", "21.12.1915"},
    {"30.09.1977", "30.09.1999"}, {"12.08.1942", "15.05.1943"}, {"29.02.1980", "01.03.1980"},
    {"24.12.2004", "04.07.2006"}, {"31.12.1918", "12.05.1988"}, {"01.01.1919", "10.03.1994"},
    {"29.10.1976", "26.12.1996"}};

}  // namespace

std::string SearchNumberText(long long value) {
    return std::to_string(static_cast<std::int32_t>(static_cast<std::uint32_t>(value)));
}

int CandidateOffset(int index) { return Entry(kOffsets, index, 0); }
int CandidateDays(int index) { return Entry(kDays, index, 1); }

std::string SampleNumber(int index) { return std::to_string(Entry(kSampleNumbers, index, 0)); }
std::string SampleDate(int index) { return Entry(kSampleDates, index, "01.01.2000"); }
std::string SampleString(int index) { return Entry(kSampleStrings, index, "a"); }

std::string ShiftDate(std::string_view date, int days) {
    DateValue value;
    if (!ParseDate(date, value)) return {};
    const std::chrono::year_month_day shifted{std::chrono::sys_days(value.date) + std::chrono::days(days)};
    return Fmt("%02u.%02u.%04d", static_cast<unsigned>(shifted.day()), static_cast<unsigned>(shifted.month()),
               static_cast<int>(shifted.year()));
}

std::string DifferentNumber(int constant, int index) {
    return SearchNumberText(static_cast<long long>(constant) + Entry(kNumberSteps, index, 1));
}

std::string DifferentDate(std::string_view constant, int index) {
    const std::string date = SampleDate(index);
    return EqualsNoCase(date, constant) ? "08.03.1994" : date;
}

std::string DifferentString(std::string_view constant, int index) {
    const std::string text = Entry(kOtherStrings, index, "a");
    return EqualsNoCase(text, constant) ? "xyz" : text;
}

ValuePair DifferentNumbers(int index) { return NumberPair(kDifferentNumbers, index); }
ValuePair DifferentDates(int index) { return Entry(kDifferentDates, index, {"01.01.2000", "01.01.2001"}); }
ValuePair DifferentStrings(int index) { return Entry(kDifferentStrings, index, {"a", "b"}); }

ValuePair OrderedNumbers(int index, bool strict) {
    return NumberPair(strict ? kStrictNumbers : kNonStrictNumbers, index);
}

ValuePair OrderedDates(int index, bool strict) {
    // The non-strict pairs differ in two places only: equal dates.
    if (!strict && (index == 3 || index == 7)) {
        const std::string date = kStrictDates[index - 1][0];
        return {date, date};
    }
    return Entry(kStrictDates, index, {"01.01.2000", "01.01.2001"});
}
