#include <gtest/gtest.h>

#include "model/CloneFlags.h"
#include "platform/MessageBuffer.h"
#include "tests/support/FlowBuilder.h"

class EffectExpansion : public ::testing::Test {
protected:
    CDataSet set{"Set"};

    void SetUp() override {
        AddEffects(set, {{"E1", "A > 1"},
                         {"E2", "%E1 AND B < 2"},
                         {"E3", "%e2 OR \"%E1\""},
                         {"E4", "%E5"},
                         {"E5", "C = 1 OR %E4"}});
        set.GetEffects().Add(new CDataEffect("Bare", &set));
    }

    std::tuple<bool, std::string, std::string> Expand(std::string text, std::optional<std::string_view> own) {
        SetGlobalMessage("");
        const bool ok = CDataSet::ExpandEffectReferences(text, own, set.GetEffects());
        return {ok, text, GetGlobalMessageBuffer()};
    }
};

TEST_F(EffectExpansion, ReferencesAreReplacedByCauses) {
    EXPECT_EQ(Expand("%E1 AND B < 2", "E2"), std::make_tuple(true, std::string("A > 1 AND B < 2"), std::string()));
    EXPECT_EQ(Expand("%E2 OR \"%E1\" OR #%E1#", "E3"),
              std::make_tuple(true, std::string("A > 1 AND B < 2 OR \"%E1\" OR #%E1#"), std::string()));
    EXPECT_EQ(Expand("%E1 AND %E1", std::nullopt), std::make_tuple(true, std::string("A > 1 AND A > 1"), std::string()));
}

TEST_F(EffectExpansion, RecursionAndMissingCausesFail) {
    EXPECT_EQ(Expand("%e1", "E1"), std::make_tuple(false, std::string("%e1"), std::string("Recursive use of effect ID 'e1'! [W0970]")));
    EXPECT_EQ(Expand("%Bare", "E1"),
              std::make_tuple(false, std::string("%Bare"), std::string("Effect ID 'Bare' is not existing! [W0971]")));
    EXPECT_EQ(Expand("%None", "E1"),
              std::make_tuple(false, std::string("%None"), std::string("Effect ID 'None' is not existing! [W0971]")));
    // A cycle between two other effects ends at the recurring reference.
    EXPECT_EQ(Expand("%E4", "E1"),
              std::make_tuple(false, std::string("C = 1 OR %E4"), std::string("Recursive use of effect ID 'E4'! [W0970]")));
}

TEST_F(EffectExpansion, ATextThatOutgrowsEveryConditionStops) {
    // Each link uses the next twice: 2,000 characters doubled 20 times.
    for (int link = 0; link < 20; ++link) {
        const std::string next = "D" + std::to_string(link + 1);
        AddEffects(set, {{"D" + std::to_string(link), "%" + next + " OR %" + next}});
    }
    AddEffects(set, {{"D20", "\"" + std::string(2000, 'x') + "\""}});
    const auto [ok, text, message] = Expand("%D11", std::nullopt);  // 2^9 copies: 1 MB and a little
    EXPECT_FALSE(ok);
    EXPECT_EQ(message, "Condition too complex! [W0113]");
    EXPECT_TRUE(std::get<0>(Expand("%D12", std::nullopt)));  // 2^8 copies stay below
    EXPECT_FALSE(std::get<0>(Expand("%D0", std::nullopt)));
}

TEST(DataRecord, EffectValuesComeFromTheFirstListedEffect) {
    CDataSet set("Set");
    AddEffects(set, {{"Low", "1"}, {"High", "1"}, {"Other", "1"}});
    set.GetEffects()[0]->SetAttribute(new CAttributeKav("Rate", 2, "1"));
    set.GetEffects()[1]->SetAttribute(new CAttributeKav("Rate", 2, "2"));
    CDataRecord record("R", 1, kOriginManual);
    record.GetEffectIds() = {"gone", set.GetEffects()[2]->GetId(), set.GetEffects()[1]->GetId(),
                             set.GetEffects()[0]->GetId()};
    EXPECT_EQ(record.GetEffectValue("Rate", &set), "2");
    EXPECT_EQ(record.GetEffectValue("rate", &set), "");
    EXPECT_EQ(record.GetEffectValue("Rate", nullptr), "");
}

TEST(DataRecord, OriginTexts) {
    const std::pair<int, std::string> cases[] = {
        {0, ""}, {1, "Manual"}, {2, "Equivalence Class Method"}, {3, "Imported"}, {4, "DELTRA Method"}, {5, ""}};
    for (const auto& [origin, text] : cases) EXPECT_EQ(CDataRecord("R", 1, origin).GetOriginText(), text);
}

TEST(DataRecord, CloneCopiesValuesAndEffects) {
    CDataRecord record("R", 0, kOriginImported);
    record.GetValues().Set("f1", "x");
    record.GetEffectIds().push_back("e1");
    std::unique_ptr<CDataRecord> copy(record.Clone(kCloneKeepId));
    EXPECT_EQ(copy->GetId(), record.GetId());
    EXPECT_EQ(copy->GetName(), "R");
    EXPECT_FALSE(copy->IsValid());
    EXPECT_EQ(copy->GetOrigin(), kOriginImported);
    EXPECT_EQ(copy->GetValues(), record.GetValues());
    EXPECT_EQ(copy->GetEffectIds(), record.GetEffectIds());
}

TEST(DataEffect, CloneKeepsTheValidFlagAndCopiesItsParts) {
    CDataSet set("Set");
    CDataEffect effect("E", 0);
    effect.SetDataSet(&set);
    effect.SetCondition(new CConditionKav("E", "1"));
    effect.SetAttribute(new CAttributeKav("V", 4, "x"));
    std::unique_ptr<CDataEffect> copy(effect.Clone(0));
    EXPECT_FALSE(copy->IsValid());
    EXPECT_EQ(copy->GetDataSet(), &set);
    EXPECT_NE(copy->GetCondition(), effect.GetCondition());
    EXPECT_EQ(copy->GetCondition()->GetText(), "1");
    EXPECT_EQ(copy->GetAttribute()->GetValue(), "x");
    EXPECT_TRUE(CDataEffect("E", &set).IsValid());
}
