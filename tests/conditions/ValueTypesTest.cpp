#include <gtest/gtest.h>

#include "conditions/ValueTypes.h"

TEST(ValueTypes, CompatibilityIsSymmetricAndFollowsTheFamilies) {
    struct Case {
        int a, b, compatible;
    };
    const Case cases[] = {
        {7, 2, 1},  {14, 8, 1}, {3, 10, 1}, {4, 15, 1}, {7, 8, 1},  {16, 1, 1}, {5, 5, 1},
        {12, 13, 0}, {9, 11, 0}, {2, 3, 0},  {5, 6, 0},  {16, 4, 0}, {17, 4, 0}, {14, 2, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AreTypesCompatible(c.a, c.b), c.compatible) << c.a << "," << c.b;
        EXPECT_EQ(AreTypesCompatible(c.b, c.a), c.compatible) << c.b << "," << c.a;
    }
}

TEST(ValueTypes, ValuesFitTheirTypes) {
    struct Case {
        std::string value;
        int type;
        bool fits;
    };
    const Case cases[] = {
        {"", 2, true},       {"  -5", 2, true},      {"5a", 2, false},     {"5 ", 2, false},
        {"-", 2, false},     {"99999999999", 2, true}, {"undetermined", 3, true}, {"True", 10, true},
        {"yes", 3, false},   {"anything", 4, true},  {"", 15, true},       {"Main", 6, false},
        {"~Set", 16, false}, {"V", 17, false},       {"x", 0, false},      {"01.01.2020", 14, true},
        {"1.1.2020", 14, false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsValueOfType(c.value, c.type), c.fits) << c.value << " / " << c.type;
}

TEST(ValueTypes, DatesAreExactlyTenCharactersOfAnExistingDay) {
    const std::pair<std::string, bool> cases[] = {
        {"01.01.2020", true},  {"29.02.2020", true},  {"31.12.9999", true}, {"01.01.0100", true},
        {"1.1.2020", false},   {"29.02.2021", false}, {"31.04.2020", false}, {"01.01.0099", false},
        {"00.01.2020", false}, {"01.13.2020", false}, {"01-01-2020", false}, {"01.01.20200", false},
        {"aa.bb.cccc", false},
    };
    for (const auto& [text, valid] : cases) {
        DateValue value;
        EXPECT_EQ(ParseDate(text, value), valid ? 1 : 0) << text;
        EXPECT_EQ(value.valid, valid) << text;
    }
    DateValue leap;
    ASSERT_EQ(ParseDate("29.02.2020", leap), 1);
    EXPECT_EQ(leap.date, std::chrono::year{2020} / std::chrono::February / 29);
    EXPECT_EQ(leap.day, 43890);
}

TEST(ValueTypes, ComparisonTypes) {
    struct Case {
        std::string a, b;
        int typeA, typeB, type;
    };
    const Case cases[] = {
        {"1", "2", 7, 8, 2},           {"TRUE", "FALSE", 10, 3, 3},     {"a", "b", 2, 7, 0},
        {"01.02.2020", "3", 7, 8, 4},  {"01.02.2020", "03.04.2021", 7, 14, 14},
        {"3", "10", 7, 7, 2},          {"abc", "3", 7, 7, 4},           {"", "5", 7, 2, 2},
        {"5", "", 7, 2, 2},            {"", "", 7, 7, 4},               {"", "", 2, 2, 2},
        {"", "", 14, 7, 14},           {"", "", 3, 10, 3},              {"", "", 5, 5, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GetOperandComparisonType(c.a, c.b, c.typeA, c.typeB), c.type) << c.a << "|" << c.b;
    EXPECT_EQ(GetCommonValueType(1, 1), 4);
    EXPECT_EQ(GetCommonValueType(2, 14), 0);
    EXPECT_EQ(GetValueComparisonType("12", 7, 2), 2);
    EXPECT_EQ(GetValueComparisonType("", 14, 8), 14);
    EXPECT_EQ(GetValueComparisonType("x", 2, 2), 0);
}

TEST(ValueTypes, TruthValues) {
    struct Case {
        std::string text;
        int ok, value;
    };
    const Case triStates[] = {
        {"true", 1, 1}, {"FALSE", 1, 0}, {"Undetermined", 1, 2}, {"0", 1, 0},
        {"5x", 1, 5},   {"-3", 1, -3},   {"00", 0, -1},          {"x", 0, -1},
    };
    for (const Case& c : triStates) {
        int value = -1;
        EXPECT_EQ(ParseTriState(c.text, value), c.ok) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
    }
    int value = -1;
    EXPECT_EQ(ParseBool("tRuE", value), 1);
    EXPECT_EQ(value, 1);
    EXPECT_EQ(ParseBool("UNDETERMINED", value), 0);
    EXPECT_EQ(TriStateToText(1), "TRUE");
    EXPECT_EQ(TriStateToText(0), "FALSE");
    EXPECT_EQ(TriStateToText(7), "UNDETERMINED");
}

TEST(ValueTypes, DisplayNames) {
    EXPECT_EQ(GetValueTypeName(0), "Undefined");
    EXPECT_EQ(GetValueTypeName(18), "Undefined");
    EXPECT_EQ(GetValueTypeName(2), "Num");
    EXPECT_EQ(GetValueTypeName(7), "String, Num, or Date");
    EXPECT_EQ(GetValueTypeName(10), "Bool or 'Undetermined'");
    EXPECT_EQ(GetValueTypeName(17), "[V]alid/[I]nvalid/[A]ll");
}
