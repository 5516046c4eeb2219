#include <gtest/gtest.h>

#include "conditions/ValueTypes.h"
#include "model/CloneFlags.h"
#include "model/DataSet.h"
#include "model/RepresentativeValues.h"
#include "platform/MessageBuffer.h"

using Values = std::vector<std::string>;

TEST(RepresentativeValues, DefinitionsSplitIntoValues) {
    struct Case {
        std::string definition;
        Values values;
    };
    const Case cases[] = {
        {R"(a, "b,c", \"d)", {"a", "b,c", "\"d"}},
        {R"("")", {""}},
        {"x ,y", {"x ", "y"}},
        {R"(  "a b",  c\\d,\,)", {"a b", "c\\d", ","}},
        {"   ", {}},
        {"a\\", {"a"}},
    };
    for (const Case& c : cases) {
        Values values{"stale"};
        EXPECT_TRUE(ParseRepresentativeDefinition(c.definition, values)) << c.definition;
        EXPECT_EQ(values, c.values) << c.definition;
    }
}

// What the class editor shows for a class's values parses back to the same values; a value
// that ends in white space is quoted, so that the trailing blanks survive.
TEST(RepresentativeValues, JoinedValuesParseBack) {
    struct Case {
        Values values;
        std::string joined;
    };
    const Case cases[] = {
        {{"a,b", "", " x", "y "}, R"(a\,b, "", " x", "y ")"},
        {{"say \"hi\"", "c:\\dir"}, R"(say \"hi\", c:\\dir)"},
        {{"\t", "a b"}, "\"\t\", a b"},
        {{"only"}, "only"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(JoinRepresentativeValues(c.values), c.joined);
        Values parsed;
        EXPECT_TRUE(ParseRepresentativeDefinition(c.joined, parsed)) << c.joined;
        EXPECT_EQ(parsed, c.values) << c.joined;
    }
}

TEST(RepresentativeValues, MalformedDefinitionsAreRefused) {
    struct Case {
        std::string definition;
        std::string message;
    };
    const Case cases[] = {
        {"a,,b", "Please use 2 double quotes to specify an empty string! [W0943]"},
        {",a", "Please use 2 double quotes to specify an empty string! [W0943]"},
        {"a,", "Please use 2 double quotes to specify an empty string! [W0945]"},
        {"\"a", "double quote missing in representative value definition! [W0944]"},
        {"\"a\"b", "Invalid characters after double quote in representative value definition! [W0941]"},
        {"a\"b", "Invalid characters before double quote in representative value definition! [W0942]"},
    };
    for (const Case& c : cases) {
        Values values;
        EXPECT_FALSE(ParseRepresentativeDefinition(c.definition, values)) << c.definition;
        EXPECT_EQ(GetGlobalMessageBuffer(), c.message) << c.definition;
    }
}

class EqClass : public ::testing::Test {
protected:
    CDataField field{"Age", kTypeNum};
    CDataEqClass* valid = field.GetEqClasses().Add(new CDataEqClass("V1", 1, "", "0", "120"));
    CDataEqClass* invalid = field.GetEqClasses().Add(new CDataEqClass("I1", 0, "", "", "-1"));
};

TEST_F(EqClass, AcceptedValuesReplaceTheOldOnes) {
    EXPECT_TRUE(valid->SetRepresentativeValues("12, 13", &field));
    EXPECT_EQ(valid->GetRepresentativeValues(), (Values{"12", "13"}));
    EXPECT_TRUE(valid->SetRepresentativeValues("   ", &field));  // blank: nothing changes
    EXPECT_EQ(valid->GetRepresentativeValues(), (Values{"12", "13"}));
    EXPECT_TRUE(valid->SetRepresentativeValues("12", &field));  // its own values are no conflict
    EXPECT_TRUE(invalid->SetRepresentativeValues("A, a, abc", &field));
}

TEST_F(EqClass, RefusedValuesLeaveTheClassUnchanged) {
    valid->SetRepresentativeValues("5", &field);
    struct Case {
        CDataEqClass* eqClass;
        std::string definition;
        std::string message;
    };
    const Case cases[] = {
        {invalid, "1, 2, 2, 1", "Representative value '1' appears more than once! [W0371]"},
        {valid, "7, 120", "Representative value '120' is identical to a border value! [W0763]"},
        {invalid, "x, 0", "Representative value '0' has already been defined in class 'V1'! [W0573]"},
        {invalid, "5", "Representative value '5' has already been defined in class 'V1'! [W0573]"},
        {valid, "12, abc",
         "Representative value 'abc' does not correspond to the type of the field.\n"
         "This is only allowed for invalid equivalence classes! [W0946]"},
        {valid, "1,", "Please use 2 double quotes to specify an empty string! [W0945]"},
    };
    for (const Case& c : cases) {
        const Values before = c.eqClass->GetRepresentativeValues();
        EXPECT_FALSE(c.eqClass->SetRepresentativeValues(c.definition, &field)) << c.definition;
        EXPECT_EQ(GetGlobalMessageBuffer(), c.message) << c.definition;
        EXPECT_EQ(c.eqClass->GetRepresentativeValues(), before) << c.definition;
    }
}

TEST_F(EqClass, FindingTheClassOfAValue) {
    valid->SetRepresentativeValues("5", &field);
    EXPECT_EQ(field.FindEqClassByValue("120"), valid);
    EXPECT_EQ(field.FindEqClassByValue("5"), valid);
    EXPECT_EQ(field.FindEqClassByValue("-1"), invalid);
    EXPECT_EQ(field.FindEqClassByValue(""), nullptr);  // the empty lower border of I1 does not count
    EXPECT_EQ(field.FindEqClassByValue("6"), nullptr);
}

TEST_F(EqClass, CloneCopiesValuesButNotGenerationState) {
    valid->SetRepresentativeValues("5, 6", &field);
    valid->GetHelpValues().Add(new CDataHelpValue("5", 3));
    valid->SetWorkValue(9);
    std::unique_ptr<CDataField> copy(field.Clone(kCloneKeepId));
    EXPECT_EQ(copy->GetId(), field.GetId());
    ASSERT_EQ(copy->GetEqClasses().size(), 2u);
    const CDataEqClass* copied = copy->GetEqClasses()[0];
    EXPECT_EQ(copied->GetId(), valid->GetId());
    EXPECT_EQ(copied->GetMax(), "120");
    EXPECT_EQ(copied->GetRepresentativeValues(), (Values{"5", "6"}));
    EXPECT_TRUE(copied->GetHelpValues().empty());
    EXPECT_EQ(copied->GetWorkValue(), 0);
    EXPECT_NE(std::unique_ptr<CDataField>(field.Clone(0))->GetId(), field.GetId());
}

TEST(DefaultEqClasses, EachTypeGetsItsClasses) {
    struct Expected {
        std::string name;
        bool valid;
        std::string range;
        Values values;
    };
    const std::pair<int, std::vector<Expected>> cases[] = {
        {kTypeString, {{"V1", true, "Any string", {"test"}}}},
        {kTypeBool, {{"V1", true, "True", {"TRUE"}}, {"V2", true, "False", {"FALSE"}}}},
        {kTypeNum, {{"V1", true, "Any number", {"1"}}, {"I1", false, "Not a number", {"1abc"}}}},
        {kTypeDate,
         {{"V1", true, "Any date", {"08.03.1994"}},
          {"I1", false, "Invalid date", {"29.02.1999"}},
          {"I2", false, "Not a date", {"290299", "abc"}}}},
        {kTypeDesignator, {}},
    };
    for (const auto& [type, expected] : cases) {
        CDataField field("F", type);
        EXPECT_TRUE(field.AddDefaultEqClasses());
        ASSERT_EQ(field.GetEqClasses().size(), expected.size()) << type;
        for (size_t i = 0; i < expected.size(); ++i) {
            const CDataEqClass* eqClass = field.GetEqClasses()[i];
            EXPECT_EQ(eqClass->GetName(), expected[i].name);
            EXPECT_EQ(eqClass->IsValid(), expected[i].valid);
            EXPECT_EQ(eqClass->GetDefRange(), expected[i].range);
            EXPECT_EQ(eqClass->GetRepresentativeValues(), expected[i].values);
            EXPECT_EQ(eqClass->GetMin() + eqClass->GetMax(), "");
        }
    }
}
