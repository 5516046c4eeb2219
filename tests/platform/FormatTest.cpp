#include <gtest/gtest.h>

#include "platform/Format.h"
#include "platform/MessageBuffer.h"

TEST(Format, FillsPlaceholdersOfEveryKind) {
    struct Case {
        std::string format;
        std::vector<FormatArg> args;
        std::string expected;
    };
    const Case cases[] = {
        {"Window %s not found! [W0542]", {"Nope"}, "Window Nope not found! [W0542]"},
        {"line %d: %s", {3, "mismatched tag"}, "line 3: mismatched tag"},
        {"%i of %i", {2, 5}, "2 of 5"},
        {"Test_%03d", {7}, "Test_007"},
        {"Test_%03d", {1234}, "Test_1234"},
        {"%x/%X", {255, 255}, "ff/FF"},
        {"char '%c'", {'-'}, "char '-'"},
        {"%.2f", {3.14159}, "3.14"},
        {"100%% done", {}, "100% done"},
        {"%-5s|", {"ab"}, "ab   |"},
        {"%5s|", {"ab"}, "   ab|"},
        {"%ld and %I64d", {1, 2}, "1 and 2"},
        {"%s", {42}, "42"},             // a number where text was expected still prints
        {"%d", {"text"}, "text"},       // and text where a number was expected
        {"%s and %s", {"one"}, "one and "},
        {"trailing %", {}, "trailing %"},
        {"%ls", {"wide"}, "wide"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatText(c.format, c.args), c.expected) << c.format;
}

// A width or precision wider than a line can show is refused, whatever its number of digits,
// and the value is shown as if it had none.
TEST(Format, RefusesFieldsWiderThanALine) {
    struct Case {
        std::string format;
        FormatArg arg;
        std::string expected;
    };
    const Case cases[] = {
        {"[%99999999999999999999s]", "x", "[x]"},
        {"[%2000000000s]", "x", "[x]"},
        {"[%-1000s]", "x", "[x]"},
        {"[%.2000000000f]", 3.5, "[3.500000]"},
        {"[%.99999999999999999999d]", 42, "[42]"},
        {"[%4000000000.1f]", 3.25, "[3.2]"},
        {"[%2000000000c]", 'y', "[y]"},
        {"[%08.3f]", 3.25, "[0003.250]"},  // fields a line can show stay
    };
    for (const auto& c : cases) EXPECT_EQ(FormatText(c.format, {c.arg}), c.expected) << c.format;
}

TEST(Format, ListsThePlaceholdersThatTakeArguments) {
    EXPECT_EQ(FormatPlaceholders("100%% of %-5s in %ld, %I64u, %.2f and %q; %"),
              (std::vector<std::string>{"%-5s", "%d", "%u", "%.2f"}));
}

TEST(Format, VariadicShorthand) { EXPECT_EQ(Fmt("%s=%d", "n", 5), "n=5"); }

TEST(MessageBuffer, SetAndClear) {
    SetGlobalMessage("abc");
    EXPECT_EQ(GetGlobalMessageBuffer(), "abc");
    ClearGlobalMessage();
    EXPECT_EQ(GetGlobalMessageBuffer(), "");
}
