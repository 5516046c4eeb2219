#include <gtest/gtest.h>

#include "generation/NewRecords.h"
#include "tests/generation/DataSetFixture.h"

namespace {
using NewRecordsTest = DataSetTest;
}

TEST_F(NewRecordsTest, DropsNewRecordsThatRepeatAnEarlierOneAndKeepsTheOldOnes) {
    AddField("F1", {});
    AddField("F2", {});
    AddRecord("Old1", {"a", "b"});
    AddRecord("Old2", {"a", "b"});  // a duplicate the user made stays
    AddRecord("New1", {"a", "b"});
    AddRecord("New2", {"ab", "c"});
    AddRecord("New3", {"a", "bc"});  // the same characters, other values
    AddRecord("New4", {"ab", "c"});
    AddRecord("New5", {"x"})->GetValues().Set(dataSet.GetFields()[1]->GetId(), "");
    AddRecord("New6", {"x"});  // a missing value equals the empty one
    EXPECT_EQ(RemoveDuplicateRecords(dataSet, 2), 3);
    EXPECT_EQ(Names(), (Texts{"Old1", "Old2", "New2", "New3", "New5"}));
}

TEST_F(NewRecordsTest, RenumbersTheOriginsRecordsAroundNamesThatStay) {
    AddRecord("V1", {}, kOriginEqClassMethod);
    AddRecord("V5", {}, kOriginEqClassMethod);
    AddRecord("v3", {}, kOriginManual);
    AddRecord("V2", {}, kOriginDeltra);
    AddRecord("Custom", {}, kOriginEqClassMethod);  // no "V": keeps its name
    AddRecord("V1", {}, kOriginEqClassMethod);
    AddRecord("I7", {}, kOriginEqClassMethod, 0);
    AddRecord("Invalid", {}, kOriginEqClassMethod, 0);
    RenumberRecords(dataSet, kOriginEqClassMethod);
    EXPECT_EQ(Names(), (Texts{"V1", "V4", "v3", "V2", "Custom", "V5", "I1", "I2"}));
}

TEST_F(NewRecordsTest, SettlingCountsTheNewRecordsLeftAndDiscardingRestoresTheList) {
    AddField("F", {});
    AddRecord("Rec_V01", {"a"});
    AddRecord("V0", {"a"}, kOriginDeltra);
    AddRecord("V0", {"b"}, kOriginDeltra);
    EXPECT_EQ(SettleNewRecords(dataSet, 1, kOriginDeltra), 1);
    EXPECT_EQ(Names(), (Texts{"Rec_V01", "V1"}));
    AddRecord("V0", {"c"}, kOriginDeltra);
    DiscardNewRecords(dataSet, 1);
    EXPECT_EQ(Names(), (Texts{"Rec_V01"}));
}
