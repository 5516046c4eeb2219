#include <gtest/gtest.h>

#include "model/MetaReferences.h"
#include "platform/MessageBuffer.h"
#include "tests/support/ProjectBuilder.h"

TEST(ConditionSegments, StringConstantsAndDesignatorsAreCutOut) {
    struct Case {
        std::string text;
        std::vector<std::string> segments;
        std::vector<size_t> starts;
    };
    const Case cases[] = {
        {"", {}, {}},
        {"%A", {"%A"}, {0}},
        {"#W# = \"%A\" AND %B", {"", " = ", " AND %B"}, {0, 3, 10}},
        {"%A AND \"x", {"%A AND ", "x"}, {0, 8}},  // an unclosed quote opens nothing
        {"a \"b\"", {"a "}, {0}},
        {"\"a\"b", {"", "b"}, {0, 3}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> segments{"stale"};
        std::vector<size_t> starts{99};
        EXPECT_TRUE(SplitConditionSegments(c.text, segments, starts));
        EXPECT_EQ(segments, c.segments) << c.text;
        EXPECT_EQ(starts, c.starts) << c.text;
    }
}

TEST(ConditionSegments, NextReferenceStopsOnThePercentSign) {
    size_t position = 0;
    EXPECT_EQ(GetNextMetaReference("x %Ab_1+2", position), "Ab_1");
    EXPECT_EQ(position, 2u);
    position = 3;
    EXPECT_EQ(GetNextMetaReference("x %Ab_1+2", position), "");
    EXPECT_EQ(position, 9u);
    position = 0;
    EXPECT_EQ(GetNextMetaReference("% x", position), "");
    EXPECT_EQ(position, 0u);
}

class MetaConditions : public ProjectTest {
protected:
    CConditionList& list = app.GetMetaConditions();

    // The expansion result, the text afterwards and the message.
    std::tuple<int, std::string, std::string> Resolve(std::string text, std::optional<std::string_view> ownId = {}) {
        int result = list.ResolveMetaIds(text, ownId);
        return {result, text, GetGlobalMessageBuffer()};
    }
};

TEST_F(MetaConditions, ReferencesAreReplacedWithoutBrackets) {
    project.AddMetaCondition("A", "#X# OR #Y#");
    project.AddMetaCondition("Z", "#Z# = 1");
    project.AddMetaCondition("Outer", "%a AND %Z");
    SetGlobalMessage("old");
    EXPECT_EQ(Resolve("%A AND #Z#"), std::make_tuple(1, std::string("#X# OR #Y# AND #Z#"), std::string()));
    EXPECT_EQ(Resolve("NOT %Outer"), std::make_tuple(1, std::string("NOT #X# OR #Y# AND #Z# = 1"), std::string()));
    EXPECT_EQ(Resolve("\"%A\" = #%A#"), std::make_tuple(1, std::string("\"%A\" = #%A#"), std::string()));
}

TEST_F(MetaConditions, RepeatedAndDiamondReferencesExpand) {
    project.AddMetaCondition("D", "#D#");
    project.AddMetaCondition("B", "%D OR 1");
    project.AddMetaCondition("C", "%D OR 2");
    project.AddMetaCondition("A", "%B AND %C");
    EXPECT_EQ(Resolve("%A AND %A"),
              std::make_tuple(1, std::string("#D# OR 1 AND #D# OR 2 AND #D# OR 1 AND #D# OR 2"), std::string()));
}

TEST_F(MetaConditions, CyclesEndWithTheRecurringReference) {
    project.AddMetaCondition("A", "%A");
    project.AddMetaCondition("B", "%C");
    project.AddMetaCondition("C", "x OR %B");
    const std::string recursiveA = "Recursive use of meta-condition ID 'A'! [W0056]";
    const std::string recursiveB = "Recursive use of meta-condition ID 'B'! [W0056]";
    EXPECT_EQ(Resolve("%A", "a"), std::make_tuple(0, std::string("%A"), recursiveA));
    EXPECT_EQ(Resolve("%A"), std::make_tuple(0, std::string("%A"), recursiveA));
    // Checked with its own ID, B fails after one expansion step.
    EXPECT_EQ(Resolve("%C", "B"), std::make_tuple(0, std::string("x OR %B"), recursiveB));
    // Without an own ID the cycle through B and C still ends.
    EXPECT_EQ(Resolve("1 AND %B AND 2"), std::make_tuple(0, std::string("1 AND x OR %B AND 2"), recursiveB));
}

TEST_F(MetaConditions, UnknownReferencesFail) {
    project.AddMetaCondition("A", "%Gone OR 1");
    EXPECT_EQ(Resolve("% x"), std::make_tuple(0, std::string("% x"), std::string("Meta-condition ID '' is not existing! [W0057]")));
    EXPECT_EQ(Resolve("(%A) AND %B"),
              std::make_tuple(0, std::string("(%Gone OR 1) AND %B"),
                              std::string("Meta-condition ID 'Gone' is not existing! [W0057]")));
}

TEST_F(MetaConditions, AConditionExpandsThroughTheCurrentProject) {
    project.AddMetaCondition("A", "#X# = 1");
    CConditionKav good("C1", "%A AND #Y#"), bad("C2", "%A AND %A1");
    std::string expanded;
    EXPECT_TRUE(good.ExpandMetaIds(expanded));
    EXPECT_EQ(expanded, "#X# = 1 AND #Y#");
    EXPECT_FALSE(bad.ExpandMetaIds(expanded));
    EXPECT_EQ(GetGlobalMessageBuffer(), "One or more meta-IDs in condition '%A AND %A1' are invalid! [W0055]");
}

TEST_F(MetaConditions, ListOperations) {
    CConditionKav* upper = project.AddMetaCondition("UPPER", "1");
    upper->SetUniqueId("AbC123456789");
    EXPECT_EQ(list.FindCondition("upper", false), upper);
    EXPECT_EQ(list.FindCondition("AbC123456789", true), upper);
    EXPECT_EQ(list.FindCondition("abc123456789", true), nullptr);
    EXPECT_FALSE(list.IsIdUnused("Upper"));
    EXPECT_TRUE(list.IsIdUnused("Other"));
    list.RemoveCondition("nothing");
    list.RemoveCondition("upper");
    EXPECT_TRUE(list.empty());
}

TEST(MetaConditionIds, LengthAndIdentifierRules) {
    EXPECT_TRUE(CConditionList::CheckMetaConditionId(std::string(30, 'a')));
    for (const std::string& id : {std::string(31, 'a'), std::string()}) {
        SetGlobalMessage("untouched");
        EXPECT_FALSE(CConditionList::CheckMetaConditionId(id));
        EXPECT_EQ(GetGlobalMessageBuffer(), "untouched");
    }
    EXPECT_FALSE(CConditionList::CheckMetaConditionId("1a"));
    EXPECT_EQ(GetGlobalMessageBuffer(), "The ID must not begin with a digit! [W0959]");
}
