#include <gtest/gtest.h>

#include "generation/DataGenSettings.h"
#include "generation/EqClassMethod.h"
#include "platform/MessageBuffer.h"
#include "tests/generation/DataSetFixture.h"
#include "tests/support/GlobalState.h"

namespace {

class EqClassMethodTest : public DataSetTest {
protected:
    void SetUp() override {
        AddField("F1", {{"V1"}, {"V2"}, Invalid("I1")});
        AddField("F2", {{"W1"}});
    }
    int Generate(bool valid, bool invalid, int strategy = kEachClassOnce, int values = kOneRepresentative) {
        TestInteraction().messages.clear();
        return GenerateByEqClasses(dataSet, {valid, invalid, strategy, kEqClassMethod, values});
    }
    // The one message the run showed, with its caption.
    std::pair<std::string, std::string> Shown() const {
        const auto& messages = TestInteraction().messages;
        EXPECT_EQ(messages.size(), 1u);
        if (messages.empty()) return {};
        EXPECT_EQ(messages[0].icon, MessageIcon::Information);
        return {messages[0].text, messages[0].caption};
    }
};

const std::pair<std::string, std::string> kNothingNew = {
    "No new records have been generated because the existing ones already fulfill the selected coverage criteria! "
    "[I0026]",
    "Nothing generated"};

}  // namespace

TEST_F(EqClassMethodTest, ValidAndInvalidRecordsEachClassOnce) {
    ASSERT_EQ(Generate(true, true), 1);
    EXPECT_EQ(AllValues(), (Rows{{"V1", "W1"}, {"V2", "W1"}, {"I1", "W1"}}));
    EXPECT_EQ(Names(), (Texts{"V1", "V2", "I1"}));
    EXPECT_EQ(Shown(), std::make_pair(std::string("3 new data records generated! [I0027]"),
                                      std::string("Generation successful")));
}

TEST_F(EqClassMethodTest, ASecondRunFindsEveryRecordThereAlready) {
    ASSERT_EQ(Generate(true, false), 1);
    ASSERT_EQ(Generate(true, false), 1);
    EXPECT_EQ(Shown(), kNothingNew);
    EXPECT_EQ(Names(), (Texts{"V1", "V2"}));

    // A new class brings one new record, numbered after the others.
    dataSet.GetFields()[1]->GetEqClasses().Add(new CDataEqClass("W2", 1))->GetRepresentativeValues() = {"W2"};
    ASSERT_EQ(Generate(true, false), 1);
    EXPECT_EQ(AllValues(), (Rows{{"V1", "W1"}, {"V2", "W1"}, {"V2", "W2"}}));
    EXPECT_EQ(Names(), (Texts{"V1", "V2", "V3"}));
    EXPECT_EQ(Shown().first, "1 new data records generated! [I0027]");
}

TEST_F(EqClassMethodTest, PairsOfASingleFieldGiveNothing) {
    dataSet.GetFields().Delete(dataSet.GetFields()[1]);
    ASSERT_EQ(Generate(true, false, kEachPairOnce), 1);
    EXPECT_TRUE(dataSet.GetRecords().empty());
    EXPECT_EQ(Shown(), kNothingNew);
}

TEST_F(EqClassMethodTest, AllCombinationsWithAllSpecifiedValues) {
    dataSet.GetFields().DeleteAll();
    AddField("Text", {{"Words", true, {"a", "b"}, "1", "9"}, {"Other", true, {"o"}}});
    AddField("Flag", {{"On", true, {"on"}}, {"Off", true, {"off"}}});
    ASSERT_EQ(Generate(true, false, kAllCombinations, kAllSpecifiedValues), 1);
    // Words needs four records for its values, but appears in only two combinations.
    EXPECT_EQ(AllValues(), (Rows{{"a", "on"}, {"1", "off"}, {"o", "on"}, {"o", "off"}, {"9", "on"}, {"b", "off"}}));
    EXPECT_EQ(Names(), (Texts{"V1", "V2", "V3", "V4", "V5", "V6"}));
}

TEST_F(EqClassMethodTest, AFailedRunLeavesTheRecordsAsTheyWere) {
    dataSet.GetFields()[0]->GetEqClasses().Delete(dataSet.GetFields()[0]->GetEqClasses()[2]);
    AddRecord("Rec_V01", {"x", "y"});
    EXPECT_EQ(Generate(true, true), 0);  // the valid records were made before the invalid ones failed
    EXPECT_EQ(GetGlobalMessageBuffer(), "There are no invalid equivalence classes defined for field 'F2'! [W0441]");
    EXPECT_EQ(Names(), (Texts{"Rec_V01"}));
    EXPECT_TRUE(TestInteraction().messages.empty());
}

TEST_F(EqClassMethodTest, NothingRequestedGivesNothing) {
    ASSERT_EQ(Generate(false, false), 1);
    EXPECT_EQ(Shown(), kNothingNew);
}
